#pragma once
// The menu's item tree: nodes owning their item records, the item counter and the clipboard.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace menuloom::model {

// The record of one menu item.
struct TItemProps {
    std::string caption; // always the text shown for the node
    std::string link;
    std::string img1; // icon, normal state
    std::string img2; // icon, mouse-over state
    std::string target;
    std::string tip;
    int32_t itemStyle = -1; // position in the item style list, -1 none
    int32_t smStyle = -1;   // position in the submenu style list, -1 none

    bool operator==(const TItemProps&) const = default;
};

class ItemTree;

// A node of the tree. The invisible root has no parent; top-level items are its children.
class ItemNode {
public:
    const TItemProps& props() const { return props_; }
    ItemNode* parent() const { return parent_; } // the root for top-level items
    int row() const { return row_; }             // position among its siblings
    int childCount() const { return static_cast<int>(children_.size()); }
    ItemNode* child(int i) const { return children_[static_cast<std::size_t>(i)].get(); }
    bool hasChildren() const { return !children_.empty(); }
    bool isRoot() const { return parent_ == nullptr; }
    int level() const;                               // ancestors above it, top level is 0
    bool isInSubtreeOf(const ItemNode* other) const; // itself or a descendant of `other`
    ItemNode* nextSibling() const;
    ItemNode* previousSibling() const;

private:
    friend class ItemTree;
    TItemProps props_;
    ItemNode* parent_ = nullptr;
    int row_ = 0;
    std::vector<std::unique_ptr<ItemNode>> children_;
};

// Told about every change so that a view can follow without rebuilding. `parent` is never null:
// top-level items have the tree's root as parent.
class ItemTreeObserver {
public:
    virtual ~ItemTreeObserver() = default;
    virtual void beforeInsert(ItemNode* parent, int row) = 0;
    virtual void afterInsert(ItemNode* node) = 0;
    virtual void beforeRemove(ItemNode* node) = 0;
    virtual void afterRemove(ItemNode* parent, int row) = 0;
    // `destRow` counts in `newParent`'s children before the node leaves its old place.
    virtual void beforeMove(ItemNode* node, ItemNode* newParent, int destRow) = 0;
    virtual void afterMove(ItemNode* node) = 0;
    virtual void changed(ItemNode* node) = 0;
    virtual void beforeClear() = 0;
    virtual void afterClear() = 0;
};

// What an operation did: whether it marks the project modified, and, when `select` is set, the
// node the caller should select next (null: select nothing). Without `select` the selection stays.
struct TreeOpResult {
    bool modified = false;
    bool select = false;
    ItemNode* node = nullptr;
};

enum class ItemField { Link, Img1, Img2, Target, Tip };

// Where an item was dropped in the item list.
enum class DropZone {
    OnItem,      // on an item's text, icon or expand button: becomes its last child
    EmptySpace,  // where there is no item: becomes the last top-level item
    Indentation, // left of an item: placed just before it, under the same parent
    Elsewhere,   // nothing happens
};

class ItemTree {
public:
    ItemTree();
    ~ItemTree();
    ItemTree(const ItemTree&) = delete;
    ItemTree& operator=(const ItemTree&) = delete;

    void setObserver(ItemTreeObserver* observer) { observer_ = observer; }

    ItemNode* root() { return &root_; }
    const ItemNode* root() const { return &root_; }
    int count() const { return count_; } // every item at every level
    bool empty() const { return count_ == 0; }

    int itemCounter() const { return itemCounter_; }
    void setItemCounter(int value) { itemCounter_ = value; }

    // The common creation step: a generated name, a new last child (asChild) or last sibling of
    // `relative`, or a new last top-level item without one. Advances the item counter.
    ItemNode* addItem(ItemNode* relative, bool asChild);

    TreeOpResult addItemCommand(ItemNode* selection);    // Add Item
    TreeOpResult addSubItemCommand(ItemNode* selection); // Add SubItem
    // "InsertedItem" just before the selection; the last top-level item without one.
    TreeOpResult insertItem(ItemNode* selection);
    // Removes the selection with its subtree; `node` is the next sibling, else the previous one,
    // else the parent, else none.
    TreeOpResult deleteItem(ItemNode* selection);
    // Removes every item and sets the item counter to 0.
    void deleteAll();
    TreeOpResult moveUp(ItemNode* selection);
    TreeOpResult moveDown(ItemNode* selection);
    bool copyItem(const ItemNode* selection);
    TreeOpResult pasteItem(ItemNode* selection);
    // `target` is the item under the pointer (ignored for EmptySpace). After a move `node` is the
    // new parent (the root for top level), for the view to expand; the selection stays.
    TreeOpResult dropItem(ItemNode* dragged, DropZone zone, ItemNode* target);
    TreeOpResult rename(ItemNode* node, const std::string& text);
    TreeOpResult setField(ItemNode* node, ItemField field, const std::string& text);
    TreeOpResult setItemStyle(ItemNode* node, int32_t index);
    TreeOpResult setSmStyle(ItemNode* node, int32_t index);
    // Replaces the whole record (the reader fills new items this way).
    void setProps(ItemNode* node, TItemProps props);

    bool clipboardFilled() const { return clipboardFilled_; }
    const TItemProps& clipboard() const { return clipboard_; }
    void clearClipboard() { clipboardFilled_ = false; }

    // Visits every item in pre-order with its level.
    void forEach(const std::function<void(ItemNode&, int level)>& fn);
    void forEach(const std::function<void(const ItemNode&, int level)>& fn) const;
    // The item after `node` in pre-order, or null.
    static ItemNode* nextInTreeOrder(const ItemNode* node);

private:
    ItemNode* insertNode(ItemNode* parent, int row, TItemProps props);
    void moveNode(ItemNode* node, ItemNode* newParent, int destRow);
    void notifyChanged(ItemNode* node);
    static void destroySubtree(std::unique_ptr<ItemNode> node);

    ItemNode root_;
    int count_ = 0;
    int itemCounter_ = 0;
    TItemProps clipboard_;
    bool clipboardFilled_ = false;
    ItemTreeObserver* observer_ = nullptr;
};

} // namespace menuloom::model
