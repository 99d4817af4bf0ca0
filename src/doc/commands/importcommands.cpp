#include "doc/commands/importcommands.h"

namespace menuloom::doc {

ReplaceItemsCommand::ReplaceItemsCommand(Document& document, const QString& text,
                                         std::vector<model::OwnedNode> before, int counterBefore)
    : DocumentCommand(document, text), other_(std::move(before)), otherCounter_(counterBefore),
      first_(project().items.root()->childCount() > 0 ? project().items.root()->child(0)
                                                      : nullptr) {}

void ReplaceItemsCommand::swap() {
    auto& items = project().items;
    const int counter = items.itemCounter();
    std::vector<model::OwnedNode> current = items.takeAll();
    items.restoreAll(std::move(other_));
    other_ = std::move(current);
    items.setItemCounter(otherCounter_);
    otherCounter_ = counter;
}

AddItemsCommand::AddItemsCommand(Document& document, const QString& text,
                                 std::vector<model::ItemNode*> added, int counterBefore)
    : DocumentCommand(document, text), added_(std::move(added)), counterBefore_(counterBefore),
      counterAfter_(project().items.itemCounter()) {}

void AddItemsCommand::applyRedo() {
    auto& items = project().items;
    // Back in their places, first to last.
    for (auto it = removed_.rbegin(); it != removed_.rend(); ++it)
        items.insertSubtree(it->parent, it->row, std::move(it->node));
    removed_.clear();
    items.setItemCounter(counterAfter_);
}

void AddItemsCommand::applyUndo() {
    auto& items = project().items;
    // Last to first, so that every place recorded is still the place to put it back.
    for (auto it = added_.rbegin(); it != added_.rend(); ++it)
        removed_.push_back(items.takeSubtree(*it));
    items.setItemCounter(counterBefore_);
}

} // namespace menuloom::doc
