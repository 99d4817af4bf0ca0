// The live preview: the auto-update countdown, "Update", the full-screen window, the preview in
// the desktop's browser and the preview panel switch.

#include "app/designer.h"
#include "app/fakeprompter.h"
#include "app/tfrm.h"
#include "app/tfrmfullscreen.h"
#include "doc/document.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace menuloom;
using app::testing::FakeBrowsers;
using app::testing::FakePrompter;
using app::testing::readAll;

namespace {

// Ends a running countdown now, as its timer's own tick would.
void fire(QTimer& timer) {
    QVERIFY(timer.isActive());
    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);
}

struct Window {
    app::testing::Folders dirs;
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    FakeBrowsers browsers;
    std::unique_ptr<app::Tfrm> frm;
    std::unique_ptr<app::TfrmFullscreen> fullscreen;

    explicit Window(QString temp = {}) {
        if (temp.isEmpty())
            temp = dirs.tempFolder();
        app::Folders folders{dirs.programFolder(), temp, dirs.work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(document, folders, prompter, browsers.factory(),
                                          dirs.program.filePath("lmtool.ini"));
        fullscreen = std::make_unique<app::TfrmFullscreen>(browsers.factory());
        designer().preview().setFullscreen(fullscreen.get());
    }
    app::Designer& designer() { return frm->designer(); }
    app::testing::FakeBrowser& main() { return *browsers.made[0]; }
    app::testing::FakeBrowser& full() { return *browsers.made[1]; }
    QString page() const { return dirs.tempFolder() + "tmp_zel.html"; }
    int previews() const { return int(browsers.made[0]->paths.count(page())); }
};

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void startsWithBlankPageAndTickedBoxes() {
        Window w;
        QCOMPARE(w.main().paths, QStringList{w.dirs.tempFolder() + "blank.html"});
        QVERIFY(w.frm->cbAutoUpdate->isChecked());
        QVERIFY(w.frm->cbPreview->isChecked());
        QVERIFY(!w.designer().preview().timer().isActive());
        QCOMPARE(w.designer().preview().timer().interval(), 1000);
        const QByteArray blank = readAll(w.dirs.tempFolder() + "blank.html");
        QVERIFY(blank.endsWith("</html>\r\n"));
        QCOMPARE(blank.count("\r\n"), 1);
        QVERIFY(blank.contains("href=\"https://zelvane.example/\" target=\"_blank\""));
        QVERIFY(blank.contains("<img src=\"menuloom_logo.png\" border=\"0\" "
                               "alt=\"https://zelvane.example/\""));
        QImage logo(w.dirs.tempFolder() + "menuloom_logo.png");
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.pixelColor(2, 2), QColor(Qt::white));
    }

    void burstOfChangesGivesOneRefresh() {
        Window w;
        QTimer& timer = w.designer().preview().timer();
        // Every change starts a full one-second countdown (a running one restarts).
        for (int i = 0; i < 3; ++i) {
            if (i > 0) {
                QVERIFY(timer.isActive());
                timer.stop();
            }
            w.document.addItem(nullptr);
            QVERIFY(timer.isActive());
            QCOMPARE(timer.interval(), 1000);
            QVERIFY(timer.remainingTime() > 900);
        }
        QCOMPARE(w.previews(), 0);
        // The countdown ends, driven here rather than waited for: one refresh.
        fire(timer);
        QCOMPARE(w.previews(), 1);
        // Nothing further is pending: the countdown stopped with its refresh.
        QVERIFY(!w.designer().preview().timer().isActive());
        const QByteArray data = readAll(w.dirs.tempFolder() + "tmp_zel_data.js");
        QVERIFY(data.contains("Item2"));
        QVERIFY(data.endsWith("zel_init();\r\n"));
        QVERIFY(QFile::exists(w.dirs.tempFolder() + "zelmenu.js"));
        QVERIFY(readAll(w.page()).contains("tmp_zel_data.js"));
    }

    void untickedAutoUpdateStopsThePendingRefresh() {
        Window w;
        w.document.markModified();
        QVERIFY(w.designer().preview().timer().isActive());
        w.frm->cbAutoUpdate->click();
        QVERIFY(!w.frm->cbAutoUpdate->isChecked());
        // The tick comes and stops the countdown without a refresh.
        fire(w.designer().preview().timer());
        QVERIFY(!w.designer().preview().timer().isActive());
        QCOMPARE(w.previews(), 0);
        // Changes made while it is off do not start it.
        w.document.markModified();
        QVERIFY(!w.designer().preview().timer().isActive());
        QVERIFY(w.designer().isModified());

        // "Update" refreshes at once; New stops a countdown.
        w.frm->spdUpdate->click();
        QCOMPARE(w.previews(), 1);
        w.frm->cbAutoUpdate->click();
        w.document.markModified();
        QVERIFY(w.designer().preview().timer().isActive());
        w.prompter.answers.enqueue(doc::Prompter::Answer::No);
        QVERIFY(w.designer().newProject());
        QVERIFY(!w.designer().preview().timer().isActive());
    }

    void updateFollowsTheFullscreenWindow() {
        Window w;
        QCOMPARE(w.fullscreen->windowTitle(), QString("Fullscreen preview"));
        QVERIFY(!w.fullscreen->isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w.fullscreen->pos(), screen.topLeft() + QPoint(25, 25));
        QCOMPARE(w.fullscreen->size(), screen.size() - QSize(50, 80));

        // With the window closed only the main browser follows "Update".
        w.frm->spdUpdate->click();
        QCOMPARE(w.previews(), 1);
        QVERIFY(w.full().paths.isEmpty());

        w.frm->spdFullScreen->click();
        QVERIFY(w.fullscreen->isVisible());
        QCOMPARE(w.full().paths, QStringList{w.page()});
        w.frm->spdUpdate->click();
        QCOMPARE(w.previews(), 2);
        QCOMPARE(w.full().paths.size(), 2);

        // "Stay On Top" keeps the window shown and loads the page again.
        w.fullscreen->stayOnTopBox()->click();
        QVERIFY(w.fullscreen->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.fullscreen->isVisible());
        QCOMPARE(w.full().paths.size(), 3);
        w.fullscreen->stayOnTopBox()->click();
        QVERIFY(!(w.fullscreen->windowFlags() & Qt::WindowStaysOnTopHint));

        // Closing only hides it; then the main browser alone follows again.
        w.fullscreen->close();
        QVERIFY(!w.fullscreen->isVisible());
        const qsizetype shown = w.full().paths.size();
        w.frm->spdUpdate->click();
        QCOMPARE(w.full().paths.size(), shown);
        QCOMPARE(w.previews(), 3);
    }

    void previewInBrowserAndPanelSwitch() {
        Window w;
        w.frm->spdPreviewBrowser->click();
        QCOMPARE(w.prompter.opened, QStringList{w.page()});
        QVERIFY(QFile::exists(w.dirs.tempFolder() + "tmp_zel_data.js"));
        QCOMPARE(w.previews(), 0);

        w.frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frm.get()));
        const int panelHeight = w.frm->pnlPreview->height();
        const int barTop = w.frm->cbPreview->mapTo(w.frm.get(), QPoint()).y();
        w.frm->cbPreview->click();
        QVERIFY(!w.frm->pnlPreview->isVisible());
        // The regions above take the height; the bar with the switch moves down.
        QTRY_VERIFY(w.frm->cbPreview->mapTo(w.frm.get(), QPoint()).y() > barTop + panelHeight / 2);
        // A hidden preview still refreshes.
        w.frm->spdUpdate->click();
        QCOMPARE(w.previews(), 1);
        w.frm->cbPreview->click();
        QVERIFY(w.frm->pnlPreview->isVisible());
        QTRY_COMPARE(w.frm->cbPreview->mapTo(w.frm.get(), QPoint()).y(), barTop);
        QTRY_COMPARE(w.frm->pnlPreview->height(), panelHeight);
        // The browser keeps two pixels clear of its panel on every side.
        QCOMPARE(w.frm->browserWidget()->geometry(),
                 w.frm->pnlPreview->contentsRect().adjusted(2, 2, -2, -2));

        // A phone's or a tablet's width, in the middle of the panel; Desktop fills it again.
        const QRect full = w.frm->browserWidget()->geometry();
        for (const auto& [entry, width] : {std::pair{"Phone", 375}, std::pair{"Tablet", 768}}) {
            w.frm->cbPreviewWidth->setCurrentText(entry);
            auto centred = [&] {
                const QRect g = w.frm->browserWidget()->geometry();
                return g.width() == width &&
                       qAbs((g.left() - full.left()) - (full.right() - g.right())) <= 1;
            };
            QTRY_VERIFY(centred());
            const QRect g = w.frm->browserWidget()->geometry();
            QCOMPARE(g.height(), full.height());
        }
        w.frm->cbPreviewWidth->setCurrentText("Desktop");
        QTRY_COMPARE(w.frm->browserWidget()->geometry(), full);
    }

    void failedPreviewWriteIsReportedOnce() {
        app::testing::Folders dirs;
        const QString missing = dirs.temp.path() + "/no/such/folder/";
        Window w(missing);
        w.frm->spdUpdate->click();
        // Data file and page fail with the same text: one box, then the navigation anyway.
        QCOMPARE(w.prompter.messages.size(), 1);
        QCOMPARE(w.prompter.messages[0].caption, QString("[Menuloom]"));
        QCOMPARE(w.prompter.messages[0].text, QString::fromLocal8Bit(strerror(ENOENT)));
        QCOMPARE(w.main().paths.last(), missing + "tmp_zel.html");
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
