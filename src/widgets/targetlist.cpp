#include "widgets/targetlist.h"

#include <QKeyEvent>
#include <QScreen>

namespace menuloom::widgets {

TargetList::TargetList(QWidget* parent, Mode mode) : QListWidget(parent), mode_(mode) {
    setObjectName(mode == Mode::Popup ? "lbTargets" : "lbStrs");
    if (mode == Mode::Popup)
        setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (open_ && row >= 0)
            choose(row);
    });
}

QStringList TargetList::targetEntries() {
    return {QString(), "_self", "_blank", "_parent", "_top", "_search"};
}

void TargetList::fill(const QStringList& entries, int selected) {
    open_ = false;
    blockSignals(true);
    clear();
    for (const QString& text : entries)
        addItem(text);
    setCurrentRow(selected);
    blockSignals(false);
}

void TargetList::openIn(const QStringList& entries, int selected) {
    fill(entries, selected);
    open_ = true;
    show();
    setFocus(Qt::PopupFocusReason);
}

void TargetList::openOver(QWidget* anchor, const QStringList& entries) {
    fill(entries, 0);

    const int rowHeight = qMax(sizeHintForRow(0), fontMetrics().height() + 4);
    const int width = qMax(anchor->width() * 2, sizeHintForColumn(0) + 2 * frameWidth() + 8);
    const int height = rowHeight * static_cast<int>(entries.size()) + 2 * frameWidth();
    QPoint topLeft = anchor->mapToGlobal(QPoint(anchor->width() - width, 0));
    if (const QScreen* screen = anchor->screen()) {
        // Stay on the screen when the button is close to its bottom edge.
        const QRect avail = screen->availableGeometry();
        topLeft.setY(qMin(topLeft.y(), avail.bottom() - height));
        topLeft.setX(qMax(topLeft.x(), avail.left()));
    }
    setGeometry(QRect(topLeft, QSize(width, height)));
    open_ = true;
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void TargetList::close() {
    if (!open_ && isHidden())
        return;
    open_ = false;
    hide();
    emit closed();
}

void TargetList::choose(int row) {
    if (!open_ || row < 0 || row >= count())
        return;
    const QString text = item(row)->text();
    // Told while the list is still open, so that a choice that opens a dialog is seen as one.
    emit chosenRow(row);
    emit chosen(text);
    close();
}

void TargetList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        close();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void TargetList::mouseReleaseEvent(QMouseEvent* event) {
    // A click on the entry that is already selected (the first one at opening) chooses it too.
    const QModelIndex index = indexAt(event->position().toPoint());
    QListWidget::mouseReleaseEvent(event);
    if (open_ && index.isValid() && event->button() == Qt::LeftButton)
        choose(index.row());
}

void TargetList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (open_ && event->reason() != Qt::PopupFocusReason)
        close();
}

void TargetList::hideEvent(QHideEvent* event) {
    QListWidget::hideEvent(event);
    if (open_) {
        open_ = false;
        emit closed();
    }
}

} // namespace menuloom::widgets
