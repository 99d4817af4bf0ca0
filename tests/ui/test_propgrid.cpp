// The property grid and its value editors, driven through the main window as a user does:
// clicks at the real value-button coordinates, keys, the pointer leaving a pop-up.

#include "app/appstyle.h"
#include "app/itemeditor.h"
#include "app/tfrm.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "modaldriver.h"
#include "testsupport.h"
#include "ui/props/dgprops.h"
#include "ui/props/propsdisplay.h"
#include "ui/props/valueeditors.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmtext.h"
#include "widgets/contrastnote.h"
#include "widgets/targetlist.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using doc::Prompter;

namespace {

// The main window with its grid, editors and value dialogs, over fake dialogs and browsers.
struct Window {
    app::testing::Folders dirs;
    doc::Document document;
    const model::Project& project = document.project();
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::Tfrm> frm;
    std::unique_ptr<ui::TfrmFont> font;
    std::unique_ptr<ui::TfrmText> text;
    std::unique_ptr<ui::TfrmImages> images;

    Window() {
        app::Folders folders{dirs.programFolder(), dirs.tempFolder(), dirs.work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(document, folders, prompter, browsers.factory(),
                                          dirs.program.filePath("lmtool.ini"));
        font = std::make_unique<ui::TfrmFont>(document, prompter, frm.get());
        text = std::make_unique<ui::TfrmText>(document, frm.get());
        images = std::make_unique<ui::TfrmImages>(document, prompter, folders.start, frm.get());
        editors().setDialogs(font.get(), text.get(), images.get());
        frm->resize(1320, 860);
        frm->show();
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    ~Window() {
        images.reset();
        text.reset();
        font.reset();
        frm.reset();
    }

    ui::DGProps& grid() { return *frm->DGProps; }
    ui::ValueEditors& editors() { return *frm->valueEditors; }
    int row(const char* name) const { return model::findParam(project.params, name); }
    const model::TPropType& param(const char* name) const {
        return project.params[static_cast<std::size_t>(row(name))];
    }
    QRect cell(const char* name) {
        grid().scrollTo(grid().model()->index(row(name), 1));
        return grid().valueCellRect(row(name));
    }
    // A click 10 px left of the value cell's right edge, half-way down: on the value button.
    void clickButton(const char* name) {
        const QRect c = cell(name);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          QPoint(c.right() - 10, c.center().y()));
    }
    void setValue(const char* name, auto&& change) {
        model::TPropType v = param(name);
        change(v);
        document.setParam(row(name), v);
    }
    QString cellText(const char* name) {
        return grid().model()->index(row(name), 1).data(Qt::AccessibleTextRole).toString();
    }
    QWidget* open() { return editors().openEditor(); }
    QUndoStack& undo() { return *document.undoStack(); }
    // A key pressed where the keyboard focus is, as a person presses it.
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, mods);
    }
    // From the filter field: types `name`, tabs into the grid (on the first matching row) and
    // opens that row's editor with `key`.
    void openByKeys(const char* name, Qt::Key key = Qt::Key_Return,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
        // The offscreen platform does not hand activation back after a dialog by itself.
        if (!frm->isActiveWindow()) {
            frm->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        }
        frm->eFilter->setFocus();
        QTRY_VERIFY(frm->eFilter->hasFocus());
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), name);
        press(Qt::Key_Tab);
        QTRY_VERIFY(grid().hasFocus());
        QCOMPARE(grid().currentIndex().row(), row(name));
        press(key, mods);
    }
    // The editor is closed and the focus is back on `name`'s row of the grid.
    void checkBackOnRow(const char* name) {
        QTRY_VERIFY(!open());
        QTRY_VERIFY(grid().hasFocus());
        QCOMPARE(grid().currentIndex().row(), row(name));
    }
    // Types into the number field and presses Enter.
    void typeInt(const QString& typed) {
        QLineEdit* e = editors().widget<QLineEdit>("eInt");
        e->selectAll();
        QTest::keyClicks(e, typed);
        QTest::keyClick(e, Qt::Key_Return);
    }
};

} // namespace

