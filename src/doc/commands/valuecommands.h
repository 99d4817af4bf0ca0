#pragma once
// Undoable changes of a parameter and of the crossframe settings.

#include "doc/commands/documentcommand.h"

namespace menuloom::doc {

// Parameter `row` changed; named after the parameter. Changes of one row in one session merge.
class ParamCommand : public DocumentCommand {
public:
    ParamCommand(Document& document, int row, model::TPropType before, model::TPropType after,
                 int session, bool autoPreview);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void applyRedo() override;
    void applyUndo() override;

private:
    int row_;
    model::TPropType before_;
    model::TPropType after_;
    int session_;
};

class CrossframeCommand : public DocumentCommand {
public:
    CrossframeCommand(Document& document, model::CrossframeSettings before,
                      model::CrossframeSettings after);

protected:
    void applyRedo() override;
    void applyUndo() override;

private:
    model::CrossframeSettings before_;
    model::CrossframeSettings after_;
};

} // namespace menuloom::doc
