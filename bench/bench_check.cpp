// Checking a large menu beside writing its data file, timed in the same iteration so that the
// ratio holds on a busy machine. The "ratio" counter is check time over writer time; the checks
// run after every edit in the designer, so they should cost no more than a save.

#include "check/checks.h"
#include "menugen.h"
#include "output/datawriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

using namespace menuloom;

namespace {

double secondsOf(auto&& fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CheckBesideWriter(benchmark::State& state) {
    model::Project project;
    bench::generateMenu(project, static_cast<int>(state.range(0)));
    const auto folder = std::filesystem::temp_directory_path();
    const std::string path = (folder / "menuloom-bench-check.js").string();
    check::Options options;
    options.baseFolder = folder.string() + "/";
    double checkSeconds = 0, writerSeconds = 0;
    std::size_t findings = 0;
    for (auto _ : state) {
        const double c = secondsOf([&] {
            auto result = check::checkProject(project, options);
            findings = result.size();
            benchmark::DoNotOptimize(result);
        });
        writerSeconds += secondsOf([&] {
            auto result = output::writeDataFile(project, path, false);
            benchmark::DoNotOptimize(result);
        });
        checkSeconds += c;
        state.SetIterationTime(c);
    }
    state.counters["ratio"] = checkSeconds / writerSeconds;
    state.counters["findings"] = static_cast<double>(findings);
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(BM_CheckBesideWriter)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
