#include "app/designer.h"

#include "app/apptitle.h"
#include "app/blankpage.h"
#include "app/previewbrowser.h"
#include "app/tfrmbuild.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "doc/recovery.h"
#include "reader/datareader.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

namespace menuloom::app {

Designer::Designer(Document& document, Folders folders, Prompter& prompter,
                   PreviewBrowser& mainBrowser, QObject* parent)
    : QObject(parent), document_(document), folders_(std::move(folders)), prompter_(prompter),
      preview_(document.project(), folders_.program, folders_.temp, prompter, mainBrowser, this) {
    runSaveDialog = [this] { return build_ && build_->exec() == QDialog::Accepted; };
    // Every change restarts the countdown, except the few edits kept preview-on-demand.
    connect(&document_, &Document::changed, this, [this](bool autoPreview) {
        if (autoPreview)
            preview_.scheduleRefresh();
    });
}

void Designer::setSaveDialog(TfrmBuild* dialog) {
    build_ = dialog;
    if (!build_)
        return;
    connect(build_, &TfrmBuild::saved, this, [this] {
        document_.clearModified();
        if (build_->cbData->isChecked())
            document_.setFileName(build_->paths().data);
    });
}

bool Designer::isModified() const {
    return document_.isModified();
}

bool Designer::confirmDiscard() {
    if (!document_.isModified())
        return true;
    switch (prompter_.message(QStringLiteral("Confirmation"), QStringLiteral("Save the project?"),
                              Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Yes:
        return runSaveDialog();
    default:
        return false;
    }
}

bool Designer::newProject() {
    if (!confirmDiscard())
        return false;
    preview_.cancelScheduled();
    resetProject(true);
    showBlankPage();
    return true;
}

void Designer::resetProject(bool rebuildParams) {
    if (build_)
        build_->forgetNames();
    // Styles, items, counters, clipboard and the crossframe settings; the parameters only for
    // New (start-up has just built them).
    document_.replaceProject([rebuildParams](model::Project& p) {
        if (rebuildParams)
            p.reset();
        else
            p.resetContents();
    });
    document_.setFileName(QString());
    writeBlankPage(folders_.temp);
}

bool Designer::read(const QString& path) {
    reader::ReadResult result;
    // What a failed reading left stays, as it always has: the project is not marked modified.
    document_.replaceProject([&](model::Project& p) {
        result = reader::readDataFile(p, QFile::encodeName(path).toStdString());
    });
    if (!result.ok() && !result.message.empty())
        prompter_.message(appTitle(), QString::fromUtf8(result.message.c_str()),
                          Prompter::Buttons::Ok);
    return result.ok();
}

bool Designer::openProject(const QString& path) {
    if (!newProject())
        return false;
    if (!read(path))
        return false;
    if (build_)
        build_->adoptOpenedFile(path);
    document_.setFileName(path);
    addRecentFile(path);
    preview_.refresh();
    return true;
}

void Designer::openCommand() {
    const QString path =
        prompter_.openFile(QStringLiteral("Open script..."),
                           {{QStringLiteral("JavaScript files (*.js)"), QStringLiteral("*.js")},
                            {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}},
                           folders_.start);
    if (!path.isEmpty())
        openProject(path);
}

QStringList Designer::examples() const {
    QStringList names;
    const QDir folder(folders_.program + QStringLiteral("examples"));
    const QStringList all = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : all)
        if (QFile::exists(examplePath(name)))
            names << name;
    return names;
}

QString Designer::examplePath(const QString& name) const {
    return folders_.program + QStringLiteral("examples/") + name + QStringLiteral("/zel_data.js");
}

bool Designer::newFromExample(const QString& name) {
    if (!newProject())
        return false;
    if (!read(examplePath(name)))
        return false;
    if (build_)
        build_->startFromExample();
    preview_.refresh();
    return true;
}

bool Designer::saveCommand() {
    return runSaveDialog();
}

bool Designer::readStartFile(const QString& path) {
    if (!QFile::exists(path))
        return false;
    if (!read(path))
        return false;
    preview_.refresh();
    return true;
}

QString Designer::restoreRecovery(const QString& path) {
    preview_.cancelScheduled();
    resetProject(true);
    doc::RecoveryStore::Restored restored;
    document_.replaceProject([&](model::Project& p) {
        restored = doc::RecoveryStore::restore(path, p);
        if (restored.ok) {
            p.workingFolder = restored.header.workingFolder;
            p.crossframe = restored.header.crossframe;
        }
    });
    if (!restored.ok) {
        resetProject(true);
        return restored.message;
    }
    const QString fileName = restored.header.fileName;
    if (build_ && !fileName.isEmpty())
        build_->adoptOpenedFile(fileName);
    document_.setFileName(fileName);
    // Not saved anywhere yet: marked, and protected again by this run's own copy.
    document_.markModified(false);
    preview_.refresh();
    return {};
}

QString Designer::blankPagePath() const {
    return folders_.temp + QString::fromLatin1(kBlankPageName);
}

void Designer::showBlankPage() {
    // The preview controller owns the navigation seam; the blank page goes the same way.
    preview_.navigateMain(blankPagePath());
}

void Designer::loadRecentFiles() {
    recent_.load(settingsPath_);
    emit recentFilesChanged();
}

void Designer::addRecentFile(const QString& path) {
    recent_.add(path);
    emit recentFilesChanged();
}

void Designer::saveRecentFiles() {
    recent_.save(settingsPath_);
}

} // namespace menuloom::app