class TestPropGrid : public QObject {
    Q_OBJECT
private slots:
    void valueTextsOfEveryKind() {
        model::TProps t;
        model::buildParamTable(t);
        auto p = [&](const char* name) -> model::TPropType& {
            return t[static_cast<std::size_t>(model::findParam(t, name))];
        };
        auto text = [&](const char* name) { return ui::valueText(p(name)); };
        QCOMPARE(text("isHorizontal"), std::string("False"));
        QCOMPARE(text("menuWidth"), std::string("0%"));
        QCOMPARE(text("transparency"), std::string("100%"));
        QCOMPARE(text("blankImage"), std::string("[empty]"));
        QCOMPARE(text("menuBackColor"), std::string("\"\""));
        QCOMPARE(text("fontColor"), std::string("[\"\", \"\"]"));
        QCOMPARE(text("fontDecoration"), std::string("[none, none]"));
        QCOMPARE(text("itemBorderStyle"), std::string("[none, none]"));
        QCOMPARE(text("itemAlign"), std::string(""));
        QCOMPARE(text("fontStyle"), std::string("normal 8pt Tahoma"));
        QCOMPARE(text("itemBackImage"), std::string("[\"\", \"\"]"));
        QCOMPARE(text("statusString"), std::string("link"));
        p("menuBackColor").num = 0x8000FF; // red FF, green 00, blue 80
        QCOMPARE(text("menuBackColor"), std::string("#FF0080"));
        p("fontColor").intList = {0x0000FF, -1};
        QCOMPARE(text("fontColor"), std::string("[#FF0000, \"\"]"));
        p("itemBackImage").strList = {"a.gif", ""};
        QCOMPARE(text("itemBackImage"), std::string("[img, \"\"]"));
        p("transparency").value = 150; // read from a file: shown as it is
        QCOMPARE(text("transparency"), std::string("150%"));
        p("itemTarget").flag = 1;
        p("itemTarget").text = "main";
        QCOMPARE(text("itemTarget"), std::string("main"));
        QVERIFY(ui::isDefaultValue(0, t[0]));
        QVERIFY(!ui::isDefaultValue(model::findParam(t, "transparency"), p("transparency")));
    }

