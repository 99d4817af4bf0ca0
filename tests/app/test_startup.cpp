// Start-up: the engine check, the windows, "default.js", the first project and the way out.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/startup.h"
#include "app/tfrm.h"
#include "app/tfrmabout.h"
#include "app/tfrmbuild.h"
#include "app/tfrmfullscreen.h"
#include "app/tfrmsplash.h"
#include "modaldriver.h"
#include "testsupport.h"
#include "widgets/backgroundtile.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using app::testing::readAll;
using app::testing::writeAll;
using app::testing::writeMenu;

namespace {

// Starts the designer from `cwd` with fake dialogs and browsers.
struct Run {
    app::testing::Folders dirs;
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::DesignerApp> app;
    int exitCode = -1;
    QString previousCurrent = QDir::currentPath();

    bool start() {
        app::StartupOptions options;
        options.programFolder = dirs.programFolder();
        options.tempFolder = dirs.tempFolder();
        options.prompter = &prompter;
        options.browsers = browsers.factory();
        QDir::setCurrent(dirs.work.path());
        app = app::DesignerApp::start(options, &exitCode);
        return app != nullptr;
    }
    ~Run() {
        app.reset();
        QDir::setCurrent(previousCurrent);
    }
    app::Designer& designer() { return app->mainWindow().designer(); }
    QStringList mainPaths() const { return browsers.made[0]->paths; }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void missingEngineEndsBeforeAnyWindow() {
        Run run;
        QFile::remove(run.dirs.program.filePath("zelmenu.js"));
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        QVERIFY(!run.start());
        QVERIFY(run.exitCode != 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(run.browsers.made.isEmpty());
        QCOMPARE(run.prompter.messages.size(), 1);
        QCOMPARE(run.prompter.messages[0].caption, QString("[Menuloom]"));
        const QStringList lines = run.prompter.messages[0].text.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("File zelmenu.js is not found in program folder."));
        QVERIFY(lines[1].contains("zelmenu.js") && lines[1].contains("menuloom"));
        QVERIFY(lines[2].contains("https://menuloom.example/download/"));
    }

    void defaultFileBuildsTheFirstProject() {
        Run run;
        QVERIFY(writeMenu(run.dirs.program.filePath("default.js"), {"Start", "Shop"}, 37));
        QVERIFY(run.start());
        const model::Project& project = run.app->project();
        QCOMPARE(project.param("posX").value, 37);
        QCOMPARE(project.items.count(), 2);
        QVERIFY(!run.designer().isModified());
        // No recent entry, no change to the save dialog.
        QVERIFY(run.designer().recentFiles().isEmpty());
        QVERIFY(!run.app->buildDialog().keepNames());
        // The blank page first, then the preview of the start-up menu.
        QCOMPARE(run.mainPaths(), QStringList({run.dirs.tempFolder() + "blank.html",
                                               run.dirs.tempFolder() + "tmp_zel.html"}));
        QVERIFY(readAll(run.dirs.tempFolder() + "tmp_zel_data.js").contains("Shop"));

        // Started from another folder: the program folder becomes the current and working
        // folder, the file dialogs start where the user was.
        QCOMPARE(QDir::currentPath(), run.dirs.program.path());
        QCOMPARE(QString::fromStdString(project.workingFolder), run.dirs.programFolder());
        QCOMPARE(run.designer().folders().start, run.dirs.work.path() + "/");

        // The main window shows; the splash hides once it is visible.
        QVERIFY(run.app->mainWindow().isVisible());
        QCOMPARE(run.app->mainWindow().windowTitle(), QString("[Menuloom]"));
        QTRY_VERIFY_WITH_TIMEOUT(!run.app->splash().isVisible(), 10000);
        QVERIFY(!run.app->splash().timer().isActive());
        QVERIFY(!run.app->fullscreen().isVisible());

        // New returns to the built-in defaults, not to "default.js".
        QVERIFY(run.designer().newProject());
        QCOMPARE(project.param("posX").value, 0);
        QCOMPARE(project.items.count(), 0);
        QVERIFY(run.prompter.messages.isEmpty());
    }

