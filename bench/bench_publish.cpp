// Publishing a menu into a generated site, beside copying the same tree in the same run.
// The site: pages of about 30 KB, one in four with markers, a third of them in sub-folders two
// levels down. The "ratio" counter is publishing time over copying time (the aim is at most 2).
// Argument: the number of pages (2,000; 40 for a quick smoke run with --benchmark_filter=/40).

#include "menugen.h"
#include "output/publish.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A page of about 30 KB: paragraphs of text, with the markers in the header of every fourth.
std::string pageText(int i, bool marked) {
    std::string page =
        "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<title>Page " +
        std::to_string(i) + "</title>\r\n</head>\r\n<body>\r\n<header>\r\n";
    if (marked)
        page += "  <!-- menuloom -->\r\n  <!-- /menuloom -->\r\n";
    page += "</header>\r\n<main>\r\n";
    while (page.size() < 30000)
        page +=
            "<p>Lorem ipsum dolor sit amet, <a href=\"page" + std::to_string(page.size() % 97) +
            ".html\">consectetur</a> adipiscing elit, sed do eiusmod tempor incididunt ut "
            "labore et dolore magna aliqua. <!-- a comment --> Ut enim ad minim veniam.</p>\r\n";
    return page + "</main>\r\n</body>\r\n</html>\r\n";
}

fs::path makeSite(const fs::path& root, int pages) {
    const fs::path site = root / "pristine";
    for (int i = 0; i < pages; ++i) {
        fs::path dir = site;
        if (i % 3 == 1)
            dir = site / ("section" + std::to_string(i % 10)) / "sub";
        fs::create_directories(dir);
        std::ofstream(dir / ("page" + std::to_string(i) + ".html"), std::ios::binary)
            << pageText(i, i % 4 == 0);
    }
    return site;
}

void BM_PublishSite(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const fs::path root =
        fs::temp_directory_path() / ("menuloom-bench-publish-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path pristine = makeSite(root, pages);
    const fs::path copied = root / "copied", site = root / "site";

    model::Project project;
    bench::generateMenu(project, 60, 5, 3);
    const output::PublishInput input = output::publishInputOf(project, {});

    double publishSeconds = 0, copySeconds = 0;
    std::size_t updated = 0;
    for (auto _ : state) {
        fs::remove_all(copied);
        ::sync(); // neither side pays for the other's writes
        auto start = std::chrono::steady_clock::now();
        fs::copy(pristine, copied, fs::copy_options::recursive);
        copySeconds += seconds(start);

        fs::remove_all(site);
        fs::copy(pristine, site, fs::copy_options::recursive);
        ::sync();
        start = std::chrono::steady_clock::now();
        const output::PublishResult r = output::publishSite(input, site.string());
        const double s = seconds(start);
        publishSeconds += s;
        state.SetIterationTime(s);
        updated = 0;
        for (const auto& p : r.pages)
            updated += p.action == output::PageAction::Updated;
    }
    if (updated != static_cast<std::size_t>((pages + 3) / 4))
        state.SkipWithError("not every marked page was updated");
    state.counters["ratio"] = publishSeconds / copySeconds;
    state.counters["ms_publish"] = 1e3 * publishSeconds / static_cast<double>(state.iterations());
    state.counters["ms_copy"] = 1e3 * copySeconds / static_cast<double>(state.iterations());
    fs::remove_all(root);
}

} // namespace

BENCHMARK(BM_PublishSite)->Arg(40)->Arg(2000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
