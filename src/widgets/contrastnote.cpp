#include "widgets/contrastnote.h"

#include "check/contrast.h"
#include "widgets/findingmark.h"

#include <QPainter>

namespace menuloom::widgets {

namespace {

constexpr int kMarkGap = 6;

QString ratioOf(double ratio) {
    return QString::fromStdString(check::ratioText(ratio));
}

} // namespace

ContrastNote::ContrastNote(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setInset(0);
    hide();
}

void ContrastNote::setInset(int pixels) {
    inset_ = pixels;
    setContentsMargins(inset_ + kMarkSize + kMarkGap, 0, 0, 0);
}

QString ContrastNote::describe(const QList<doc::ColorUse>& uses) {
    QStringList parts;
    const check::Readability* known = nullptr;
    const check::Readability* onPicture = nullptr;
    bool covered = false;
    for (const doc::ColorUse& use : uses) {
        const check::Readability& r = use.readability;
        if (!r.any) {
            covered = true;
            parts << use.state + QStringLiteral(" covered by the item background");
        } else if (!r.known()) {
            onPicture = &r;
            parts << use.state + QStringLiteral(" unknown (a picture lies behind the text)");
        } else {
            parts << use.state + QLatin1Char(' ') + ratioOf(r.ratio) +
                         (r.fails() ? QStringLiteral(", too low") : QString());
            if (!known)
                known = &r;
        }
    }
    if (!known && !onPicture)
        return QStringLiteral("No text lies on this colour: the item background covers it.");
    if (!known && !covered)
        return QStringLiteral("Text contrast unknown: the text lies on the picture \u201C%1\u201D. "
                              "Check it by eye.")
            .arg(QString::fromStdString(onPicture->picture));
    QString text = QStringLiteral("Text contrast: ") + parts.join(QStringLiteral("; "));
    if (known)
        text += QStringLiteral(" (minimum %1%2)")
                    .arg(ratioOf(known->required),
                         known->large ? QStringLiteral(" for large text") : QString());
    return text + QLatin1Char('.');
}

QString ContrastNote::ratios(const QList<doc::ColorUse>& uses) {
    QStringList parts;
    for (const doc::ColorUse& use : uses) {
        const check::Readability& r = use.readability;
        const QString value = !r.any      ? QStringLiteral("\u2013")
                              : r.known() ? ratioOf(r.ratio)
                                          : QStringLiteral("?");
        const QString state =
            use.state == QLatin1String("mouse-over") ? QStringLiteral("over") : use.state;
        parts << (uses.size() > 1 ? state + QLatin1Char(' ') + value : value);
    }
    return parts.join(QStringLiteral(" \u00B7 "));
}

void ContrastNote::setCompact(bool compact) {
    compact_ = compact;
    setWordWrap(!compact);
    setAlignment(Qt::AlignLeft | (compact ? Qt::AlignVCenter : Qt::AlignTop));
}

void ContrastNote::setUses(const QList<doc::ColorUse>& uses) {
    mark_ = Mark::None;
    for (const doc::ColorUse& use : uses) {
        const check::Readability& r = use.readability;
        if (r.fails())
            mark_ = Mark::Short;
        else if (r.any && !r.known() && mark_ != Mark::Short)
            mark_ = Mark::Unknown;
        else if (r.known() && mark_ == Mark::None)
            mark_ = Mark::Pass;
    }
    sentence_ = uses.isEmpty() ? QString() : describe(uses);
    if (compact_) {
        setText(ratios(uses));
        setAccessibleName(sentence_);
        setToolTip(sentence_);
    } else {
        setText(sentence_);
    }
    setVisible(!uses.isEmpty());
    update();
}

QString ContrastNote::describing(const QString& description) const {
    if (sentence_.isEmpty() || description.isEmpty())
        return description + sentence_;
    return description + QStringLiteral(". ") + sentence_;
}

void ContrastNote::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (mark_ == Mark::None)
        return;
    const QIcon icon = mark_ == Mark::Short     ? findingMark(check::Severity::Error)
                       : mark_ == Mark::Unknown ? findingMark(check::Severity::Warning)
                                                : passMark();
    // Beside the first line of the text, or the only one, in the middle.
    const QRect box = contentsRect();
    const int line = compact_ ? box.height() : fontMetrics().height();
    const int top = box.top() + qMax(0, (line - kMarkSize) / 2);
    QPainter p(this);
    icon.paint(&p, QRect(inset_, top, kMarkSize, kMarkSize));
}

QList<doc::ColorUse> colorUses(const model::Project& project, const check::Place& place,
                               const std::vector<int>& states,
                               const std::function<void(check::Looks&)>& change) {
    check::Looks looks(project);
    if (change)
        change(looks);
    QList<doc::ColorUse> uses;
    for (int state : states)
        uses.append({state ? QStringLiteral("mouse-over") : QStringLiteral("normal"),
                     check::readability(looks, place, state)});
    return uses;
}

} // namespace menuloom::widgets
