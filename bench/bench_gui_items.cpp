// The item area with a 10,000-item menu: selecting an item and moving it, through the view and the
// buttons, beside the same core operations without any view; and opening the menu's data file
// until the tree is shown, beside reading the same file into a project that no view watches.
// Run offscreen (the default when no platform is given).

#include "../tests/app/fakeprompter.h"
#include "app/itemeditor.h"
#include "menugen.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTreeView>

#include <filesystem>
#include <vector>

using namespace menuloom;

namespace {

constexpr int kItems = 10000;

// One project and one shown item area, built once for all benchmarks of the run.
struct Area {
    model::Project project;
    app::testing::FakePrompter prompter;
    int modified = 0;
    std::unique_ptr<app::ItemEditor> editor;

    Area() {
        bench::generateMenu(project, kItems);
        app::ItemEditorHooks hooks;
        hooks.markModified = [this] { ++modified; };
        hooks.hideValueEditor = [] {};
        hooks.workingFolder = [] { return QString("/tmp/"); };
        hooks.startFolder = [] { return QString("/tmp"); };
        editor = std::make_unique<app::ItemEditor>(project, prompter, hooks);
        editor->resize(900, 600);
        editor->show();
        editor->rebuildStyleLists();
        QCoreApplication::processEvents();
    }

    // Items spread over the whole tree, at every level.
    std::vector<model::ItemNode*> sample(int count) {
        std::vector<model::ItemNode*> all;
        project.items.forEach([&](model::ItemNode& n, int) { all.push_back(&n); });
        std::vector<model::ItemNode*> out;
        const std::size_t step = all.size() / static_cast<std::size_t>(count);
        for (std::size_t i = 0; i < all.size() && out.size() < static_cast<std::size_t>(count);
             i += step)
            out.push_back(all[i]);
        return out;
    }

    // An item in the middle of the list that has a previous sibling.
    model::ItemNode* movable() {
        model::ItemNode* root = project.items.root();
        model::ItemNode* top = root->child(root->childCount() / 2);
        return top->hasChildren() && top->childCount() > 1 ? top->child(1) : top;
    }

    // Lays out and paints the view now, as the event loop would before the user sees it.
    void paint() {
        QTreeView* tree = editor->treeView();
        tree->doItemsLayout();
        tree->viewport()->repaint();
    }
};

Area& area() {
    static Area a;
    return a;
}

void BM_SelectItem_View(benchmark::State& state) {
    Area& a = area();
    const auto items = a.sample(64);
    std::size_t i = 0;
    for (auto _ : state) {
        a.editor->selectItem(items[i++ % items.size()]);
        benchmark::DoNotOptimize(a.editor->selectedItem());
    }
    a.paint();
}
BENCHMARK(BM_SelectItem_View)->Unit(benchmark::kMicrosecond);

// Baseline: what selecting reads from the core, the item's record, converted as the panel does.
void BM_SelectItem_Core(benchmark::State& state) {
    Area& a = area();
    const auto items = a.sample(64);
    std::size_t i = 0;
    for (auto _ : state) {
        const model::TItemProps& p = items[i++ % items.size()]->props();
        QString texts[] = {QString::fromStdString(p.caption), QString::fromStdString(p.link),
                           QString::fromStdString(p.img1),    QString::fromStdString(p.img2),
                           QString::fromStdString(p.target),  QString::fromStdString(p.tip)};
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(p.itemStyle + p.smStyle);
    }
}
BENCHMARK(BM_SelectItem_Core)->Unit(benchmark::kMicrosecond);

// Each iteration is one move of the selected item, alternately up and back down, so that the
// tree stays as it was; through the buttons, with the view following every move.
void BM_MoveUp_View(benchmark::State& state) {
    Area& a = area();
    model::ItemNode* node = a.movable();
    a.editor->selectItem(node);
    auto* up = a.editor->findChild<QPushButton*>("spdItemMoveUp");
    auto* down = a.editor->findChild<QPushButton*>("spdItemMoveDown");
    bool goUp = true;
    for (auto _ : state) {
        (goUp ? up : down)->click();
        goUp = !goUp;
    }
    if (!goUp)
        down->click();
    a.paint();
}
BENCHMARK(BM_MoveUp_View)->Unit(benchmark::kMicrosecond);

// Baseline: the same moves on a project that no view watches.
void BM_MoveUp_Core(benchmark::State& state) {
    static model::Project project;
    if (project.items.empty())
        bench::generateMenu(project, kItems);
    model::ItemNode* root = project.items.root();
    model::ItemNode* top = root->child(root->childCount() / 2);
    model::ItemNode* node = top->hasChildren() && top->childCount() > 1 ? top->child(1) : top;
    bool goUp = true;
    for (auto _ : state) {
        auto r = goUp ? project.items.moveUp(node) : project.items.moveDown(node);
        benchmark::DoNotOptimize(r);
        goUp = !goUp;
    }
    if (!goUp)
        project.items.moveDown(node);
}
BENCHMARK(BM_MoveUp_Core)->Unit(benchmark::kMicrosecond);

std::string menuFile() {
    static const std::string path = [] {
        const std::string p =
            (std::filesystem::temp_directory_path() / "menuloom-bench-items.js").string();
        model::Project project;
        bench::generateMenu(project, kItems);
        output::writeDataFile(project, p, false);
        return p;
    }();
    return path;
}

// Opening the 10,000-item file until the tree is laid out and painted: the reset, the reader
// with the view detached, the one model reset and the first paint.
void BM_OpenFileShown(benchmark::State& state) {
    Area& a = area();
    const std::string path = menuFile();
    for (auto _ : state) {
        a.editor->suspendUpdates();
        a.project.reset();
        auto result = reader::readDataFile(a.project, path);
        a.editor->resumeUpdates();
        a.editor->rebuildStyleLists();
        a.paint();
        benchmark::DoNotOptimize(result);
    }
    state.counters["items"] = a.project.items.count();
}
BENCHMARK(BM_OpenFileShown)->Unit(benchmark::kMillisecond);

// Baseline: reading the same file into a project that no view watches.
void BM_OpenFileCore(benchmark::State& state) {
    const std::string path = menuFile();
    model::Project project;
    for (auto _ : state) {
        project.reset();
        auto result = reader::readDataFile(project, path);
        benchmark::DoNotOptimize(result);
    }
    state.counters["items"] = project.items.count();
}
BENCHMARK(BM_OpenFileCore)->Unit(benchmark::kMillisecond);

// Showing the tree alone: the model reset after a bulk load and the first layout and paint.
void BM_ShowTree(benchmark::State& state) {
    Area& a = area();
    for (auto _ : state) {
        state.PauseTiming();
        a.editor->suspendUpdates();
        a.paint();
        state.ResumeTiming();
        a.editor->resumeUpdates();
        a.paint();
    }
}
BENCHMARK(BM_ShowTree)->Unit(benchmark::kMillisecond);

// The same with every item expanded, the most a user can ask the view to lay out.
void BM_ShowTreeExpanded(benchmark::State& state) {
    Area& a = area();
    for (auto _ : state) {
        state.PauseTiming();
        a.editor->suspendUpdates();
        a.paint();
        state.ResumeTiming();
        a.editor->resumeUpdates();
        a.editor->treeView()->expandAll();
        a.paint();
    }
    a.editor->treeView()->collapseAll();
}
BENCHMARK(BM_ShowTreeExpanded)->Unit(benchmark::kMillisecond);

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
