#pragma once
// The item tree as a one-column Qt model. It follows the tree's observer and forwards each change
// as the matching row signal, so that the view keeps its selection and expanded items.

#include "model/itemtree.h"

#include <QAbstractItemModel>

namespace menuloom::app {

class ItemTreeModel : public QAbstractItemModel, private model::ItemTreeObserver {
    Q_OBJECT
public:
    explicit ItemTreeModel(model::ItemTree& tree, QObject* parent = nullptr);
    ~ItemTreeModel() override;

    // The MIME type of an item dragged inside the list.
    static QString mimeType();
    // What this model puts into a drag: it names the process and the model, so that a drop can
    // tell an item of this list from anything dragged in from elsewhere.
    QByteArray dragPayload() const;

    model::ItemTree& tree() const { return tree_; }
    // The node behind an index (null for the invalid index) and back (the root gives the
    // invalid index).
    model::ItemNode* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const model::ItemNode* node) const;

    // While detached the model shows no items and ignores the tree; attaching again shows the
    // whole tree in one reset. For bulk changes such as reading a file.
    void detach();
    void attach();
    bool attached() const { return attached_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // An in-place edit: renames the item through the tree and reports it with `renamed`.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

signals:
    // A finished in-place edit renamed `node`; `modified` as the rename reported it.
    void renamed(model::ItemNode* node, bool modified);
    // The record of `node` changed (any field).
    void itemChanged(model::ItemNode* node);

private:
    void beforeInsert(model::ItemNode* parent, int row) override;
    void afterInsert(model::ItemNode* node) override;
    void beforeRemove(model::ItemNode* node) override;
    void afterRemove(model::ItemNode* parent, int row) override;
    void beforeMove(model::ItemNode* node, model::ItemNode* newParent, int destRow) override;
    void afterMove(model::ItemNode* node) override;
    void changed(model::ItemNode* node) override;
    void beforeClear() override;
    void afterClear() override;

    model::ItemTree& tree_;
    bool attached_ = true;
    bool moveAsReset_ = false; // a move Qt cannot express as a row move
};

} // namespace menuloom::app
