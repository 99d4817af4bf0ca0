#pragma once
// The line under a colour editor that tells how readable the chosen colour leaves the text:
// the contrast of each state against what lies behind it, with a mark where it falls short.

#include "doc/prompter.h"

#include <QLabel>

#include <functional>
#include <vector>

namespace menuloom::widgets {

class ContrastNote : public QLabel {
    Q_OBJECT
public:
    explicit ContrastNote(QWidget* parent = nullptr);

    // Shows the uses; with none the note is hidden.
    void setUses(const QList<doc::ColorUse>& uses);
    // Moves the note `pixels` to the right (its mark with it), to line up with captions.
    void setInset(int pixels);
    // Compact: one line of ratios ("13.72:1", or "normal 13.72:1 · over 3.94:1") beside the
    // colour's buttons, the mark telling the rest; the whole sentence is its accessible name
    // and its tool tip.
    void setCompact(bool compact);
    // The whole sentence ("" while hidden), for the description of the colour's controls.
    QString sentence() const { return sentence_; }
    // `description` (a colour's text) followed by the sentence.
    QString describing(const QString& description) const;
    // Whether a state falls below its minimum.
    bool shortfall() const { return mark_ == Mark::Short; }

    // "Text contrast: normal 12.63:1; mouse-over 3.1:1, too low (minimum 4.5:1)."
    static QString describe(const QList<doc::ColorUse>& uses);
    static QString ratios(const QList<doc::ColorUse>& uses);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Mark { None, Pass, Unknown, Short };
    Mark mark_ = Mark::None;
    int inset_ = 0;
    bool compact_ = false;
    QString sentence_;
};

// The states of the text that the colours of `place` draw, read from `project` with `change`
// applied to a copy first (so that a colour is judged before it is stored).
QList<doc::ColorUse> colorUses(const model::Project& project, const check::Place& place,
                               const std::vector<int>& states,
                               const std::function<void(check::Looks&)>& change = {});

} // namespace menuloom::widgets
