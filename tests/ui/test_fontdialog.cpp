// The Font dialog driven through its lists and buttons: what it selects on opening, the test
// panel, Apply and Cancel in both modes, and the stored fonts it cannot find.

#include "dialogtestsupport.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "model/paramtable.h"
#include "ui/styles/tfrmfont.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using ui::TfrmFont;
using ui::testing::clickRow;

namespace {

class CountingPrompter : public app::testing::FakePrompter {
public:
    int familyCalls = 0;
    QStringList fontFamilies() override {
        ++familyCalls;
        return FakePrompter::fontFamilies();
    }
};

struct Fixture {
    doc::Document document;
    model::Project& project = document.mutableProject();
    CountingPrompter prompter;
    ui::testing::ChangeLog log{document};
    TfrmFont dialog{document, prompter};
    const int row = model::findParam(project.params, "fontStyle");

    Fixture() { prompter.families = {"verdana", "Tahoma", "Arial", "arial Black", "Courier"}; }

    // Opens the dialog for the "fontStyle" parameter holding this font.
    void openParam(const char* family, int size, int weight) {
        model::TPropType& p = project.params[static_cast<std::size_t>(row)];
        p.text = family;
        p.num = size;
        p.flag = weight;
        dialog.setMode(TfrmFont::ParameterMode);
        dialog.setParameterRow(row);
        open();
    }
    void open() {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    const model::TPropType& param() const {
        return document.project().params[static_cast<std::size_t>(row)];
    }
    QString selected(const QListWidget* list) const {
        const QListWidgetItem* item = list->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
};

} // namespace

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void listsAndOpening();
    void testPanelFollowsTheLists();
    void applyInBothModes();
    void cancelChangesNothing();
    void unknownFamilyAndSize();
};

void TestFontDialog::listsAndOpening() {
    Fixture f;
    f.openParam("Tahoma", 12, 1);
    QCOMPARE(f.dialog.windowTitle(), QString("Font"));
    QCOMPARE(ui::testing::rowTexts(f.dialog.lbFontName),
             QStringList({"Default", "Arial", "arial Black", "Courier", "Tahoma", "verdana"}));
    QCOMPARE(f.dialog.lbFontSize->count(), 100);
    QCOMPARE(f.dialog.lbFontSize->item(0)->text(), QString("1"));
    QCOMPARE(f.dialog.lbFontSize->item(99)->text(), QString("100"));
    QCOMPARE(ui::testing::rowTexts(f.dialog.lbFontStyle),
             QStringList({"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500",
                          "600", "700", "800", "900"}));
    QCOMPARE(f.selected(f.dialog.lbFontName), QString("Tahoma"));
    QCOMPARE(f.selected(f.dialog.lbFontSize), QString("12"));
    QCOMPARE(f.selected(f.dialog.lbFontStyle), QString("bold"));
    QCOMPARE(f.dialog.pnlFontTest->text(), QString("Text Test: AaBbCcDd"));
    QCOMPARE(f.dialog.pnlFontTest->font().family(), QString("Tahoma"));
    QCOMPARE(f.dialog.pnlFontTest->font().pointSize(), 12);
    QVERIFY(f.dialog.pnlFontTest->font().bold());
    QVERIFY(f.dialog.lbFontName->hasFocus());
    f.dialog.hide();

    // The families are asked for once per run; every opening shows them again.
    f.prompter.families << "Zapf";
    f.openParam("Courier", 8, 0);
    QCOMPARE(f.prompter.familyCalls, 1);
    QCOMPARE(f.dialog.lbFontName->count(), 6);
    QCOMPARE(f.selected(f.dialog.lbFontName), QString("Courier"));
    QVERIFY(!f.dialog.pnlFontTest->font().bold());
    // Opening changes nothing.
    QCOMPARE(f.log.changes, 0);
}

void TestFontDialog::testPanelFollowsTheLists() {
    Fixture f;
    f.openParam("Arial", 10, 0);
    clickRow(f.dialog.lbFontName, 5); // verdana
    QCOMPARE(f.dialog.pnlFontTest->font().family(), QString("verdana"));
    clickRow(f.dialog.lbFontSize, 19);
    QCOMPARE(f.dialog.pnlFontTest->font().pointSize(), 20);
    // Bold only for "bold" and "bolder"; the numeric weights stay regular.
    const std::pair<int, bool> weights[] = {{1, true},   {2, true},   {3, false},
                                            {10, false}, {12, false}, {0, false}};
    for (const auto& [weightRow, bold] : weights) {
        clickRow(f.dialog.lbFontStyle, weightRow);
        QCOMPARE(f.dialog.pnlFontTest->font().bold(), bold);
    }
    // The keyboard moves the choice too.
    QTest::keyClick(f.dialog.lbFontSize, Qt::Key_Down);
    QCOMPARE(f.dialog.pnlFontTest->font().pointSize(), 21);
    QCOMPARE(f.log.changes, 0);
}

void TestFontDialog::applyInBothModes() {
    // Mode 0: the parameter, one step named after it, with the automatic preview.
    {
        Fixture f;
        f.openParam("Tahoma", 8, 0);
        clickRow(f.dialog.lbFontName, 1);
        clickRow(f.dialog.lbFontSize, 13);
        clickRow(f.dialog.lbFontStyle, 11);
        QTest::mouseClick(f.dialog.spdApply, Qt::LeftButton);
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.param().text, std::string("Arial"));
        QCOMPARE(f.param().num, 14);
        QCOMPARE(f.param().flag, 11);
        QCOMPARE(f.document.undoStack()->count(), 1);
        QCOMPARE(f.document.undoStack()->undoText(), QString("fontStyle"));
        QCOMPARE(f.log.autoPreview, 1);
        QVERIFY(f.document.isModified());
        f.document.undoStack()->undo();
        QCOMPARE(f.param().text, std::string("Tahoma"));
        QCOMPARE(f.param().num, 8);

        // Enter is Apply.
        f.openParam("Tahoma", 8, 0);
        clickRow(f.dialog.lbFontName, 0);
        QTest::keyClick(f.dialog.lbFontName, Qt::Key_Return);
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.param().text, std::string("Default"));
    }
    // Mode 1: the selected item style, a style step without the automatic preview.
    {
        Fixture f;
        model::appendDefaultStyle(f.project.itemStyles);
        model::appendDefaultStyle(f.project.itemStyles);
        f.dialog.setMode(TfrmFont::ItemStyleMode);
        f.dialog.setStyleIndex(1);
        f.open();
        QCOMPARE(f.selected(f.dialog.lbFontName), QString("Tahoma"));
        QCOMPARE(f.selected(f.dialog.lbFontSize), QString("8"));
        QCOMPARE(f.selected(f.dialog.lbFontStyle), QString("normal"));
        clickRow(f.dialog.lbFontName, 3);
        clickRow(f.dialog.lbFontSize, 9);
        clickRow(f.dialog.lbFontStyle, 2);
        QTest::mouseClick(f.dialog.spdApply, Qt::LeftButton);
        const model::TStyle& s = f.project.itemStyles.at(1);
        QCOMPARE(s.fontName, std::string("Courier"));
        QCOMPARE(s.fontSize, 10);
        QCOMPARE(s.fontWeight, 2);
        QCOMPARE(f.project.itemStyles.at(0), model::TStyle{});
        QCOMPARE(f.param().text, std::string("Tahoma")); // the parameter is left alone
        QCOMPARE(f.log.changes, 1);
        QCOMPARE(f.log.autoPreview, 0);
        QVERIFY(f.document.isModified());
        QCOMPARE(f.document.undoStack()->undoText(), QString("Change Item Style"));
    }
}

