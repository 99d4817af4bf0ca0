#include "app/recentfiles.h"

#include "app/appsettings.h"
#include "output/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace menuloom::app {

void RecentFiles::add(const QString& path) {
    paths_.removeOne(path);
    paths_.prepend(path);
    while (paths_.size() > kMaxEntries)
        paths_.removeLast();
}

void RecentFiles::load(const QString& settingsPath) {
    paths_.clear();
    QFile file(settingsPath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = recentPart(file.readAll());
    for (QByteArray line : bytes.split('\n')) {
        if (paths_.size() >= kMaxEntries)
            break;
        if (line.endsWith('\r'))
            line.chop(1);
        // An empty line names no file; it would only give a menu entry that cannot open.
        if (line.isEmpty())
            continue;
        const QString path = QString::fromUtf8(line);
        if (!paths_.contains(path))
            paths_.append(path);
    }
}

bool RecentFiles::save(const QString& settingsPath) const {
    if (paths_.isEmpty())
        return true;
    QByteArray bytes;
    for (const QString& path : paths_)
        bytes += path.toUtf8() + "\r\n";
    // The other settings below the list stay.
    {
        QFile old(settingsPath);
        if (old.open(QIODevice::ReadOnly))
            bytes += settingsPart(old.readAll());
    }
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    const auto result = output::writeFileAtomically(QFile::encodeName(settingsPath).toStdString(),
                                                    std::string_view(bytes.data(), bytes.size()));
    return result.ok();
}

QString RecentFiles::captionForPath(const QString& path) {
    QString caption = path;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

QString settingsFilePath(const QString& programFolder) {
    const QString inProgramFolder = programFolder + QStringLiteral("lmtool.ini");
    const QFileInfo folder(programFolder);
    const QFileInfo file(inProgramFolder);
    if (folder.isWritable() && (!file.exists() || file.isWritable()))
        return inProgramFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/menuloom/lmtool.ini");
}

} // namespace menuloom::app
