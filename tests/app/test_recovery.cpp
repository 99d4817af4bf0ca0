// Recovery copies: kept while the project is unsaved, offered to the next run after a crash, never
// taken from a live run, and a damaged one set aside.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/startup.h"
#include "app/tfrm.h"
#include "doc/document.h"
#include "doc/recovery.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using app::testing::writeMenu;
using doc::Prompter;
using doc::RecoveryStore;

namespace {

const QString kRestoreQuestion = QStringLiteral("Restore the changes that were not saved?");

// A designer started in-process with fake dialogs and browsers, keeping its copies in `state`.
struct Run {
    app::testing::Folders dirs;
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::DesignerApp> app;
    QString previousCurrent = QDir::currentPath();

    bool start(const QString& state) {
        app::StartupOptions options;
        options.programFolder = dirs.programFolder();
        options.tempFolder = dirs.tempFolder();
        options.prompter = &prompter;
        options.browsers = browsers.factory();
        options.recoveryFolder = state;
        int exitCode = 0;
        app = app::DesignerApp::start(options, &exitCode);
        return app != nullptr;
    }
    ~Run() {
        app.reset();
        QDir::setCurrent(previousCurrent);
    }
    doc::Document& document() { return app->document(); }
    int questions() const {
        int n = 0;
        for (const auto& m : prompter.messages)
            n += m.text == kRestoreQuestion;
        return n;
    }
};

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({"recovery-*.js"}, QDir::Files);
}

