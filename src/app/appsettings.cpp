#include "app/appsettings.h"

#include "output/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace menuloom::app {

namespace {

QByteArray readSettings(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qsizetype sectionStart(const QByteArray& bytes) {
    const QByteArray line = QByteArray(kSettingsSection);
    if (bytes.startsWith(line))
        return 0;
    const qsizetype at = bytes.indexOf("\n" + line);
    return at < 0 ? -1 : at + 1;
}

QString siteKey(const QString& dataPath) {
    // Percent-encoded, so that no "=" or line break of a path can break the line.
    return QStringLiteral("Site:") + QString::fromLatin1(QUrl::toPercentEncoding(dataPath, "/"));
}

} // namespace

QByteArray recentPart(const QByteArray& settingsFile) {
    const qsizetype at = sectionStart(settingsFile);
    return at < 0 ? settingsFile : settingsFile.left(at);
}

QByteArray settingsPart(const QByteArray& settingsFile) {
    const qsizetype at = sectionStart(settingsFile);
    return at < 0 ? QByteArray() : settingsFile.mid(at);
}

void AppSettings::load(const QString& settingsPath) {
    values_.clear();
    const QByteArray part = settingsPart(readSettings(settingsPath));
    for (QByteArray line : part.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf('=');
        if (line.startsWith('[') || eq <= 0)
            continue;
        values_.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
}

bool AppSettings::save(const QString& settingsPath) const {
    QByteArray bytes = recentPart(readSettings(settingsPath));
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += QByteArray(kSettingsSection) + "\r\n";
    for (auto it = values_.begin(); it != values_.end(); ++it) {
        // A key or value with a line break would end its line early: such a pair is not kept.
        if (it.key().contains(QLatin1Char('\n')) || it.value().contains(QLatin1Char('\n')) ||
            it.key().contains(QLatin1Char('=')))
            continue;
        bytes += it.key().toUtf8() + '=' + it.value().toUtf8() + "\r\n";
    }
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    return output::writeFileAtomically(QFile::encodeName(settingsPath).toStdString(),
                                       std::string_view(bytes.data(), bytes.size()))
        .ok();
}

QString AppSettings::siteFor(const QString& dataPath) const {
    return value(siteKey(dataPath));
}

void AppSettings::setSiteFor(const QString& dataPath, const QString& site) {
    setValue(siteKey(dataPath), site);
}

} // namespace menuloom::app
