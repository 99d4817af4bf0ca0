// The Item Styles and Submenu Styles dialogs driven through their real widgets: the selection
// and its display, every kind of value control, the list operations and their undo, the image
// paths, the keys that close, what an edit does to the modified flag and the preview, and the
// names assistive technology reads.

#include "app/designer.h"
#include "app/startup.h"
#include "app/tfrm.h"
#include "dialogtestsupport.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "modaldriver.h"
#include "testsupport.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmsmstyles.h"
#include "ui/styles/tfrmstyles.h"
#include "widgets/colorbutton.h"
#include "widgets/contrastnote.h"
#include "widgets/conversions.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakePrompter;
using model::ItemNode;
using ui::testing::clickRow;
using ui::testing::rowTexts;

namespace {

// Both dialogs over one document with three items; nothing is shown until `open`.
struct Fixture {
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    ui::testing::ChangeLog log{document};
    ui::TfrmFont font{document, prompter};
    ui::TfrmStyles styles{document, prompter, font, "/home/ann/start/"};
    ui::TfrmSmStyles smStyles{document, prompter, "/home/ann/start/"};
    ItemNode* items[3] = {};

    Fixture() {
        project.workingFolder = "/Site/";
        for (ItemNode*& item : items)
            item = project.items.addItem(nullptr, false);
    }
    // Styles put straight into the project, as a file would bring them (no steps).
    void itemStyles(int n) {
        for (int i = 0; i < n; ++i)
            model::appendDefaultStyle(project.itemStyles);
        emit document.styleListChanged(model::StyleKind::Item);
    }
    void smStyles_(int n) {
        for (int i = 0; i < n; ++i)
            model::appendDefaultSmStyle(project.smStyles);
        emit document.styleListChanged(model::StyleKind::Submenu);
    }
    void refs(int i, int32_t itemStyle, int32_t smStyle) {
        model::TItemProps props = items[i]->props();
        props.itemStyle = itemStyle;
        props.smStyle = smStyle;
        project.items.setProps(items[i], props);
    }
    std::vector<int32_t> itemRefs() const {
        return {items[0]->props().itemStyle, items[1]->props().itemStyle,
                items[2]->props().itemStyle};
    }
    std::vector<int32_t> smRefs() const {
        return {items[0]->props().smStyle, items[1]->props().smStyle, items[2]->props().smStyle};
    }
    static void open(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QUndoStack& undo() { return *document.undoStack(); }
    const model::TStyle& style(int k) const { return document.project().itemStyles.at(k); }
    const model::TSmStyle& smStyle(int k) const { return document.project().smStyles.at(k); }
};

template <typename T> T* w(QWidget* dialog, const char* name) {
    T* found = dialog->findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

void click(QWidget* dialog, const char* name) {
    QTest::mouseClick(w<QAbstractButton>(dialog, name), Qt::LeftButton);
}

// Chooses `row` of a drop-down list with the keyboard, as a user does.
void choose(QComboBox* list, int row) {
    list->setFocus();
    for (int i = 0; i < list->count() && list->currentIndex() != row; ++i)
        QTest::keyClick(list, list->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list->currentIndex(), row);
}

// Drags the slider's handle from its left end to `x` with the mouse, in a few moves.
void drag(QSlider* slider, int x) {
    const int y = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(4, y));
    for (int at = 10; at < x; at += 10)
        QTest::mouseMove(slider, QPoint(at, y));
    QTest::mouseMove(slider, QPoint(x, y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, y));
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestStyleDialogs : public QObject {
    Q_OBJECT
private slots:
    void noSelectionChangesNothing();
    void itemValueControls();
    void submenuValueControls();
    void listOperationsAndItemReferences();
    void imagePaths();
    void keysCloseAndKeepTheName();
    void dragsByItsBackground();
    void fontButton();
    void modifiedWithoutAutomaticPreview();
    void undoRedoAndTheSelectionFollows();
    void startUpWiring();
    void accessibleNames();
    void contrastBesideTheColours();
};

void TestStyleDialogs::noSelectionChangesNothing() {
    Fixture f;
    f.itemStyles(2);
    f.smStyles_(2);
    for (ui::StyleDialogBase* dialog : {static_cast<ui::StyleDialogBase*>(&f.styles),
                                        static_cast<ui::StyleDialogBase*>(&f.smStyles)}) {
        Fixture::open(*dialog);
        QCOMPARE(dialog->selectedStyle(), -1);
        QVERIFY(dialog->findChild<QLabel*>("lblNoSelection")->isVisible());
        // Value controls, Duplicate and Delete take no input without a selection.
        QVERIFY(!w<QWidget>(dialog, "pnlStyleParameters")->isEnabled());
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.startsWith("spdDuplicate") ||
                (name.startsWith("spdDelete") && !name.startsWith("spdDeleteAll")))
                QVERIFY2(!control->isEnabled(), qPrintable(name));
        }
        // Their handlers refuse too, should a control be reached some other way. (The display
        // that a Clear runs disables the controls again.)
        auto reach = [dialog](QWidget* control) {
            for (QWidget* c : dialog->findChildren<QWidget*>())
                c->setEnabled(true);
            return control;
        };
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            QTest::mouseClick(reach(box), Qt::LeftButton);
            box->toggle();
        }
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
            const QString name = b->objectName();
            if (name != "spdOk" && name != "spdUpdate" && !name.startsWith("spdAdd") &&
                !name.startsWith("spdDeleteAll"))
                QTest::mouseClick(reach(b), Qt::LeftButton);
        }
        for (QComboBox* list : dialog->findChildren<QComboBox*>())
            choose(qobject_cast<QComboBox*>(reach(list)), 2);
        for (QSlider* slider : dialog->findChildren<QSlider*>())
            drag(qobject_cast<QSlider*>(reach(slider)), slider->width() / 2);
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            typeInto(qobject_cast<QLineEdit*>(reach(edit)), "typed");
        QVERIFY(dialog->isVisible());
        dialog->hide();
    }
    QCOMPARE(f.prompter.colorRequests.size(), 0);
    QCOMPARE(f.prompter.fileRequests.size(), 0);
    QCOMPARE(f.log.changes, 0);
    QCOMPARE(f.undo().count(), 0);
    QCOMPARE(f.style(0), model::TStyle{});
    QCOMPARE(f.smStyle(1), model::TSmStyle{});
    QCOMPARE(f.project.itemStyles.size(), 2);
}

