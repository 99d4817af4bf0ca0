#include "doc/commands/documentcommand.h"

#include "doc/document.h"

namespace menuloom::doc {

DocumentCommand::DocumentCommand(Document& document, const QString& text, bool autoPreview)
    : QUndoCommand(text), document_(document), autoPreview_(autoPreview) {}

model::Project& DocumentCommand::project() {
    return document_.mutableProject();
}

void DocumentCommand::redo() {
    if (applied_) {
        // The push: the document has made the change already.
        applied_ = false;
        document_.noteChange(autoPreview_);
        return;
    }
    applyRedo();
    finish(true, selectAfterRedo());
}

void DocumentCommand::undo() {
    applyUndo();
    finish(true, selectAfterUndo());
}

void DocumentCommand::finish(bool autoPreview, model::ItemNode* select) {
    document_.noteChange(autoPreview);
    if (touchesItems())
        emit document_.itemTouched(select);
}

} // namespace menuloom::doc
