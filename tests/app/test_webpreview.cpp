// End to end with the real browser: an example menu opened in the designer is drawn by the
// engine in the preview, and a change shows after the auto-update.

#include "app/checkspanel.h"
#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/itemeditor.h"
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

// The value of a script run in the page, or an invalid value after 10 s.
QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool answered = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        answered = true;
    });
    QDeadlineTimer reply(10000);
    while (!answered && !reply.hasExpired())
        QTest::qWait(20);
    return result;
}

// The outlined item's text when it is really drawn (the topmost element at its centre), else
// "".
const char kOutlinedAndDrawn[] = R"JS(
(function () {
  const e = document.querySelector('[data-menuloom-shown]');
  if (!e) return '';
  const r = e.getBoundingClientRect();
  const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  return top && e.contains(top) ? e.textContent : '';
})()
)JS";

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

    // The designer's preview as a design surface: a click on an item selects it without
    // following its link; the item chosen in the tree is outlined with its submenus open, and
    // again after a refresh.
    void pointingSelectsAndShowsItems() {
        const QString program = QCoreApplication::applicationDirPath() + "/";
        if (!QFile::exists(program + "zelmenu.js"))
            QSKIP("the engine is not in the build folder");
        QTemporaryDir temp;
        QTemporaryDir work;
        doc::Document document;
        app::testing::FakePrompter prompter;
        app::Folders folders{program, temp.path() + "/", work.path() + "/"};
        app::Tfrm frm(document, folders, prompter, app::WebPreviewBrowser::factory(),
                      work.filePath("lmtool.ini"));
        auto* view = qobject_cast<app::WebPreviewBrowser*>(frm.browserWidget());
        QVERIFY(view);
        frm.designer().preview().setAutoUpdate(false);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));

        // Home (a link) | Products > Tools > Hammer (a link) | About
        auto item = [&](model::ItemNode* node, const char* caption, const char* link) {
            document.renameItem(node, caption);
            if (link)
                document.setItemField(node, model::ItemField::Link, link);
            return node;
        };
        model::ItemNode* home = item(document.addItem(nullptr).created, "Home", "away.html");
        model::ItemNode* products = item(document.addItem(home).created, "Products", nullptr);
        model::ItemNode* tools = item(document.addSubItem(products).created, "Tools", nullptr);
        model::ItemNode* hammer = item(document.addSubItem(tools).created, "Hammer", "hammer.html");
        item(document.addItem(products).created, "About", nullptr);
        QCOMPARE(products->row(), 1);
        QCOMPARE(hammer->parent(), tools);

        const QUrl page = QUrl::fromLocalFile(temp.path() + "/tmp_zel.html");
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        frm.designer().preview().refresh();
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && view->url() == page, 60000);
        QString text;
        QVERIFY2(waitForText(
                     view, [](const QString& body) { return body.contains("About"); }, &text),
                 qPrintable(text));

        // A click at Home's drawn position: Home selected, the page still the menu's.
        const QVariantList centre =
            evaluate(view, "(function () {"
                           "  const t = [...document.querySelectorAll('.zm-text')]"
                           "    .find((e) => e.textContent === 'Home');"
                           "  const r = t.getBoundingClientRect();"
                           "  return [r.left + r.width / 2, r.top + r.height / 2];"
                           "})()")
                .toList();
        QCOMPARE(centre.size(), 2);
        const QPoint at(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
        QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
        QTest::mouseMove(surface, at);
        QTest::mouseClick(surface, Qt::LeftButton, {}, at);
        QTRY_COMPARE_WITH_TIMEOUT(frm.itemEditor()->selectedItem(), home, 10000);
        QTest::qWait(1000);
        QCOMPARE(view->url(), page);
        QCOMPARE(evaluate(view, kOutlinedAndDrawn).toString(), QString("Home"));

        // The pointer goes back to the tree, as a user's does (leaving the menu closes its
        // submenus after a moment).
        QTest::mouseMove(surface, QPoint(surface->width() - 4, surface->height() - 4));
        QTest::qWait(1500);

        // The sub-sub-item chosen in the tree: outlined, its two submenus open, no reload.
        const qsizetype loads = loaded.size();
        frm.itemEditor()->selectItem(hammer);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(view, kOutlinedAndDrawn).toString(), QString("Hammer"),
                                  10000);
        QCOMPARE(loaded.size(), loads);
        // With MENULOOM_SHOT_DIR set, a picture of the designer with the item outlined.
        const QString shots = qEnvironmentVariable("MENULOOM_SHOT_DIR");
        if (!shots.isEmpty())
            QVERIFY(frm.grab().save(shots + "/preview-outline.png"));

        // After a refresh (a fresh load of the page) it is shown again.
        frm.designer().preview().refresh();
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() > loads, 60000);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(view, kOutlinedAndDrawn).toString(), QString("Hammer"),
                                  10000);

        // The items are measured as drawn, Hammer in a submenu of a submenu too, without
        // touching what the user sees: the same submenus open, the outline where it was.
        auto smallOnes = [&] {
            QStringList places;
            for (const check::Finding& f : frm.checks->findings())
                if (f.rule == check::Rule::TargetSize)
                    places << QString::fromStdString(f.place.text());
            return places;
        };
        QTRY_VERIFY_WITH_TIMEOUT(smallOnes().contains("item:1/0/0"), 20000);
        QCOMPARE(smallOnes(),
                 QStringList({"item:0", "item:1", "item:1/0", "item:1/0/0", "item:2"}));
        QCOMPARE(evaluate(view, kOutlinedAndDrawn).toString(), QString("Hammer"));
        QCOMPARE(evaluate(view, "document.querySelectorAll('.zm-box.zm-open').length").toInt(), 2);
        if (!shots.isEmpty()) {
            frm.tabNotes->setCurrentWidget(frm.checks);
            QVERIFY(frm.grab().save(shots + "/preview-target-size.png"));
        }

        // Large enough items are quiet; a narrower page measures again.
        model::TPropType font = document.project().param("fontStyle");
        font.num = 20;
        document.setParam(model::findParam(document.project().params, "fontStyle"), font);
        frm.designer().preview().refresh();
        QTRY_VERIFY_WITH_TIMEOUT(smallOnes().isEmpty(), 30000);
        QSignalSpy counted(frm.checks, &app::ChecksPanel::countChanged);
        view->setFixedWidth(view->width() - 60);
        QTRY_VERIFY_WITH_TIMEOUT(!counted.isEmpty(), 20000);
        QVERIFY(smallOnes().isEmpty());
    }
};

QTEST_MAIN(TestWebPreview)
#include "test_webpreview.moc"
