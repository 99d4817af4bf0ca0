// The Enter text and Select images dialogs driven through their real widgets: what each stores,
// when the automatic preview starts, and what Escape keeps.

#include "dialogtestsupport.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "model/paramtable.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmtext.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using ui::testing::clickRow;
using ui::testing::rowTexts;

namespace {

struct Fixture {
    doc::Document document;
    model::Project& project = document.mutableProject();
    app::testing::FakePrompter prompter;
    ui::testing::ChangeLog log{document};

    const model::TPropType& param(const char* name) const { return document.project().param(name); }
    int row(const char* name) const { return model::findParam(project.params, name); }
    static void open(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
};

} // namespace

class TestTextImagesDialogs : public QObject {
    Q_OBJECT
private slots:
    void textApplyStoresCustomText();
    void textCancelChangesNothing();
    void imagesRowsAndTyping();
    void imagesSelectAndClear();
    void imagesClosingAndPreview();
};

void TestTextImagesDialogs::textApplyStoresCustomText() {
    Fixture f;
    ui::TfrmText dialog(f.document);
    const int row = f.row("statusString");
    f.project.params[static_cast<std::size_t>(row)].text = "old text";
    // The "..." entry of "link,text,...".
    dialog.setParameter(row, 2);
    QCOMPARE(dialog.eText->text(), QString("old text"));
    Fixture::open(dialog);
    QCOMPARE(dialog.windowTitle(), QString("Enter text"));
    QVERIFY(dialog.eText->hasFocus());
    QCOMPARE(dialog.eText->selectedText(), QString("old text"));

    // Apply stores the text untrimmed, the choice and the custom-text flag in one step.
    QTest::keyClicks(dialog.eText, "  hello ");
    QTest::mouseClick(dialog.newSpd1, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.param("statusString").text, std::string("  hello "));
    QCOMPARE(f.param("statusString").num, 2);
    QCOMPARE(f.param("statusString").flag, 1);
    QCOMPARE(f.document.undoStack()->count(), 1);
    QCOMPARE(f.document.undoStack()->undoText(), QString("statusString"));
    QCOMPARE(f.log.autoPreview, 1);

    // Enter does the same; an empty text is stored and still counts as the custom text.
    const int prefix = f.row("pathPrefix");
    f.project.params[static_cast<std::size_t>(prefix)].text = "img/";
    f.project.params[static_cast<std::size_t>(prefix)].flag = 0;
    dialog.setParameter(prefix, 1);
    Fixture::open(dialog);
    QTest::keyClick(dialog.eText, Qt::Key_Delete);
    QVERIFY(dialog.eText->text().isEmpty());
    QTest::keyClick(dialog.eText, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.param("pathPrefix").text, std::string());
    QCOMPARE(f.param("pathPrefix").num, 1);
    QCOMPARE(f.param("pathPrefix").flag, 1);
    QCOMPARE(f.log.autoPreview, 2);
    f.document.undoStack()->undo();
    QCOMPARE(f.param("pathPrefix").text, std::string("img/"));
    QCOMPARE(f.param("pathPrefix").flag, 0);
}

void TestTextImagesDialogs::textCancelChangesNothing() {
    Fixture f;
    ui::TfrmText dialog(f.document);
    const int row = f.row("itemTarget");
    const model::TPropType before = f.param("itemTarget");
    for (bool escape : {false, true}) {
        dialog.setParameter(row, 6);
        Fixture::open(dialog);
        QTest::keyClicks(dialog.eText, "frameMain");
        if (escape)
            QTest::keyClick(dialog.eText, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.newSpd2, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.param("itemTarget"), before);
    }
    QCOMPARE(f.log.changes, 0);
}

void TestTextImagesDialogs::imagesRowsAndTyping() {
    Fixture f;
    ui::TfrmImages dialog(f.document, f.prompter, "/home/ann/start/");
    f.project.param("arrowImageMain").strList = {"img/arrow.gif", ""};
    dialog.setParameterRow(f.row("arrowImageMain"));
    Fixture::open(dialog);
    QCOMPARE(dialog.windowTitle(), QString("Select images"));
    QCOMPARE(rowTexts(dialog.lbImgArray), QStringList({"img/arrow.gif", "[empty]"}));
    QVERIFY(dialog.lbImgArray->hasFocus());
    QCOMPARE(dialog.lbImgArray->currentRow(), 0);
    QCOMPARE(dialog.eImg->text(), QString("img/arrow.gif"));

    // A row shows its entry in the edit; filling the edit writes nothing.
    clickRow(dialog.lbImgArray, 1);
    QVERIFY(dialog.eImg->text().isEmpty());
    clickRow(dialog.lbImgArray, 0);
    QCOMPARE(dialog.eImg->text(), QString("img/arrow.gif"));
    dialog.eImg->setText("set without the focus");
    QCOMPARE(f.param("arrowImageMain").strList, (std::vector<std::string>{"img/arrow.gif", ""}));
    QCOMPARE(f.log.changes, 0);

    // Typing stores the trimmed text in the selected row at each keystroke.
    clickRow(dialog.lbImgArray, 1);
    dialog.eImg->setFocus();
    QTRY_VERIFY(dialog.eImg->hasFocus());
    QTest::keyClicks(dialog.eImg, "  a.gif");
    QCOMPARE(f.param("arrowImageMain").strList,
             (std::vector<std::string>{"img/arrow.gif", "a.gif"}));
    QTest::keyClicks(dialog.eImg, "  ");
    QCOMPARE(f.param("arrowImageMain").strList[1], std::string("a.gif"));
    QCOMPARE(dialog.lbImgArray->item(1)->text(), QString("a.gif"));
    QCOMPARE(dialog.eImg->text(), QString("  a.gif  "));
    QCOMPARE(f.log.autoPreview, 0);
    // Rows beyond a short list are padded to the declared length.
    QTest::keyClick(dialog.eImg, Qt::Key_Escape);
    f.project.param("itemBackImage").strList.clear();
    dialog.setParameterRow(f.row("itemBackImage"));
    Fixture::open(dialog);
    QCOMPARE(rowTexts(dialog.lbImgArray), QStringList({"[empty]", "[empty]"}));
    clickRow(dialog.lbImgArray, 1);
    dialog.eImg->setFocus();
    QTRY_VERIFY(dialog.eImg->hasFocus());
    QTest::keyClicks(dialog.eImg, "b.png");
    QCOMPARE(f.param("itemBackImage").strList, (std::vector<std::string>{"", "b.png"}));
}

void TestTextImagesDialogs::imagesSelectAndClear() {
    Fixture f;
    f.project.workingFolder = "/Site/";
    ui::TfrmImages dialog(f.document, f.prompter, "/home/ann/start/");
    dialog.setParameterRow(f.row("itemBackImage"));
    Fixture::open(dialog);

    // Inside the working folder (letter case aside) the path becomes relative to it.
    f.prompter.files.enqueue("/site/img/a.gif");
    QTest::mouseClick(dialog.spdImgArraySelect, Qt::LeftButton);
    QCOMPARE(f.prompter.fileRequests.size(), 1);
    const auto& request = f.prompter.fileRequests.first();
    QCOMPARE(request.title, QString("Select image..."));
    QCOMPARE(request.startFolder, QString("/home/ann/start/"));
    QCOMPARE(request.filters.size(), 4);
    QCOMPARE(request.filters[0].description, QString("GIF-image"));
    QCOMPARE(request.filters[0].pattern, QString("*.gif"));
    QCOMPARE(request.filters[1].pattern, QString("*.jpg"));
    QCOMPARE(request.filters[2].pattern, QString("*.png"));
    QCOMPARE(request.filters[3].description, QString("All files (*.*)"));
    QCOMPARE(request.filters[3].pattern, QString("*.*"));
    QCOMPARE(f.param("itemBackImage").strList[0], std::string("img/a.gif"));
    QCOMPARE(dialog.eImg->text(), QString("img/a.gif"));
    QCOMPARE(dialog.lbImgArray->item(0)->text(), QString("img/a.gif"));

    // A double click picks for its row; a file elsewhere keeps its full path.
    f.prompter.files.enqueue("/other/b.gif");
    clickRow(dialog.lbImgArray, 1, true);
    QCOMPARE(f.prompter.fileRequests.size(), 2);
    QCOMPARE(f.param("itemBackImage").strList,
             (std::vector<std::string>{"img/a.gif", "/other/b.gif"}));
    QCOMPARE(dialog.eImg->text(), QString("/other/b.gif"));

    // A cancelled picker changes nothing.
    QTest::mouseClick(dialog.spdImgArraySelect, Qt::LeftButton);
    QCOMPARE(f.param("itemBackImage").strList[1], std::string("/other/b.gif"));

    // Clear empties the selected row.
    clickRow(dialog.lbImgArray, 0);
    QTest::mouseClick(dialog.spdImgArrayClear, Qt::LeftButton);
    QCOMPARE(f.param("itemBackImage").strList, (std::vector<std::string>{"", "/other/b.gif"}));
    QVERIFY(dialog.eImg->text().isEmpty());
    QCOMPARE(dialog.lbImgArray->item(0)->text(), QString("[empty]"));

    // The whole opening is one step, named after the parameter.
    QCOMPARE(f.document.undoStack()->count(), 1);
    QCOMPARE(f.document.undoStack()->undoText(), QString("itemBackImage"));
    f.document.undoStack()->undo();
    QCOMPARE(f.param("itemBackImage").strList, (std::vector<std::string>{"", ""}));
}

void TestTextImagesDialogs::imagesClosingAndPreview() {
    Fixture f;
    ui::TfrmImages dialog(f.document, f.prompter, "/start/");
    const int row = f.row("arrowImageSub");
    auto typeInto = [&](int listRow, const char* text) {
        clickRow(dialog.lbImgArray, listRow);
        dialog.eImg->setFocus();
        QTRY_VERIFY(dialog.eImg->hasFocus());
        dialog.eImg->selectAll();
        QTest::keyClicks(dialog.eImg, text);
    };

    // Escape and Enter close and keep the changes: marked modified, preview not started.
    for (auto key : {Qt::Key_Escape, Qt::Key_Return}) {
        dialog.setParameterRow(row);
        Fixture::open(dialog);
        typeInto(0, key == Qt::Key_Escape ? "esc.gif" : "enter.gif");
        QTest::keyClick(dialog.eImg, key);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(f.param("arrowImageSub").strList[0], std::string("enter.gif"));
    QVERIFY(f.document.isModified());
    QCOMPARE(f.log.autoPreview, 0);
    // Two openings, two steps.
    QCOMPARE(f.document.undoStack()->count(), 2);
    f.document.undoStack()->undo();
    QCOMPARE(f.param("arrowImageSub").strList[0], std::string("esc.gif"));

    // Ok closes and starts the preview.
    const int before = f.log.autoPreview;
    dialog.setParameterRow(row);
    Fixture::open(dialog);
    typeInto(1, "over.gif");
    QTest::mouseClick(dialog.spdImgArrayOk, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.param("arrowImageSub").strList[1], std::string("over.gif"));
    QCOMPARE(f.log.autoPreview, before + 1);
}

QTEST_MAIN(TestTextImagesDialogs)
#include "test_textimagesdialogs.moc"
