// The "Checks" list of the main window: kept current after edits and undo, and leading to the
// place of each finding.

#include "app/checkspanel.h"
#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/itemeditor.h"
#include "app/tfrm.h"
#include "doc/document.h"
#include "testsupport.h"
#include "ui/props/dgprops.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;

namespace {

struct Window {
    app::testing::Folders dirs;
    doc::Document document;
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::Tfrm> frm;

    Window() {
        app::Folders folders{dirs.programFolder(), dirs.tempFolder(), dirs.work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(document, folders, prompter, browsers.factory(),
                                          dirs.program.filePath("lmtool.ini"));
        frm->designer().preview().setAutoUpdate(false);
        frm->resize(1280, 800);
        frm->show();
        frm->tabNotes->setCurrentWidget(frm->checks);
    }
    QListWidget* list() const { return frm->checks->list(); }
    QString tab() const { return frm->tabNotes->tabText(1); }
    model::ItemNode* top(int i) { return document.mutableProject().items.root()->child(i); }
    QStringList rows() const {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
};

} // namespace

class TestChecksPanel : public QObject {
    Q_OBJECT
private slots:
    void followsEditsAndUndo() {
        Window w;
        QCOMPARE(w.tab(), QString("Checks (0)"));
        w.document.addItem(nullptr);
        w.document.setItemField(w.top(0), model::ItemField::Link, "index.html");
        // The list waits for the typing to pause.
        QVERIFY(w.frm->checks->findings().empty());
        QTRY_COMPARE(w.tab(), QString("Checks (0)"));

        w.document.setItemField(w.top(0), model::ItemField::Link, "javascript:go()");
        QTRY_COMPARE(w.tab(), QString("Checks (1)"));
        QCOMPARE(w.rows().size(), 1);
        QVERIFY2(w.rows()[0].startsWith("Error: Item Item0: The link runs a script"),
                 qPrintable(w.rows()[0]));
        auto* row = QAccessible::queryAccessibleInterface(w.list())->child(0);
        QVERIFY(row && row->text(QAccessible::Name).startsWith("Error"));

        w.document.undoStack()->undo();
        QTRY_COMPARE(w.tab(), QString("Checks (0)"));
        QVERIFY(w.frm->checks->findings().empty());
    }

    void activatingARowGoesToItsPlace() {
        Window w;
        for (int i = 0; i < 3; ++i) {
            w.document.addItem(nullptr);
            w.document.setItemField(w.top(i), model::ItemField::Link, "page.html");
        }
        w.document.renameItem(w.top(2), "Item0");
        model::TPropType color = w.document.project().param("fontColor");
        color.intList = {0xCCCCCC, -1};
        const int colorRow = model::findParam(w.document.project().params, "fontColor");
        w.document.setParam(colorRow, color);
        QTRY_COMPARE(w.rows().size(), 2);
        QVERIFY2(w.rows()[0].startsWith("Error: Property fontColor: Top-level items"),
                 qPrintable(w.rows()[0]));
        QVERIFY2(w.rows()[1].startsWith("Warning: Item Item0: The item's text"),
                 qPrintable(w.rows()[1]));
        w.frm->itemEditor()->selectItem(w.top(0));

        // Enter on the duplicate selects the item in the tree.
        w.list()->setFocus();
        w.list()->setCurrentRow(1);
        QTest::keyClick(w.list(), Qt::Key_Return);
        QCOMPARE(w.frm->itemEditor()->selectedItem(), w.top(2));

        // A double click on the contrast selects the parameter's row in the grid.
        const QRect rect = w.list()->visualItemRect(w.list()->item(0));
        QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w.frm->itemEditor()->selectedItem(), w.top(2)); // a click alone goes nowhere
        QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w.frm->DGProps->currentIndex().row(), colorRow);

        // The row's accessible action does the same.
        w.frm->itemEditor()->selectItem(w.top(0));
        w.frm->tabNotes->setCurrentWidget(w.frm->checks);
        w.list()->setCurrentRow(0);
        auto* row = QAccessible::queryAccessibleInterface(w.list())->child(1);
        QVERIFY(row && row->actionInterface());
        QVERIFY(row->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(w.frm->itemEditor()->selectedItem(), w.top(2));
    }

    // With MENULOOM_SHOT_DIR set: a picture of the window with the Checks tab open on a menu
    // with a finding of each severity, for a person to look at.
    void screenshot() {
        const QString dir = qEnvironmentVariable("MENULOOM_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("MENULOOM_SHOT_DIR not set");
        Window w;
        const QString file = w.dirs.work.filePath("menu.js");
        QVERIFY(app::testing::writeMenu(file, {"Home", "Products", "Products", ""}));
        QVERIFY(w.frm->designer().openProject(file));
        model::TPropType color = w.document.project().param("fontColor");
        color.intList = {0xAAAAAA, -1};
        w.document.setParam(model::findParam(w.document.project().params, "fontColor"), color);
        w.frm->checks->refresh();
        w.frm->tabNotes->setCurrentWidget(w.frm->checks);
        QVERIFY(QTest::qWaitForWindowExposed(w.frm.get()));
        QVERIFY(w.frm->grab().save(dir + "/checks.png"));
    }
};

QTEST_MAIN(TestChecksPanel)
#include "test_checkspanel.moc"
