#pragma once
// Undoable steps on the item tree.

#include "doc/commands/documentcommand.h"

namespace menuloom::doc {

// A node that an operation created (Add Item, Add SubItem, Insert Item, Paste Item).
class CreateItemCommand : public DocumentCommand {
public:
    CreateItemCommand(Document& document, const QString& text, model::ItemNode* created,
                      int counterBefore, model::ItemNode* selectionBefore);

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override { return node_; }
    model::ItemNode* selectAfterUndo() const override { return selectionBefore_; }

private:
    model::ItemNode* node_;
    model::RemovedSubtree removed_; // while undone
    int counterBefore_;
    int counterAfter_;
    model::ItemNode* selectionBefore_;
};

// A subtree that Delete Item took out; the command owns it until it is put back.
class RemoveItemCommand : public DocumentCommand {
public:
    RemoveItemCommand(Document& document, model::RemovedSubtree removed,
                      model::ItemNode* selectionAfter);

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override { return selectionAfter_; }
    model::ItemNode* selectAfterUndo() const override { return node_; }

private:
    model::RemovedSubtree removed_; // while done
    model::ItemNode* node_;
    model::ItemNode* selectionAfter_;
};

// Every item, taken out by Delete All, with the item counter it had.
class DeleteAllItemsCommand : public DocumentCommand {
public:
    DeleteAllItemsCommand(Document& document, std::vector<model::OwnedNode> nodes,
                          int counterBefore);

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }

private:
    std::vector<model::OwnedNode> nodes_; // while done
    int counterBefore_;
};

// A node moved with its subtree (Move Up, Move Down, a drop).
class MoveItemCommand : public DocumentCommand {
public:
    MoveItemCommand(Document& document, const QString& text, model::ItemNode* node,
                    model::ItemNode* fromParent, int fromRow);

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override { return node_; }
    model::ItemNode* selectAfterUndo() const override { return node_; }

private:
    model::ItemNode* node_;
    model::ItemNode* fromParent_;
    int fromRow_;
    model::ItemNode* toParent_;
    int toRow_;
};

// A change of an item's record. Changes of one field of one node in one typing session merge.
class ItemPropsCommand : public DocumentCommand {
public:
    // `field` tells edits apart for merging (-1: never merges).
    ItemPropsCommand(Document& document, const QString& text, model::ItemNode* node,
                     model::TItemProps before, model::TItemProps after, int field, int session);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void applyRedo() override;
    void applyUndo() override;
    bool touchesItems() const override { return true; }
    model::ItemNode* selectAfterRedo() const override { return node_; }
    model::ItemNode* selectAfterUndo() const override { return node_; }

private:
    model::ItemNode* node_;
    model::TItemProps before_;
    model::TItemProps after_;
    int field_;
    int session_;
};

} // namespace menuloom::doc
