#include "doc/commands/itemcommands.h"

namespace menuloom::doc {

using model::ItemNode;

CreateItemCommand::CreateItemCommand(Document& document, const QString& text, ItemNode* created,
                                     int counterBefore, ItemNode* selectionBefore)
    : DocumentCommand(document, text), node_(created), counterBefore_(counterBefore),
      counterAfter_(project().items.itemCounter()), selectionBefore_(selectionBefore) {}

void CreateItemCommand::applyRedo() {
    auto& items = project().items;
    items.insertSubtree(removed_.parent, removed_.row, std::move(removed_.node));
    items.setItemCounter(counterAfter_);
}

void CreateItemCommand::applyUndo() {
    auto& items = project().items;
    removed_ = items.takeSubtree(node_);
    items.setItemCounter(counterBefore_);
}

RemoveItemCommand::RemoveItemCommand(Document& document, model::RemovedSubtree removed,
                                     ItemNode* selectionAfter)
    : DocumentCommand(document, QStringLiteral("Delete Item")), removed_(std::move(removed)),
      node_(removed_.node.get()), selectionAfter_(selectionAfter) {}

void RemoveItemCommand::applyRedo() {
    removed_ = project().items.takeSubtree(node_);
}

void RemoveItemCommand::applyUndo() {
    project().items.insertSubtree(removed_.parent, removed_.row, std::move(removed_.node));
}

DeleteAllItemsCommand::DeleteAllItemsCommand(Document& document,
                                             std::vector<model::OwnedNode> nodes, int counterBefore)
    : DocumentCommand(document, QStringLiteral("Delete All")), nodes_(std::move(nodes)),
      counterBefore_(counterBefore) {}

void DeleteAllItemsCommand::applyRedo() {
    nodes_ = project().items.takeAll();
}

void DeleteAllItemsCommand::applyUndo() {
    auto& items = project().items;
    items.restoreAll(std::move(nodes_));
    nodes_.clear();
    items.setItemCounter(counterBefore_);
}

MoveItemCommand::MoveItemCommand(Document& document, const QString& text, ItemNode* node,
                                 ItemNode* fromParent, int fromRow)
    : DocumentCommand(document, text), node_(node), fromParent_(fromParent), fromRow_(fromRow),
      toParent_(node->parent()), toRow_(node->row()) {}

void MoveItemCommand::applyRedo() {
    project().items.moveTo(node_, toParent_, toRow_);
}

void MoveItemCommand::applyUndo() {
    project().items.moveTo(node_, fromParent_, fromRow_);
}

ItemPropsCommand::ItemPropsCommand(Document& document, const QString& text, ItemNode* node,
                                   model::TItemProps before, model::TItemProps after, int field,
                                   int session)
    : DocumentCommand(document, text), node_(node), before_(std::move(before)),
      after_(std::move(after)), field_(field), session_(session) {}

int ItemPropsCommand::id() const {
    return session_ != 0 && field_ >= 0 ? kItemPropsId : -1;
}

bool ItemPropsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ItemPropsCommand*>(other);
    if (next->node_ != node_ || next->field_ != field_ || next->session_ != session_)
        return false;
    after_ = next->after_;
    // Typed back to where it began: the step leaves the history.
    setObsolete(after_ == before_);
    return true;
}

void ItemPropsCommand::applyRedo() {
    project().items.replaceProps(node_, after_);
}

void ItemPropsCommand::applyUndo() {
    project().items.replaceProps(node_, before_);
}

} // namespace menuloom::doc
