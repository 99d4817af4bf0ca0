#pragma once
// Undoable steps on the item style and submenu style lists (Record is model::TStyle or
// model::TSmStyle). They come from the style dialogs, whose edits leave the automatic preview
// alone the first time; undo and redo start it as every other step does.

#include "doc/commands/documentcommand.h"

namespace menuloom::doc {

template <typename Record> QString styleStepName(const char* what) {
    const bool item = std::is_same_v<Record, model::TStyle>;
    return QString::fromLatin1(what).arg(item ? QStringLiteral("Item Style")
                                              : QStringLiteral("Submenu Style"));
}

// A style appended by Add Style or Duplicate Style, with the name counter around it.
template <typename Record> class AddStyleCommand : public DocumentCommand {
public:
    AddStyleCommand(Document& document, const QString& text, int counterBefore)
        : DocumentCommand(document, text, false), counterBefore_(counterBefore),
          counterAfter_(project().template styles<Record>().counter()) {}

protected:
    void applyRedo() override {
        project().restoreStyles(removed_);
        project().template setStyleCounter<Record>(counterAfter_);
    }
    void applyUndo() override {
        removed_ = project().template takeLastStyle<Record>();
        project().template setStyleCounter<Record>(counterBefore_);
    }

private:
    int counterBefore_;
    int counterAfter_;
    model::RemovedStyles<Record> removed_;
};

// One style or all styles deleted, with the items' references they renumbered.
template <typename Record> class RemoveStylesCommand : public DocumentCommand {
public:
    RemoveStylesCommand(Document& document, const QString& text,
                        model::RemovedStyles<Record> removed, bool all)
        : DocumentCommand(document, text, false), removed_(std::move(removed)), all_(all) {}

protected:
    void applyRedo() override {
        const int index = removed_.index;
        removed_ = all_ ? project().template removeAllStyles<Record>()
                        : project().template removeStyle<Record>(index);
    }
    void applyUndo() override { project().restoreStyles(removed_); }

private:
    model::RemovedStyles<Record> removed_;
    bool all_;
};

// A style's name or record changed; changes of one style in one session merge (a name typed, a
// track bar dragged).
template <typename Record, typename Value> class StyleValueCommand : public DocumentCommand {
public:
    StyleValueCommand(Document& document, const QString& text, int index, Value before, Value after,
                      int session)
        : DocumentCommand(document, text, false), index_(index), before_(std::move(before)),
          after_(std::move(after)), session_(session) {}

    int id() const override {
        if (session_ == 0)
            return -1;
        const bool item = std::is_same_v<Record, model::TStyle>;
        if constexpr (std::is_same_v<Value, std::string>)
            return item ? kItemStyleNameId : kSmStyleNameId;
        else
            return item ? kItemStyleRecordId : kSmStyleRecordId;
    }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const StyleValueCommand*>(other);
        if (next->index_ != index_ || next->session_ != session_)
            return false;
        after_ = next->after_;
        setObsolete(after_ == before_);
        return true;
    }

protected:
    void applyRedo() override { apply(after_); }
    void applyUndo() override { apply(before_); }

private:
    void apply(const Value& value) {
        if constexpr (std::is_same_v<Value, std::string>)
            project().template renameStyle<Record>(index_, value);
        else
            project().template replaceStyle<Record>(index_, value);
    }

    int index_;
    Value before_;
    Value after_;
    int session_;
};

} // namespace menuloom::doc
