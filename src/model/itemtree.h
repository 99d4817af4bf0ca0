#pragma once
// The menu's item tree: nodes owning their item records, the item counter and the clipboard.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
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
// A node owns its subtree; a subtree taken out of the tree (for undo) stays whole until it is put
// back or destroyed.
class ItemNode {
public:
    ItemNode() = default;
    ~ItemNode(); // tears the subtree down without recursion: files may nest thousands of levels
    ItemNode(const ItemNode&) = delete;
    ItemNode& operator=(const ItemNode&) = delete;

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

using OwnedNode = std::unique_ptr<ItemNode>;

// Told about every change so that a view can follow without rebuilding. `parent` is never null:
// top-level items have the tree's root as parent. Inserted and removed nodes come with their
// whole subtrees.
class ItemTreeObserver {
public:
    virtual ~ItemTreeObserver() = default;
    virtual void beforeInsert(ItemNode* parent, int row) { (void)parent, (void)row; }
    virtual void afterInsert(ItemNode* node) { (void)node; }
    virtual void beforeRemove(ItemNode* node) { (void)node; }
    virtual void afterRemove(ItemNode* parent, int row) { (void)parent, (void)row; }
    // `destRow` counts in `newParent`'s children before the node leaves its old place.
    virtual void beforeMove(ItemNode* node, ItemNode* newParent, int destRow) {
        (void)node, (void)newParent, (void)destRow;
    }
    virtual void afterMove(ItemNode* node) { (void)node; }
    virtual void changed(ItemNode* node) { (void)node; }
    // The whole tree is replaced at once (Delete All and its undo).
    virtual void beforeReset() {}
    virtual void afterReset() {}
};

// A subtree taken out of the tree, with the place it came from, so that it can be put back.
struct RemovedSubtree {
    OwnedNode node;
    ItemNode* parent = nullptr;
    int row = 0;
};

// What an operation did. `changed`: the tree is different; `modified`: the operation marks the
// project modified (Move Up marks it even when nothing moves). When `select` is set, `node` is the
// node the caller should select next (null: select nothing); without it the selection stays.
// `created` is a node the operation made; `removed` what it took out.
struct TreeOpResult {
    bool changed = false;
    bool modified = false;
    bool select = false;
    ItemNode* node = nullptr;
    ItemNode* created = nullptr;
    RemovedSubtree removed;
};

enum class ItemField { Link, Img1, Img2, Target, Tip };

// Sets one text field of an item record.
void setItemField(TItemProps& props, ItemField field, const std::string& text);

// An item text without the "|" characters it begins with. The data file marks a sub-item's level
// with leading "|"s, so a text beginning with one would come back as a deeper item: the tree
// stores every item text through this, whichever way it arrives.
std::string_view withoutLevelMarks(std::string_view text);

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
    // Takes the selection with its subtree out of the tree into `removed`; `node` is the next
    // sibling, else the previous one, else the parent, else none.
    TreeOpResult deleteItem(ItemNode* selection);
    // Removes every item and sets the item counter to 0.
    void deleteAll();
    // Delete All that keeps what it removes: the top-level subtrees in order (counter to 0).
    std::vector<OwnedNode> takeAll();
    // Puts subtrees taken by takeAll back as the whole tree (the tree must be empty).
    void restoreAll(std::vector<OwnedNode> nodes);
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
    // Replaces the record and returns the old one.
    TItemProps replaceProps(ItemNode* node, TItemProps props);

    // The reversible primitives that undo is built on.
    // Takes `node` with its subtree out; the tree no longer counts it.
    RemovedSubtree takeSubtree(ItemNode* node);
    // Puts a subtree back as child `row` of `parent`.
    ItemNode* insertSubtree(ItemNode* parent, int row, OwnedNode node);
    // Moves `node` so that it becomes child `row` of `parent` (counted after the move).
    void moveTo(ItemNode* node, ItemNode* parent, int row);

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
    // Returns whether the node moved.
    bool moveNode(ItemNode* node, ItemNode* newParent, int destRow);
    void notifyChanged(ItemNode* node);
    // Changes a copy of the record and puts it in place; changed when it differs.
    template <typename Edit> TreeOpResult editProps(ItemNode* node, Edit&& edit);
    static void renumberFrom(ItemNode* parent, int row);

    ItemNode root_;
    int count_ = 0;
    int itemCounter_ = 0;
    TItemProps clipboard_;
    bool clipboardFilled_ = false;
    ItemTreeObserver* observer_ = nullptr;
};

} // namespace menuloom::model
