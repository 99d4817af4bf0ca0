#include "model/itemtree.h"

#include <utility>

namespace menuloom::model {

namespace {

int subtreeSize(const ItemNode* node) {
    int n = 0;
    std::vector<const ItemNode*> stack{node};
    while (!stack.empty()) {
        const ItemNode* cur = stack.back();
        stack.pop_back();
        ++n;
        for (int i = 0; i < cur->childCount(); ++i)
            stack.push_back(cur->child(i));
    }
    return n;
}

} // namespace

ItemNode::~ItemNode() {
    std::vector<OwnedNode> stack = std::move(children_);
    while (!stack.empty()) {
        OwnedNode cur = std::move(stack.back());
        stack.pop_back();
        for (auto& c : cur->children_)
            stack.push_back(std::move(c));
        cur->children_.clear();
    }
}

int ItemNode::level() const {
    int level = -1;
    for (const ItemNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

bool ItemNode::isInSubtreeOf(const ItemNode* other) const {
    for (const ItemNode* p = this; p; p = p->parent_)
        if (p == other)
            return true;
    return false;
}

ItemNode* ItemNode::nextSibling() const {
    if (!parent_ || row_ + 1 >= parent_->childCount())
        return nullptr;
    return parent_->child(row_ + 1);
}

ItemNode* ItemNode::previousSibling() const {
    if (!parent_ || row_ == 0)
        return nullptr;
    return parent_->child(row_ - 1);
}

ItemTree::ItemTree() = default;
ItemTree::~ItemTree() = default;

void ItemTree::renumberFrom(ItemNode* parent, int row) {
    auto& kids = parent->children_;
    for (int i = row; i < parent->childCount(); ++i)
        kids[static_cast<std::size_t>(i)]->row_ = i;
}

ItemNode* ItemTree::nextInTreeOrder(const ItemNode* node) {
    if (!node)
        return nullptr;
    if (node->hasChildren())
        return node->child(0);
    for (const ItemNode* p = node; p && !p->isRoot(); p = p->parent()) {
        if (ItemNode* next = p->nextSibling())
            return next;
    }
    return nullptr;
}

std::string_view withoutLevelMarks(std::string_view text) {
    const std::size_t first = text.find_first_not_of('|');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

namespace {

void dropLevelMarks(TItemProps& props) {
    if (!props.caption.empty() && props.caption.front() == '|')
        props.caption = std::string(withoutLevelMarks(props.caption));
}

} // namespace

ItemNode* ItemTree::insertNode(ItemNode* parent, int row, TItemProps props) {
    auto node = std::make_unique<ItemNode>();
    dropLevelMarks(props);
    node->props_ = std::move(props);
    return insertSubtree(parent, row, std::move(node));
}

ItemNode* ItemTree::insertSubtree(ItemNode* parent, int row, OwnedNode node) {
    if (observer_)
        observer_->beforeInsert(parent, row);
    node->parent_ = parent;
    ItemNode* raw = node.get();
    const int size = subtreeSize(raw);
    auto& kids = parent->children_;
    kids.insert(kids.begin() + row, std::move(node));
    renumberFrom(parent, row);
    count_ += size;
    if (observer_)
        observer_->afterInsert(raw);
    return raw;
}

RemovedSubtree ItemTree::takeSubtree(ItemNode* node) {
    RemovedSubtree out;
    if (!node || node->isRoot())
        return out;
    ItemNode* parent = node->parent_;
    const int row = node->row_;
    if (observer_)
        observer_->beforeRemove(node);
    count_ -= subtreeSize(node);
    out.node = std::move(parent->children_[static_cast<std::size_t>(row)]);
    parent->children_.erase(parent->children_.begin() + row);
    renumberFrom(parent, row);
    out.node->parent_ = nullptr;
    out.parent = parent;
    out.row = row;
    if (observer_)
        observer_->afterRemove(parent, row);
    return out;
}

bool ItemTree::moveNode(ItemNode* node, ItemNode* newParent, int destRow) {
    ItemNode* oldParent = node->parent_;
    const int oldRow = node->row_;
    if (oldParent == newParent && (destRow == oldRow || destRow == oldRow + 1))
        return false; // already there
    if (observer_)
        observer_->beforeMove(node, newParent, destRow);
    auto& from = oldParent->children_;
    OwnedNode owned = std::move(from[static_cast<std::size_t>(oldRow)]);
    from.erase(from.begin() + oldRow);
    renumberFrom(oldParent, oldRow);
    int insertAt = destRow;
    if (oldParent == newParent && oldRow < destRow)
        --insertAt;
    auto& to = newParent->children_;
    to.insert(to.begin() + insertAt, std::move(owned));
    node->parent_ = newParent;
    renumberFrom(newParent, insertAt);
    if (observer_)
        observer_->afterMove(node);
    return true;
}

void ItemTree::moveTo(ItemNode* node, ItemNode* parent, int row) {
    if (!node || node->isRoot() || !parent)
        return;
    // Rows after the node's own place count one more before it leaves that place.
    const int dest = (node->parent_ == parent && row > node->row_) ? row + 1 : row;
    moveNode(node, parent, dest);
}

void ItemTree::notifyChanged(ItemNode* node) {
    if (observer_)
        observer_->changed(node);
}

ItemNode* ItemTree::addItem(ItemNode* relative, bool asChild) {
    if (relative == &root_)
        relative = nullptr;
    const bool sub = asChild || (relative && !relative->parent_->isRoot());
    TItemProps props;
    props.caption = (sub ? "SubItem" : "Item") + std::to_string(itemCounter_);
    ItemNode* parent = &root_;
    if (relative)
        parent = asChild ? relative : relative->parent_;
    ItemNode* node = insertNode(parent, parent->childCount(), std::move(props));
    ++itemCounter_;
    return node;
}

TreeOpResult ItemTree::addItemCommand(ItemNode* selection) {
    ItemNode* node = addItem(selection, false);
    TreeOpResult r{true, true, true, node, node, {}};
    return r;
}

TreeOpResult ItemTree::addSubItemCommand(ItemNode* selection) {
    if (!selection)
        return {};
    ItemNode* node = addItem(selection, true);
    TreeOpResult r{true, true, true, node, node, {}};
    return r;
}

TreeOpResult ItemTree::insertItem(ItemNode* selection) {
    TItemProps props;
    props.caption = "InsertedItem";
    ItemNode* node = selection ? insertNode(selection->parent_, selection->row_, std::move(props))
                               : insertNode(&root_, root_.childCount(), std::move(props));
    TreeOpResult r;
    r.changed = r.modified = true;
    r.created = node;
    return r;
}

TreeOpResult ItemTree::deleteItem(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    ItemNode* next = selection->nextSibling();
    if (!next)
        next = selection->previousSibling();
    if (!next && !selection->parent_->isRoot())
        next = selection->parent_;
    TreeOpResult r;
    r.changed = r.modified = r.select = true;
    r.node = next;
    r.removed = takeSubtree(selection);
    return r;
}

std::vector<OwnedNode> ItemTree::takeAll() {
    if (observer_)
        observer_->beforeReset();
    std::vector<OwnedNode> kids = std::move(root_.children_);
    root_.children_.clear();
    for (auto& c : kids)
        c->parent_ = nullptr;
    count_ = 0;
    itemCounter_ = 0;
    if (observer_)
        observer_->afterReset();
    return kids;
}

void ItemTree::restoreAll(std::vector<OwnedNode> nodes) {
    if (observer_)
        observer_->beforeReset();
    for (auto& c : nodes) {
        c->parent_ = &root_;
        count_ += subtreeSize(c.get());
        root_.children_.push_back(std::move(c));
    }
    renumberFrom(&root_, 0);
    if (observer_)
        observer_->afterReset();
}

void ItemTree::deleteAll() {
    takeAll(); // the subtrees go when the returned list does
}

TreeOpResult ItemTree::moveUp(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    bool moved = false;
    if (ItemNode* prev = selection->previousSibling())
        moved = moveNode(selection, selection->parent_, prev->row_);
    else if (!selection->parent_->isRoot())
        moved = moveNode(selection, selection->parent_->parent_, selection->parent_->row_);
    TreeOpResult r;
    r.changed = moved;
    r.modified = true;
    return r;
}

TreeOpResult ItemTree::moveDown(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    bool moved = false;
    if (selection->nextSibling()) {
        moved = moveNode(selection, selection->parent_, selection->row_ + 2);
    } else if (!selection->hasChildren()) {
        // The item after it in tree order lies beyond its parent: go up past that ancestor.
        ItemNode* target = nextInTreeOrder(selection);
        if (target)
            moved = moveNode(selection, target->parent_, target->row_);
    }
    TreeOpResult r;
    r.changed = moved;
    r.modified = true;
    return r;
}

bool ItemTree::copyItem(const ItemNode* selection) {
    if (!selection || selection->isRoot())
        return false;
    clipboard_ = selection->props_;
    clipboardFilled_ = true;
    return true;
}

TreeOpResult ItemTree::pasteItem(ItemNode* selection) {
    if (!selection || selection->isRoot() || !clipboardFilled_)
        return {};
    ItemNode* parent = selection->parent_;
    TreeOpResult r;
    r.changed = r.modified = true;
    r.created = insertNode(parent, parent->childCount(), clipboard_);
    return r;
}

TreeOpResult ItemTree::dropItem(ItemNode* dragged, DropZone zone, ItemNode* target) {
    if (!dragged || dragged->isRoot())
        return {};
    ItemNode* parent = nullptr;
    int destRow = 0;
    switch (zone) {
    case DropZone::OnItem:
        if (!target || target->isRoot() || target->isInSubtreeOf(dragged))
            return {};
        parent = target;
        destRow = target->childCount();
        break;
    case DropZone::EmptySpace:
        parent = &root_;
        destRow = root_.childCount();
        break;
    case DropZone::Indentation:
        if (!target || target->isRoot() || target->isInSubtreeOf(dragged))
            return {};
        parent = target->parent_;
        destRow = target->row_;
        break;
    case DropZone::Elsewhere:
        return {};
    }
    TreeOpResult r;
    r.changed = moveNode(dragged, parent, destRow);
    r.modified = true;
    r.node = parent;
    return r;
}

void setItemField(TItemProps& props, ItemField field, const std::string& text) {
    switch (field) {
    case ItemField::Link:
        props.link = text;
        break;
    case ItemField::Img1:
        props.img1 = text;
        break;
    case ItemField::Img2:
        props.img2 = text;
        break;
    case ItemField::Target:
        props.target = text;
        break;
    case ItemField::Tip:
        props.tip = text;
        break;
    }
}

template <typename Edit> TreeOpResult ItemTree::editProps(ItemNode* node, Edit&& edit) {
    if (!node || node->isRoot())
        return {};
    TItemProps props = node->props_;
    edit(props);
    TreeOpResult r;
    r.changed = replaceProps(node, std::move(props)) != node->props_;
    r.modified = true;
    return r;
}

TreeOpResult ItemTree::rename(ItemNode* node, const std::string& text) {
    return editProps(node, [&](TItemProps& p) { p.caption = text; });
}

TreeOpResult ItemTree::setField(ItemNode* node, ItemField field, const std::string& text) {
    return editProps(node, [&](TItemProps& p) { setItemField(p, field, text); });
}

TreeOpResult ItemTree::setItemStyle(ItemNode* node, int32_t index) {
    return editProps(node, [&](TItemProps& p) { p.itemStyle = index; });
}

TreeOpResult ItemTree::setSmStyle(ItemNode* node, int32_t index) {
    return editProps(node, [&](TItemProps& p) { p.smStyle = index; });
}

void ItemTree::setProps(ItemNode* node, TItemProps props) {
    replaceProps(node, std::move(props));
}

TItemProps ItemTree::replaceProps(ItemNode* node, TItemProps props) {
    if (!node || node->isRoot())
        return props;
    dropLevelMarks(props);
    TItemProps old = std::exchange(node->props_, std::move(props));
    notifyChanged(node);
    return old;
}

void ItemTree::forEach(const std::function<void(ItemNode&, int level)>& fn) {
    int level = 0;
    ItemNode* cur = root_.hasChildren() ? root_.child(0) : nullptr;
    while (cur) {
        fn(*cur, level);
        if (cur->hasChildren()) {
            cur = cur->child(0);
            ++level;
            continue;
        }
        while (cur && !cur->isRoot() && !cur->nextSibling()) {
            cur = cur->parent_;
            --level;
        }
        cur = (cur && !cur->isRoot()) ? cur->nextSibling() : nullptr;
    }
}

void ItemTree::forEach(const std::function<void(const ItemNode&, int level)>& fn) const {
    const_cast<ItemTree*>(this)->forEach([&](ItemNode& n, int level) { fn(n, level); });
}

} // namespace menuloom::model
