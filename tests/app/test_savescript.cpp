// The save-script dialog and the crossframe dialog.

#include "app/fakeprompter.h"
#include "app/tfrmbuild.h"
#include "app/tfrmcross.h"
#include "doc/document.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using app::TfrmBuild;
using app::TfrmCross;
using app::testing::FakePrompter;
using doc::Prompter;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

const char* kOverwrite =
    "Some or all of specified files are exist.\r\nDo you want to rewrite them?";

// A program folder with an engine, an output folder, and the two dialogs over one project.
struct Fixture {
    QTemporaryDir program;
    QTemporaryDir out;
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    TfrmCross cross{document};
    std::unique_ptr<TfrmBuild> build;
    QString folder() const { return program.path() + "/"; }
    QString outFile(const QString& name) const { return out.filePath(name); }

    Fixture() {
        writeAll(program.filePath("zelmenu.js"), "// engine\r\n");
        build = std::make_unique<TfrmBuild>(document, prompter, folder(), cross);
        project.items.addItem(nullptr, false);
    }
    // Opens the dialog as a save does, so that the defaults are applied.
    void open() {
        build->show();
        QVERIFY(QTest::qWaitForWindowExposed(build.get()));
    }
};

} // namespace

class TestSaveScript : public QObject {
    Q_OBJECT
private slots:
    void defaultsAndKeepNames() {
        Fixture f;
        f.open();
        QCOMPARE(f.build->windowTitle(), QString("Save script"));
        QCOMPARE(f.build->eData->text(), f.folder() + "zel_data.js");
        QCOMPARE(f.build->eHTML->text(), QString("zelmenu.html"));
        QVERIFY(f.build->cbData->isChecked() && f.build->cbHTML->isChecked());
        QVERIFY(f.build->cbScript->isChecked());
        QVERIFY(!f.build->cbScript->isVisible());
        QVERIFY(!f.build->cbCross->isChecked());
        QCOMPARE(f.build->pbPath->folder(), f.folder());

        // Without the keep-names flag the next opening proposes the defaults again.
        f.build->eHTML->setText("other.html");
        f.build->cbHTML->setChecked(false);
        f.build->reject();
        f.open();
        QCOMPARE(f.build->eHTML->text(), QString("zelmenu.html"));
        QVERIFY(f.build->cbHTML->isChecked());

        // After an Open the names stay until New forgets them.
        f.build->reject();
        f.build->adoptOpenedFile(f.outFile("menu.js"));
        f.open();
        QCOMPARE(f.build->eData->text(), f.outFile("menu.js"));
        QVERIFY(f.build->cbData->isChecked());
        QVERIFY(!f.build->cbHTML->isChecked() && !f.build->cbScript->isChecked());
        QCOMPARE(f.build->pbPath->folder(), f.out.path() + "/");
        f.build->reject();
        f.build->forgetNames();
        f.open();
        QCOMPARE(f.build->eData->text(), f.folder() + "zel_data.js");
    }

    void savesDataPageAndEngine() {
        Fixture f;
        f.open();
        f.build->eData->setText(f.outFile("menu.js"));
        f.build->eHTML->setText("index.html");
        QSignalSpy saved(f.build.get(), &TfrmBuild::saved);
        QVERIFY(f.build->spdBuildClick());
        QCOMPARE(saved.count(), 1);
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.build->result(), int(QDialog::Accepted));
        QVERIFY(readAll(f.outFile("menu.js")).contains("zel_init();"));
        QVERIFY(readAll(f.outFile("index.html")).contains("src=\"menu.js\""));
        QCOMPARE(readAll(f.outFile("zelmenu.js")), QByteArray("// engine\r\n"));
        QVERIFY(f.build->keepNames());

