#include "doc/commands/valuecommands.h"

namespace menuloom::doc {

ParamCommand::ParamCommand(Document& document, int row, model::TPropType before,
                           model::TPropType after, int session, bool autoPreview)
    : DocumentCommand(document, QString::fromStdString(after.name), autoPreview), row_(row),
      before_(std::move(before)), after_(std::move(after)), session_(session) {}

int ParamCommand::id() const {
    return session_ != 0 ? kParamId : -1;
}

bool ParamCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ParamCommand*>(other);
    if (next->row_ != row_ || next->session_ != session_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

void ParamCommand::applyRedo() {
    project().setParam(row_, after_);
}

void ParamCommand::applyUndo() {
    project().setParam(row_, before_);
}

CrossframeCommand::CrossframeCommand(Document& document, model::CrossframeSettings before,
                                     model::CrossframeSettings after)
    : DocumentCommand(document, QStringLiteral("Crossframe Options")), before_(std::move(before)),
      after_(std::move(after)) {}

void CrossframeCommand::applyRedo() {
    project().setCrossframe(after_);
}

void CrossframeCommand::applyUndo() {
    project().setCrossframe(before_);
}

} // namespace menuloom::doc