void TestStyleDialogs::itemValueControls() {
    Fixture f;
    f.itemStyles(2);
    f.project.itemStyles.at(1).fontDecorationOver = 3;
    f.project.itemStyles.at(1).itemBorderStyleOver = 7;
    f.project.itemStyles.at(1).itemBorderWidth = 12;
    QWidget* d = &f.styles;
    Fixture::open(f.styles);
    clickRow(w<QListWidget>(d, "lbStyles"), 1);
    QCOMPARE(f.styles.selectedStyle(), 1);
    QVERIFY(!d->findChild<QLabel*>("lblNoSelection")->isVisible());

    // The display: a code of -1 shows "none", the rows follow the stored values.
    auto* styleNormal = w<QComboBox>(d, "cbBorderStyleNormal");
    QCOMPARE(styleNormal->count(), 9);
    QCOMPARE(styleNormal->currentText(), QString("none"));
    QCOMPARE(w<QComboBox>(d, "cbBorderStyleOver")->currentText(), QString("outset"));
    QCOMPARE(w<QComboBox>(d, "cbFontDecorOver")->currentText(), QString("line-through"));
    QCOMPARE(w<QSlider>(d, "tbWidthNormal")->value(), 12);
    QCOMPARE(w<QLabel>(d, "lblWidthNormal")->text(), QString("12"));
    QCOMPARE(w<QPushButton>(d, "spdFontStyle")->text(), QString("normal 8pt Tahoma"));

    // "dotted" stores 0; a decoration stores its row.
    choose(styleNormal, 1);
    QCOMPARE(f.style(1).itemBorderStyleNormal, 0);
    choose(styleNormal, 0);
    QCOMPARE(f.style(1).itemBorderStyleNormal, -1);
    choose(w<QComboBox>(d, "cbFontDecorNormal"), 2);
    QCOMPARE(f.style(1).fontDecorationNormal, 2);

    // Check boxes: a click and a toggle through the accessibility interface both count.
    QTest::mouseClick(w<QCheckBox>(d, "cbFontColors"), Qt::LeftButton);
    QVERIFY(f.style(1).useFontColor);
    QAccessibleInterface* box =
        QAccessible::queryAccessibleInterface(w<QCheckBox>(d, "cbArrowImageSub"));
    QVERIFY(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(f.style(1).useArrowImageSub);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!f.style(1).useArrowImageSub);

    // Colours: the picker opens unpreset; the field takes 0x00BBGGRR; the swatch follows;
    // Clear sets -1. Tags tell the six buttons apart.
    f.prompter.colors.enqueue(QColor(0x12, 0x34, 0x56));
    click(d, "spdBackColorOver");
    QCOMPARE(f.prompter.colorRequests, QList<std::optional<QColor>>({std::nullopt}));
    QCOMPARE(f.style(1).itemBackColorOver, 0x563412);
    QCOMPARE(w<widgets::ColorButton>(d, "spdBackColorOver")->swatch(), 0x563412);
    QCOMPARE(w<widgets::ColorButton>(d, "spdBackColorNormal")->swatch(), -1);
    click(d, "spdFontColorNormal"); // cancelled: nothing changes
    QCOMPARE(f.style(1).fontColorNormal, -1);
    f.prompter.colors.enqueue(QColor(Qt::red));
    click(d, "spdBorderColorNormal");
    QCOMPARE(f.style(1).itemBorderColorNormal, 0x0000FF);
    click(d, "newSpd6");
    QCOMPARE(f.style(1).itemBackColorOver, -1);
    QCOMPARE(w<widgets::ColorButton>(d, "spdBackColorOver")->swatch(), -1);
    QCOMPARE(f.style(1).itemBorderColorNormal, 0x0000FF);
    click(d, "newSpd4");
    QCOMPARE(f.style(1).itemBorderColorNormal, -1);

    // One drag of the track bar is one step; the label follows the position.
    const int before = f.undo().count();
    auto* width = w<QSlider>(d, "tbWidthNormal");
    width->setValue(0);
    const int steps = f.undo().count();
    QCOMPARE(steps, before + 1);
    drag(width, width->width() / 2);
    QVERIFY(f.style(1).itemBorderWidth > 5);
    QCOMPARE(w<QLabel>(d, "lblWidthNormal")->text(), QString::number(f.style(1).itemBorderWidth));
    QCOMPARE(f.undo().count(), steps + 1);
    // Style 0 was never touched.
    QCOMPARE(f.style(0), model::TStyle{});

    // Selecting another style shows its values.
    clickRow(w<QListWidget>(d, "lbStyles"), 0);
    QCOMPARE(styleNormal->currentText(), QString("none"));
    QVERIFY(!w<QCheckBox>(d, "cbFontColors")->isChecked());
    QCOMPARE(w<QSlider>(d, "tbWidthNormal")->value(), 0);
}