void TestFontDialog::cancelChangesNothing() {
    Fixture f;
    f.openParam("Arial", 9, 3);
    const model::TPropType before = f.param();
    clickRow(f.dialog.lbFontName, 5);
    clickRow(f.dialog.lbFontSize, 30);
    clickRow(f.dialog.lbFontStyle, 1);
    QTest::mouseClick(f.dialog.spdCancel, Qt::LeftButton);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(f.param(), before);

    // Escape is Cancel; the next opening shows the stored font again.
    f.openParam("Arial", 9, 3);
    clickRow(f.dialog.lbFontName, 2);
    QTest::keyClick(f.dialog.lbFontName, Qt::Key_Escape);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.param(), before);
    f.openParam("Arial", 9, 3);
    QCOMPARE(f.selected(f.dialog.lbFontName), QString("Arial"));
    QCOMPARE(f.log.changes, 0);
    QCOMPARE(f.document.undoStack()->count(), 0);
}

void TestFontDialog::unknownFamilyAndSize() {
    Fixture f;
    // A family in another letter case, or not installed, selects none; the panel keeps the
    // font it showed last, which Apply stores with the chosen weight.
    f.openParam("Courier", 11, 0);
    f.dialog.hide();
    for (const char* family : {"courier", "Wingdings"}) {
        f.openParam(family, 30, 1);
        QVERIFY2(f.selected(f.dialog.lbFontName).isEmpty(), family);
        QCOMPARE(f.selected(f.dialog.lbFontSize), QString("30"));
        QCOMPARE(f.dialog.pnlFontTest->font().family(), QString("Courier"));
        QCOMPARE(f.dialog.pnlFontTest->font().pointSize(), 11);
        clickRow(f.dialog.lbFontSize, 40); // no family: the panel stays
        QCOMPARE(f.dialog.pnlFontTest->font().pointSize(), 11);
        QTest::mouseClick(f.dialog.spdApply, Qt::LeftButton);
        QCOMPARE(f.param().text, std::string("Courier"));
        QCOMPARE(f.param().num, 11);
        QCOMPARE(f.param().flag, 1);
    }

    // A size outside 1..100 selects no size; with the family found the panel's size is 0, and
    // so is the stored size.
    for (int size : {0, 101, -4}) {
        f.openParam("Tahoma", size, 2);
        QCOMPARE(f.selected(f.dialog.lbFontName), QString("Tahoma"));
        QVERIFY(f.selected(f.dialog.lbFontSize).isEmpty());
        QCOMPARE(f.dialog.testSize(), 0);
        QTest::mouseClick(f.dialog.spdApply, Qt::LeftButton);
        QCOMPARE(f.param().text, std::string("Tahoma"));
        QCOMPARE(f.param().num, 0);
        QCOMPARE(f.param().flag, 2);
    }
}

QTEST_MAIN(TestFontDialog)
#include "test_fontdialog.moc"
