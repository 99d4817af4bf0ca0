#include "app/itemtreeview.h"

#include "app/itemtreemodel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace menuloom::app {

using model::DropZone;

ItemTreeView::ItemTreeView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false); // we draw our own, one per zone
    setIndentation(20);
    setAnimated(false);
    header()->setStretchLastSection(true);
}

void ItemTreeView::setItemModel(ItemTreeModel* model) {
    model_ = model;
    setModel(model);
}

QModelIndex ItemTreeView::selectedIndex() const {
    if (!selectionModel())
        return {};
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? QModelIndex() : rows.first();
}

QRect ItemTreeView::expandButtonRect(const QModelIndex& index) const {
    const QRect item = visualRect(index);
    if (!index.isValid() || !model()->hasChildren(index) || item.isEmpty())
        return {};
    const QRect cell(item.left() - indentation(), item.top(), indentation(), item.height());
    const int side = qMax(9, qMin(cell.width(), cell.height()) / 2);
    QRect button(0, 0, side, side);
    button.moveCenter(cell.center());
    return button;
}

QRect ItemTreeView::contentRect(const QModelIndex& index) const {
    const QRect item = visualRect(index);
    if (!index.isValid() || item.isEmpty())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = item;
    const int width = itemDelegateForIndex(index)->sizeHint(option, index).width();
    return QRect(item.left(), item.top(), qMin(width, item.width()), item.height());
}

DropSpot ItemTreeView::dropSpotAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return {DropZone::EmptySpace, {}};
    const QRect item = visualRect(index);
    if (pos.x() < item.left()) {
        if (expandButtonRect(index).contains(pos))
            return {DropZone::OnItem, index};
        return {DropZone::Indentation, index};
    }
    if (contentRect(index).contains(pos))
        return {DropZone::OnItem, index};
    return {DropZone::Elsewhere, index};
}

void ItemTreeView::startDrag(Qt::DropActions) {
    const QModelIndex index = selectedIndex();
    if (!model_ || !index.isValid())
        return;
    QMimeData* data = model_->mimeData({index});
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QRect content = contentRect(index);
    if (!content.isEmpty()) {
        drag->setPixmap(viewport()->grab(content));
        drag->setHotSpot(QPoint(8, content.height() / 2));
    }
    // The drop itself moves the item; nothing is removed here afterwards.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

bool ItemTreeView::isOwnDrag(const QDropEvent* event) const {
    if (!model_ || !event->mimeData())
        return false;
    if (event->source() && event->source() != this)
        return false;
    const QByteArray payload = event->mimeData()->data(ItemTreeModel::mimeType());
    return !payload.isEmpty() && payload == model_->dragPayload();
}

void ItemTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (!isOwnDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ItemTreeView::dragMoveEvent(QDragMoveEvent* event) {
    if (!isOwnDrag(event)) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const DropSpot spot = dropSpotAt(pos);
    const model::ItemNode* dragged = model_->nodeOf(selectedIndex());
    const model::ItemNode* target = model_->nodeOf(spot.target);
    bool useful = spot.zone != DropZone::Elsewhere && dragged;
    if (useful && spot.zone != DropZone::EmptySpace)
        useful = target && !target->isInSubtreeOf(dragged);
    setIndicator(spot, useful);
    if (hasAutoScroll()) {
        const int margin = autoScrollMargin();
        const QRect area = viewport()->rect();
        if (pos.y() < area.top() + margin || pos.y() > area.bottom() - margin)
            startAutoScroll();
    }
    if (useful) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ItemTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    setIndicator({}, false);
    stopAutoScroll();
    event->accept();
}

void ItemTreeView::dropEvent(QDropEvent* event) {
    setIndicator({}, false);
    stopAutoScroll();
    if (!isOwnDrag(event)) {
        event->ignore();
        return;
    }
    const DropSpot spot = dropSpotAt(event->position().toPoint());
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit itemDropped(spot.zone, model_->nodeOf(spot.target));
}

void ItemTreeView::setIndicator(const DropSpot& spot, bool shown) {
    if (shown == indicatorShown_ && spot.zone == indicator_.zone &&
        spot.target == indicator_.target)
        return;
    indicator_ = spot;
    indicatorShown_ = shown;
    viewport()->update();
}

void ItemTreeView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (!indicatorShown_)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    painter.setPen(QPen(accent, 2));
    switch (indicator_.zone) {
    case DropZone::OnItem:
        painter.drawRoundedRect(QRectF(contentRect(indicator_.target)).adjusted(1, 1, -1, -1), 3,
                                3);
        break;
    case DropZone::Indentation: {
        const QRect item = visualRect(indicator_.target);
        painter.drawLine(item.left(), item.top() + 1, viewport()->width() - 4, item.top() + 1);
        break;
    }
    case DropZone::EmptySpace: {
        // Below the last visible row, at the top level's indentation.
        int bottom = 0;
        if (model() && model()->rowCount() > 0) {
            QModelIndex last = model()->index(model()->rowCount() - 1, 0);
            while (isExpanded(last) && model()->rowCount(last) > 0)
                last = model()->index(model()->rowCount(last) - 1, 0, last);
            bottom = visualRect(last).bottom();
        }
        const int left = rootIsDecorated() ? indentation() : 0;
        painter.drawLine(left, bottom + 1, viewport()->width() - 4, bottom + 1);
        break;
    }
    case DropZone::Elsewhere:
        break;
    }
}

} // namespace menuloom::app
