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

ItemTree::~ItemTree() {
    auto kids = std::move(root_.children_);
    for (auto& c : kids)
        destroySubtree(std::move(c));
}

void ItemTree::destroySubtree(std::unique_ptr<ItemNode> node) {
    // Deep trees (a file may nest thousands of levels) must not be torn down recursively.
    std::vector<std::unique_ptr<ItemNode>> stack;
    stack.push_back(std::move(node));
    while (!stack.empty()) {
        auto cur = std::move(stack.back());
        stack.pop_back();
        for (auto& c : cur->children_)
            stack.push_back(std::move(c));
        cur->children_.clear();
    }
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

ItemNode* ItemTree::insertNode(ItemNode* parent, int row, TItemProps props) {
    if (observer_)
        observer_->beforeInsert(parent, row);
    auto node = std::make_unique<ItemNode>();
    node->props_ = std::move(props);
    node->parent_ = parent;
    ItemNode* raw = node.get();
    auto& kids = parent->children_;
    kids.insert(kids.begin() + row, std::move(node));
    for (int i = row; i < parent->childCount(); ++i)
        kids[static_cast<std::size_t>(i)]->row_ = i;
    ++count_;
    if (observer_)
        observer_->afterInsert(raw);
    return raw;
}

void ItemTree::moveNode(ItemNode* node, ItemNode* newParent, int destRow) {
    ItemNode* oldParent = node->parent_;
    const int oldRow = node->row_;
    if (oldParent == newParent && (destRow == oldRow || destRow == oldRow + 1))
        return; // already there
    if (observer_)
        observer_->beforeMove(node, newParent, destRow);
    auto& from = oldParent->children_;
    std::unique_ptr<ItemNode> owned = std::move(from[static_cast<std::size_t>(oldRow)]);
    from.erase(from.begin() + oldRow);
    for (int i = oldRow; i < oldParent->childCount(); ++i)
        from[static_cast<std::size_t>(i)]->row_ = i;
    int insertAt = destRow;
    if (oldParent == newParent && oldRow < destRow)
        --insertAt;
    auto& to = newParent->children_;
    to.insert(to.begin() + insertAt, std::move(owned));
    node->parent_ = newParent;
    for (int i = insertAt; i < newParent->childCount(); ++i)
        to[static_cast<std::size_t>(i)]->row_ = i;
    if (observer_)
        observer_->afterMove(node);
}

void ItemTree::notifyChanged(ItemNode* node) {
    if (observer_)
        observer_->changed(node);
}

ItemNode* ItemTree::addItem(ItemNode* relative, bool asChild) {
    if (relative == &root_)
        relative = nullptr;
    const bool sub = asChild || (relative && relative->level() > 0);
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
    return {true, true, addItem(selection, false)};
}

TreeOpResult ItemTree::addSubItemCommand(ItemNode* selection) {
    if (!selection)
        return {};
    return {true, true, addItem(selection, true)};
}

TreeOpResult ItemTree::insertItem(ItemNode* selection) {
    TItemProps props;
    props.caption = "InsertedItem";
    if (selection)
        insertNode(selection->parent_, selection->row_, std::move(props));
    else
        insertNode(&root_, root_.childCount(), std::move(props));
    return {true, false, nullptr};
}

TreeOpResult ItemTree::deleteItem(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    ItemNode* next = selection->nextSibling();
    if (!next)
        next = selection->previousSibling();
    if (!next && !selection->parent_->isRoot())
        next = selection->parent_;
    ItemNode* parent = selection->parent_;
    const int row = selection->row_;
    if (observer_)
        observer_->beforeRemove(selection);
    count_ -= subtreeSize(selection);
    std::unique_ptr<ItemNode> owned = std::move(parent->children_[static_cast<std::size_t>(row)]);
    parent->children_.erase(parent->children_.begin() + row);
    for (int i = row; i < parent->childCount(); ++i)
        parent->children_[static_cast<std::size_t>(i)]->row_ = i;
    destroySubtree(std::move(owned));
    if (observer_)
        observer_->afterRemove(parent, row);
    return {true, true, next};
}

void ItemTree::deleteAll() {
    if (observer_)
        observer_->beforeClear();
    auto kids = std::move(root_.children_);
    root_.children_.clear();
    for (auto& c : kids)
        destroySubtree(std::move(c));
    count_ = 0;
    itemCounter_ = 0;
    if (observer_)
        observer_->afterClear();
}

TreeOpResult ItemTree::moveUp(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    if (ItemNode* prev = selection->previousSibling())
        moveNode(selection, selection->parent_, prev->row_);
    else if (!selection->parent_->isRoot())
        moveNode(selection, selection->parent_->parent_, selection->parent_->row_);
    return {true, false, nullptr};
}

TreeOpResult ItemTree::moveDown(ItemNode* selection) {
    if (!selection || selection->isRoot())
        return {};
    if (selection->nextSibling()) {
        moveNode(selection, selection->parent_, selection->row_ + 2);
    } else if (!selection->hasChildren()) {
        // The item after it in tree order lies beyond its parent: go up past that ancestor.
        ItemNode* target = nextInTreeOrder(selection);
        if (target)
            moveNode(selection, target->parent_, target->row_);
    }
    return {true, false, nullptr};
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
    insertNode(parent, parent->childCount(), clipboard_);
    return {true, false, nullptr};
}

TreeOpResult ItemTree::dropItem(ItemNode* dragged, DropZone zone, ItemNode* target) {
    if (!dragged || dragged->isRoot())
        return {};
    switch (zone) {
    case DropZone::OnItem:
        if (!target || target->isRoot() || target->isInSubtreeOf(dragged))
            return {};
        moveNode(dragged, target, target->childCount());
        return {true, false, target};
    case DropZone::EmptySpace:
        moveNode(dragged, &root_, root_.childCount());
        return {true, false, &root_};
    case DropZone::Indentation:
        if (!target || target->isRoot() || target->isInSubtreeOf(dragged))
            return {};
        {
            ItemNode* parent = target->parent_;
            moveNode(dragged, parent, target->row_);
            return {true, false, parent};
        }
    case DropZone::Elsewhere:
        break;
    }
    return {};
}

TreeOpResult ItemTree::rename(ItemNode* node, const std::string& text) {
    if (!node || node->isRoot())
        return {};
    node->props_.caption = text;
    notifyChanged(node);
    return {true, false, nullptr};
}

TreeOpResult ItemTree::setField(ItemNode* node, ItemField field, const std::string& text) {
    if (!node || node->isRoot())
        return {};
    TItemProps& p = node->props_;
    switch (field) {
    case ItemField::Link:
        p.link = text;
        break;
    case ItemField::Img1:
        p.img1 = text;
        break;
    case ItemField::Img2:
        p.img2 = text;
        break;
    case ItemField::Target:
        p.target = text;
        break;
    case ItemField::Tip:
        p.tip = text;
        break;
    }
    notifyChanged(node);
    return {true, false, nullptr};
}

TreeOpResult ItemTree::setItemStyle(ItemNode* node, int32_t index) {
    if (!node || node->isRoot())
        return {};
    node->props_.itemStyle = index;
    notifyChanged(node);
    return {true, false, nullptr};
}

TreeOpResult ItemTree::setSmStyle(ItemNode* node, int32_t index) {
    if (!node || node->isRoot())
        return {};
    node->props_.smStyle = index;
    notifyChanged(node);
    return {true, false, nullptr};
}

void ItemTree::setProps(ItemNode* node, TItemProps props) {
    if (!node || node->isRoot())
        return;
    node->props_ = std::move(props);
    notifyChanged(node);
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