    void emptyOrMissingDefaultFile() {
        Run run;
        writeAll(run.dirs.program.filePath("default.js"), "");
        QVERIFY(run.start());
        QVERIFY(run.prompter.messages.isEmpty());
        QCOMPARE(run.mainPaths(), QStringList{run.dirs.tempFolder() + "blank.html"});
        QCOMPARE(run.app->project().items.count(), 0);

        Run bare;
        QVERIFY(bare.start());
        QVERIFY(bare.prompter.messages.isEmpty());
        QCOMPARE(bare.mainPaths(), QStringList{bare.dirs.tempFolder() + "blank.html"});
    }

    void closingWritesTheRecentFiles() {
        Run run;
        const QString ini = run.dirs.program.filePath("lmtool.ini");
        writeAll(ini, "/m/x.js\r\n/m/y.js\r\n");
        QVERIFY(run.start());
        QCOMPARE(run.designer().recentFiles().paths(), QStringList({"/m/x.js", "/m/y.js"}));
        run.designer().addRecentFile("/m/z.js");
        QVERIFY(run.app->mainWindow().close());
        QVERIFY(!run.app->splash().isVisible());
        QCOMPARE(readAll(ini), QByteArray("/m/z.js\r\n/m/x.js\r\n/m/y.js\r\n"));
    }

    void mainWindowFrame() {
        Run run;
        QVERIFY(run.start());
        app::Tfrm& frm = run.app->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));

        QStringList menus;
        for (QAction* menu : frm.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({"File", "Edit", "Project", "Help"}));
        const QList<QPair<QAction*, QString>> shortcuts = {{frm.actNew, "Ctrl+N"},
                                                           {frm.actOpen, "Ctrl+O"},
                                                           {frm.actSave, "Ctrl+S"},
                                                           {frm.actExit, "Alt+X"},
                                                           {frm.actFullscreen, "Ctrl+F"},
                                                           {frm.actPreviewBrowser, "Ctrl+B"},
                                                           {frm.actHelp, "F1"}};
        for (const auto& [action, keys] : shortcuts)
            QCOMPARE(action->shortcut(), QKeySequence(keys));
        QCOMPARE(frm.actNew->text(), QString("New script"));
        QCOMPARE(frm.actFullscreen->text(), QString("Fullscreen preview..."));
        QCOMPARE(frm.actPreviewBrowser->text(), QString("Preview in browser..."));
        QCOMPARE(frm.spdBuild->text(), QString("Save Script..."));
        QCOMPARE(frm.newSpd1->text(), QString("New Script..."));
        QVERIFY(frm.mmNote->isReadOnly());

        // F1 opens the help page even while a text field has the focus.
        QLineEdit* field = frm.findChild<QLineEdit*>("eItemCaption");
        QWidget* focus = field ? static_cast<QWidget*>(field) : frm.mmNote;
        frm.activateWindow();
        focus->setFocus();
        QTRY_VERIFY(focus->hasFocus());
        QTest::keyClick(focus, Qt::Key_F1);
        QCOMPARE(run.prompter.opened, QStringList{run.dirs.programFolder() + "help/help.html"});

        // Ctrl+S opens the save dialog; Help > About... the about box, both modal.
        bool saveShown = false;
        app::testing::onNextModal([&](QWidget* modal) {
            saveShown = modal == &run.app->buildDialog();
            modal->close();
        });
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(saveShown);
        bool aboutShown = false;
        app::testing::onNextModal([&](QWidget* modal) {
            aboutShown = modal == &run.app->aboutBox();
            modal->close();
        });
        frm.actAbout->trigger();
        QVERIFY(aboutShown);

        // The background tile: white, light grey lines every 5 pixels.
        const QImage tile = widgets::backgroundTile().toImage();
        QCOMPARE(tile.size(), QSize(50, 50));
        QCOMPARE(tile.pixelColor(0, 7), QColor(246, 246, 246));
        QCOMPARE(tile.pixelColor(45, 13), QColor(246, 246, 246));
        QCOMPARE(tile.pixelColor(3, 3), QColor(Qt::white));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
