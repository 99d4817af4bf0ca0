#pragma once
// The "Menu Items" list: a tree view whose drags stay inside it and whose drops land in one of the
// item tree's drop zones, worked out from the view's own item geometry.

#include "model/itemtree.h"

#include <QModelIndex>
#include <QTreeView>

namespace menuloom::app {

class ItemTreeModel;

// Where a drop at a point of the view would land: the zone and the item it refers to.
struct DropSpot {
    model::DropZone zone = model::DropZone::Elsewhere;
    QModelIndex target; // invalid for EmptySpace
};

class ItemTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit ItemTreeView(QWidget* parent = nullptr);

    void setItemModel(ItemTreeModel* model);
    ItemTreeModel* itemModel() const { return model_; }
    // The one selected item's index, or the invalid index.
    QModelIndex selectedIndex() const;

    // The zone under `pos` (viewport coordinates): the item's icon and text, or its expand button,
    // is OnItem; the indentation left of it is Indentation; below the last item is EmptySpace;
    // anything else in the row (right of the text) is Elsewhere.
    DropSpot dropSpotAt(const QPoint& pos) const;
    // The expand button of an item with children: a square centred in the indentation step
    // just left of the item.
    QRect expandButtonRect(const QModelIndex& index) const;
    // The item's icon and text, without the rest of its row.
    QRect contentRect(const QModelIndex& index) const;

signals:
    // The dragged (selected) item was dropped in `zone` at `target`.
    void itemDropped(model::DropZone zone, model::ItemNode* target);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool isOwnDrag(const QDropEvent* event) const;
    void setIndicator(const DropSpot& spot, bool shown);

    ItemTreeModel* model_ = nullptr;
    DropSpot indicator_;
    bool indicatorShown_ = false;
};

} // namespace menuloom::app
