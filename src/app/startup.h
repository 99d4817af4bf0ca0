#pragma once
// The program's start: the engine check, the splash, every window created once, the start-up
// file, the main window shown.

#include "app/previewbrowser.h"
#include "model/project.h"

#include <QString>
#include <memory>

namespace menuloom::output {
class TfrmBuild;
class TfrmCross;
class TfrmFullscreen;
} // namespace menuloom::output

namespace menuloom::app {

class Prompter;
class Tfrm;
class TfrmAbout;
class TfrmSplash;

struct StartupOptions {
    QString programFolder; // with its trailing "/"
    QString tempFolder;    // with its trailing "/"
    QString settingsPath;  // empty: "lmtool.ini" where settingsFilePath() puts it
    Prompter* prompter = nullptr;
    BrowserFactory browsers;
};

// Whether the engine "zelmenu.js" lies in `programFolder`.
bool engineIsPresent(const QString& programFolder);
// The three lines shown when it does not.
QString missingEngineMessage();

// Everything a run of the designer consists of, created in the start-up order and kept until
// the program ends.
class DesignerApp {
public:
    // Runs the start-up. Returns null, with a non-zero `exitCode`, when the engine is missing;
    // no window has been created then.
    static std::unique_ptr<DesignerApp> start(const StartupOptions& options, int* exitCode);
    ~DesignerApp();

    model::Project& project() { return *project_; }
    Tfrm& mainWindow() { return *main_; }
    TfrmSplash& splash() { return *splash_; }
    output::TfrmCross& crossDialog() { return *cross_; }
    output::TfrmBuild& buildDialog() { return *build_; }
    output::TfrmFullscreen& fullscreen() { return *fullscreen_; }
    TfrmAbout& aboutBox() { return *about_; }

private:
    DesignerApp() = default;

    std::unique_ptr<model::Project> project_;
    std::unique_ptr<TfrmSplash> splash_;
    std::unique_ptr<output::TfrmCross> cross_;
    std::unique_ptr<Tfrm> main_;
    std::unique_ptr<output::TfrmBuild> build_;
    std::unique_ptr<output::TfrmFullscreen> fullscreen_;
    std::unique_ptr<TfrmAbout> about_;
};

} // namespace menuloom::app