void TestStyleDialogs::submenuValueControls() {
    Fixture f;
    f.smStyles_(1);
    QWidget* d = &f.smStyles;
    Fixture::open(f.smStyles);
    clickRow(w<QListWidget>(d, "lbSmStyles"), 0);
    auto* borderStyle = w<QComboBox>(d, "cbSmBorderStyle");
    QCOMPARE(borderStyle->currentText(), QString("none"));
    choose(borderStyle, 3);
    QCOMPARE(borderStyle->currentText(), QString("solid"));
    QCOMPARE(f.smStyle(0).menuBorderStyle, 2);

    for (const char* name :
         {"cbBorderColor", "cbBackColor", "cbBorderStyle", "cbBorderWidth", "cbBackImage"})
        QTest::mouseClick(w<QCheckBox>(d, name), Qt::LeftButton);
    const model::TSmStyle& s = f.smStyle(0);
    QVERIFY(s.useMenuBorderColor && s.useMenuBackColor && s.useMenuBorderStyle &&
            s.useMenuBorderWidth && s.useMenuBackImage);

    f.prompter.colors.enqueue(QColor(1, 2, 3));
    f.prompter.colors.enqueue(QColor(4, 5, 6));
    click(d, "spdSmBorderColor");
    click(d, "spdSmBackColor");
    QCOMPARE(f.smStyle(0).menuBorderColor, 0x030201);
    QCOMPARE(f.smStyle(0).menuBackColor, 0x060504);
    QCOMPARE(w<widgets::ColorButton>(d, "spdSmBackColor")->swatch(), 0x060504);
    click(d, "spdSmBorderColorClear");
    QCOMPARE(f.smStyle(0).menuBorderColor, -1);
    QCOMPARE(f.smStyle(0).menuBackColor, 0x060504);
    click(d, "spdSmBackColorClear");
    QCOMPARE(f.smStyle(0).menuBackColor, -1);
    QCOMPARE(w<widgets::ColorButton>(d, "spdSmBackColor")->swatch(), -1);

    auto* width = w<QSlider>(d, "tbSmWidth");
    width->setFocus();
    QTest::keyClick(width, Qt::Key_PageUp);
    QCOMPARE(f.smStyle(0).menuBorderWidth, 5);
    QCOMPARE(w<QLabel>(d, "lblSmWidth")->text(), QString("5"));
}

