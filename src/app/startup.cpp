#include "app/startup.h"

#include "app/apptitle.h"
#include "app/designer.h"
#include "app/logo.h"
#include "app/recentfiles.h"
#include "app/tfrm.h"
#include "app/tfrmabout.h"
#include "app/tfrmbuild.h"
#include "app/tfrmcross.h"
#include "app/tfrmfullscreen.h"
#include "app/tfrmpublish.h"
#include "app/tfrmsplash.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "doc/recovery.h"
#include "ui/props/valueeditors.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmsmstyles.h"
#include "ui/styles/tfrmstyles.h"
#include "ui/styles/tfrmtext.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace menuloom::app {

bool engineIsPresent(const QString& programFolder) {
    return QFileInfo(programFolder + QStringLiteral("zelmenu.js")).isFile();
}

QString missingEngineMessage() {
    return QStringLiteral("File zelmenu.js is not found in program folder.\n"
                          "Please place zelmenu.js in the folder of the program file menuloom.\n"
                          "The latest version of the engine can be downloaded from "
                          "https://menuloom.example/download/");
}

std::unique_ptr<DesignerApp> DesignerApp::start(const StartupOptions& options, int* exitCode) {
    Prompter& prompter = *options.prompter;
    if (exitCode)
        *exitCode = 0;
    if (!engineIsPresent(options.programFolder)) {
        prompter.message(appTitle(), missingEngineMessage(), Prompter::Buttons::Ok);
        if (exitCode)
            *exitCode = 1;
        return nullptr;
    }

    std::unique_ptr<DesignerApp> app(new DesignerApp);
    app->document_ = std::make_unique<Document>();

    app->splash_ = std::make_unique<TfrmSplash>();
    app->cross_ = std::make_unique<TfrmCross>(*app->document_);
    app->splash_->show();
    app->splash_->repaint();
    QApplication::processEvents();

    Folders folders;
    folders.program = options.programFolder;
    folders.temp = options.tempFolder;
    folders.start = QDir::currentPath() + QLatin1Char('/');
    const QString settings = options.settingsPath.isEmpty()
                                 ? settingsFilePath(options.programFolder)
                                 : options.settingsPath;
    app->main_ =
        std::make_unique<Tfrm>(*app->document_, folders, prompter, options.browsers, settings);
    Designer& designer = app->main_->designer();

    app->font_ = std::make_unique<ui::TfrmFont>(*app->document_, prompter, app->main_.get());
    app->text_ = std::make_unique<ui::TfrmText>(*app->document_, app->main_.get());
    app->images_ = std::make_unique<ui::TfrmImages>(*app->document_, prompter,
                                                    designer.folders().start, app->main_.get());
    app->main_->valueEditors->setDialogs(app->font_.get(), app->text_.get(), app->images_.get());
    app->styles_ = std::make_unique<ui::TfrmStyles>(*app->document_, prompter, *app->font_,
                                                    designer.folders().start, app->main_.get());
    app->build_ = std::make_unique<TfrmBuild>(*app->document_, prompter, options.programFolder,
                                              *app->cross_, app->main_.get());
    app->build_->setSettingsPath(settings);
    app->cross_->setParent(app->build_.get(), app->cross_->windowFlags());
    designer.setSaveDialog(app->build_.get());
    app->fullscreen_ = std::make_unique<TfrmFullscreen>(options.browsers);
    app->fullscreen_->setWindowIcon(appIcon());
    designer.preview().setFullscreen(app->fullscreen_.get());
    app->smStyles_ = std::make_unique<ui::TfrmSmStyles>(*app->document_, prompter,
                                                        designer.folders().start, app->main_.get());
    app->main_->setStyleDialogs(app->styles_.get(), app->smStyles_.get());
    // "Update" in either style dialog is the main window's "Update".
    auto updateRefreshes = [&designer](ui::StyleDialogBase* dialog) {
        QObject::connect(dialog, &ui::StyleDialogBase::updateRequested, &designer.preview(),
                         &PreviewController::refresh);
    };
    updateRefreshes(app->styles_.get());
    updateRefreshes(app->smStyles_.get());
    app->about_ = std::make_unique<TfrmAbout>(prompter, app->main_.get());
    app->main_->setAboutBox(app->about_.get());
    app->publish_ = std::make_unique<TfrmPublish>(*app->document_, prompter, options.programFolder,
                                                  settings, app->main_.get());
    app->main_->setPublishWindow(app->publish_.get());

    app->document_->mutableProject().workingFolder = options.programFolder.toStdString();
    QDir::setCurrent(options.programFolder);

    designer.readStartFile(options.programFolder + QStringLiteral("default.js"));

    QObject::connect(app->main_.get(), &Tfrm::closed, app->splash_.get(), &QWidget::close);
    app->main_->show();
    app->splash_->watch(app->main_.get());

    if (!options.recoveryFolder.isEmpty()) {
        app->recovery_ = std::make_unique<doc::RecoveryStore>(options.recoveryFolder);
        app->recoveryWriter_ =
            std::make_unique<doc::RecoveryWriter>(*app->document_, *app->recovery_);
        QObject::connect(
            app->recoveryWriter_.get(), &doc::RecoveryWriter::writeFailed, app->main_.get(),
            [&prompter](const QString& message) {
                prompter.message(
                    appTitle(),
                    QStringLiteral("The recovery copy cannot be written: %1").arg(message),
                    Prompter::Buttons::Ok);
            });
        // The window closes only after the save question allowed it: saved or discarded.
        QObject::connect(app->main_.get(), &Tfrm::closed, app->recoveryWriter_.get(),
                         &doc::RecoveryWriter::discard);
        app->offerRecovery(prompter);
    }
    return app;
}

