// "Publish to Site" and the save dialog's "Links in the page", with their remembered settings.

#include "app/appsettings.h"
#include "app/fakeprompter.h"
#include "app/recentfiles.h"
#include "app/tfrmbuild.h"
#include "app/tfrmcross.h"
#include "app/tfrmpublish.h"
#include "doc/document.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace menuloom;
using app::TfrmPublish;
using app::testing::FakePrompter;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

const QByteArray kMarked = "<body>\r\n<!-- menuloom -->\r\n<!-- /menuloom -->\r\n</body>\r\n";

struct Fixture {
    QTemporaryDir program, site, config;
    doc::Document document;
    FakePrompter prompter;
    QString settings() const { return config.filePath("lmtool.ini"); }
    std::unique_ptr<TfrmPublish> window() {
        return std::make_unique<TfrmPublish>(document, prompter, program.path() + "/", settings());
    }
    Fixture() {
        writeAll(program.filePath("zelmenu.js"), "// engine\r\n");
        model::Project& p = document.mutableProject();
        model::ItemNode* home = p.items.addItem(nullptr, false);
        model::TItemProps props;
        props.caption = "Home";
        props.link = "index.html";
        p.items.setProps(home, props);
        document.setFileName(config.filePath("menu.js"));
    }
};

QStringList rows(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + " " + list->topLevelItem(i)->text(1);
    return out;
}

} // namespace

class TestPublishWindow : public QObject {
    Q_OBJECT
private slots:
    void listsPublishesAndRemembersTheSite() {
        Fixture f;
        writeAll(f.site.filePath("index.html"), kMarked);
        writeAll(f.site.filePath("blog/post.html"), kMarked);
        writeAll(f.site.filePath("plain.html"), "<p>plain</p>");
        writeAll(f.site.filePath("bad.html"), "<!-- menuloom -->");
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->windowTitle(), QString("Publish to Site"));
        QVERIFY(!w->spdPublish->isEnabled());

        // Choosing the folder lists what publishing would do, and writes nothing.
        f.prompter.files.enqueue(f.site.path());
        QTest::mouseClick(w->spdSiteSelect, Qt::LeftButton);
        QTRY_VERIFY(!w->busy());
        QCOMPARE(rows(w->lvPages), QStringList({"bad.html refused: begin marker without end marker",
                                                "blog/post.html updated", "index.html updated",
                                                "plain.html skipped: no markers"}));
        QCOMPARE(readAll(f.site.filePath("index.html")), kMarked);
        QVERIFY(!QFile::exists(f.site.filePath("zel_data.js")));
        QVERIFY(w->spdPublish->isEnabled());

        QTest::mouseClick(w->spdPublish, Qt::LeftButton);
        QTRY_VERIFY(!w->busy());
        QCOMPARE(w->pbProgress->value(), 4);
        QCOMPARE(w->pbProgress->maximum(), 4);
        QVERIFY(readAll(f.site.filePath("blog/post.html")).contains("href=\"../index.html\""));
        QCOMPARE(readAll(f.site.filePath("zelmenu.js")), QByteArray("// engine\r\n"));
        QVERIFY(QFile::exists(f.site.filePath("zel_data.js")));
        QVERIFY(w->lblSummary->text().contains("2 updated"));
        // Not an undo step, and the project is as it was.
        QCOMPARE(f.document.undoStack()->count(), 0);
        QVERIFY(!f.document.isModified());

        // The markers to copy.
        QTest::mouseClick(w->spdCopyMarkers, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("<!-- menuloom -->\n<!-- /menuloom -->\n"));

        // A new window for the same data file starts at the same site, listing it afresh.
        w.reset();
        auto again = f.window();
        again->show();
        QCOMPARE(again->siteFolder(), f.site.path());
        QTRY_VERIFY(!again->busy());
        QVERIFY(rows(again->lvPages).contains("index.html unchanged"));
        // Another data file has a site of its own (none yet).
        f.document.setFileName(f.config.filePath("other.js"));
        auto other = f.window();
        other->show();
        QVERIFY(other->siteFolder().isEmpty());
    }

    void cancelStopsBetweenPages() {
        Fixture f;
        for (int i = 0; i < 300; ++i)
            writeAll(f.site.filePath(QString("p%1.html").arg(i)), kMarked);
        auto w = f.window();
        w->show();
        f.prompter.files.enqueue(f.site.path());
        QTest::mouseClick(w->spdSiteSelect, Qt::LeftButton);
        QTRY_VERIFY(!w->busy());
        QTest::mouseClick(w->spdPublish, Qt::LeftButton);
        QVERIFY(w->spdCancel->isEnabled());
        QTest::mouseClick(w->spdCancel, Qt::LeftButton);
        QTRY_VERIFY(!w->busy());
        QVERIFY(w->lblSummary->text().startsWith("Cancelled"));
        QVERIFY(w->lvPages->topLevelItemCount() < 300);
        QVERIFY(!w->spdCancel->isEnabled());
    }

    void linksInThePageAreRemembered() {
        Fixture f;
        writeAll(f.settings(), "/menus/a.js\r\n/menus/b.js\r\n");
        app::TfrmCross cross(f.document);
        {
            app::TfrmBuild build(f.document, f.prompter, f.program.path() + "/", cross);
            build.setSettingsPath(f.settings());
            QVERIFY(!build.cbLinks->isChecked());
            QVERIFY(!build.request().staticLinks);
            build.cbLinks->setChecked(true);
            QVERIFY(build.request().staticLinks);
        }
        app::TfrmBuild build(f.document, f.prompter, f.program.path() + "/", cross);
        build.setSettingsPath(f.settings());
        QVERIFY(build.cbLinks->isChecked());
        // The recent files and the settings share the file without mixing.
        app::RecentFiles recent;
        recent.load(f.settings());
        QCOMPARE(recent.paths(), QStringList({"/menus/a.js", "/menus/b.js"}));
        recent.add("/menus/c.js");
        QVERIFY(recent.save(f.settings()));
        app::AppSettings settings;
        settings.load(f.settings());
        QVERIFY(settings.saveLinks());
        QVERIFY(readAll(f.settings()).startsWith("/menus/c.js\r\n/menus/a.js\r\n"));
    }
};

QTEST_MAIN(TestPublishWindow)
#include "test_publishwindow.moc"
