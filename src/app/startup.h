#pragma once
// The program's start: the engine check, the splash, every window created once, the start-up
// file, the main window shown.

#include "app/previewbrowser.h"
#include "model/project.h"

#include <QString>
#include <memory>

namespace menuloom::ui {
class TfrmFont;
class TfrmImages;
class TfrmSmStyles;
class TfrmStyles;
class TfrmText;
} // namespace menuloom::ui

namespace menuloom::doc {
class Document;
class Prompter;
class RecoveryStore;
class RecoveryWriter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class TfrmBuild;
class TfrmCross;
class TfrmFullscreen;
class Tfrm;
class TfrmAbout;
class TfrmPublish;
class TfrmSplash;

struct StartupOptions {
    QString programFolder; // with its trailing "/"
    QString tempFolder;    // with its trailing "/"
    QString settingsPath;  // empty: "lmtool.ini" where settingsFilePath() puts it
    Prompter* prompter = nullptr;
    BrowserFactory browsers;
    // Where the recovery copies live (RecoveryStore::defaultFolder() for the program); empty:
    // no copies are kept or offered.
    QString recoveryFolder;
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

    Document& document() { return *document_; }
    const model::Project& project() const;
    Tfrm& mainWindow() { return *main_; }
    TfrmSplash& splash() { return *splash_; }
    TfrmCross& crossDialog() { return *cross_; }
    TfrmBuild& buildDialog() { return *build_; }
    TfrmFullscreen& fullscreen() { return *fullscreen_; }
    TfrmAbout& aboutBox() { return *about_; }
    TfrmPublish& publishWindow() { return *publish_; }
    // The value dialogs the property grid opens.
    ui::TfrmFont& fontDialog() { return *font_; }
    ui::TfrmText& textDialog() { return *text_; }
    ui::TfrmImages& imagesDialog() { return *images_; }
    ui::TfrmStyles& itemStylesDialog() { return *styles_; }
    ui::TfrmSmStyles& submenuStylesDialog() { return *smStyles_; }
    // This run's recovery copy and its writer; null without a recovery folder.
    doc::RecoveryStore* recoveryStore() { return recovery_.get(); }
    doc::RecoveryWriter* recoveryWriter() { return recoveryWriter_.get(); }

private:
    DesignerApp() = default;
    // After the normal start-up: offers the copies of runs that did not end cleanly.
    void offerRecovery(Prompter& prompter);

    std::unique_ptr<Document> document_;
    std::unique_ptr<TfrmSplash> splash_;
    std::unique_ptr<TfrmCross> cross_;
    std::unique_ptr<Tfrm> main_;
    std::unique_ptr<ui::TfrmFont> font_;
    std::unique_ptr<ui::TfrmText> text_;
    std::unique_ptr<ui::TfrmImages> images_;
    std::unique_ptr<ui::TfrmStyles> styles_;
    std::unique_ptr<TfrmBuild> build_;
    std::unique_ptr<TfrmFullscreen> fullscreen_;
    std::unique_ptr<ui::TfrmSmStyles> smStyles_;
    std::unique_ptr<TfrmAbout> about_;
    std::unique_ptr<TfrmPublish> publish_;
    std::unique_ptr<doc::RecoveryStore> recovery_;
    std::unique_ptr<doc::RecoveryWriter> recoveryWriter_;
};

} // namespace menuloom::app
