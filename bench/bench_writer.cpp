// Rendering and writing large data files, beside writing the same bytes with one plain write.
// The "ratio" counter is render+write time over the plain write of the finished text.

#include "menugen.h"
#include "output/datawriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>

using namespace menuloom;

namespace {

const model::Project& menuOf(int items) {
    static std::map<int, std::unique_ptr<model::Project>> cache;
    auto& p = cache[items];
    if (!p) {
        p = std::make_unique<model::Project>();
        bench::generateMenu(*p, items);
    }
    return *p;
}

std::string outPath() {
    return (std::filesystem::temp_directory_path() / "menuloom-bench.js").string();
}

double plainWriteSeconds(const std::string& bytes, const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] auto n = ::write(fd, bytes.data(), bytes.size());
        ::fsync(fd);
        ::close(fd);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_WriteDataFile(benchmark::State& state) {
    const auto& project = menuOf(static_cast<int>(state.range(0)));
    const std::string path = outPath();
    const std::string text = output::renderDataFile(project, false);
    double writerSeconds = 0, plainSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        auto result = output::writeDataFile(project, path, false);
        benchmark::DoNotOptimize(result);
        const double w =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double p = plainWriteSeconds(text, path);
        writerSeconds += w;
        plainSeconds += p;
        state.SetIterationTime(w);
    }
    state.counters["ratio"] = writerSeconds / plainSeconds;
    state.counters["us_per_item"] = 1e6 * writerSeconds / static_cast<double>(state.iterations()) /
                                    static_cast<double>(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(text.size()) * state.iterations());
    std::remove(path.c_str());
}

void BM_RenderDataFile(benchmark::State& state) {
    const auto& project = menuOf(static_cast<int>(state.range(0)));
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(output::renderDataFile(project, true));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["us_per_item"] = 1e6 * seconds / static_cast<double>(state.iterations()) /
                                    static_cast<double>(state.range(0));
}

} // namespace

BENCHMARK(BM_WriteDataFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderDataFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
