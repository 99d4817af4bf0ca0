#pragma once
// Undoable steps that bring imported items into the tree.

#include "doc/commands/documentcommand.h"

#include <vector>

namespace menuloom::doc {

// Every item replaced by imported ones. The step swaps the two sets of top-level subtrees (the
// one out of the tree is held here) with their item counters.
class ReplaceItemsCommand : public DocumentCommand {
public:
    ReplaceItemsCommand(Document& document, const QString& text,
                        std::vector<model::OwnedNode> before, int counterBefore);

protected:
    void applyRedo() override { swap(); }
    void applyUndo() override { swap(); }
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override { return first_; }

private:
    void swap();

    std::vector<model::OwnedNode> other_; // the set that is not in the tree
    int otherCounter_;
    model::ItemNode* first_; // the first imported item
};

// Imported items added after the last top-level item.
class AddItemsCommand : public DocumentCommand {
public:
    AddItemsCommand(Document& document, const QString& text, std::vector<model::ItemNode*> added,
                    int counterBefore);

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override {
        return added_.empty() ? nullptr : added_.front();
    }

private:
    std::vector<model::ItemNode*> added_;
    std::vector<model::RemovedSubtree> removed_; // while undone
    int counterBefore_;
    int counterAfter_;
};

} // namespace menuloom::doc