void TestStyleDialogs::listOperationsAndItemReferences() {
    Fixture f;
    QWidget* d = &f.styles;
    auto* list = w<QListWidget>(d, "lbStyles");
    auto* name = w<QLineEdit>(d, "eStyleName");
    Fixture::open(f.styles);

    // Add selects and shows the new style with its defaults, with or without a selection.
    for (int i = 0; i < 4; ++i)
        click(d, "spdAddStyle");
    QCOMPARE(rowTexts(list),
             QStringList({"Item Style 1", "Item Style 2", "Item Style 3", "Item Style 4"}));
    QCOMPARE(f.styles.selectedStyle(), 3);
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(name->text(), QString("Item Style 4"));

    // Typing a name renames at each keystroke; the row follows; a blank name is refused.
    clickRow(list, 1);
    typeInto(name, " Heading ");
    QCOMPARE(f.project.itemStyles.nameAt(1), std::string(" Heading "));
    QCOMPARE(list->item(1)->text(), QString(" Heading "));
    typeInto(name, "   ");
    QCOMPARE(f.project.itemStyles.nameAt(1), std::string(" Heading "));

    // Duplicate copies the record under the next default name and selects the copy.
    clickRow(list, 1);
    QTest::mouseClick(w<QCheckBox>(d, "cbItemBorderWidth"), Qt::LeftButton);
    click(d, "spdDuplicateStyle");
    QCOMPARE(f.styles.selectedStyle(), 4);
    QCOMPARE(list->item(4)->text(), QString("Item Style 5"));
    QCOMPARE(f.style(4), f.style(1));
    QVERIFY(w<QCheckBox>(d, "cbItemBorderWidth")->isChecked());

    // Delete renumbers the items and leaves nothing selected; submenu references stay.
    f.refs(0, 1, 0);
    f.refs(1, 2, 1);
    f.refs(2, 3, -1);
    clickRow(list, 1);
    click(d, "spdDeleteStyle");
    QCOMPARE(f.styles.selectedStyle(), -1);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(f.project.itemStyles.size(), 4);
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{-1, 1, 2}));
    QCOMPARE(f.smRefs(), (std::vector<int32_t>{0, 1, -1}));
    QVERIFY(!w<QWidget>(d, "pnlStyleParameters")->isEnabled());

    // Delete All asks; No keeps every style and reference, Yes empties the list.
    f.prompter.answers.enqueue(doc::Prompter::Answer::No);
    click(d, "spdDeleteAllStyles");
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].caption, QString("Confirmation"));
    QCOMPARE(f.prompter.messages[0].text, QString("Do you want to delete all items?"));
    QCOMPARE(f.prompter.messages[0].buttons, doc::Prompter::Buttons::YesNo);
    QCOMPARE(f.project.itemStyles.size(), 4);
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{-1, 1, 2}));
    clickRow(list, 2);
    click(d, "spdDeleteAllStyles");
    QCOMPARE(f.project.itemStyles.size(), 0);
    QCOMPARE(list->count(), 0);
    QCOMPARE(f.styles.selectedStyle(), -1);
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{-1, -1, -1}));
    QCOMPARE(f.smRefs(), (std::vector<int32_t>{0, 1, -1}));
    // The counter goes on.
    click(d, "spdAddStyle");
    QCOMPARE(list->item(0)->text(), QString("Item Style 6"));

    // Deleting a submenu style renumbers submenu references only.
    QWidget* sm = &f.smStyles;
    Fixture::open(f.smStyles);
    click(sm, "spdAddSmStyle");
    click(sm, "spdAddSmStyle");
    f.refs(0, 0, 0);
    f.refs(1, 0, 1);
    clickRow(w<QListWidget>(sm, "lbSmStyles"), 0);
    click(sm, "spdDeleteSmStyle");
    QCOMPARE(f.smRefs(), (std::vector<int32_t>{-1, 0, -1}));
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{0, 0, -1}));
    QCOMPARE(rowTexts(w<QListWidget>(sm, "lbSmStyles")), QStringList({"Submenu Style 2"}));
}

void TestStyleDialogs::imagePaths() {
    Fixture f;
    f.itemStyles(1);
    QWidget* d = &f.styles;
    Fixture::open(f.styles);
    clickRow(w<QListWidget>(d, "lbStyles"), 0);

    // Typed paths are stored exactly, blanks included; an emptied edit clears the path.
    auto* mainNormal = w<QLineEdit>(d, "eImageMainNormal");
    typeInto(mainNormal, " img\\arrow.gif ");
    QCOMPARE(f.style(0).arrowImageMainNormal, std::string(" img\\arrow.gif "));
    mainNormal->selectAll();
    QTest::keyClick(mainNormal, Qt::Key_Delete);
    QCOMPARE(f.style(0).arrowImageMainNormal, std::string());
    // Filling an edit from the model is no typing.
    QCOMPARE(f.style(0).arrowImageSubOver, std::string());

    // Picked paths inside the working folder (letter case aside) become relative to it.
    f.prompter.files.enqueue("/site/img/a.gif");
    click(d, "newSpd15");
    QCOMPARE(f.prompter.fileRequests.size(), 1);
    const auto& request = f.prompter.fileRequests[0];
    QCOMPARE(request.title, QString("Select image..."));
    QCOMPARE(request.startFolder, QString("/home/ann/start/"));
    QStringList filters;
    for (const doc::FileFilter& filter : request.filters)
        filters << filter.description + "|" + filter.pattern;
    QCOMPARE(filters, QStringList({"GIF-image|*.gif", "JPG-image|*.jpg", "PNG-image|*.png",
                                   "All files (*.*)|*.*"}));
    QCOMPARE(f.style(0).itemBackImageOver, std::string("img/a.gif"));
    QCOMPARE(w<QLineEdit>(d, "eBackImageOver")->text(), QString("img/a.gif"));
    f.prompter.files.enqueue("/elsewhere/b.png");
    click(d, "newSpd10");
    QCOMPARE(f.style(0).arrowImageSubNormal, std::string("/elsewhere/b.png"));
    QCOMPARE(w<QLineEdit>(d, "eImageSubNormal")->text(), QString("/elsewhere/b.png"));
    click(d, "newSpd1"); // cancelled
    QCOMPARE(f.style(0).arrowImageMainNormal, std::string());

    // Submenu styles: the same picker; Clear empties field and edit and keeps the flag.
    f.smStyles_(1);
    QWidget* sm = &f.smStyles;
    Fixture::open(f.smStyles);
    clickRow(w<QListWidget>(sm, "lbSmStyles"), 0);
    QTest::mouseClick(w<QCheckBox>(sm, "cbBackImage"), Qt::LeftButton);
    f.prompter.files.enqueue("/SITE/back.png");
    click(sm, "spdSmBackImage");
    QCOMPARE(f.smStyle(0).menuBackImage, std::string("back.png"));
    QCOMPARE(w<QLineEdit>(sm, "eSmBackImage")->text(), QString("back.png"));
    typeInto(w<QLineEdit>(sm, "eSmBackImage"), "tile.gif ");
    QCOMPARE(f.smStyle(0).menuBackImage, std::string("tile.gif "));
    click(sm, "spdSmBackImageClear");
    QCOMPARE(f.smStyle(0).menuBackImage, std::string());
    QVERIFY(w<QLineEdit>(sm, "eSmBackImage")->text().isEmpty());
    QVERIFY(f.smStyle(0).useMenuBackImage);
    QVERIFY(w<QCheckBox>(sm, "cbBackImage")->isChecked());
}

