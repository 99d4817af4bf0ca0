#include "app/designer.h"

#include "app/apptitle.h"
#include "app/blankpage.h"
#include "app/previewbrowser.h"
#include "app/prompter.h"
#include "output/tfrmbuild.h"
#include "reader/datareader.h"

#include <QCheckBox>
#include <QFile>

namespace menuloom::app {

Designer::Designer(model::Project& project, Folders folders, Prompter& prompter,
                   PreviewBrowser& mainBrowser, QObject* parent)
    : QObject(parent), project_(project), folders_(std::move(folders)), prompter_(prompter),
      preview_(project, folders_.program, folders_.temp, prompter, mainBrowser, this) {
    preview_.setHideValueEditor([this] { hideValueEditor(); });
    runSaveDialog = [this] { return build_ && build_->exec() == QDialog::Accepted; };
}

void Designer::setSaveDialog(output::TfrmBuild* dialog) {
    build_ = dialog;
    if (!build_)
        return;
    connect(build_, &output::TfrmBuild::saved, this, [this] {
        clearModified();
        if (build_->cbData->isChecked())
            setCurrentFile(build_->paths().data);
    });
}

void Designer::setCurrentFile(const QString& path) {
    if (path == currentFile_)
        return;
    currentFile_ = path;
    emit currentFileChanged(path);
}

void Designer::setHideValueEditor(std::function<void()> hook) {
    hideValueEditor_ = std::move(hook);
}

void Designer::hideValueEditor() {
    if (hideValueEditor_)
        hideValueEditor_();
}

void Designer::markModified() {
    const bool was = modified_;
    modified_ = true;
    preview_.scheduleRefresh();
    if (!was)
        emit modifiedChanged(true);
}

void Designer::clearModified() {
    if (!modified_)
        return;
    modified_ = false;
    emit modifiedChanged(false);
}

bool Designer::confirmDiscard() {
    if (!modified_)
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
    model::buildParamTable(project_.params);
    resetProject();
    showBlankPage();
    return true;
}

void Designer::resetProject() {
    if (build_)
        build_->forgetNames();
    // Styles, items, counters, clipboard and the crossframe settings; the parameters stay as
    // the caller left them (New rebuilt them just before).
    project_.resetContents();
    setCurrentFile(QString());
    emit projectReset();
    clearModified();
    writeBlankPage(folders_.temp);
}

bool Designer::read(const QString& path) {
    emit aboutToRead();
    const reader::ReadResult result =
        reader::readDataFile(project_, QFile::encodeName(path).toStdString());
    emit readFinished();
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
    setCurrentFile(path);
    addRecentFile(path);
    preview_.refresh();
    return true;
}

void Designer::openCommand() {
    hideValueEditor();
    const QString path =
        prompter_.openFile(QStringLiteral("Open script..."),
                           {{QStringLiteral("JavaScript files (*.js)"), QStringLiteral("*.js")},
                            {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}},
                           folders_.start);
    if (!path.isEmpty())
        openProject(path);
}

bool Designer::saveCommand() {
    hideValueEditor();
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
