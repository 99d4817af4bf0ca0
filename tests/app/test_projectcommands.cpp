// The project commands: the save question, New, Open, the recent files and closing the window.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/itemeditor.h"
#include "app/tfrm.h"
#include "modaldriver.h"
#include "output/tfrmbuild.h"
#include "output/tfrmcross.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace menuloom;
using app::Prompter;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using app::testing::onNextModal;
using app::testing::readAll;
using app::testing::writeMenu;

namespace {

// The main window over fake dialogs and browsers, with its save dialog, as start-up builds it.
struct Window {
    app::testing::Folders dirs;
    model::Project project;
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::Tfrm> frm;
    std::unique_ptr<output::TfrmCross> cross;
    std::unique_ptr<output::TfrmBuild> build;

    Window() {
        app::Folders folders{dirs.programFolder(), dirs.tempFolder(), dirs.work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(project, folders, prompter, browsers.factory(),
                                          dirs.program.filePath("lmtool.ini"));
        cross = std::make_unique<output::TfrmCross>(project.crossframe);
        build = std::make_unique<output::TfrmBuild>(project, prompter, dirs.programFolder(), *cross,
                                                    frm.get());
        designer().setSaveDialog(build.get());
        designer().preview().setAutoUpdate(false);
    }
    ~Window() {
        build.reset();
        frm.reset();
    }
    app::Designer& designer() { return frm->designer(); }
    app::testing::FakeBrowser& browser() { return *browsers.made[0]; }
    // One change made the way the item area makes it.
    void change() {
        project.items.addItem(nullptr, false);
        designer().markModified();
    }
};

} // namespace

class TestProjectCommands : public QObject {
    Q_OBJECT
private slots:
    void nothingAskedWithoutChanges() {
        Window w;
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(writeMenu(file, {"Home"}));
        QVERIFY(w.designer().newProject());
        QVERIFY(w.designer().openProject(file));
        QVERIFY(w.designer().confirmDiscard());
        QVERIFY(w.prompter.messages.isEmpty());
    }

    void saveQuestion() {
        Window w;
        w.change();
        QVERIFY(w.designer().isModified());

        // Cancel keeps everything.
        w.prompter.answers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.designer().newProject());
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.prompter.messages[0].caption, QString("Confirmation"));
        QCOMPARE(w.prompter.messages[0].text, QString("Save the project?"));
        QCOMPARE(w.prompter.messages[0].buttons, Prompter::Buttons::YesNoCancel);
        QCOMPARE(w.project.items.count(), 1);
        QVERIFY(w.designer().isModified());

        // Yes, then leaving the save dialog without saving, keeps everything too.
        w.prompter.answers.enqueue(Prompter::Answer::Yes);
        bool dialogShown = false;
        onNextModal([&](QWidget* modal) {
            dialogShown = modal == w.build.get();
            w.build->spdCancel->click();
        });
        QVERIFY(!w.designer().newProject());
        QVERIFY(dialogShown);
        QCOMPARE(w.project.items.count(), 1);
        QVERIFY(w.designer().isModified());

        // Yes and a completed save: the file is written, then New goes on.
        const QString saved = w.dirs.work.filePath("saved.js");
        w.prompter.answers.enqueue(Prompter::Answer::Yes);
        onNextModal([&](QWidget*) {
            w.build->eData->setText(saved);
            w.build->spdBuild->click();
        });
        QVERIFY(w.designer().newProject());
        QVERIFY(readAll(saved).contains("Item0"));
        QCOMPARE(w.project.items.count(), 0);
        QVERIFY(!w.designer().isModified());
        // The save set the keep-names flag, New cleared it again.
        QVERIFY(!w.build->keepNames());

