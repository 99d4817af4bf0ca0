#pragma once
// The base of every undoable step. The document makes the change through a core operation, then
// pushes the command that knows how to reverse it: the first redo (run by the push) only reports
// the change; later redos and undos make it again or reverse it.

#include "model/project.h"

#include <QUndoCommand>

namespace menuloom::doc {

class Document;

class DocumentCommand : public QUndoCommand {
public:
    // `autoPreview`: whether the first application starts the automatic preview's countdown
    // (undo and redo always do).
    DocumentCommand(Document& document, const QString& text, bool autoPreview = true);

    void redo() final;
    void undo() final;

protected:
    virtual void applyRedo() = 0;
    virtual void applyUndo() = 0;
    // Item steps name the item to select after a redo or an undo (null: none).
    virtual bool touchesItems() const { return false; }
    virtual model::ItemNode* selectAfterRedo() const { return nullptr; }
    virtual model::ItemNode* selectAfterUndo() const { return nullptr; }

    model::Project& project();
    Document& document_;

private:
    void finish(bool autoPreview, model::ItemNode* select);

    bool applied_ = true;
    bool autoPreview_ = true;
};

// Ids of the steps that merge (QUndoCommand::id).
enum CommandId : int {
    kItemPropsId = 1,
    kParamId,
    kItemStyleNameId,
    kSmStyleNameId,
    kItemStyleRecordId,
    kSmStyleRecordId,
};

} // namespace menuloom::doc
