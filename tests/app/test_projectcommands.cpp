// The project commands: the save question, New, Open, the recent files and closing the window.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/itemeditor.h"
#include "app/tfrm.h"
#include "app/tfrmbuild.h"
#include "app/tfrmcross.h"
#include "doc/document.h"
#include "modaldriver.h"
#include "model/paramtable.h"
#include "ui/props/valueeditors.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using app::testing::onNextModal;
using app::testing::readAll;
using app::testing::writeMenu;
using doc::Prompter;

namespace {

// The main window over fake dialogs and browsers, with its save dialog, as start-up builds it.
struct Window {
    app::testing::Folders dirs;
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::Tfrm> frm;
    std::unique_ptr<app::TfrmCross> cross;
    std::unique_ptr<app::TfrmBuild> build;

    Window() {
        app::Folders folders{dirs.programFolder(), dirs.tempFolder(), dirs.work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(document, folders, prompter, browsers.factory(),
                                          dirs.program.filePath("lmtool.ini"));
        cross = std::make_unique<app::TfrmCross>(document);
        build = std::make_unique<app::TfrmBuild>(document, prompter, dirs.programFolder(), *cross,
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
    void change() { document.addItem(nullptr); }
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

    void undoAndRedo() {
        Window w;
        w.frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frm.get()));
        QAction* undo = w.frm->actUndo;
        QAction* redo = w.frm->actRedo;
        QStringList menus;
        for (QAction* menu : w.frm->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus.mid(0, 3), QStringList({"File", "Edit", "Project"}));
        QCOMPARE(undo->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(redo->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        QCOMPARE(undo->text(), QString("Undo"));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        // The entries name the step; undo and redo select the item they touched.
        app::ItemEditor* items = w.frm->itemEditor();
        auto click = [&](const char* name) {
            QTest::mouseClick(items->findChild<QPushButton*>(name), Qt::LeftButton);
        };
        click("spdAddItem");
        click("spdAddItem");
        click("spdItemMoveUp");
        model::ItemNode* root = w.project.items.root();
        QCOMPARE(root->child(0)->props().caption, std::string("Item1"));
        QCOMPARE(undo->text(), QString("Undo Move Up"));
        undo->trigger();
        QCOMPARE(root->child(0)->props().caption, std::string("Item0"));
        QCOMPARE(redo->text(), QString("Redo Move Up"));
        QCOMPARE(items->selectedItem(), root->child(1));

        // A typing session in "Text:" is one step; its undo shows the item again, whatever is
        // selected by then.
        items->selectItem(root->child(0));
        auto* caption = items->findChild<QLineEdit*>("eItemCaption");
        caption->setFocus();
        QTRY_VERIFY(caption->hasFocus());
        caption->selectAll();
        const int steps = w.document.undoStack()->index();
        QTest::keyClicks(caption, "Home");
        QCOMPARE(root->child(0)->props().caption, std::string("Home"));
        QCOMPARE(w.document.undoStack()->index(), steps + 1);
        items->selectItem(root->child(1));
        undo->trigger();
        QCOMPARE(root->child(0)->props().caption, std::string("Item0"));
        QCOMPARE(items->selectedItem(), root->child(0));
        QCOMPARE(caption->text(), QString("Item0"));

        // Deleting an item with a sub-item, undone by Ctrl+Z from the tree, brings both back.
        click("spdAddSubItem");
        items->selectItem(root->child(0));
        click("spdDeleteItem");
        QCOMPARE(w.project.items.count(), 1);
        items->treeView()->setFocus();
        QTRY_VERIFY(items->treeView()->hasFocus());
        QTest::keyClick(items->treeView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.project.items.count(), 3);
        QCOMPARE(items->selectedItem(), root->child(0));
        QCOMPARE(root->child(0)->child(0)->props().caption, std::string("SubItem2"));
        QTest::keyClick(items->treeView(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.project.items.count(), 1);

        // New and Open start an empty history.
        w.prompter.answers.enqueue(Prompter::Answer::No);
        QVERIFY(w.designer().newProject());
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        w.change();
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(writeMenu(file, {"Home"}));
        w.prompter.answers.enqueue(Prompter::Answer::No);
        QVERIFY(w.designer().openProject(file));
        QCOMPARE(w.document.undoStack()->count(), 0);
    }

    void newFromExample() {
        Window w;
        QDir(w.dirs.program.path()).mkpath("examples/demo");
        QVERIFY(writeMenu(w.dirs.program.filePath("examples/demo/zel_data.js"), {"Home", "Shop"}));
        QDir(w.dirs.program.path()).mkpath("examples/empty-folder");
        w.frm->examplesMenu->aboutToShow();
        QCOMPARE(w.frm->examplesMenu->actions().size(), 1);
        QCOMPARE(w.frm->examplesMenu->actions()[0]->text(), QString("demo"));

        // As New does, it asks first; Cancel keeps the project.
        w.change();
        w.prompter.answers.enqueue(Prompter::Answer::Cancel);
        w.frm->examplesMenu->actions()[0]->trigger();
        QCOMPARE(w.prompter.messages.last().text, QString("Save the project?"));
        QCOMPARE(w.project.items.count(), 1);

        // No: the example, as a new project that was never saved.
        w.prompter.answers.enqueue(Prompter::Answer::No);
        w.frm->examplesMenu->actions()[0]->trigger();
        QCOMPARE(w.project.items.count(), 2);
        QVERIFY(w.document.fileName().isEmpty());
        QVERIFY(!w.designer().isModified());
        QVERIFY(w.designer().recentFiles().isEmpty());
        // The first save asks where: no data path, so the shipped file cannot be overwritten.
        QVERIFY(w.build->keepNames());
        w.build->show();
        QVERIFY(w.build->eData->text().isEmpty());
        QVERIFY(w.build->cbHTML->isChecked() && w.build->cbScript->isChecked());
        QVERIFY(!w.build->spdBuildClick());
        QCOMPARE(w.prompter.messages.last().text, QString("Please, enter correct data-filename."));
        w.build->reject();
        // The preview shows it at once.
        QCOMPARE(w.browser().paths.last(), w.dirs.tempFolder() + "tmp_zel.html");
        QVERIFY(readAll(w.dirs.tempFolder() + "tmp_zel_data.js").contains("Shop"));
    }

    // New, Open and "New from Example" replace the tree under a selected item, an open value
    // editor and a history whose commands hold nodes: no view may reach a node of the old tree
    // (the sanitizer build catches any read of a freed node).
    void resetsLeaveNoViewOnTheOldTree() {
        Window w;
        w.frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frm.get()));
        QDir(w.dirs.program.path()).mkpath("examples/demo");
        QVERIFY(writeMenu(w.dirs.program.filePath("examples/demo/zel_data.js"), {"Home", "Shop"}));
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(writeMenu(file, {"Home", "About", "Contact"}));
        app::ItemEditor* items = w.frm->itemEditor();
        auto click = [&](const char* name) {
            QTest::mouseClick(items->findChild<QPushButton*>(name), Qt::LeftButton);
        };
        auto prepare = [&] {
            model::ItemNode* root = w.project.items.root();
            click("spdAddItem");
            click("spdAddSubItem");
            items->selectItem(root->child(0));
            click("spdDeleteItem"); // the history now owns a removed subtree
            click("spdAddItem");
            click("spdAddSubItem");
            model::ItemNode* deepest = items->selectedItem();
            QVERIFY(deepest && deepest->parent() != root);
            w.frm->valueEditors->open(model::findParam(w.project.params, "posX"));
            QVERIFY(w.frm->valueEditors->openEditor());
            QVERIFY(w.document.undoStack()->count() > 0);
            w.prompter.answers.enqueue(Prompter::Answer::No);
        };
        auto check = [&](int count) {
            QCOMPARE(w.project.items.count(), count);
            QCOMPARE(w.document.undoStack()->count(), 0);
            QVERIFY(!w.frm->valueEditors->openEditor());
            model::ItemNode* selected = items->selectedItem();
            QVERIFY(!selected || selected->parent() == w.project.items.root());
            QTest::qWait(0);
        };
        click("spdAddItem");
        prepare();
        QVERIFY(w.designer().newProject());
        check(0);
        click("spdAddItem");
        prepare();
        QVERIFY(w.designer().openProject(file));
        check(3);
        prepare();
        w.frm->examplesMenu->aboutToShow();
        w.frm->examplesMenu->actions()[0]->trigger();
        check(2);
    }

    void flagOnlyEditsAskBeforeTheyAreLost() {
        Window w;
        w.designer().preview().setAutoUpdate(true);
        // An edit kept preview-on-demand (the style dialogs'): marked, but no countdown.
        QVERIFY(w.document.addStyle<model::TStyle>() == 0);
        QVERIFY(w.designer().isModified());
        QVERIFY(!w.designer().preview().timer().isActive());
        // Closing asks rather than losing it.
        w.prompter.answers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.frm->close());
        QCOMPARE(w.prompter.messages.last().text, QString("Save the project?"));
        // Undo counts as a change like any other and starts the countdown.
        w.document.undoStack()->undo();
        QVERIFY(w.designer().preview().timer().isActive());
        QVERIFY(w.project.itemStyles.empty());
    }

    void undoBackToTheSavedStateAsksNothing() {
        Window w;
        QUndoStack* stack = w.document.undoStack();
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(writeMenu(file, {"Home"}));
        QVERIFY(w.designer().openProject(file));
        // Two steps, both undone: the opened state again; Exit asks nothing.
        w.change();
        w.document.renameItem(w.project.items.root()->child(0), "Start");
        QVERIFY(w.designer().isModified());
        stack->undo();
        stack->undo();
        QVERIFY(!w.designer().isModified());
        QVERIFY(w.frm->close());
        QVERIFY(w.prompter.messages.isEmpty());
        w.frm->show();
        // One redo, or one new edit, and Exit asks again.
        stack->redo();
        QVERIFY(w.designer().isModified());
        stack->undo();
        w.change();
        w.prompter.answers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.frm->close());
        QCOMPARE(w.prompter.messages.size(), 1);

        // After a save the saved state is the one undo comes back to; an edit outside the
        // history (rewriting a parameter with its own value) keeps counting after any undo.
        w.prompter.messages.clear();
        w.document.clearModified();
        w.change();
        stack->undo();
        QVERIFY(!w.designer().isModified());
        stack->undo();
        QVERIFY(w.designer().isModified());
        stack->redo();
        QVERIFY(!w.designer().isModified());
        const int row = model::findParam(w.project.params, "posX");
        w.document.setParam(row, w.project.params[static_cast<std::size_t>(row)]);
        w.change();
        stack->undo();
        QVERIFY(w.designer().isModified());
    }
};

QTEST_MAIN(TestProjectCommands)
#include "test_projectcommands.moc"