    void gridCellsHintAndButtonHitTest() {
        Window w;
        ui::DGProps& g = w.grid();
        QCOMPARE(g.model()->rowCount(), 60);
        QCOMPARE(g.model()->columnCount(), 2);
        QCOMPARE(g.columnWidth(0), ui::DGProps::kNameWidth);
        QCOMPARE(g.rowHeight(0), ui::DGProps::kRowHeight);
        QCOMPARE(g.columnViewportPosition(1) + g.columnWidth(1), g.viewport()->width());
        // The button: at least 12 px wide, its left edge 4 px plus its width before the edge.
        const int width = g.imgPropsButton().width();
        QVERIFY(width >= 12);
        QCOMPARE(g.buttonPosition(), g.viewport()->width() - 4 - width);
        QVERIFY(g.onValueButton(g.buttonPosition()) && g.onValueButton(g.buttonPosition() + width));
        QVERIFY(!g.onValueButton(g.buttonPosition() - 1));

        // A click on a name or on the value text selects and shows the hint, opens nothing.
        const QRect c = w.cell("posX");
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(20, c.center().y()));
        QCOMPARE(w.frm->mmNote->toPlainText(),
                 QString("Menu X-coordinate.\nMenu must have absolutePos=True."));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(c.left() + 8, c.center().y()));
        QVERIFY(!w.open());
        // Keys move the selection and the hint; Enter opens the selected row's editor.
        QTest::keyClick(&g, Qt::Key_Down);
        QCOMPARE(g.currentRow(), w.row("posY"));
        QVERIFY(w.frm->mmNote->toPlainText().startsWith("Menu Y-coordinate."));
        QVERIFY(!w.open());
        QTest::keyClick(&g, Qt::Key_Return);
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlInt"));
        QTest::keyClick(w.editors().widget<QLineEdit>("eInt"), Qt::Key_Escape);
        QVERIFY(!w.open());

        // The filter shows the rows whose name holds the text, in any case.
        w.frm->eFilter->setText("BORDERw");
        int shown = 0;
        for (int r = 0; r < 60; ++r)
            shown += g.isRowHidden(r) ? 0 : 1;
        QCOMPARE(shown, 2); // itemBorderWidth, menuBorderWidth
        w.frm->eFilter->clear();
        QVERIFY(!g.isRowHidden(w.row("posX")));

        // Names of changed parameters are bold; the cell text follows the model at once.
        w.setValue("menuBackColor", [](auto& v) { v.num = 0x00FF00; });
        QCOMPARE(w.cellText("menuBackColor"), QString("#00FF00"));
        QVERIFY(!ui::isDefaultValue(w.row("menuBackColor"), w.param("menuBackColor")));
        w.document.resetParam(w.row("menuBackColor"));
        QCOMPARE(w.cellText("menuBackColor"), QString("\"\""));
        QCOMPARE(w.undo().undoText(), QString("menuBackColor"));
    }

    void integerEditor() {
        Window w;
        w.setValue("itemBorderWidth", [](auto& v) { v.value = 3; });
        w.clickButton("itemBorderWidth");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlInt"));
        QLineEdit* e = w.editors().widget<QLineEdit>("eInt");
        QTRY_VERIFY(e->hasFocus());
        QCOMPARE(e->text(), QString("3"));
        // Letters never reach the field.
        e->selectAll();
        QTest::keyClicks(e, "a-1b");
        QCOMPARE(e->text(), QString("-1"));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.prompter.messages[0].caption, QString("Error"));
        QCOMPARE(w.prompter.messages[0].text, QString("Value must be >= 0"));
        QCOMPARE(e->text(), QString("3"));
        QCOMPARE(e->selectedText(), QString("3"));
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlInt"));
        QTest::keyClick(e, Qt::Key_Escape);
        QVERIFY(!w.open());
        QCOMPARE(w.param("itemBorderWidth").value, 3);

        // Percentages where the parameter takes them.
        w.clickButton("menuWidth");
        QCOMPARE(w.editors().widget<QLineEdit>("eInt")->text(), QString("0%"));
        w.typeInt("80");
        QCOMPARE(w.param("menuWidth").value, 80);
        QCOMPARE(w.param("menuWidth").boolValue, uint8_t(1));
        QCOMPARE(w.undo().undoText(), QString("menuWidth"));
        w.clickButton("menuWidth");
        w.typeInt("80%");
        QCOMPARE(w.param("menuWidth").boolValue, uint8_t(0));
        QCOMPARE(w.cellText("menuWidth"), QString("80%"));
        w.clickButton("menuWidth");
        w.typeInt("-80%");
        QCOMPARE(w.editors().widget<QLineEdit>("eInt")->text(), QString("80")); // refused silently
        QCOMPARE(w.prompter.messages.size(), 1);
        QTest::keyClick(w.editors().widget<QLineEdit>("eInt"), Qt::Key_Escape);

        w.clickButton("posX");
        w.typeInt("5%");
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.param("posX").value, 0);
        w.typeInt("-12");
        QCOMPARE(w.param("posX").value, -12);
        QVERIFY(!w.open());

        // Not a whole number: the conversion message, nothing stored.
        w.clickButton("posX");
        w.typeInt("1.5");
        QCOMPARE(w.prompter.messages.last().text, QString("'1.5' is not a valid integer value"));
        QCOMPARE(w.param("posX").value, -12);

        // Leaving the field keeps the old value.
        w.editors().widget<QLineEdit>("eInt")->selectAll();
        QTest::keyClicks(w.editors().widget<QLineEdit>("eInt"), "44");
        w.frm->eFilter->setFocus();
        QTRY_VERIFY(!w.open());
        QCOMPARE(w.param("posX").value, -12);

        // Each stored number is one step that undoes.
        w.undo().undo();
        QCOMPARE(w.param("posX").value, 0);
        QCOMPARE(w.cellText("posX"), QString("0"));
    }

    void colourAndListEditors() {
        Window w;
        // An unset colour: straight to the picker; a cancel leaves no panel.
        w.clickButton("menuBackColor");
        QCOMPARE(w.prompter.colorRequests.size(), 1);
        QVERIFY(!w.open());
        QCOMPARE(w.param("menuBackColor").num, -1);
        w.prompter.colors.enqueue(QColor(255, 0, 128));
        w.clickButton("menuBackColor");
        QCOMPARE(w.param("menuBackColor").num, 0x8000FF);
        // A set colour: the Clear/Select panel; Select is preset with the colour.
        w.clickButton("menuBackColor");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlColor"));
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorSelect"), Qt::LeftButton);
        QCOMPARE(w.prompter.colorRequests.last(), std::optional<QColor>(QColor(255, 0, 128)));
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlColor")); // cancelled: the panel stays
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorClear"), Qt::LeftButton);
        QCOMPARE(w.param("menuBackColor").num, -1);
        QVERIFY(!w.open());

        // fontDecoration: the second row, "underline", "Ok".
        w.clickButton("fontDecoration");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlFontDecorArray"));
        QListWidget* decor = w.editors().widget<QListWidget>("lbFontDecorArray");
        QTRY_VERIFY(decor->hasFocus());
        QCOMPARE(decor->currentRow(), 0);
        QTest::keyClick(decor, Qt::Key_Down);
        QCOMPARE(decor->currentRow(), 1);
        w.editors()
            .widget<QFrame>("pnlFontDecorArray")
            ->findChild<QPushButton*>("spdDecor1")
            ->click();
        QCOMPARE(decor->item(1)->text(), QString("underline"));
        QTest::mouseClick(w.editors().widget<QPushButton>("spdFontDecorOk"), Qt::LeftButton);
        QVERIFY(!w.open());
        QCOMPARE(w.param("fontDecoration").intList, std::vector<int32_t>({0, 1}));

        // itemBorderStyle: "dotted" stores 0, "none" stores -1, shown as "none". One opening is
        // one step, and one that ends where it began leaves none.
        w.clickButton("itemBorderStyle");
        auto* none = w.editors()
                         .widget<QFrame>("pnlBorderStyle")
                         ->findChild<QPushButton*>("spdBorderStyle0");
        auto* dotted = w.editors()
                           .widget<QFrame>("pnlBorderStyle")
                           ->findChild<QPushButton*>("spdBorderStyle1");
        dotted->click();
        QCOMPARE(w.param("itemBorderStyle").intList[0], 0);
        none->click();
        QCOMPARE(w.param("itemBorderStyle").intList[0], -1);
        QCOMPARE(w.editors().widget<QListWidget>("lbBorderStyle")->item(0)->text(),
                 QString("none"));
        QTest::keyClick(w.editors().widget<QListWidget>("lbBorderStyle"), Qt::Key_Escape);
        QVERIFY(!w.open());
        QCOMPARE(w.undo().undoText(), QString("fontDecoration"));
        w.undo().undo();
        QCOMPARE(w.param("fontDecoration").intList, std::vector<int32_t>({0, 0}));

        // Colour list: Select stores into the selected row at once; the list stays.
        w.clickButton("fontColor");
        w.prompter.colors.enqueue(QColor(0, 0, 255));
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorArraySelect"), Qt::LeftButton);
        QCOMPARE(w.param("fontColor").intList[0], 0xFF0000);
        QCOMPARE(w.editors().widget<QListWidget>("lbColorArray")->item(0)->text(),
                 QString("#0000FF"));
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlColorArray"));
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorArrayOk"), Qt::LeftButton);
        QCOMPARE(w.cellText("fontColor"), QString("[#0000FF, \"\"]"));
    }

    // The colours of the text tell its contrast while they are chosen: the picker judges each
    // colour it shows for the row's state, and the panel's note follows every stored colour.
    void colourEditorsTellTheContrast() {
        Window w;
        w.clickButton("fontColor");
        auto* note = w.editors().widget<widgets::ContrastNote>("lblColorArrayContrast");
        QVERIFY(note->isVisible());
        QVERIFY(!note->shortfall());
        QCOMPARE(note->text(), QString("Text contrast: normal 21:1; mouse-over 21:1 (minimum "
                                       "4.5:1)."));
        w.editors().widget<QListWidget>("lbColorArray")->setCurrentRow(1);
        w.prompter.colors.enqueue(QColor(0xDD, 0xDD, 0xDD));
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorArraySelect"), Qt::LeftButton);
        QVERIFY(note->shortfall());
        QVERIFY2(note->text().contains("mouse-over 1.36:1, too low"), qPrintable(note->text()));
        // The judge of that pick: the over state, with the colour it is offered.
        QVERIFY(w.prompter.lastJudge);
        const QList<doc::ColorUse> offered = w.prompter.lastJudge(QColor(0x77, 0x77, 0x77));
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered[0].state, QString("mouse-over"));
        QVERIFY(offered[0].readability.fails());
        QCOMPARE(w.param("fontColor").intList[1], 0xDDDDDD); // judging stores nothing
        // The panel grew for the longer text and still lies in the window.
        auto* panel = w.editors().widget<QFrame>("pnlColorArray");
        QVERIFY(panel->geometry().bottom() >= note->mapTo(panel, note->rect().bottomLeft()).y());
        QTest::mouseClick(w.editors().widget<QPushButton>("spdColorArrayOk"), Qt::LeftButton);

        // A box colour under items that draw their own background covers no text; a colour
        // that is not the text's has no note and no judge.
        w.setValue("itemBackColor", [](model::TPropType& v) { v.intList = {0xFFFFFF, -1}; });
        w.setValue("menuBackColor", [](model::TPropType& v) { v.num = 0x333333; });
        w.clickButton("menuBackColor");
        note = w.editors().widget<widgets::ContrastNote>("lblColorContrast");
        QVERIFY(note->isVisible());
        QVERIFY(note->text().startsWith("No text lies on this colour"));
        QTest::keyClick(w.editors().widget<QPushButton>("spdColorSelect"), Qt::Key_Escape);
        QTRY_VERIFY(!w.open());
        w.prompter.colors.enqueue(std::nullopt);
        w.clickButton("shadowColor");
        QVERIFY(!w.prompter.lastJudge);
    }

    void popupsChoicesAndTrackBars() {
        Window w;
        // True/False: the current value's button is pressed and lies over the row.
        w.clickButton("isHorizontal");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlBool"));
        QVERIFY(w.editors().widget<QPushButton>("spdBoolFalse")->isChecked() &&
                !w.editors().widget<QPushButton>("spdBoolTrue")->isChecked());
        const QRect cell = w.cell("isHorizontal");
        const QPoint rowMiddle = w.grid().viewport()->mapTo(w.frm.get(), cell.center());
        QPushButton* falseButton = w.editors().widget<QPushButton>("spdBoolFalse");
        QVERIFY(QRect(falseButton->mapTo(w.frm.get(), QPoint()), falseButton->size())
                    .contains(rowMiddle));
        // Leaving it with the pointer closes it 50 ms later, storing nothing.
        QTest::mouseMove(w.editors().widget<QPushButton>("spdBoolTrue"));
        QTest::mouseMove(w.frm->mmNote, QPoint(5, 5));
        QVERIFY(w.editors().timerHide().isActive());
        QCOMPARE(w.editors().timerHide().interval(), 50);
        QTRY_VERIFY_WITH_TIMEOUT(!w.open(), 2000);
        QCOMPARE(w.param("isHorizontal").boolValue, uint8_t(0));
        w.clickButton("isHorizontal");
        QTest::mouseClick(w.editors().widget<QPushButton>("spdBoolTrue"), Qt::LeftButton);
        QCOMPARE(w.param("isHorizontal").boolValue, uint8_t(1));
        QVERIFY(!w.open());

        // Alignment: "Center" stores 1.
        w.clickButton("itemAlign");
        QVERIFY(!w.editors().widget<QPushButton>("spdAlignLeft")->isChecked());
        QTest::mouseClick(w.editors().widget<QPushButton>("spdAlignCenter"), Qt::LeftButton);
        QCOMPARE(w.param("itemAlign").num, 1);

        // statusString: "..." asks for a text; choosing "text" later keeps that text stored.
        w.clickButton("statusString");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlStrs"));
        QListWidget* list = w.editors().widget<widgets::TargetList>("lbStrs");
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), 0);
        bool asked = false;
        app::testing::onNextModal([&](QWidget* modal) {
            asked = modal == w.text.get();
            auto* edit = modal->findChild<QLineEdit*>("eText");
            edit->setText("hello");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        list->setCurrentRow(2);
        QVERIFY(asked);
        w.frm->activateWindow(); // the offscreen platform does not hand activation back itself
        QVERIFY(QTest::qWaitForWindowActive(w.frm.get()));
        QVERIFY(!w.open());
        QCOMPARE(w.cellText("statusString"), QString("hello"));
        w.clickButton("statusString");
        QCOMPARE(w.editors().widget<widgets::TargetList>("lbStrs")->currentRow(), 2);
        w.editors().widget<widgets::TargetList>("lbStrs")->setCurrentRow(1);
        QCOMPARE(w.cellText("statusString"), QString("text"));
        QCOMPARE(w.param("statusString").text, std::string("hello"));

        // Transparency: each move stores; a drag is one step.
        w.clickButton("transparency");
        QSlider* bar = w.editors().widget<QSlider>("tbPercents");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlPercents"));
        QTRY_VERIFY2(bar->hasFocus(), QApplication::focusWidget()
                                          ? qPrintable(QApplication::focusWidget()->objectName())
                                          : "none");
        const int before = w.undo().index();
        QTest::keyClick(bar, Qt::Key_Left);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(w.param("transparency").value, 94);
        QCOMPARE(w.editors().widget<QLabel>("lblPercentsValue")->text(), QString("94%"));
        QCOMPARE(w.undo().index(), before + 1);
        QTest::mouseClick(w.editors().widget<QPushButton>("spdPercentsOk"), Qt::LeftButton);
        QVERIFY(!w.open());

        // A press anywhere else in the main window closes an open panel, storing nothing.
        w.clickButton("posY");
        QVERIFY(w.open());
        const QPoint note = w.frm->mmNote->mapTo(w.frm.get(), QPoint(5, 5));
        QTest::mouseClick(w.frm->windowHandle(), Qt::LeftButton, {}, note);
        QVERIFY(!w.open());

        // A change from elsewhere (an undo) closes an open panel.
        w.clickButton("posY");
        QVERIFY(w.open());
        w.undo().undo();
        QVERIFY(!w.open());
        QCOMPARE(w.param("transparency").value, 100);
    }

    void imageEditor() {
        Window w;
        // Empty path: straight to the picker; a file inside the working folder is stored
        // relative to it.
        w.document.mutableProject().workingFolder = (w.dirs.work.path() + "/").toStdString();
        w.prompter.files.enqueue(w.dirs.work.path() + "/img/blank.gif");
        w.clickButton("blankImage");
        QVERIFY(!w.open());
        QCOMPARE(w.param("blankImage").text, std::string("img/blank.gif"));
        QCOMPARE(w.prompter.fileRequests.last().title, QString("Select image..."));
        // With a path: the panel; typing is stored on Enter, exactly as typed.
        w.clickButton("blankImage");
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlImg"));
        QLineEdit* e = w.editors().widget<QLineEdit>("eImg");
        QTRY_VERIFY(e->hasFocus());
        e->selectAll();
        QTest::keyClicks(e, " x.gif");
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(w.param("blankImage").text, std::string(" x.gif"));
        // Clear empties at once and the panel stays; Escape leaves.
        w.clickButton("blankImage");
        QTest::mouseClick(w.editors().widget<QPushButton>("spdImgClear"), Qt::LeftButton);
        QCOMPARE(w.param("blankImage").text, std::string());
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlImg"));
        QTest::keyClick(w.editors().widget<QLineEdit>("eImg"), Qt::Key_Escape);
        QVERIFY(!w.open());
        QCOMPARE(w.cellText("blankImage"), QString("[empty]"));
    }

    // Every kind opens from the keyboard exactly as from its value button, with the focus in it.
    void everyKindOpensFromTheKeyboard() {
        Window w;
        w.setValue("menuBackColor", [](auto& v) { v.num = 0x336699; });
        w.setValue("moveImage", [](auto& v) { v.text = "img/move.gif"; });
        const std::pair<const char*, const char*> panels[] = {
            {"isHorizontal", "spdBoolFalse"},
            {"posX", "eInt"},
            {"moveImage", "eImg"},
            {"menuBackColor", "spdColorSelect"},
            {"fontColor", "lbColorArray"},
            {"fontDecoration", "lbFontDecorArray"},
            {"itemBorderStyle", "lbBorderStyle"},
            {"itemAlign", "spdAlignLeft"},
            {"transparency", "tbPercents"},
            {"transition", "tbTransition"},
            {"statusString", "lbStrs"}};
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_F2, Qt::Key_Space};
        int k = 0;
        for (const auto& [name, control] : panels) {
            const Qt::Key key = keys[k++ % 3];
            w.openByKeys(name, key);
            QVERIFY2(w.open(), name);
            QTRY_VERIFY2(w.editors().widget<QWidget>(control)->hasFocus(), name);
            Window::press(Qt::Key_Escape);
            w.checkBackOnRow(name);
        }
        w.openByKeys("posY", Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlInt"));
        Window::press(Qt::Key_Escape);
        // The font and image-list dialogs.
        for (const auto& [name, dialog] :
             {std::pair<const char*, QWidget*>{"fontStyle", w.font.get()},
              {"itemBackImage", w.images.get()}}) {
            QWidget* shown = nullptr;
            app::testing::onNextModal([&](QWidget* modal) {
                shown = modal;
                modal->close();
            });
            w.openByKeys(name);
            QCOMPARE(shown, dialog);
        }
        // A colour's "Clear" and "Select..." are reached with Tab; Tab stays in the panel.
        w.openByKeys("menuBackColor");
        auto* select = w.editors().widget<QPushButton>("spdColorSelect");
        auto* clear = w.editors().widget<QPushButton>("spdColorClear");
        QTRY_VERIFY(select->hasFocus());
        Window::press(Qt::Key_Tab);
        QVERIFY(clear->hasFocus());
        Window::press(Qt::Key_Tab);
        QVERIFY(select->hasFocus());
        Window::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(clear->hasFocus());
        // A pop-up that holds the keyboard focus stays when the pointer leaves it.
        QTest::mouseMove(clear);
        QTest::mouseMove(w.frm->mmNote, QPoint(5, 5));
        QVERIFY(!w.editors().timerHide().isActive());
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlColor"));
        Window::press(Qt::Key_Return);
        QCOMPARE(w.param("menuBackColor").num, -1);
        w.checkBackOnRow("menuBackColor");
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("menuBackColor").num, 0x336699);
    }

    // Changes made with keys only, each one undo step that Ctrl+Z takes back.
    void changesByKeysAlone() {
        Window w;
        w.undo().clear();

        // posX: 12.
        w.openByKeys("posX");
        QTRY_VERIFY(w.editors().widget<QLineEdit>("eInt")->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "12");
        Window::press(Qt::Key_Return);
        QCOMPARE(w.param("posX").value, 12);
        w.checkBackOnRow("posX");
        // Escape stores nothing.
        w.openByKeys("posX", Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "77");
        Window::press(Qt::Key_Escape);
        w.checkBackOnRow("posX");
        QCOMPARE(w.param("posX").value, 12);
        QCOMPARE(w.undo().count(), 1);
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("posX").value, 0);

        // isHorizontal: True (the focus starts on the pressed "False").
        w.openByKeys("isHorizontal", Qt::Key_Space);
        QTRY_VERIFY(w.editors().widget<QPushButton>("spdBoolFalse")->hasFocus());
        Window::press(Qt::Key_Up);
        QVERIFY(w.editors().widget<QPushButton>("spdBoolTrue")->hasFocus());
        Window::press(Qt::Key_Space);
        QCOMPARE(w.param("isHorizontal").boolValue, uint8_t(1));
        w.checkBackOnRow("isHorizontal");
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("isHorizontal").boolValue, uint8_t(0));

        // itemAlign: center.
        const int32_t align = w.param("itemAlign").num;
        w.openByKeys("itemAlign", Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(w.editors().widget<QPushButton>("spdAlignLeft")->hasFocus());
        Window::press(Qt::Key_Right);
        Window::press(Qt::Key_Return);
        QCOMPARE(w.param("itemAlign").num, 1);
        w.checkBackOnRow("itemAlign");
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("itemAlign").num, align);

        // fontDecoration: the normal entry (row 0) underlined.
        w.openByKeys("fontDecoration");
        QTRY_VERIFY(w.editors().widget<QListWidget>("lbFontDecorArray")->hasFocus());
        Window::press(Qt::Key_Tab);
        QVERIFY(w.editors().widget<QPushButton>("spdDecor0")->hasFocus());
        Window::press(Qt::Key_Right);
        Window::press(Qt::Key_Space);
        QCOMPARE(w.param("fontDecoration").intList, std::vector<int32_t>({1, 0}));
        Window::press(Qt::Key_Escape);
        w.checkBackOnRow("fontDecoration");
        QCOMPARE(w.param("fontDecoration").intList, std::vector<int32_t>({1, 0}));
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("fontDecoration").intList, std::vector<int32_t>({0, 0}));

        // transparency: stepped down to 5 (Page Down by 5, Left by 1), one step in all.
        const int before = w.undo().index();
        w.openByKeys("transparency");
        QTRY_VERIFY(w.editors().widget<QSlider>("tbPercents")->hasFocus());
        for (int i = 0; i < 18; ++i)
            Window::press(Qt::Key_PageDown);
        for (int i = 0; i < 5; ++i)
            Window::press(Qt::Key_Left);
        QCOMPARE(w.param("transparency").value, 5);
        QCOMPARE(w.editors().widget<QLabel>("lblPercentsValue")->text(), QString("5%"));
        Window::press(Qt::Key_Return);
        w.checkBackOnRow("transparency");
        QCOMPARE(w.undo().index(), before + 1);
        Window::press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.param("transparency").value, 100);
    }

    // The item operations from the Edit menu's keys, each the same undo step as its button.
    void itemTreeKeys() {
        Window w;
        app::ItemEditor* items = w.frm->itemEditor();
        for (const char* b : {"spdAddItem", "spdAddItem", "spdAddItem"})
            items->findChild<QPushButton*>(b)->click();
        const model::ItemNode* root = w.project.items.root();
        QCOMPARE(root->childCount(), 3);
        for (int i = 0; i < 3; ++i)
            w.document.renameItem(root->child(i), "item " + std::to_string(i));
        w.undo().clear();
        auto* tree = items->treeView();
        auto captions = [root] {
            QStringList all;
            for (int i = 0; i < root->childCount(); ++i)
                all << QString::fromStdString(root->child(i)->props().caption);
            return all;
        };
        const QStringList start = captions();
        items->selectItem(root->child(1));
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        auto undo = [&] {
            Window::press(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(captions(), start);
            items->selectItem(root->child(1));
            tree->setFocus();
            QTRY_VERIFY(tree->hasFocus());
        };

        Window::press(Qt::Key_Delete); // no question, as the button
        QCOMPARE(root->childCount(), 2);
        QCOMPARE(w.prompter.messages.size(), 0);
        undo();
        Window::press(Qt::Key_Insert);
        QCOMPARE(root->childCount(), 4);
        undo();
        Window::press(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(captions(), QStringList({start[1], start[0], start[2]}));
        undo();
        Window::press(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(captions(), QStringList({start[0], start[2], start[1]}));
        undo();
        Window::press(Qt::Key_C, Qt::ControlModifier);
        Window::press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(root->childCount(), 4);
        undo();
        // F2: the "Text:" field, its text selected; there Ctrl+V is the field's own.
        Window::press(Qt::Key_F2);
        auto* text = items->findChild<QLineEdit*>("eItemCaption");
        QTRY_VERIFY(text->hasFocus());
        QCOMPARE(text->selectedText(), start[1]);
        Window::press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(root->childCount(), 3);
        // The grid keeps F2 for its own editor.
        w.openByKeys("posX", Qt::Key_F2);
        QCOMPARE(w.open(), w.editors().widget<QFrame>("pnlInt"));
    }

    // With MENULOOM_SHOT_DIR set: pictures of the grid showing every kind of value and of each
    // editor open, to look at beside the rest of the window.
    void screenshots() {
        const QString dir = qEnvironmentVariable("MENULOOM_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("MENULOOM_SHOT_DIR not set");
        app::applyAppStyle(*qApp);
        Window w;
        w.setValue("isHorizontal", [](auto& v) { v.boolValue = 1; });
        w.setValue("menuWidth", [](auto& v) { v.value = 80; });
        w.setValue("fontColor", [](auto& v) { v.intList = {0x202020, 0xC06020}; });
        w.setValue("itemBackColor", [](auto& v) { v.intList = {0xF8F0E8, -1}; });
        w.setValue("fontDecoration", [](auto& v) { v.intList = {0, 1}; });
        w.setValue("itemBorderStyle", [](auto& v) { v.intList = {3, 2}; });
        w.setValue("itemAlign", [](auto& v) { v.num = 1; });
        w.setValue("menuBackColor", [](auto& v) { v.num = 0xFFFFFF; });
        w.setValue("itemBackImage", [](auto& v) { v.strList = {"img/back.gif", ""}; });
        w.setValue("moveImage", [](auto& v) { v.text = "images/handles/move-handle-wide.png"; });
        w.setValue("transparency", [](auto& v) { v.value = 90; });
        w.undo().clear();
        w.grid().setCurrentIndex(w.grid().model()->index(w.row("fontColor"), 1));
        w.grid().scrollTo(w.grid().model()->index(0, 0));
        QVERIFY(w.frm->grab().save(dir + "/grid.png"));
        for (const char* name : {"isHorizontal", "itemBorderWidth", "moveImage", "menuBackColor",
                                 "fontColor", "fontDecoration", "itemBorderStyle", "itemAlign",
                                 "transparency", "transition", "statusString"}) {
            w.clickButton(name);
            QVERIFY2(w.open(), name);
            QWidget* area = w.frm->findChild<QWidget*>("pnlProps");
            const QRect around = QRect(area->mapTo(w.frm.get(), QPoint()), area->size())
                                     .united(w.open()->geometry())
                                     .adjusted(-8, -8, 8, 8);
            QVERIFY(w.frm->grab(around).save(dir + "/editor-" + name + ".png"));
            w.editors().hideValueEditor();
        }
        // Opened from the keyboard: the focused control must show.
        for (const char* name :
             {"isHorizontal", "menuBackColor", "fontDecoration", "itemAlign", "transparency"}) {
            w.openByKeys(name);
            QVERIFY2(w.open(), name);
            if (std::string_view(name) == "fontDecoration")
                Window::press(Qt::Key_Tab);
            QVERIFY(w.frm->grab(w.open()->geometry().adjusted(-8, -24, 8, 24))
                        .save(dir + "/keys-" + name + ".png"));
            Window::press(Qt::Key_Escape);
        }
    }
};

QTEST_MAIN(TestPropGrid)
#include "test_propgrid.moc"
