// Start-up of the designer, from process start to the main window's first paint with the blank
// page loaded, beside a bare QApplication with one web view loading the same blank page.
// Each iteration starts a fresh process of this program in one of two child modes; the "ratio"
// counter is the designer's time over the bare view's, both measured in the same run.

#include "app/apptitle.h"
#include "app/blankpage.h"
#include "app/startup.h"
#include "app/tfrm.h"
#include "app/webpreviewbrowser.h"
#include "widgets/qtprompter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// Prints "ready" at the window's first paint after `view` has loaded its page, then ends.
class ReadyWatch : public QObject {
public:
    ReadyWatch(QWidget* window, QWebEngineView* view) : window_(window) {
        // Any widget of the window counts: the web view draws through a child of its own.
        qApp->installEventFilter(this);
        connect(view, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (!ok)
                std::fputs("the page did not load\n", stderr);
            loaded_ = true;
            check();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        // The first paint once the page has loaded shows it.
        if (event->type() == QEvent::Paint && loaded_ && widget && widget->window() == window_) {
            painted_ = true;
            // The paint is delivered after this filter returns; report right after it.
            QMetaObject::invokeMethod(this, &ReadyWatch::check, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void check() {
        if (painted_ && loaded_ && !done_) {
            done_ = true;
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
            ::_exit(0);
        }
    }
    QWidget* window_;
    bool painted_ = false;
    bool loaded_ = false;
    bool done_ = false;
};

int runChild(int argc, char** argv, bool designer) {
    if (::getuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString temp = QDir::tempPath() + QLatin1Char('/');
    if (!designer) {
        QWebEngineView view;
        ReadyWatch watch(&view, &view);
        const QString page = menuloom::app::writeBlankPage(temp);
        view.setUrl(QUrl::fromLocalFile(page));
        view.resize(1280, 320);
        view.show();
        return QApplication::exec();
    }
    QApplication::setApplicationDisplayName(menuloom::app::appTitle());
    QApplication::setQuitOnLastWindowClosed(false);
    menuloom::widgets::QtPrompter prompter;
    menuloom::app::StartupOptions options;
    options.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    options.tempFolder = temp;
    options.settingsPath = temp + QStringLiteral("menuloom-bench-lmtool.ini");
    options.prompter = &prompter;
    std::unique_ptr<ReadyWatch> watch;
    QWebEngineView* mainView = nullptr;
    options.browsers = [&](QWidget* parent) {
        auto* view = new menuloom::app::WebPreviewBrowser(parent);
        if (!mainView) {
            // The main window's browser is made first, before the blank page is sent to it.
            mainView = view;
            watch = std::make_unique<ReadyWatch>(parent->window(), view);
        }
        return menuloom::app::BrowserView{view, view};
    };
    int exitCode = 0;
    auto run = menuloom::app::DesignerApp::start(options, &exitCode);
    if (!run)
        return exitCode;
    return QApplication::exec();
}

char* gSelf = nullptr;

// Starts this program in `mode` and returns the seconds until it reports "ready".
double timeChild(const char* mode) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QString::fromLocal8Bit(gSelf), {QString::fromLatin1(mode)});
    QByteArray out;
    while (!out.contains("ready") && child.waitForReadyRead(60000))
        out += child.readAllStandardOutput();
    const double seconds = clock.nsecsElapsed() / 1e9;
    child.waitForFinished(10000);
    return out.contains("ready") ? seconds : -1;
}

void BM_Startup(benchmark::State& state) {
    double designer = 0, bare = 0;
    for (auto _ : state) {
        const double b = timeChild("--child=bare");
        const double d = timeChild("--child=designer");
        if (b < 0 || d < 0) {
            state.SkipWithError("a child did not report ready");
            return;
        }
        bare += b;
        designer += d;
        state.SetIterationTime(d);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["designer_ms"] = designer / n * 1000;
    state.counters["bare_view_ms"] = bare / n * 1000;
    state.counters["ratio"] = designer / bare;
}
BENCHMARK(BM_Startup)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    gSelf = argv[0];
    if (argc > 1 && std::strcmp(argv[1], "--child=designer") == 0)
        return runChild(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--child=bare") == 0)
        return runChild(argc, argv, false);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