void TestStyleDialogs::keysCloseAndKeepTheName() {
    Fixture f;
    f.itemStyles(1);
    QWidget* d = &f.styles;
    // Enter while typing a name closes the dialog and keeps the name typed so far.
    Fixture::open(f.styles);
    clickRow(w<QListWidget>(d, "lbStyles"), 0);
    auto* name = w<QLineEdit>(d, "eStyleName");
    typeInto(name, "Top");
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(!f.styles.isVisible());
    QCOMPARE(f.project.itemStyles.nameAt(0), std::string("Top"));

    // Escape in the list, Enter on a focused button (not its click), and Ok close as well.
    Fixture::open(f.styles);
    QCOMPARE(f.styles.selectedStyle(), 0); // the selection survives between openings
    QTest::keyClick(w<QListWidget>(d, "lbStyles"), Qt::Key_Escape);
    QVERIFY(!f.styles.isVisible());
    Fixture::open(f.styles);
    auto* remove = w<QPushButton>(d, "spdDeleteStyle");
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Return);
    QVERIFY(!f.styles.isVisible());
    QCOMPARE(f.project.itemStyles.size(), 1);
    Fixture::open(f.smStyles);
    click(&f.smStyles, "spdOk");
    QVERIFY(!f.smStyles.isVisible());
    QCOMPARE(f.smStyles.result(), int(QDialog::Accepted));
}

void TestStyleDialogs::dragsByItsBackground() {
    Fixture f;
    Fixture::open(f.smStyles);
    // Borderless: the title strip and the background move the window.
    QWidget* title = f.smStyles.titleLabel();
    const QPoint before = f.smStyles.pos();
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(title, QPoint(120, 60));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(120, 60));
    QTRY_COMPARE(f.smStyles.pos(), before + QPoint(100, 50));
    QVERIFY(f.smStyles.isVisible());
}

void TestStyleDialogs::fontButton() {
    Fixture f;
    f.itemStyles(2);
    QWidget* d = &f.styles;
    Fixture::open(f.styles);
    auto* button = w<QPushButton>(d, "spdFontStyle");
    clickRow(w<QListWidget>(d, "lbStyles"), 1);

    // Apply: the font dialog edits the selected style in item-style mode.
    app::testing::onNextModal(
        [](QWidget* modal) {
            auto* font = qobject_cast<ui::TfrmFont*>(modal);
            QVERIFY(font);
            QCOMPARE(font->mode(), int(ui::TfrmFont::ItemStyleMode));
            clickRow(font->lbFontName, font->lbFontName->count() - 1); // Verdana
            clickRow(font->lbFontStyle, 1);
            QTest::mouseClick(font->spdApply, Qt::LeftButton);
        },
        d);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.style(1).fontName, std::string("Verdana"));
    QCOMPARE(f.style(1).fontWeight, 1);
    QCOMPARE(f.style(0).fontName, std::string("Tahoma"));
    QCOMPARE(button->text(), QString("bold 8pt Verdana"));
    QCOMPARE(accessibleName(button), QString("bold 8pt Verdana"));
    QCOMPARE(f.log.autoPreview, 0);

    // Cancel: nothing changes; the description is shown again.
    app::testing::onNextModal(
        [](QWidget* modal) {
            auto* font = qobject_cast<ui::TfrmFont*>(modal);
            QVERIFY(font);
            clickRow(font->lbFontSize, 30);
            QTest::mouseClick(font->spdCancel, Qt::LeftButton);
        },
        d);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.style(1).fontSize, 8);
    QCOMPARE(button->text(), QString("bold 8pt Verdana"));

    // Showing another style shows its font.
    clickRow(w<QListWidget>(d, "lbStyles"), 0);
    QCOMPARE(button->text(), QString("normal 8pt Tahoma"));
}