        // No drops the changes: parameters, items, counter and clipboard back to new.
        w.project.param("posX").value = 99;
        w.change();
        QVERIFY(w.project.items.copyItem(w.project.items.root()->child(0)));
        w.prompter.answers.enqueue(Prompter::Answer::No);
        const qsizetype asked = w.prompter.messages.size();
        QVERIFY(w.designer().newProject());
        QCOMPARE(w.prompter.messages.size(), asked + 1);
        QCOMPARE(w.project.param("posX").value, 0);
        QCOMPARE(w.project.items.count(), 0);
        QVERIFY(!w.project.items.clipboardFilled());
        QCOMPARE(w.project.items.addItem(nullptr, false)->props().caption, std::string("Item0"));
        // New shows the blank page.
        QCOMPARE(w.browser().paths.last(), w.dirs.tempFolder() + "blank.html");
        QVERIFY(QFile::exists(w.dirs.tempFolder() + "blank.html"));
        QVERIFY(QFile::exists(w.dirs.tempFolder() + "menuloom_logo.png"));
    }

    void openAndRecentFiles() {
        Window w;
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(writeMenu(file, {"Home", "News"}, 42));

        // The Open command's dialog; cancelling it changes nothing.
        w.frm->spdOpen->click();
        QCOMPARE(w.prompter.fileRequests.size(), 1);
        const auto request = w.prompter.fileRequests[0];
        QCOMPARE(request.title, QString("Open script..."));
        QCOMPARE(request.startFolder, w.dirs.work.path() + "/");
        QCOMPARE(request.filters.size(), 2);
        QCOMPARE(request.filters[0].description, QString("JavaScript files (*.js)"));
        QCOMPARE(request.filters[0].pattern, QString("*.js"));
        QCOMPARE(request.filters[1].description, QString("All files (*.*)"));
        QCOMPARE(request.filters[1].pattern, QString("*.*"));
        QVERIFY(w.designer().recentFiles().isEmpty());

        w.prompter.files.enqueue(file);
        w.frm->spdOpen->click();
        QCOMPARE(w.project.items.count(), 2);
        QCOMPARE(w.project.param("posX").value, 42);
        QCOMPARE(QString::fromStdString(w.project.workingFolder), w.dirs.work.path() + "/");
        QVERIFY(!w.designer().isModified());
        QCOMPARE(w.designer().recentFiles().paths(), QStringList{file});
        QCOMPARE(w.frm->recentMenu->actions().size(), 1);
        // The save dialog writes back to the file, data only.
        QVERIFY(w.build->keepNames());
        QCOMPARE(w.build->eData->text(), file);
        QVERIFY(w.build->cbData->isChecked());
        QVERIFY(!w.build->cbHTML->isChecked() && !w.build->cbScript->isChecked());
        // The preview shows the opened menu.
        QCOMPARE(w.browser().paths.last(), w.dirs.tempFolder() + "tmp_zel.html");
        QVERIFY(readAll(w.dirs.tempFolder() + "tmp_zel_data.js").contains("News"));

        // A file that no longer exists: the system's text, a new empty project, the list kept.
        const QString gone = w.dirs.work.filePath("gone.js");
        w.designer().addRecentFile(gone);
        QFile::remove(gone);
        w.frm->recentMenu->actions().first()->trigger();
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.prompter.messages[0].text, QString::fromLocal8Bit(strerror(ENOENT)));
        QCOMPARE(w.project.items.count(), 0);
        QCOMPARE(w.project.param("posX").value, 0);
        QCOMPARE(w.designer().recentFiles().paths(), QStringList({gone, file}));
        QVERIFY(!w.build->keepNames());

        // An empty file fails without a message.
        const QString empty = w.dirs.work.filePath("empty.js");
        app::testing::writeAll(empty, "");
        QVERIFY(!w.designer().openProject(empty));
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.designer().recentFiles().size(), 2);

        // Opening from the list moves the entry up; the entry holds its path even with "&".
        const QString amp = w.dirs.work.filePath("R&D.js");
        QVERIFY(writeMenu(amp, {"Lab"}));
        QVERIFY(w.designer().openProject(amp));
        QCOMPARE(w.frm->recentMenu->actions().first()->text(),
                 app::RecentFiles::captionForPath(amp));
        w.frm->recentMenu->actions().at(2)->trigger();
        QCOMPARE(w.designer().recentFiles().paths(), QStringList({file, amp, gone}));
        QCOMPARE(w.project.items.count(), 2);
    }

    void closeQuestion() {
        Window w;
        w.frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frm.get()));
        QSignalSpy closed(w.frm.get(), &app::Tfrm::closed);
        w.change();

        w.prompter.answers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.frm->close());
        QVERIFY(w.frm->isVisible());

        // Exit (Alt+X) asks the same; Yes and leaving the save dialog keeps the window open.
        w.prompter.answers.enqueue(Prompter::Answer::Yes);
        onNextModal([&](QWidget*) { QTest::keyClick(w.build.get(), Qt::Key_Escape); });
        QCOMPARE(w.frm->actExit->shortcut(), QKeySequence("Alt+X"));
        w.frm->actExit->trigger();
        QVERIFY(w.frm->isVisible());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(w.prompter.messages.size(), 2);

        // No closes; the recent files are written on the way out.
        w.designer().addRecentFile("/m/a.js");
        w.prompter.answers.enqueue(Prompter::Answer::No);
        QVERIFY(w.frm->close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(readAll(w.dirs.program.filePath("lmtool.ini")), QByteArray("/m/a.js\r\n"));
    }
};

QTEST_MAIN(TestProjectCommands)
#include "test_projectcommands.moc"
