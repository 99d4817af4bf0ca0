// End to end with the real browser: an example menu opened in the designer is drawn by the
// engine in the preview, and a change shows after the auto-update.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/tfrm.h"
#include "app/webpreviewbrowser.h"
#include "doc/document.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

using namespace menuloom;

namespace {

// The page's visible text, asked of the browser until `accept` likes it or 60 s have passed.
bool waitForText(QWebEngineView* view, const std::function<bool(const QString&)>& accept,
                 QString* last) {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        bool answered = false;
        view->page()->runJavaScript(QStringLiteral("document.body ? document.body.innerText : ''"),
                                    [&](const QVariant& value) {
                                        *last = value.toString();
                                        answered = true;
                                    });
        QDeadlineTimer reply(10000);
        while (!answered && !reply.hasExpired())
            QTest::qWait(20);
        if (answered && accept(*last))
            return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestWebPreview : public QObject {
    Q_OBJECT
private slots:
    void openedMenuIsDrawnByTheEngine() {
        const QString program = QCoreApplication::applicationDirPath() + "/";
        if (!QFile::exists(program + "zelmenu.js"))
            QSKIP("the engine is not in the build folder");
        const QString example = QFINDTESTDATA("../../examples/site-bar/zel_data.js");
        QVERIFY(!example.isEmpty());

        QTemporaryDir temp;
        QTemporaryDir work;
        doc::Document document;
        model::Project& project = document.mutableProject();
        app::testing::FakePrompter prompter;
        app::Folders folders{program, temp.path() + "/", work.path() + "/"};
        app::Tfrm frm(document, folders, prompter, app::WebPreviewBrowser::factory(),
                      work.filePath("lmtool.ini"));
        auto* view = qobject_cast<app::WebPreviewBrowser*>(frm.browserWidget());
        QVERIFY(view);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));

        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QVERIFY(frm.designer().openProject(example));
        QVERIFY(prompter.messages.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(
            !loaded.isEmpty() && view->url() == QUrl::fromLocalFile(temp.path() + "/tmp_zel.html"),
            60000);
        QVERIFY(loaded.last().at(0).toBool());

        QStringList tops;
        model::ItemNode* root = project.items.root();
        for (int i = 0; i < root->childCount(); ++i)
            tops << QString::fromStdString(root->child(i)->props().caption);
        QVERIFY(tops.size() >= 2);
        QString text;
        const bool drawn = waitForText(
            view,
            [&](const QString& body) {
                for (const QString& top : tops)
                    if (!body.contains(top))
                        return false;
                return true;
            },
            &text);
        QVERIFY2(drawn, qPrintable("top items " + tops.join(", ") + " not in: " + text));

        // A change is drawn after the auto-update, from a fresh load of the same page.
        document.renameItem(root->child(0), "Renamed top item");
        QVERIFY2(
            waitForText(
                view, [](const QString& body) { return body.contains("Renamed top item"); }, &text),
            qPrintable(text));
    }
};

QTEST_MAIN(TestWebPreview)
#include "test_webpreview.moc"