void TestStyleDialogs::modifiedWithoutAutomaticPreview() {
    app::testing::Folders dirs;
    Fixture f;
    app::testing::FakeBrowser browser;
    app::Designer designer(f.document, {dirs.programFolder(), dirs.tempFolder(), "/start/"},
                           f.prompter, browser);
    connect(&f.styles, &ui::StyleDialogBase::updateRequested, &designer.preview(),
            &app::PreviewController::refresh);
    connect(&f.smStyles, &ui::StyleDialogBase::updateRequested, &designer.preview(),
            &app::PreviewController::refresh);

    // Every kind of edit sets the flag and leaves the countdown stopped.
    Fixture::open(f.styles);
    QWidget* d = &f.styles;
    click(d, "spdAddStyle");
    QVERIFY(f.document.isModified());
    typeInto(w<QLineEdit>(d, "eStyleName"), "Nav");
    QTest::mouseClick(w<QCheckBox>(d, "cbFontDecors"), Qt::LeftButton);
    typeInto(w<QLineEdit>(d, "eBackImageNormal"), "b.gif");
    f.prompter.colors.enqueue(QColor(Qt::blue));
    click(d, "spdFontColorOver");
    click(d, "spdDuplicateStyle");
    click(d, "spdDeleteStyle");
    f.document.clearModified();
    click(d, "spdDeleteAllStyles");
    QVERIFY(f.document.isModified());
    QCOMPARE(f.log.autoPreview, 0);
    QVERIFY(!designer.preview().timer().isActive());
    QVERIFY(browser.paths.isEmpty());

    // "Update" refreshes the preview now, from either dialog; the dialog stays open.
    click(d, "spdUpdate");
    QVERIFY(f.styles.isVisible());
    QCOMPARE(browser.paths, QStringList({designer.preview().pagePath()}));
    f.styles.hide();
    Fixture::open(f.smStyles);
    click(&f.smStyles, "spdAddSmStyle");
    QVERIFY(!designer.preview().timer().isActive());
    click(&f.smStyles, "spdUpdate");
    QCOMPARE(browser.paths.size(), 2);
    QVERIFY(app::testing::readAll(designer.preview().dataPath()).contains("menuStyles"));
}

void TestStyleDialogs::undoRedoAndTheSelectionFollows() {
    Fixture f;
    f.refs(0, 0, -1);
    f.refs(1, 1, -1);
    QWidget* d = &f.styles;
    auto* list = w<QListWidget>(d, "lbStyles");
    auto* name = w<QLineEdit>(d, "eStyleName");
    Fixture::open(f.styles);
    click(d, "spdAddStyle");
    click(d, "spdAddStyle");
    QCOMPARE(f.undo().count(), 2);
    QCOMPARE(f.undo().undoText(), QString("Add Item Style"));

    // Undoing the Add of the selected style leaves nothing selected; redo brings it back.
    f.undo().undo();
    QCOMPARE(rowTexts(list), QStringList({"Item Style 1"}));
    QCOMPARE(f.styles.selectedStyle(), -1);
    f.undo().redo();
    QCOMPARE(rowTexts(list), QStringList({"Item Style 1", "Item Style 2"}));
    QCOMPARE(f.styles.selectedStyle(), -1);

    // A name typed in one focus is one step.
    clickRow(list, 0);
    typeInto(name, "Main");
    QCOMPARE(f.undo().count(), 3);
    QCOMPARE(f.undo().undoText(), QString("Rename Item Style"));
    f.undo().undo();
    QCOMPARE(list->item(0)->text(), QString("Item Style 1"));
    QCOMPARE(name->text(), QString("Item Style 1"));
    QCOMPARE(f.styles.selectedStyle(), 0);
    f.undo().redo();
    QCOMPARE(name->text(), QString("Main"));

    // A field edit: the display follows undo and redo of the selected style.
    auto* colors = w<QCheckBox>(d, "cbFontColors");
    QTest::mouseClick(colors, Qt::LeftButton);
    QCOMPARE(f.undo().undoText(), QString("Change Item Style"));
    f.undo().undo();
    QVERIFY(!f.style(0).useFontColor);
    QVERIFY(!colors->isChecked());
    f.undo().redo();
    QVERIFY(colors->isChecked());

    // Duplicate.
    click(d, "spdDuplicateStyle");
    QCOMPARE(f.styles.selectedStyle(), 2);
    QCOMPARE(f.undo().undoText(), QString("Duplicate Item Style"));
    f.undo().undo();
    QCOMPARE(f.project.itemStyles.size(), 2);
    QCOMPARE(f.styles.selectedStyle(), -1);
    f.undo().redo();
    QCOMPARE(f.project.itemStyles.size(), 3);
    QCOMPARE(f.project.itemStyles.nameAt(2), std::string("Item Style 3"));
    QVERIFY(f.style(2).useFontColor);

    // Delete: undo brings the style back with every item's reference.
    clickRow(list, 0);
    click(d, "spdDeleteStyle");
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{-1, 0, -1}));
    clickRow(list, 1); // "Item Style 3", now at 1
    f.undo().undo();
    QCOMPARE(rowTexts(list), QStringList({"Main", "Item Style 2", "Item Style 3"}));
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{0, 1, -1}));
    QVERIFY(f.style(0).useFontColor);
    // The index that was selected now names another style: nothing is selected.
    QCOMPARE(f.styles.selectedStyle(), -1);
    QVERIFY(list->selectedItems().isEmpty());
    f.undo().redo();
    QCOMPARE(f.itemRefs(), (std::vector<int32_t>{-1, 0, -1}));

    // The undo keys work inside the dialog, outside its text fields.
    clickRow(list, 0);
    QTest::mouseClick(w<QCheckBox>(d, "cbItemBackImage"), Qt::LeftButton);
    QVERIFY(f.style(0).useItemBackImage);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!f.style(0).useItemBackImage);
    QVERIFY(!w<QCheckBox>(d, "cbItemBackImage")->isChecked());
    QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(f.style(0).useItemBackImage);
    QVERIFY(f.styles.isVisible());

    // A new project behind the dialog: nothing selected, an empty list.
    clickRow(list, 0);
    f.document.replaceProject([](model::Project& p) { p.reset(); });
    QCOMPARE(list->count(), 0);
    QCOMPARE(f.styles.selectedStyle(), -1);
    QVERIFY(!w<QWidget>(d, "pnlStyleParameters")->isEnabled());
}