// A copy left by a run that is gone: written by a store that no longer exists.
QString deadCopy(const QString& folder, const QString& fileName, const QString& caption) {
    doc::Document document;
    document.mutableProject().workingFolder = "/menus/";
    document.mutableProject().crossframe = {"frames", "1", "2", true, false};
    document.addItem(nullptr);
    document.renameItem(document.mutableProject().items.root()->child(0), caption.toStdString());
    RecoveryStore store(folder);
    const bool written =
        store.write(document.project(), {fileName, "/menus/", document.project().crossframe});
    return written ? store.copyPath() : QString();
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    // The copy follows the flag: written after an edit, gone when the project is saved, undone
    // to the saved state or replaced; a second store never offers a live run's copy.
    void copyFollowsTheModifiedFlag() {
        QTemporaryDir state;
        doc::Document document;
        RecoveryStore store(state.path());
        doc::RecoveryWriter writer(document, store);
        document.addItem(nullptr);
        QVERIFY(writer.timer().isActive());
        QCOMPARE(writer.timer().interval(), doc::RecoveryWriter::kDelayMs);
        // Later changes do not push the write further away.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.copyPath()), 5000);
        QVERIFY(RecoveryStore::verify(store.copyPath()).isEmpty());

        RecoveryStore other(state.path());
        QVERIFY(other.orphans().isEmpty());

        document.undoStack()->undo();
        QVERIFY(!QFile::exists(store.copyPath()));
        document.undoStack()->redo();
        writer.writeNow();
        writer.waitForWrites();
        QVERIFY(QFile::exists(store.copyPath()));
        document.clearModified();
        QVERIFY(!QFile::exists(store.copyPath()));
        document.addItem(nullptr);
        writer.writeNow();
        writer.waitForWrites();
        QVERIFY(QFile::exists(store.copyPath()));
        document.replaceProject([](model::Project& p) { p.reset(); });
        QVERIFY(!QFile::exists(store.copyPath()));
        // A save right after a write was asked for: the removal wins, whatever the worker does.
        for (int i = 0; i < 20; ++i) {
            document.addItem(nullptr);
            writer.writeNow();
            document.clearModified();
            writer.waitForWrites();
            QVERIFY(!QFile::exists(store.copyPath()));
        }
    }

    // A dead run's copy: Yes restores it with its file name, folder and crossframe settings,
    // marked modified; No removes it; a damaged one is reported once and set aside.
    void deadCopiesAreOfferedOrSetAside() {
        QTemporaryDir state;
        const QString copy = deadCopy(state.path(), "/menus/site.js", "Kept");
        QVERIFY(!copy.isEmpty());
        {
            Run run;
            QVERIFY(run.start(state.path()));
            QCOMPARE(run.questions(), 1);
            QCOMPARE(run.prompter.messages.last().caption, QString("Confirmation"));
            QCOMPARE(run.prompter.messages.last().buttons, Prompter::Buttons::YesNo);
            const model::Project& p = run.document().project();
            QCOMPARE(p.items.count(), 1);
            QCOMPARE(p.items.root()->child(0)->props().caption, std::string("Kept"));
            QCOMPARE(p.workingFolder, std::string("/menus/"));
            QCOMPARE(p.crossframe.framesetId, std::string("frames"));
            QVERIFY(p.crossframe.vertical);
            QCOMPARE(run.document().fileName(), QString("/menus/site.js"));
            QVERIFY(run.document().isModified());
            QVERIFY(!QFile::exists(copy));
            // Protected at once by this run's own copy.
            QCOMPARE(copiesIn(state.path()),
                     QStringList{QFileInfo(run.app->recoveryStore()->copyPath()).fileName()});
            run.app->recoveryWriter()->discard();
        }
        QVERIFY(copiesIn(state.path()).isEmpty());

        deadCopy(state.path(), "", "Dropped");
        {
            Run run;
            run.prompter.answers.enqueue(Prompter::Answer::No);
            QVERIFY(run.start(state.path()));
            QCOMPARE(run.questions(), 1);
            QCOMPARE(run.document().project().items.count(), 0);
            QVERIFY(!run.document().isModified());
        }
        QVERIFY(copiesIn(state.path()).isEmpty());

        const QString damaged = deadCopy(state.path(), "", "Cut");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 20));
        file.close();
        {
            Run run;
            QVERIFY(run.start(state.path()));
            QCOMPARE(run.questions(), 0);
            QCOMPARE(run.prompter.messages.size(), 1);
            QVERIFY(run.prompter.messages[0].text.contains("damaged"));
            QVERIFY(!run.prompter.messages[0].text.contains('\n'));
            QVERIFY(run.app->mainWindow().isVisible());
        }
        QVERIFY(!QFile::exists(damaged));
        const QStringList aside =
            QDir(state.path()).entryList({"recovery-*.damaged-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        // Set aside, never offered again.
        Run again;
        QVERIFY(again.start(state.path()));
        QVERIFY(again.prompter.messages.isEmpty());
    }

    // The real program, killed with SIGKILL after an edit: the next start restores the edit
    // with the file name, marked modified. While it lives, nobody else takes its copy.
    void killedDesignerIsRestored() {
        const QString program = QCoreApplication::applicationDirPath() + "/menuloom";
        if (!QFile::exists(program))
            QSKIP("the menuloom program is not built");
        QTemporaryDir state;
        QTemporaryDir work;
        const QString menu = work.filePath("menu.js");
        QVERIFY(writeMenu(menu, {"Home"}));
        const QString folder = state.path() + "/menuloom/";

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        env.insert("XDG_STATE_HOME", state.path());
        env.insert("MENULOOM_TEST_EDIT", "Unsaved");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(program, {menu});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(copiesIn(folder).size() == 1, 120000);
        QTest::qWait(1000);
        {
            // A second designer beside the live one does not offer its copy.
            RecoveryStore beside(folder);
            QVERIFY(beside.orphans().isEmpty());
        }
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished(30000));

        Run run;
        QVERIFY(run.start(folder));
        QCOMPARE(run.questions(), 1);
        const model::Project& p = run.document().project();
        QCOMPARE(p.items.count(), 2);
        QCOMPARE(p.items.root()->child(1)->props().caption, std::string("Unsaved"));
        QCOMPARE(run.document().fileName(), menu);
        QVERIFY(run.document().isModified());
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
