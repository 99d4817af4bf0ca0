// The recovery copy of a 1,000-item menu: its rendering (on the user-interface thread, from the
// project) and its whole write, beside writing the preview files for the same menu, which every
// automatic preview refresh does on that thread. The "ratio" counter is the copy's write over
// the preview files' write.

#include "app/preview.h"
#include "doc/recovery.h"
#include "menugen.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace menuloom;

namespace {

void BM_RecoveryWrite1000(benchmark::State& state) {
    const int items = bench::smokeRun() ? 50 : 1000;
    model::Project project;
    bench::generateMenu(project, items);
    QTemporaryDir stateDir;
    QTemporaryDir temp;
    doc::RecoveryStore store(stateDir.path());
    const doc::RecoveryStore::Header header{"/home/user/menus/site.js", "/home/user/menus/",
                                            project.crossframe};
    const QString program = QCoreApplication::applicationDirPath() + "/";

    double render = 0, copy = 0, preview = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const std::string text = doc::RecoveryStore::render(project, header);
        const double rendered = clock.nsecsElapsed() / 1e9;
        clock.restart();
        const bool written = store.writeText(text);
        const double stored = clock.nsecsElapsed() / 1e9;
        render += rendered;
        copy += stored;
        clock.restart();
        app::writePreviewFiles(project, program, temp.path() + "/");
        preview += clock.nsecsElapsed() / 1e9;
        if (!written) {
            state.SkipWithError("the copy was not written");
            return;
        }
        state.SetIterationTime(rendered + stored);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["render_ms"] = render / n * 1000;
    state.counters["copy_write_ms"] = (render + copy) / n * 1000;
    state.counters["preview_files_ms"] = preview / n * 1000;
    state.counters["ratio"] = (render + copy) / preview;
}
BENCHMARK(BM_RecoveryWrite1000)
    ->UseManualTime()
    ->Iterations(bench::smokeRun() ? 1 : 50)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