void TestStyleDialogs::startUpWiring() {
    app::testing::Folders dirs;
    FakePrompter prompter;
    app::testing::FakeBrowsers browsers;
    app::StartupOptions options;
    options.programFolder = dirs.programFolder();
    options.tempFolder = dirs.tempFolder();
    options.prompter = &prompter;
    options.browsers = browsers.factory();
    const QString current = QDir::currentPath();
    int exitCode = -1;
    auto run = app::DesignerApp::start(options, &exitCode);
    QVERIFY(run);
    app::Tfrm& main = run->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(run->itemStylesDialog().parentWidget(), &main);

    // "Item Styles..." opens the dialog modally; its "Update" is the main window's; after Ok
    // the item panel lists the new style.
    const int navigations = browsers.made[0]->paths.size();
    app::testing::onNextModal([&](QWidget* modal) {
        QCOMPARE(modal, &run->itemStylesDialog());
        QCOMPARE(modal->windowTitle(), QString("Item Styles"));
        click(modal, "spdAddStyle");
        click(modal, "spdUpdate");
        click(modal, "spdOk");
    });
    QTest::mouseClick(main.spdStyles, Qt::LeftButton);
    QCOMPARE(browsers.made[0]->paths.size(), navigations + 1);
    auto* itemStyle = main.findChild<QComboBox*>("cbItemStyle");
    QCOMPARE(itemStyle->count(), 2);
    QCOMPARE(itemStyle->itemText(1), QString("Item Style 1"));

    app::testing::onNextModal([&](QWidget* modal) {
        QCOMPARE(modal, &run->submenuStylesDialog());
        QCOMPARE(modal->windowTitle(), QString("Submenu Styles"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(main.spdSubmenuStyles, Qt::LeftButton);
    QVERIFY(!run->submenuStylesDialog().isVisible());
    run.reset();
    QDir::setCurrent(current);
}

void TestStyleDialogs::accessibleNames() {
    Fixture f;
    f.itemStyles(2);
    f.project.itemStyles.rename(0, "Top bar");
    emit f.document.styleListChanged(model::StyleKind::Item);
    Fixture::open(f.styles);
    QWidget* d = &f.styles;
    QCOMPARE(accessibleName(d), QString("Item Styles"));
    const std::pair<const char*, const char*> named[] = {
        {"spdFontColorNormal", "Font Colors: Color Normal: Select..."},
        {"spdFontColorNormalClear", "Font Colors: Color Normal: Clear"},
        {"spdFontColorOver", "Font Colors: Color Over: Select..."},
        {"newSpd3", "Font Colors: Color Over: Clear"},
        {"spdBackColorNormal", "Item Back Color: Color Normal: Select..."},
        {"newSpd6", "Item Back Color: Color Over: Clear"},
        {"spdBorderColorOver", "Item Border Color: Color Over: Select..."},
        {"newSpd4", "Item Border Color: Color Normal: Clear"},
        {"eBackImageNormal", "Item Back Image: Image Normal:"},
        {"newSpd14", "Item Back Image: Image Normal: Select..."},
        {"eImageMainOver", "Arrow Image Main: Image Over:"},
        {"newSpd11", "Arrow Image Sub: Image Over: Select..."},
        {"tbWidthNormal", "Width:"},
        {"lbStyles", "Styles:"},
        {"eStyleName", "Name:"},
        {"cbFontStyle", "Font Style:"},
        {"cbArrowImageSub", "Arrow Image Sub"},
        {"spdDeleteAllStyles", "Delete All Styles"},
        {"spdFontStyle", "normal 8pt Tahoma"},
    };
    for (const auto& [object, name] : named)
        QCOMPARE(accessibleName(w<QWidget>(d, object)), QString(name));
    // Drop-down lists are labelled by buddy labels.
    const std::pair<const char*, const char*> labelled[] = {
        {"cbFontDecorNormal", "Decoration Normal:"},
        {"cbFontDecorOver", "Decoration Over:"},
        {"cbBorderStyleNormal", "Style Normal:"},
        {"cbBorderStyleOver", "Style Over:"}};
    for (const auto& [object, label] : labelled) {
        bool found = false;
        for (QLabel* l : d->findChildren<QLabel*>())
            found = found || (l->buddy() == w<QWidget>(d, object) && l->text() == label);
        QVERIFY2(found, object);
    }
    // The list's items are the style names.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w<QWidget>(d, "lbStyles"));
    QStringList items;
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->role() == QAccessible::ListItem)
            items << list->child(i)->text(QAccessible::Name);
    QCOMPARE(items, QStringList({"Top bar", "Item Style 2"}));

    QWidget* sm = &f.smStyles;
    QCOMPARE(accessibleName(sm), QString("Submenu Styles"));
    const std::pair<const char*, const char*> smNamed[] = {
        {"tbSmWidth", "Border Width:"},
        {"eSmBackImage", "Back Image:"},
        {"spdSmBorderColor", "Border Color: Select..."},
        {"spdSmBorderColorClear", "Border Color: Clear"},
        {"spdSmBackColor", "Back Color: Select..."},
        {"spdSmBackColorClear", "Back Color: Clear"},
        {"spdSmBackImage", "Back Image: Select..."},
        {"spdSmBackImageClear", "Back Image: Clear"},
        {"lbSmStyles", "Styles:"},
        {"cbBorderStyle", "Border Style:"},
    };
    for (const auto& [object, name] : smNamed)
        QCOMPARE(accessibleName(w<QWidget>(sm, object)), QString(name));
    QCOMPARE(sm->findChildren<QComboBox*>().size(), 1);

    // The keyboard (and a screen reader's walk) goes through the controls in reading order.
    auto focusOrder = [](QWidget* from, int n) {
        QStringList names;
        for (QWidget* at = from->nextInFocusChain(); at != from && names.size() < n;
             at = at->nextInFocusChain())
            if (at->focusPolicy() & Qt::TabFocus)
                names << at->objectName();
        return names;
    };
    QCOMPARE(focusOrder(w<QWidget>(sm, "eSmStyleName"), 15),
             QStringList({"cbBorderColor", "spdSmBorderColor", "spdSmBorderColorClear",
                          "cbBackColor", "spdSmBackColor", "spdSmBackColorClear", "cbBorderStyle",
                          "cbSmBorderStyle", "cbBorderWidth", "tbSmWidth", "cbBackImage",
                          "eSmBackImage", "spdSmBackImage", "spdSmBackImageClear", "spdUpdate"}));
    QCOMPARE(focusOrder(w<QWidget>(d, "newSpd7"), 4),
             QStringList({"cbItemBorderWidth", "tbWidthNormal", "cbItemBorderStyle",
                          "cbBorderStyleNormal"}));
}

QTEST_MAIN(TestStyleDialogs)
#include "test_styledialogs.moc"

// Beside each text and back colour a style sets: the contrast of the text in that state, judged
// as the colour draws once its pair is complete, kept current through picks and undo; the
// picker judges the colour it offers.
void TestStyleDialogs::contrastBesideTheColours() {
    Fixture f;
    f.itemStyles(1);
    f.smStyles_(1);
    QWidget* d = &f.styles;
    Fixture::open(f.styles);
    clickRow(w<QListWidget>(d, "lbStyles"), 0);
    auto* normal = w<widgets::ContrastNote>(d, "lblFontColorNormalContrast");
    auto* over = w<widgets::ContrastNote>(d, "lblFontColorOverContrast");
    QVERIFY(!normal->isVisible()); // no colour set, nothing to tell

    // Only the normal colour: judged with the over state drawing it too.
    f.prompter.colors.enqueue(QColor(0x77, 0x77, 0x77));
    click(d, "spdFontColorNormal");
    QVERIFY(normal->isVisible());
    QCOMPARE(normal->text(), QString("4.48:1"));
    QVERIFY(normal->shortfall());
    QCOMPARE(accessibleName(normal),
             QString("Text contrast: normal 4.48:1, too low (minimum 4.5:1)."));
    // The colour's button tells it to a keyboard user along with the colour.
    QCOMPARE(QAccessible::queryAccessibleInterface(w<QWidget>(d, "spdFontColorNormal"))
                 ->text(QAccessible::Description),
             QString("#777777. Text contrast: normal 4.48:1, too low (minimum 4.5:1)."));
    QVERIFY(!over->isVisible());
    const QList<doc::ColorUse> offered = f.prompter.lastJudge(QColor(Qt::black));
    QCOMPARE(offered.size(), 1);
    QCOMPARE(offered[0].state, QString("normal"));
    QCOMPARE(offered[0].readability.ratio, 21.0);

    // A near-black back for the over state: the grey text on it falls short, as the note beside
    // the back colour tells. Undo takes each note back with its colour.
    f.prompter.colors.enqueue(QColor(0x20, 0x20, 0x20));
    click(d, "spdBackColorOver");
    auto* backOver = w<widgets::ContrastNote>(d, "lblBackColorOverContrast");
    QVERIFY(backOver->isVisible());
    QVERIFY(backOver->shortfall()); // grey on near-black
    f.undo().undo();
    QVERIFY(!backOver->isVisible());
    f.undo().undo();
    QVERIFY(!normal->isVisible());

    // A submenu style's back colour: the text in its boxes, both states.
    Fixture::open(f.smStyles);
    clickRow(w<QListWidget>(&f.smStyles, "lbSmStyles"), 0);
    f.prompter.colors.enqueue(QColor(0x10, 0x10, 0x10));
    click(&f.smStyles, "spdSmBackColor");
    auto* box = w<widgets::ContrastNote>(&f.smStyles, "lblSmBackColorContrast");
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QString("normal 1.1:1 \u00B7 over 1.1:1"));
    QVERIFY(box->shortfall());
    QVERIFY(f.prompter.lastJudge(QColor(Qt::white)).at(1).readability.ratio == 21.0);
}
