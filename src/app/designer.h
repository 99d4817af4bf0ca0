#pragma once
// The project commands: the save question, New, Open, Save, the recent-files list and the
// preview that follows every change. Windows call these; nothing here is a window.

#include "app/preview.h"
#include "app/recentfiles.h"

#include <QObject>
#include <QString>
#include <functional>

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class PreviewBrowser;
class TfrmBuild;

// The three folders of a run, each with its trailing "/".
struct Folders {
    QString program; // the executable's folder
    QString temp;    // preview files and the blank page
    QString start;   // the current folder when the main window was created: the file dialogs' start
};

class Designer : public QObject {
    Q_OBJECT
public:
    Designer(Document& document, Folders folders, Prompter& prompter, PreviewBrowser& mainBrowser,
             QObject* parent = nullptr);

    Document& document() { return document_; }
    const Folders& folders() const { return folders_; }
    PreviewController& preview() { return preview_; }
    RecentFiles& recentFiles() { return recent_; }

    // The save-script dialog, once it exists (start-up creates it after the main window).
    void setSaveDialog(TfrmBuild* dialog);
    TfrmBuild* saveDialog() const { return build_; }

    bool isModified() const;

    // "Save the project?" when there are unsaved changes; true when the caller may go on.
    bool confirmDiscard();
    // New: the question, then every parameter back to its default, the reset, the blank page.
    bool newProject();
    // The reset inside New (also once at start-up): names forgotten, styles, items and counters
    // gone (with `rebuildParams`, every parameter back to its default too), crossframe off, not
    // modified, no history, blank page written.
    void resetProject(bool rebuildParams = false);
    // Open of a given file: New, then the reader; on success the save dialog writes back to it,
    // it goes to the top of the recent files and the preview is refreshed.
    bool openProject(const QString& path);
    // "Open script...": the file dialog, then openProject.
    void openCommand();
    // The menus shipped with the program (examples/NAME/zel_data.js beside it), by name.
    QStringList examples() const;
    QString examplePath(const QString& name) const;
    // "New from Example": New, then the example read as a new, unsaved project: no file name, no
    // recent entry, and a save dialog that asks where to save rather than offering the shipped
    // file. The preview shows it at once.
    bool newFromExample(const QString& name);
    // "Save script...": the save-script dialog; true when it ended with a completed save.
    bool saveCommand();
    // Reads the start-up file into the project as it stands (no New, no recent entry), then
    // refreshes the preview. Returns whether it was read.
    bool readStartFile(const QString& path);

    // Reads a recovery copy as the project: New's reset without the question, then the copy,
    // with the file name, working folder and crossframe settings it had, marked modified.
    // Returns why it could not be read (the project is then new and empty), or empty.
    QString restoreRecovery(const QString& path);

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
    void recentFilesChanged();

private:
    bool read(const QString& path);

    Document& document_;
    Folders folders_;
    Prompter& prompter_;
    PreviewController preview_;
    RecentFiles recent_;
    QString settingsPath_;
    TfrmBuild* build_ = nullptr;
};

} // namespace menuloom::app
