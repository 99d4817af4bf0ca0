// Importing the navigation of a 5 MB page with 20,000 links, measured next to the HTML5 parser
// alone on the same bytes in the same iteration, so that the ratio holds on a busy machine.
#include "import/navimport.h"
#include "model/itemtree.h"

#include <benchmark/benchmark.h>
#include <gumbo.h>

#include <chrono>
#include <ctime>
#include <string>

using namespace menuloom;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLinks = 20000;
constexpr std::size_t kPageBytes = std::size_t{5} << 20;

// A page whose header navigation holds 200 sections of 99 links each (20,000 links on two
// levels), followed by paragraphs of text up to 5 MB.
const std::string& page() {
    static const std::string text = [] {
        std::string s = "<!DOCTYPE html><html><head><meta charset=utf-8><title>Big</title></head>"
                        "<body><header><nav aria-label=Main><ul>\n";
        for (int i = 0; i < 200; ++i) {
            const std::string sec = std::to_string(i);
            s += "<li><a href=\"/section-" + sec + "/\" title=\"Section " + sec + "\">Section " +
                 sec + " &amp; more</a><ul>\n";
            for (int j = 0; j < 99; ++j) {
                const std::string n = std::to_string(j);
                s += "<li><a href=\"/section-" + sec + "/page-" + n +
                     ".html\" class=\"nav-link\">Page " + n + " of\n section " + sec +
                     "</a></li>\n";
            }
            s += "</ul></li>\n";
        }
        s += "</ul></nav></header><main>\n";
        const std::string paragraph =
            "<p class=text>Lorem ipsum dolor sit amet, <em>consectetur</em> adipiscing elit, sed "
            "do eiusmod tempor incididunt ut labore et dolore magna aliqua.</p>\n";
        while (s.size() < kPageBytes)
            s += paragraph;
        s += "</main></body></html>\n";
        return s;
    }();
    return text;
}

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// The processor time of this thread: what the work costs when other programs share the machine.
double cpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The reported time is the whole import (telling the source's kind, parsing, finding and
// labelling the navigations, building the default one's items and adding them to an item tree).
// The baseline is the parser alone, parsing and freeing the same bytes.
void BM_ImportPage(benchmark::State& state) {
    const std::string& bytes = page();
    double importTotal = 0;
    double parseTotal = 0;
    double importCpu = 0;
    double parseCpu = 0;
    for (auto _ : state) {
        const double c0 = cpuSeconds();
        const auto p0 = Clock::now();
        GumboOutput* output =
            gumbo_parse_with_options(&kGumboDefaultOptions, bytes.data(), bytes.size());
        benchmark::DoNotOptimize(output);
        gumbo_destroy_output(&kGumboDefaultOptions, output);
        const auto p1 = Clock::now();
        const double c1 = cpuSeconds();

        model::ItemTree tree;
        const double c2 = cpuSeconds();
        const auto i0 = Clock::now();
        const importer::OpenResult opened = importer::openSource(bytes);
        std::size_t added = 0;
        if (opened.ok()) {
            const importer::ItemsResult items =
                opened.source->items(opened.source->defaultCandidate());
            added = importer::appendItems(tree, items.items).size();
        }
        const auto i1 = Clock::now();
        const double c3 = cpuSeconds();
        if (added != 200 || tree.count() != kLinks) {
            state.SkipWithError("the page did not import as 200 sections of 99 links");
            break;
        }
        importTotal += seconds(i0, i1);
        parseTotal += seconds(p0, p1);
        parseCpu += c1 - c0;
        importCpu += c3 - c2;
        state.SetIterationTime(seconds(i0, i1));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["parse_ms"] = parseTotal / n * 1e3;
    state.counters["import_ms"] = importTotal / n * 1e3;
    state.counters["ratio"] = importTotal / parseTotal;
    state.counters["parse_cpu_ms"] = parseCpu / n * 1e3;
    state.counters["import_cpu_ms"] = importCpu / n * 1e3;
    state.counters["cpu_ratio"] = importCpu / parseCpu;
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_ImportPage)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
