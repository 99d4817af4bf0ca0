// Reading generated data files of 1,000 to 100,000 items, measured next to the time to load and
// split the same file into lines in the same iteration, so that the ratio holds on a busy machine.
#include "menugen.h"
#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"
#include "reader/linelist.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <vector>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// One generated data file on disk per item count, removed when the program ends.
class MenuFiles {
public:
    ~MenuFiles() {
        for (const auto& [n, path] : paths_)
            fs::remove(path);
    }
    const std::string& path(int items) {
        auto it = paths_.find(items);
        if (it != paths_.end())
            return it->second;
        model::Project project;
        bench::generateMenu(project, items);
        const fs::path path =
            fs::temp_directory_path() / ("menuloom-bench-reader-" + std::to_string(::getpid()) +
                                         "-" + std::to_string(items) + ".js");
        std::ofstream(path, std::ios::binary) << output::renderDataFile(project, false);
        return paths_.emplace(items, path.string()).first->second;
    }

private:
    std::map<int, std::string> paths_;
};

MenuFiles& files() {
    static MenuFiles f;
    return f;
}

std::string load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// Adds the items of `from` to `to` in pre-order, as the reader adds them, copying each record.
void copyTree(const model::Project& from, model::Project& to) {
    std::vector<model::ItemNode*> path;
    from.items.forEach([&](const model::ItemNode& node, int level) {
        path.resize(static_cast<std::size_t>(level));
        model::ItemNode* added =
            level == 0 ? to.items.addItem(nullptr, false) : to.items.addItem(path.back(), true);
        to.items.setProps(added, node.props());
        path.push_back(added);
    });
}

// The reported time is the reader's (open, read, decode, every pass) on a new project; the
// project's construction and destruction are left out. The baseline is loading the same file
// and splitting it into lines, timed in the same iteration; tree_ms shows how much of the time
// building the item tree itself takes.
void BM_ReadDataFile(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    const std::string& path = files().path(items);
    double readTotal = 0;
    double splitTotal = 0;
    double treeTotal = 0;
    for (auto _ : state) {
        auto project = std::make_unique<model::Project>();

        const auto s0 = Clock::now();
        const std::string bytes = load(path);
        const auto lines = reader::splitLines(bytes);
        benchmark::DoNotOptimize(lines.data());
        const auto s1 = Clock::now();

        const auto r0 = Clock::now();
        const reader::ReadResult result = reader::readDataFile(*project, path);
        const auto r1 = Clock::now();
        if (!result.ok() || project->items.count() != items) {
            state.SkipWithError("the generated file did not read back");
            break;
        }
        // What building the same model alone costs: every item added and filled again.
        auto copy = std::make_unique<model::Project>();
        const auto t0 = Clock::now();
        copyTree(*project, *copy);
        const auto t1 = Clock::now();
        treeTotal += seconds(t0, t1);
        copy.reset();

        readTotal += seconds(r0, r1);
        splitTotal += seconds(s0, s1);
        state.SetIterationTime(seconds(r0, r1));
        project.reset();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["split_ms"] = splitTotal / n * 1e3;
    state.counters["read_ms"] = readTotal / n * 1e3;
    state.counters["tree_ms"] = treeTotal / n * 1e3;
    state.counters["ratio"] = readTotal / splitTotal;
    state.counters["ns_per_item"] = readTotal / n / items * 1e9;
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
}

BENCHMARK(BM_ReadDataFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