void DesignerApp::offerRecovery(Prompter& prompter) {
    Designer& designer = main_->designer();
    QList<doc::RecoveryStore::Orphan> orphans = recovery_->orphans();
    bool restored = false;
    for (doc::RecoveryStore::Orphan& orphan : orphans) {
        const QString name = QFileInfo(orphan.path).fileName();
        QString damage = doc::RecoveryStore::verify(orphan.path);
        if (damage.isEmpty()) {
            // One restore per start; further copies wait for the next start.
            if (restored)
                continue;
            if (prompter.message(QStringLiteral("Confirmation"),
                                 QStringLiteral("Restore the changes that were not saved?"),
                                 Prompter::Buttons::YesNo) != Prompter::Answer::Yes) {
                doc::RecoveryStore::discard(orphan);
                continue;
            }
            damage = designer.restoreRecovery(orphan.path);
            if (damage.isEmpty()) {
                restored = true;
                // This run's own copy first: the work is never without one.
                recoveryWriter_->writeNow();
                recoveryWriter_->waitForWrites();
                doc::RecoveryStore::discard(orphan);
                continue;
            }
        }
        const QString aside = doc::RecoveryStore::setAside(orphan);
        prompter.message(
            appTitle(),
            QStringLiteral("The recovery copy %1 is damaged (%2); it was set aside as %3.")
                .arg(name, damage, aside.isEmpty() ? name : QFileInfo(aside).fileName()),
            Prompter::Buttons::Ok);
    }
}

const model::Project& DesignerApp::project() const {
    return document_->project();
}

DesignerApp::~DesignerApp() {
    // Dialogs parented to the main window go with it; release them first so that nothing is
    // deleted twice.
    if (cross_ && cross_->parent())
        cross_->setParent(nullptr);
    build_.reset();
    publish_.reset();
    recoveryWriter_.reset();
    recovery_.reset();
    about_.reset();
    smStyles_.reset();
    styles_.reset();
    images_.reset();
    text_.reset();
    font_.reset();
    cross_.reset();
    fullscreen_.reset();
    main_.reset();
    splash_.reset();
    document_.reset();
}

} // namespace menuloom::app
