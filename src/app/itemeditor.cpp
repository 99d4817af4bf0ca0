#include "app/itemeditor.h"

#include <QTreeView>
#include <QVBoxLayout>

namespace menuloom::app {

struct ItemEditor::Private {
    model::Project& project;
    Prompter& prompter;
    ItemEditorHooks hooks;
    QTreeView* tree = nullptr;
};

ItemEditor::ItemEditor(model::Project& project, Prompter& prompter, ItemEditorHooks hooks,
                       QWidget* parent)
    : QWidget(parent), d(new Private{project, prompter, std::move(hooks)}) {
    auto* layout = new QVBoxLayout(this);
    d->tree = new QTreeView(this);
    d->tree->setObjectName("tvItems");
    layout->addWidget(d->tree);
}

ItemEditor::~ItemEditor() = default;

void ItemEditor::rebuildStyleLists() {}
model::ItemNode* ItemEditor::selectedItem() const {
    return nullptr;
}
void ItemEditor::selectItem(model::ItemNode*) {}
QTreeView* ItemEditor::treeView() const {
    return d->tree;
}

} // namespace menuloom::app
