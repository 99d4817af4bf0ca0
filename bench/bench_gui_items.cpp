// The item area with a 10,000-item menu: selecting an item and moving it, through the view and the
// buttons, beside the same core operations without any view; opening the menu's data file
// until the tree is shown, beside reading the same file into a project that no view watches; and
// the undo and redo of "Delete All" beside "Delete All" itself.
// Run offscreen (the default when no platform is given).

#include "../tests/app/fakeprompter.h"
#include "app/itemeditor.h"
#include "doc/document.h"
#include "menugen.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTreeView>
#include <QUndoStack>

#include <filesystem>
#include <vector>

using namespace menuloom;

namespace {

const int kItems = bench::scaled(10000);

// One project and one shown item area, built once for all benchmarks of the run.
struct Area {
    doc::Document document;
    model::Project& project = document.mutableProject();
    app::testing::FakePrompter prompter;
    std::unique_ptr<app::ItemEditor> editor;

    Area() {
        document.replaceProject([](model::Project& p) { bench::generateMenu(p, kItems); });
        project.workingFolder = "/tmp/";
        editor = std::make_unique<app::ItemEditor>(document, prompter, "/tmp");
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

// Built on first use; it must go before the application object does.
std::unique_ptr<Area>& areaSlot() {
    static std::unique_ptr<Area> a;
    return a;
}

Area& area() {
    if (!areaSlot())
        areaSlot() = std::make_unique<Area>();
    return *areaSlot();
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
// while the view waits, the one model reset and the first paint.
void BM_OpenFileShown(benchmark::State& state) {
    Area& a = area();
    const std::string path = menuFile();
    for (auto _ : state) {
        reader::ReadResult result;
        a.document.replaceProject([&](model::Project& p) {
            p.reset();
            result = reader::readDataFile(p, path);
        });
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
        a.document.replaceProject([](model::Project&) {});
        a.paint();
    }
}
BENCHMARK(BM_ShowTree)->Unit(benchmark::kMillisecond);

// The same with every item expanded, the most a user can ask the view to lay out.
void BM_ShowTreeExpanded(benchmark::State& state) {
    Area& a = area();
    for (auto _ : state) {
        a.document.replaceProject([](model::Project&) {});
        a.editor->treeView()->expandAll();
        a.paint();
    }
    a.editor->treeView()->collapseAll();
}
BENCHMARK(BM_ShowTreeExpanded)->Unit(benchmark::kMillisecond);

// "Delete All" on the 10,000-item menu as the user runs it (the step pushed, the view reset and
// painted), and the undo and redo of that step, which must not cost much more.
void BM_DeleteAll(benchmark::State& state) {
    Area& a = area();
    QUndoStack* stack = a.document.undoStack();
    for (auto _ : state) {
        a.document.deleteAllItems();
        a.paint();
        state.PauseTiming();
        stack->undo();
        a.paint();
        state.ResumeTiming();
    }
    state.counters["items"] = a.project.items.count();
}
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond);

void BM_UndoDeleteAll(benchmark::State& state) {
    Area& a = area();
    QUndoStack* stack = a.document.undoStack();
    for (auto _ : state) {
        state.PauseTiming();
        a.document.deleteAllItems();
        a.paint();
        state.ResumeTiming();
        stack->undo();
        a.paint();
    }
    state.counters["items"] = a.project.items.count();
}
BENCHMARK(BM_UndoDeleteAll)->Unit(benchmark::kMillisecond);

void BM_RedoDeleteAll(benchmark::State& state) {
    Area& a = area();
    QUndoStack* stack = a.document.undoStack();
    a.document.deleteAllItems();
    stack->undo();
    for (auto _ : state) {
        stack->redo();
        a.paint();
        state.PauseTiming();
        stack->undo();
        a.paint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RedoDeleteAll)->Unit(benchmark::kMillisecond);

// Undo of one field edit of an item in the middle of the menu, shown in the item panel: the step
// and everything the views do on hearing of it (their painting follows in the event loop).
void BM_UndoFieldEdit(benchmark::State& state) {
    Area& a = area();
    QUndoStack* stack = a.document.undoStack();
    model::ItemNode* node = a.movable();
    a.editor->selectItem(node);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        a.document.setItemField(node, model::ItemField::Link, "page" + std::to_string(++n));
        state.ResumeTiming();
        stack->undo();
    }
}
BENCHMARK(BM_UndoFieldEdit)->Unit(benchmark::kMicrosecond);

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
    areaSlot().reset();
    return 0;
}
