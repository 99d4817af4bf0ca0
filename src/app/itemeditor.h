#pragma once
// The item area of the main window: the "Menu Items" tree, the "Item Operations" buttons and the
// "Item Properties" panel, all working on the project's item tree through core operations.

#include "model/project.h"

#include <QWidget>
#include <functional>
#include <memory>

class QTreeView;

namespace menuloom::app {

class Prompter;

// `path` without its leading working folder when it lies inside it (compared ignoring case);
// otherwise `path` unchanged. The folder may come with or without its trailing "/".
QString makeRelativeToWorkingFolder(const QString& path, const QString& workingFolder);

// What the item area needs from the window around it.
struct ItemEditorHooks {
    std::function<void()> markModified;     // the project changed
    std::function<void()> hideValueEditor;  // close an open property value editor first
    std::function<QString()> workingFolder; // with its trailing "/"
    std::function<QString()> startFolder;   // current folder when the main window was created
};

class ItemEditor : public QWidget {
    Q_OBJECT
public:
    ItemEditor(model::Project& project, Prompter& prompter, ItemEditorHooks hooks,
               QWidget* parent = nullptr);
    ~ItemEditor() override;

    // Refills "Item Style:" and "Submenu Style:" from the style names ("[none]" first) and
    // selects the selected item's entries (after reading a file, a reset, or a style dialog).
    void rebuildStyleLists();
    // The item selected in the tree, or null.
    model::ItemNode* selectedItem() const;
    void selectItem(model::ItemNode* node);
    QTreeView* treeView() const;
    // Around a bulk change of the tree (reading a file): the view stops following each change and
    // shows the whole new tree once at the end.
    void suspendUpdates();
    void resumeUpdates();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace menuloom::app
