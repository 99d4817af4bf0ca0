#include "app/itemtreemodel.h"
#include "widgets/conversions.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QMimeData>

namespace menuloom::app {

using model::ItemNode;

ItemTreeModel::ItemTreeModel(model::Project& project, QObject* parent)
    : QAbstractItemModel(parent), project_(project) {
    project_.addObserver(this, true);
}

ItemTreeModel::~ItemTreeModel() {
    project_.removeObserver(this);
}

QString ItemTreeModel::mimeType() {
    return QStringLiteral("application/x-menuloom-item");
}

ItemNode* ItemTreeModel::nodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<ItemNode*>(index.internalPointer());
}

QModelIndex ItemTreeModel::indexOf(const ItemNode* node) const {
    if (!node || node->isRoot())
        return {};
    return createIndex(node->row(), 0, const_cast<ItemNode*>(node));
}

QModelIndex ItemTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    const ItemNode* p = parent.isValid() ? nodeOf(parent) : project_.items.root();
    if (!p || row >= p->childCount())
        return {};
    return createIndex(row, 0, p->child(row));
}

QModelIndex ItemTreeModel::parent(const QModelIndex& child) const {
    const ItemNode* node = nodeOf(child);
    if (!node)
        return {};
    return indexOf(node->parent());
}

int ItemTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return project_.items.root()->childCount();
    if (parent.column() != 0)
        return 0;
    const ItemNode* node = nodeOf(parent);
    return node ? node->childCount() : 0;
}

int ItemTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant ItemTreeModel::data(const QModelIndex& index, int role) const {
    const ItemNode* node = nodeOf(index);
    if (!node)
        return {};
    const std::string& caption = node->props().caption;
    const bool separator = caption == "-";
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return widgets::fromModel(caption);
    case Qt::ForegroundRole:
        if (separator)
            return QBrush(QColor(140, 146, 156));
        break;
    case Qt::ToolTipRole:
        if (separator)
            return tr("Separator");
        if (!node->props().link.empty())
            return widgets::fromModel(node->props().link);
        break;
    default:
        break;
    }
    return {};
}

bool ItemTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    ItemNode* node = nodeOf(index);
    if (!node || role != Qt::EditRole)
        return false;
    emit renameRequested(node, value.toString());
    return true;
}

Qt::ItemFlags ItemTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

Qt::DropActions ItemTreeModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions ItemTreeModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList ItemTreeModel::mimeTypes() const {
    return {mimeType()};
}

QMimeData* ItemTreeModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(mimeType(), dragPayload());
    return data;
}

QByteArray ItemTreeModel::dragPayload() const {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this));
}

void ItemTreeModel::beforeInsert(ItemNode* parent, int row) {
    beginInsertRows(indexOf(parent), row, row);
}

void ItemTreeModel::afterInsert(ItemNode*) {
    endInsertRows();
}

void ItemTreeModel::beforeRemove(ItemNode* node) {
    beginRemoveRows(indexOf(node->parent()), node->row(), node->row());
}

void ItemTreeModel::afterRemove(ItemNode*, int) {
    endRemoveRows();
}

void ItemTreeModel::beforeMove(ItemNode* node, ItemNode* newParent, int destRow) {
    moveAsReset_ = !beginMoveRows(indexOf(node->parent()), node->row(), node->row(),
                                  indexOf(newParent), destRow);
    if (moveAsReset_)
        beginResetModel();
}

void ItemTreeModel::afterMove(ItemNode*) {
    if (moveAsReset_) {
        moveAsReset_ = false;
        endResetModel();
        return;
    }
    endMoveRows();
}

void ItemTreeModel::changed(ItemNode* node) {
    const QModelIndex idx = indexOf(node);
    emit dataChanged(idx, idx);
}

void ItemTreeModel::beforeReset() {
    beginResetModel();
}

void ItemTreeModel::afterReset() {
    endResetModel();
}

void ItemTreeModel::projectAboutToReset() {
    beginResetModel();
}

void ItemTreeModel::projectReset() {
    endResetModel();
}

} // namespace menuloom::app
