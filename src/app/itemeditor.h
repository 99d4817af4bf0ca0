#pragma once
// The item area of the main window: the "Menu Items" tree, the "Item Operations" buttons and the
// "Item Properties" panel, all changing the project through the document.

#include "model/project.h"

#include <QWidget>
#include <memory>
#include <span>

class QMenu;
class QTreeView;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class ItemEditor : public QWidget {
    Q_OBJECT
public:
    // `startFolder`: where the image dialog starts (the current folder when the main window was
    // created).
    ItemEditor(Document& document, Prompter& prompter, QString startFolder,
               QWidget* parent = nullptr);
    ~ItemEditor() override;

    // Refills "Item Style:" and "Submenu Style:" from the style names ("[none]" first) and
    // selects the selected item's entries (after reading a file, a reset, a change of the lists).
    void rebuildStyleLists();
    // The item selected in the tree, or null.
    model::ItemNode* selectedItem() const;
    void selectItem(model::ItemNode* node);
    // Selects the item at `rows`, its child rows from the top level down; false (and nothing
    // selected anew) when there is no such item.
    bool selectItemAt(std::span<const int> rows);
    QTreeView* treeView() const;
    // Adds the item operations to `menu` with their keys: Delete, Insert, Ctrl+Up and Ctrl+Down
    // while the focus is in the item area, Ctrl+C and Ctrl+V while it is in the tree, and F2 to
    // the "Text:" field anywhere in the window.
    void addEditActions(QMenu* menu);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace menuloom::app
