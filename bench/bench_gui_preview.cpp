// Preview refresh for a 1,000-item menu: from a change to the page drawn by the engine in the
// real browser, beside loading the blank page in the same browser (the bare cost of a
// navigation) and beside writing the preview files alone. The "ratio" counter is the refresh
// over the blank-page load.

#include "app/designer.h"
#include "app/preview.h"
#include "app/tfrm.h"
#include "app/webpreviewbrowser.h"
#include "doc/document.h"
#include "menugen.h"
#include "widgets/qtprompter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <unistd.h>

using namespace menuloom;

namespace {

struct Bench {
    QTemporaryDir temp;
    QTemporaryDir work;
    doc::Document document;
    model::Project& project = document.mutableProject();
    widgets::QtPrompter prompter;
    std::unique_ptr<app::Tfrm> frm;
    app::WebPreviewBrowser* view = nullptr;

    Bench() {
        app::Folders folders{QCoreApplication::applicationDirPath() + "/", temp.path() + "/",
                             work.path() + "/"};
        frm = std::make_unique<app::Tfrm>(document, folders, prompter,
                                          app::WebPreviewBrowser::factory(),
                                          work.filePath("lmtool.ini"));
        view = qobject_cast<app::WebPreviewBrowser*>(frm->browserWidget());
        frm->designer().preview().setAutoUpdate(false);
        document.replaceProject([](model::Project& p) { bench::generateMenu(p, 1000); });
        frm->show();
        waitLoaded();
    }

    // Waits for the next finished load; false after 60 s.
    bool waitLoaded() {
        bool loaded = false;
        auto connection = QObject::connect(view, &QWebEngineView::loadFinished,
                                           [&loaded](bool) { loaded = true; });
        QDeadlineTimer deadline(60000);
        while (!loaded && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QObject::disconnect(connection);
        return loaded;
    }

    // Asks the page for its text until it contains `needle`; false after 60 s. The text content,
    // not the rendered text: the engine may fold or hide items that it has drawn.
    bool waitForText(const QString& needle) {
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            bool answered = false, found = false;
            view->page()->runJavaScript(
                QStringLiteral("document.body ? document.body.textContent : ''"),
                [&](const QVariant& v) {
                    found = v.toString().contains(needle);
                    answered = true;
                });
            while (!answered && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            if (found)
                return true;
        }
        return false;
    }
};

Bench& bench() {
    static Bench* b = new Bench;
    return *b;
}

void BM_PreviewRefresh1000(benchmark::State& state) {
    Bench& b = bench();
    double refresh = 0, blank = 0, write = 0;
    int round = 0;
    model::ItemNode* first = b.project.items.root()->child(0);
    for (auto _ : state) {
        const QString caption = QStringLiteral("Changed %1").arg(++round);

        // Baseline: the blank page loaded in the same browser, and answering a script.
        QElapsedTimer clock;
        clock.start();
        b.frm->designer().showBlankPage();
        if (!b.waitLoaded() || !b.waitForText(QString())) {
            state.SkipWithError("the blank page did not load");
            return;
        }
        blank += clock.nsecsElapsed() / 1e9;

        clock.restart();
        app::writePreviewFiles(b.project, b.frm->designer().folders().program,
                               b.frm->designer().folders().temp);
        write += clock.nsecsElapsed() / 1e9;

        // The change, the refresh, and the engine's drawing of the changed top item.
        clock.restart();
        b.document.renameItem(first, caption.toStdString());
        b.frm->designer().preview().refresh();
        if (!b.waitLoaded() || !b.waitForText(caption)) {
            state.SkipWithError("the preview was not drawn");
            return;
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        refresh += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["refresh_ms"] = refresh / n * 1000;
    state.counters["blank_load_ms"] = blank / n * 1000;
    state.counters["write_files_ms"] = write / n * 1000;
    state.counters["ratio"] = refresh / blank;
}
BENCHMARK(BM_PreviewRefresh1000)
    ->UseManualTime()
    ->Iterations(bench::smokeRun() ? 1 : 10)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (::getuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::_exit(0); // the browser's processes need no orderly goodbye here
}
