// The property grid: a full repaint of its 60 rows, and the opening of each kind of value editor
// (shown and painted, then closed), beside an empty paint of a plain widget of the same size.
// Run offscreen (the default when no platform is given).

#include "../tests/app/fakeprompter.h"
#include "doc/document.h"
#include "ui/props/dgprops.h"
#include "ui/props/valueeditors.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QVBoxLayout>

using namespace menuloom;

namespace {

struct Grid {
    doc::Document document;
    app::testing::FakePrompter prompter;
    QWidget host;
    ui::DGProps* grid = nullptr;
    ui::ValueEditors* editors = nullptr;
    QWidget blank; // same size as the grid's viewport, paints only its background

    Grid() {
        auto* layout = new QVBoxLayout(&host);
        grid = new ui::DGProps(document, &host);
        layout->addWidget(grid);
        host.resize(420, 60 * ui::DGProps::kRowHeight + 8);
        editors = new ui::ValueEditors(document, prompter, *grid, &host, "/tmp/");
        // Values that every editor can show: a path, a colour, colours in a list.
        auto set = [this](const char* name, auto&& change) {
            const int row = model::findParam(document.project().params, name);
            model::TPropType v = document.project().params[static_cast<std::size_t>(row)];
            change(v);
            document.setParam(row, v);
        };
        set("moveImage", [](auto& v) { v.text = "img/move.gif"; });
        set("menuBackColor", [](auto& v) { v.num = 0x336699; });
        set("fontColor", [](auto& v) { v.intList = {0x101010, 0xFF8000}; });
        host.show();
        blank.setAutoFillBackground(true);
        blank.resize(grid->viewport()->size());
        blank.show();
        QCoreApplication::processEvents();
    }
};

Grid& grid() {
    static Grid* g = new Grid; // lives until the end of the run, as the window does
    return *g;
}

void BM_EmptyPaint(benchmark::State& state) {
    Grid& g = grid();
    for (auto _ : state)
        g.blank.repaint();
}
BENCHMARK(BM_EmptyPaint)->Unit(benchmark::kMicrosecond);

void BM_GridRepaint(benchmark::State& state) {
    Grid& g = grid();
    for (auto _ : state)
        g.grid->viewport()->repaint();
    state.counters["rows"] = g.grid->model()->rowCount();
}
BENCHMARK(BM_GridRepaint)->Unit(benchmark::kMicrosecond);

void BM_OpenEditor(benchmark::State& state, const char* name) {
    Grid& g = grid();
    const int row = model::findParam(g.document.project().params, name);
    for (auto _ : state) {
        g.editors->open(row);
        if (QWidget* panel = g.editors->openEditor())
            panel->repaint();
        g.editors->hideValueEditor();
    }
}
BENCHMARK_CAPTURE(BM_OpenEditor, bool, "isHorizontal")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, int, "itemBorderWidth")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, img, "moveImage")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, color, "menuBackColor")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, colorArray, "fontColor")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, fontDecorArray, "fontDecoration")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, borderStyleArray, "itemBorderStyle")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, alignment, "itemAlign")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, percents, "transparency")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, transition, "transition")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenEditor, strs, "statusString")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
