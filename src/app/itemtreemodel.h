#pragma once
// The item tree as a one-column Qt model. It follows the project's observer and forwards each
// change as the matching row signal, so that the view keeps its selection and expanded items.
// A wholesale replacement of the project shows as one reset.

#include "model/project.h"

#include <QAbstractItemModel>

namespace menuloom::app {

class ItemTreeModel : public QAbstractItemModel, private model::ProjectObserver {
    Q_OBJECT
public:
    explicit ItemTreeModel(model::Project& project, QObject* parent = nullptr);
    ~ItemTreeModel() override;

    // The MIME type of an item dragged inside the list.
    static QString mimeType();
    // What this model puts into a drag: it names the process and the model, so that a drop can
    // tell an item of this list from anything dragged in from elsewhere.
    QByteArray dragPayload() const;

    const model::ItemTree& tree() const { return project_.items; }
    // The node behind an index (null for the invalid index) and back (the root gives the
    // invalid index).
    model::ItemNode* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const model::ItemNode* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // An in-place edit: asks for the rename with `renameRequested`; the item area makes it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

signals:
    // A finished in-place edit of `node`'s text.
    void renameRequested(model::ItemNode* node, const QString& text);

private:
    void beforeInsert(model::ItemNode* parent, int row) override;
    void afterInsert(model::ItemNode* node) override;
    void beforeRemove(model::ItemNode* node) override;
    void afterRemove(model::ItemNode* parent, int row) override;
    void beforeMove(model::ItemNode* node, model::ItemNode* newParent, int destRow) override;
    void afterMove(model::ItemNode* node) override;
    void changed(model::ItemNode* node) override;
    void beforeReset() override;
    void afterReset() override;
    void projectAboutToReset() override;
    void projectReset() override;

    model::Project& project_;
    bool moveAsReset_ = false; // a move Qt cannot express as a row move
};

} // namespace menuloom::app
