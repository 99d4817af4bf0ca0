#pragma once
// The project commands: the modified flag, the save question, New, Open, Save, the recent-files
// list and the preview that follows every change. Windows call these; nothing here is a window.

#include "app/recentfiles.h"
#include "model/project.h"
#include "output/preview.h"

#include <QObject>
#include <QString>
#include <functional>

namespace menuloom::output {
class TfrmBuild;
}

namespace menuloom::app {

class PreviewBrowser;
class Prompter;

// The three folders of a run, each with its trailing "/".
struct Folders {
    QString program; // the executable's folder
    QString temp;    // preview files and the blank page
    QString start;   // the current folder when the main window was created: the file dialogs' start
};

class Designer : public QObject {
    Q_OBJECT
public:
    Designer(model::Project& project, Folders folders, Prompter& prompter,
             PreviewBrowser& mainBrowser, QObject* parent = nullptr);

    model::Project& project() { return project_; }
    const Folders& folders() const { return folders_; }
    output::PreviewController& preview() { return preview_; }
    RecentFiles& recentFiles() { return recent_; }

    // The save-script dialog, once it exists (start-up creates it after the main window).
    void setSaveDialog(output::TfrmBuild* dialog);
    output::TfrmBuild* saveDialog() const { return build_; }
    // Closes an open property value editor; every command runs it first.
    void setHideValueEditor(std::function<void()> hook);
    void hideValueEditor();

    // The data file the project was opened from or saved to last; empty for a new project.
    QString currentFile() const { return currentFile_; }

    bool isModified() const { return modified_; }
    // The project changed: set the flag and restart the auto-update countdown.
    void markModified();
    void clearModified();

    // "Save the project?" when there are unsaved changes; true when the caller may go on.
    bool confirmDiscard();
    // New: the question, then every parameter back to its default, the reset, the blank page.
    bool newProject();
    // The reset inside New (also once at start-up): names forgotten, styles, items and counters
    // gone, crossframe off, not modified, blank page written.
    void resetProject();
    // Open of a given file: New, then the reader; on success the save dialog writes back to it,
    // it goes to the top of the recent files and the preview is refreshed.
    bool openProject(const QString& path);
    // "Open script...": the file dialog, then openProject.
    void openCommand();
    // "Save script...": the save-script dialog; true when it ended with a completed save.
    bool saveCommand();
    // Reads the start-up file into the project as it stands (no New, no recent entry), then
    // refreshes the preview. Returns whether it was read.
    bool readStartFile(const QString& path);

    QString blankPagePath() const;
    void showBlankPage();

    // The settings file the recent files are read from and written to.
    void setSettingsPath(const QString& path) { settingsPath_ = path; }
    QString settingsPath() const { return settingsPath_; }
    void loadRecentFiles();
    void addRecentFile(const QString& path);
    void saveRecentFiles();

    // Replaceable for tests: shows the save dialog modally and tells whether it saved.
    std::function<bool()> runSaveDialog;

signals:
    void modifiedChanged(bool modified);
    void currentFileChanged(const QString& path);
    void recentFilesChanged();
    // The project was reset: the views show the empty project.
    void projectReset();
    // Around reading a file into the project: the views stop following each change, then show
    // the new project once.
    void aboutToRead();
    void readFinished();

private:
    bool read(const QString& path);
    void setCurrentFile(const QString& path);

    model::Project& project_;
    Folders folders_;
    Prompter& prompter_;
    output::PreviewController preview_;
    RecentFiles recent_;
    QString settingsPath_;
    QString currentFile_;
    output::TfrmBuild* build_ = nullptr;
    std::function<void()> hideValueEditor_;
    bool modified_ = false;
};

} // namespace menuloom::app