        // The crossframe switch of the dialog decides the closing call of the saved file; without
        // both frame numbers the call would not run, so the save is refused before any question,
        // naming where to set them, and nothing is written.
        f.open();
        f.build->cbCross->setChecked(true);
        QVERIFY(f.project.crossframe.enabled);
        const QByteArray before = readAll(f.outFile("menu.js"));
        QVERIFY(!f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages[0].text.contains("\"Crossframe options...\""));
        QVERIFY(f.build->isVisible());
        QCOMPARE(readAll(f.outFile("menu.js")), before);
        model::CrossframeSettings cross = f.project.crossframe;
        cross.topFrame = "0";
        cross.subFrame = "1";
        f.document.setCrossframe(cross);
        f.prompter.answers.enqueue(Prompter::Answer::Yes);
        QVERIFY(f.build->spdBuildClick());
        QVERIFY(readAll(f.outFile("menu.js")).contains("zel_initFrame(\"\",0,1,0);"));
    }

    void overwriteQuestion() {
        Fixture f;
        f.open();
        f.build->eData->setText(f.outFile("menu.js"));
        writeAll(f.outFile("menu.js"), "old data");
        // Asked even with both switches off; No writes nothing, not even the engine copy.
        f.build->cbData->setChecked(false);
        f.build->cbHTML->setChecked(false);
        f.prompter.answers.enqueue(Prompter::Answer::No);
        QSignalSpy saved(f.build.get(), &TfrmBuild::saved);
        QVERIFY(!f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].caption, QString("Confirmation"));
        QCOMPARE(f.prompter.messages[0].text, QString(kOverwrite));
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(saved.count(), 0);
        QVERIFY(!QFile::exists(f.outFile("zelmenu.js")));
        QVERIFY(f.build->isVisible());

        // An existing page alone asks too; Yes with both switches off copies the engine only.
        QFile::remove(f.outFile("menu.js"));
        writeAll(f.outFile("zelmenu.html"), "old page");
        f.prompter.answers.enqueue(Prompter::Answer::Yes);
        QVERIFY(f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 2);
        QCOMPARE(readAll(f.outFile("zelmenu.html")), QByteArray("old page"));
        QVERIFY(QFile::exists(f.outFile("zelmenu.js")));
        QCOMPARE(saved.count(), 1);
    }

    void blankNames() {
        Fixture f;
        f.open();
        // A blank data name stops before anything is written.
        f.build->eData->setText("   ");
        f.build->eHTML->setText(" ");
        QVERIFY(!f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, QString("Please, enter correct data-filename."));

        // A blank page name: the data file is written first, then the message; no page, no
        // engine copy, and the dialog stays open.
        f.build->eData->setText(f.outFile("menu.js"));
        QSignalSpy saved(f.build.get(), &TfrmBuild::saved);
        QVERIFY(!f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 2);
        QCOMPARE(f.prompter.messages[1].text, QString("Please, enter correct HTML-filename."));
        QVERIFY(readAll(f.outFile("menu.js")).contains("menuItems"));
        QVERIFY(!QFile::exists(f.outFile("zelmenu.js")));
        QCOMPARE(saved.count(), 0);
        QVERIFY(f.build->isVisible());

        // Spaces around a data path pass the check and stay part of the name.
        f.build->eData->setText(f.outFile(" spaced.js "));
        f.build->eHTML->setText("p.html");
        QVERIFY(f.build->spdBuildClick());
        QVERIFY(QFile::exists(f.outFile(" spaced.js ")));
    }

    void failedCreationKeepsOldFileAndDialog() {
        Fixture f;
        f.open();
        // A folder that does not exist: the system's text once, nothing further written.
        f.build->eData->setText(f.out.path() + "/missing/menu.js");
        QSignalSpy saved(f.build.get(), &TfrmBuild::saved);
        QVERIFY(!f.build->spdBuildClick());
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, QString::fromLocal8Bit(strerror(ENOENT)));
        QVERIFY(!QFile::exists(f.out.path() + "/missing/zelmenu.html"));
        QCOMPARE(saved.count(), 0);
        QVERIFY(f.build->isVisible());
        QVERIFY(!f.build->keepNames());
    }

    void afterOpenOnlyTheDataFileIsRewritten() {
        Fixture f;
        const QString data = f.outFile("menu.js");
        writeAll(data, "old");
        writeAll(f.outFile("zelmenu.html"), "old page");
        f.build->adoptOpenedFile(data);
        f.open();
        f.prompter.answers.enqueue(Prompter::Answer::Yes);
        QVERIFY(f.build->spdBuildClick());
        QVERIFY(readAll(data).contains("menuItems"));
        QCOMPARE(readAll(f.outFile("zelmenu.html")), QByteArray("old page"));
        QVERIFY(!QFile::exists(f.outFile("zelmenu.js")));
    }

    void keysAndSelect() {
        Fixture f;
        f.open();
        f.build->eData->setText(f.outFile("menu.js"));
        f.build->eHTML->setFocus();
        QTest::keyClick(f.build->eHTML, Qt::Key_Return);
        QVERIFY(QFile::exists(f.outFile("menu.js")));
        QCOMPARE(f.build->result(), int(QDialog::Accepted));
        QVERIFY(!f.build->isVisible());

        f.open();
        f.build->eData->setText(f.outFile("second.js"));
        f.build->spdDataSelect->setFocus();
        QTest::keyClick(f.build->spdDataSelect, Qt::Key_Enter);
        QVERIFY(QFile::exists(f.outFile("second.js")));
        QVERIFY(f.prompter.fileRequests.isEmpty());

        f.open();
        f.build->eData->setFocus();
        QTest::keyClick(f.build->eData, Qt::Key_Escape);
        QCOMPARE(f.build->result(), int(QDialog::Rejected));
        QVERIFY(!f.build->isVisible());

        // "Select...": its title, filters and initial name; the pick is used as it stands.
        f.open();
        f.prompter.files.enqueue(f.outFile("noext"));
        f.build->spdDataSelect->click();
        QCOMPARE(f.prompter.fileRequests.size(), 1);
        const auto& request = f.prompter.fileRequests[0];
        QCOMPARE(request.title, QString("Save file..."));
        QCOMPARE(request.initialName, QString("zel_data.js"));
        QCOMPARE(request.filters.size(), 2);
        QCOMPARE(request.filters[0].description, QString("Java-Scipt files (*.js)"));
        QCOMPARE(request.filters[0].pattern, QString("*.js"));
        QCOMPARE(request.filters[1].description, QString("All files (*.*)"));
        QCOMPARE(request.filters[1].pattern, QString("*.*"));
        QCOMPARE(f.build->eData->text(), f.outFile("noext"));
        QCOMPARE(f.build->pbPath->folder(), f.out.path() + "/");
        // Cancelling the file dialog changes nothing.
        f.build->spdDataSelect->click();
        QCOMPARE(f.build->eData->text(), f.outFile("noext"));

        // Backslash paths split at the last separator; the page loads the bare name.
        const auto p = [&] {
            f.build->eData->setText("C:\\out\\menu.js");
            f.build->eHTML->setText("index.html");
            return f.build->paths();
        }();
        QCOMPARE(p.folder, QString("C:\\out\\"));
        QCOMPARE(p.page, QString("C:\\out\\index.html"));
        QCOMPARE(p.engine, QString("C:\\out\\zelmenu.js"));
    }

    void crossframeDialog() {
        doc::Document document;
        const model::Project& project = document.project();
        TfrmCross cross(document);
        cross.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cross));
        QCOMPARE(cross.windowTitle(), QString("Crossframe Options"));
        const QStringList help = TfrmCross::helpLines();
        QCOMPARE(help.size(), 14);
        QVERIFY(help[0].endsWith("properties in "));
        QCOMPARE(help[4], QString("    <frame id=\"frm1\" name=\"frm1\" src=\"topmenu.html\">"));
        QCOMPARE(help[10], QString("  zel_initFrame (\"fset\", 0, 1, 0);"));
        QCOMPARE(help[11], QString(47, '-'));
        QCOMPARE(cross.spdOk->text(), QString("Ok"));

        // Typing passes digits only; Backspace edits; pasted text is not filtered.
        cross.eTopNum->setFocus();
        QTest::keyClicks(cross.eTopNum, "1a-2");
        QCOMPARE(cross.eTopNum->text(), QString("12"));
        QTest::keyClick(cross.eTopNum, Qt::Key_Backspace);
        QCOMPARE(cross.eTopNum->text(), QString("1"));
        QTest::keyClicks(cross.eSubNum, "x9 ");
        QCOMPARE(cross.eSubNum->text(), QString("9"));
        cross.eSubNum->insert("-3");
        QCOMPARE(cross.eSubNum->text(), QString("9-3"));
        QTest::keyClicks(cross.eFsetID, "fset-1");
        cross.cbVertical->click();
        // Frame numbers longer than 9 digits could not be read back: the fields stop there.
        QTest::keyClicks(cross.eTopNum, "234567890123");
        QCOMPARE(cross.eTopNum->text(), QString("123456789"));
        cross.eTopNum->selectAll();
        QTest::keyClicks(cross.eTopNum, "1");
        // The settings change when the window closes, as one step.
        QVERIFY(project.crossframe.framesetId.empty());
        cross.spdOk->click();
        QVERIFY(!cross.isVisible());
        QCOMPARE(project.crossframe.framesetId, std::string("fset-1"));
        QCOMPARE(project.crossframe.topFrame, std::string("1"));
        QCOMPARE(project.crossframe.subFrame, std::string("9-3"));
        QVERIFY(project.crossframe.vertical);
        QCOMPARE(document.undoStack()->count(), 1);
        QCOMPARE(document.undoStack()->undoText(), QString("Crossframe Options"));
        document.undoStack()->undo();
        QVERIFY(project.crossframe.framesetId.empty());

        // New empties the settings; the next opening shows that.
        document.replaceProject([](model::Project& p) { p.resetContents(); });
        cross.show();
        QVERIFY(cross.eFsetID->text().isEmpty() && cross.eTopNum->text().isEmpty());
        QVERIFY(!cross.cbVertical->isChecked());
    }
};

QTEST_MAIN(TestSaveScript)
#include "test_savescript.moc"
