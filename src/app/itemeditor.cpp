#include "app/itemeditor.h"

#include "app/fieldkeys.h"
#include "app/itemtreemodel.h"
#include "app/itemtreeview.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "widgets/conversions.h"
#include "widgets/imagepicker.h"
#include "widgets/targetlist.h"
#include "widgets/typingsession.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace menuloom::app {

using model::ItemField;
using model::ItemNode;
using model::TreeOpResult;
using widgets::fromModel;
using widgets::TargetList;
using widgets::toModel;

struct ItemEditor::Private {
    ItemEditor* q;
    Document& document;
    Prompter& prompter;
    QString startFolder;

    ItemTreeModel* model = nullptr;
    ItemTreeView* tree = nullptr;
    TargetList* targets = nullptr;
    FieldKeys* fieldKeys = nullptr;

    QLineEdit* eItemCaption = nullptr;
    QLineEdit* eItemLink = nullptr;
    QLineEdit* eItemImg1 = nullptr;
    QLineEdit* eItemImg2 = nullptr;
    QLineEdit* eItemTarget = nullptr;
    QLineEdit* eItemTip = nullptr;
    QLabel* lblTextHint = nullptr; // why a text typed with leading "|"s is stored without them
    QComboBox* cbItemStyle = nullptr;
    QComboBox* cbItemSmStyle = nullptr;
    QPushButton* spdItemTarget = nullptr;

    bool filling = false;   // the program fills the panel: nothing is written back
    bool suspended = false; // the project is being replaced, or the area is going away

    const model::Project& project() const { return document.project(); }
    ItemNode* selected() const { return model->nodeOf(tree->selectedIndex()); }
    QString workingFolder() const { return fromModel(project().workingFolder); }

    QPushButton* button(const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, q);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    }
    // A white panel with its caption on top, styled by the "region" and "caption" properties.
    QFrame* region(const char* name, const QString& caption, QLayout* content) {
        auto* frame = new QFrame(q);
        frame->setObjectName(name);
        frame->setProperty("region", true);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(10, 8, 10, 10);
        layout->setSpacing(6);
        auto* title = new QLabel(caption, frame);
        title->setProperty("caption", true);
        layout->addWidget(title);
        content->setContentsMargins(0, 0, 0, 0);
        layout->addLayout(content, 1);
        return frame;
    }
    QLineEdit* edit(const char* name) {
        auto* e = new QLineEdit(q);
        e->setObjectName(name);
        e->installEventFilter(fieldKeys);
        return e;
    }

    void build();
    void connectAll();
    void select(ItemNode* node);
    void refreshPanel();
    void selectionChanged();
    void syncPanel(ItemNode* node);
    void setEditText(QLineEdit* edit, const QString& text);
    void setStyleEntry(QComboBox* list, int32_t style);
    void writeField(QLineEdit* edit);
    void showTextHint();
    void pickLink();
    void pickImage(QLineEdit* field);
    void openTargets();
    void chooseStyle(QComboBox* list, int position);
    void dropped(model::DropZone zone, ItemNode* target);

    void spdAddItemClick();
    void spdDeleteItemClick();
    void spdAddSubItemClick();
    void spdDeleteAllItemsClick();
    void spdInsertItemClick();
    void spdItemMoveUpClick();
    void spdItemMoveDownClick();
    void spdCopyItemClick();
    void spdPasteItemClick();
};

void ItemEditor::Private::build() {
    fieldKeys = new FieldKeys(q);
    model = new ItemTreeModel(document.mutableProject(), q);
    tree = new ItemTreeView(q);
    tree->setObjectName("tvItems");
    tree->setItemModel(model);
    tree->setMinimumWidth(200);
    targets = new TargetList(q);
    targets->hide();

    auto* itemsLayout = new QVBoxLayout;
    itemsLayout->addWidget(tree);
    QFrame* itemsBox = region("pnlMenuItems", tr("Menu Items"), itemsLayout);

    auto* ops = new QGridLayout;
    ops->setHorizontalSpacing(6);
    ops->setVerticalSpacing(4);
    auto* spdAddItem = button("spdAddItem", tr("Add Item"));
    auto* spdDeleteItem = button("spdDeleteItem", tr("Delete Item"));
    auto* spdAddSubItem = button("spdAddSubItem", tr("Add SubItem"));
    auto* spdDeleteAllItems = button("spdDeleteAllItems", tr("Delete All"));
    auto* spdInsertItem = button("spdInsertItem", tr("Insert Item"));
    auto* spdItemMoveUp = button("spdItemMoveUp", tr("Move Up"));
    auto* spdItemMoveDown = button("spdItemMoveDown", tr("Move Down"));
    auto* spdCopyItem = button("spdCopyItem", tr("Copy Item"));
    auto* spdPasteItem = button("spdPasteItem", tr("Paste Item"));
    ops->addWidget(spdAddItem, 0, 0);
    ops->addWidget(spdDeleteItem, 0, 1);
    ops->addWidget(spdAddSubItem, 1, 0);
    ops->addWidget(spdDeleteAllItems, 1, 1);
    ops->addWidget(spdInsertItem, 2, 0);
    ops->addWidget(spdItemMoveUp, 3, 0);
    ops->addWidget(spdItemMoveDown, 3, 1);
    ops->addWidget(spdCopyItem, 4, 0);
    ops->addWidget(spdPasteItem, 4, 1);
    QFrame* opsBox = region("pnlItemOperations", tr("Item Operations"), ops);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    eItemCaption = edit("eItemCaption");
    eItemLink = edit("eItemLink");
    eItemImg1 = edit("eItemImg1");
    eItemImg2 = edit("eItemImg2");
    eItemTarget = edit("eItemTarget");
    eItemTip = edit("eItemTip");
    eItemCaption->setPlaceholderText(tr("\"-\" makes a separator"));
    eItemLink->setPlaceholderText(tr("page or address"));
    auto* spdItemLink = button("spdItemLink", tr("Select..."));
    auto* spdItemImg1 = button("spdItemImg1", tr("Select..."));
    auto* spdItemImg2 = button("spdItemImg2", tr("Select..."));
    spdItemTarget = button("spdItemTarget", tr("Select..."));
    cbItemStyle = new QComboBox(q);
    cbItemStyle->setObjectName("cbItemStyle");
    cbItemSmStyle = new QComboBox(q);
    cbItemSmStyle->setObjectName("cbItemSmStyle");

    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, q);
        l->setBuddy(buddy);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    // Columns: label, sub-label of the two images, field, "Select..." button.
    int row = 0;
    auto addRow = [&](const QString& text, QWidget* field, QPushButton* select) {
        grid->addWidget(label(text, field), row, 0);
        grid->addWidget(field, row, 1, 1, select ? 2 : 3);
        if (select)
            grid->addWidget(select, row, 3);
        ++row;
    };
    addRow(tr("Text:"), eItemCaption, nullptr);
    lblTextHint =
        new QLabel(tr("A text cannot begin with '|': it marks sub-items in the data file"), q);
    lblTextHint->setObjectName("lblTextHint");
    lblTextHint->hide();
    grid->addWidget(lblTextHint, row++, 1, 1, 3);
    addRow(tr("Link:"), eItemLink, spdItemLink);
    auto* images = new QLabel(tr("Images:"), q);
    images->setObjectName("lblImages");
    images->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(images, row, 0);
    grid->addWidget(label(tr("Normal:"), eItemImg1), row, 1);
    grid->addWidget(eItemImg1, row, 2);
    grid->addWidget(spdItemImg1, row, 3);
    ++row;
    grid->addWidget(label(tr("Over:"), eItemImg2), row, 1);
    grid->addWidget(eItemImg2, row, 2);
    grid->addWidget(spdItemImg2, row, 3);
    ++row;
    addRow(tr("Target:"), eItemTarget, spdItemTarget);
    addRow(tr("Tip:"), eItemTip, nullptr);
    addRow(tr("Item Style:"), cbItemStyle, nullptr);
    addRow(tr("Submenu Style:"), cbItemSmStyle, nullptr);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    QFrame* propsBox = region("pnlItemProperties", tr("Item Properties"), grid);

    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    side->addWidget(opsBox);
    side->addWidget(propsBox, 1);

    auto* layout = new QHBoxLayout(q);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(itemsBox, 4);
    layout->addLayout(side, 5);

    connect(spdAddItem, &QPushButton::clicked, q, [this] { spdAddItemClick(); });
    connect(spdDeleteItem, &QPushButton::clicked, q, [this] { spdDeleteItemClick(); });
    connect(spdAddSubItem, &QPushButton::clicked, q, [this] { spdAddSubItemClick(); });
    connect(spdDeleteAllItems, &QPushButton::clicked, q, [this] { spdDeleteAllItemsClick(); });
    connect(spdInsertItem, &QPushButton::clicked, q, [this] { spdInsertItemClick(); });
    connect(spdItemMoveUp, &QPushButton::clicked, q, [this] { spdItemMoveUpClick(); });
    connect(spdItemMoveDown, &QPushButton::clicked, q, [this] { spdItemMoveDownClick(); });
    connect(spdCopyItem, &QPushButton::clicked, q, [this] { spdCopyItemClick(); });
    connect(spdPasteItem, &QPushButton::clicked, q, [this] { spdPasteItemClick(); });
    connect(spdItemLink, &QPushButton::clicked, q, [this] { pickLink(); });
    connect(spdItemImg1, &QPushButton::clicked, q, [this] { pickImage(eItemImg1); });
    connect(spdItemImg2, &QPushButton::clicked, q, [this] { pickImage(eItemImg2); });
    connect(spdItemTarget, &QPushButton::clicked, q, [this] { openTargets(); });
}

void ItemEditor::Private::connectAll() {
    for (QLineEdit* e : {eItemCaption, eItemLink, eItemImg1, eItemImg2, eItemTarget, eItemTip})
        connect(e, &QLineEdit::textChanged, q, [this, e] { writeField(e); });
    connect(eItemCaption, &QLineEdit::textChanged, q, [this] { showTextHint(); });
    // Leaving the field shows the text as the item holds it.
    connect(eItemCaption, &QLineEdit::editingFinished, q, [this] {
        if (!eItemCaption->hasFocus())
            refreshPanel();
    });
    connect(cbItemStyle, &QComboBox::activated, q,
            [this](int position) { chooseStyle(cbItemStyle, position); });
    connect(cbItemSmStyle, &QComboBox::activated, q,
            [this](int position) { chooseStyle(cbItemSmStyle, position); });
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, q, [this] {
        if (!suspended)
            selectionChanged();
    });
    // A reset (Delete All, New, a bulk load) drops the selection without telling the selection
    // model's listeners: clear the panel once here.
    connect(model, &QAbstractItemModel::modelReset, q, [this] { refreshPanel(); });
    connect(&document, &Document::itemChanged, q, [this](ItemNode* node) { syncPanel(node); });
    connect(model, &ItemTreeModel::renameRequested, q, [this](ItemNode* node, const QString& text) {
        document.renameItem(node, toModel(text));
    });
    connect(tree, &ItemTreeView::itemDropped, q,
            [this](model::DropZone zone, ItemNode* target) { dropped(zone, target); });
    connect(targets, &TargetList::chosen, q, [this](const QString& text) {
        ItemNode* node = selected();
        if (!node)
            return;
        setEditText(eItemTarget, text);
        document.setItemField(node, ItemField::Target, toModel(text));
    });
    // After an undo or redo the item it touched is shown.
    connect(&document, &Document::itemTouched, q, [this](ItemNode* node) { select(node); });
    connect(&document, &Document::styleListChanged, q, [this] { q->rebuildStyleLists(); });
    connect(&document, &Document::aboutToReset, q, [this] {
        suspended = true;
        targets->close();
    });
    connect(&document, &Document::projectReset, q, [this] {
        suspended = false;
        q->rebuildStyleLists();
        refreshPanel();
    });
}

void ItemEditor::Private::select(ItemNode* node) {
    const QModelIndex index = model->indexOf(node);
    if (!index.isValid()) {
        tree->selectionModel()->clearSelection();
        tree->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        refreshPanel();
        return;
    }
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        tree->expand(p);
    tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    tree->scrollTo(index);
}

void ItemEditor::Private::setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text)
        return;
    const bool was = filling;
    filling = true;
    edit->setText(text);
    filling = was;
}

void ItemEditor::Private::setStyleEntry(QComboBox* list, int32_t style) {
    const int position = style + 1;
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void ItemEditor::Private::refreshPanel() {
    const ItemNode* node = selected();
    const model::TItemProps none;
    const model::TItemProps& p = node ? node->props() : none;
    // While typed, the "|"s a text begins with stay in the field, with the hint, but not in the
    // item.
    const std::string typed = toModel(eItemCaption->text());
    const bool typingMarks = node && eItemCaption->hasFocus() && typed != p.caption &&
                             model::withoutLevelMarks(typed) == p.caption;
    if (!typingMarks)
        setEditText(eItemCaption, node ? fromModel(p.caption) : QString());
    setEditText(eItemLink, fromModel(p.link));
    setEditText(eItemImg1, fromModel(p.img1));
    setEditText(eItemImg2, fromModel(p.img2));
    setEditText(eItemTarget, fromModel(p.target));
    setEditText(eItemTip, fromModel(p.tip));
    setStyleEntry(cbItemStyle, p.itemStyle);
    setStyleEntry(cbItemSmStyle, p.smStyle);
}

void ItemEditor::Private::selectionChanged() {
    refreshPanel();
    // A field that keeps the focus while another item is shown restores to that item's text,
    // and its typing starts a new step.
    for (QLineEdit* e : {eItemCaption, eItemLink, eItemImg1, eItemImg2, eItemTarget, eItemTip}) {
        if (e->hasFocus()) {
            e->setProperty(FieldKeys::kRestore, e->text());
            widgets::startTypingSession(e);
        }
    }
}

void ItemEditor::Private::syncPanel(ItemNode* node) {
    // Changes made elsewhere (an in-place edit, renumbered styles) show in the panel; the field
    // being typed in already holds what it wrote.
    if (node && node == selected())
        refreshPanel();
}

void ItemEditor::Private::writeField(QLineEdit* edit) {
    if (filling || suspended || !edit->hasFocus())
        return;
    ItemNode* node = selected();
    if (!node)
        return;
    const std::string text = toModel(edit->text());
    const int session = widgets::typingSession(edit);
    if (edit == eItemCaption)
        document.renameItem(node, text, session);
    else if (edit == eItemLink)
        document.setItemField(node, ItemField::Link, text, session);
    else if (edit == eItemImg1)
        document.setItemField(node, ItemField::Img1, text, session);
    else if (edit == eItemImg2)
        document.setItemField(node, ItemField::Img2, text, session);
    else if (edit == eItemTarget)
        document.setItemField(node, ItemField::Target, text, session);
    else if (edit == eItemTip)
        document.setItemField(node, ItemField::Tip, text, session);
}

void ItemEditor::Private::showTextHint() {
    const bool marks = eItemCaption->text().startsWith(QLatin1Char('|'));
    lblTextHint->setVisible(marks);
    eItemCaption->setAccessibleDescription(marks ? lblTextHint->text() : QString());
}

void ItemEditor::Private::pickLink() {
    ItemNode* node = selected();
    if (!node)
        return;
    const QString path = prompter.openFile(
        tr("Select URL..."),
        {{tr("HTM, HTML files"), "*.htm;*.html"}, {tr("All files (*.*)"), "*.*"}}, QString());
    if (path.isEmpty())
        return;
    setEditText(eItemLink, widgets::relativeToWorkingFolder(path, workingFolder()));
    document.setItemField(node, ItemField::Link, toModel(eItemLink->text()));
}

void ItemEditor::Private::pickImage(QLineEdit* field) {
    ItemNode* node = selected();
    if (!node)
        return;
    const auto path = widgets::pickImagePath(prompter, startFolder, workingFolder());
    if (!path)
        return;
    setEditText(field, *path);
    document.setItemImages(node, toModel(eItemImg1->text()), toModel(eItemImg2->text()));
}

void ItemEditor::Private::openTargets() {
    if (!selected())
        return;
    targets->openOver(spdItemTarget, TargetList::targetEntries());
}

void ItemEditor::Private::chooseStyle(QComboBox* list, int position) {
    ItemNode* node = selected();
    if (!node || position < 0) {
        // Nothing to store: show the entry of the item (or "[none]") again.
        refreshPanel();
        return;
    }
    if (list == cbItemStyle)
        document.setItemStyle(node, position - 1);
    else
        document.setSmStyle(node, position - 1);
}

void ItemEditor::Private::dropped(model::DropZone zone, ItemNode* target) {
    ItemNode* dragged = selected();
    const TreeOpResult result = document.dropItem(dragged, zone, target);
    if (!result.modified)
        return;
    if (result.node && !result.node->isRoot())
        tree->expand(model->indexOf(result.node));
    tree->scrollTo(model->indexOf(dragged));
}

void ItemEditor::Private::spdAddItemClick() {
    const TreeOpResult result = document.addItem(selected());
    tree->setFocus(Qt::OtherFocusReason);
    if (result.select)
        select(result.node);
}

void ItemEditor::Private::spdDeleteItemClick() {
    const TreeOpResult result = document.deleteItem(selected());
    if (result.select)
        select(result.node);
}

void ItemEditor::Private::spdAddSubItemClick() {
    ItemNode* parent = selected();
    const TreeOpResult result = document.addSubItem(parent);
    if (!result.changed)
        return;
    tree->expand(model->indexOf(parent));
    tree->setFocus(Qt::OtherFocusReason);
    if (result.select)
        select(result.node);
}

void ItemEditor::Private::spdDeleteAllItemsClick() {
    if (prompter.message(tr("Confirmation"), tr("Do you want to delete all items?"),
                         Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    // The model's reset clears the panel once.
    document.deleteAllItems();
}

void ItemEditor::Private::spdInsertItemClick() {
    document.insertItem(selected());
}

void ItemEditor::Private::spdItemMoveUpClick() {
    ItemNode* node = selected();
    document.moveItemUp(node);
    if (node)
        tree->scrollTo(model->indexOf(node));
}

void ItemEditor::Private::spdItemMoveDownClick() {
    ItemNode* node = selected();
    document.moveItemDown(node);
    if (node)
        tree->scrollTo(model->indexOf(node));
}

void ItemEditor::Private::spdCopyItemClick() {
    document.copyItem(selected());
}

void ItemEditor::Private::spdPasteItemClick() {
    document.pasteItem(selected());
}

ItemEditor::ItemEditor(Document& document, Prompter& prompter, QString startFolder, QWidget* parent)
    : QWidget(parent), d(new Private{this, document, prompter, std::move(startFolder)}) {
    d->build();
    d->connectAll();
    rebuildStyleLists();
    d->refreshPanel();
}

ItemEditor::~ItemEditor() {
    // The children go while the state their signals reach still exists; the model detaches
    // from the tree as it goes.
    d->suspended = true;
    disconnect(d->model, nullptr, this, nullptr);
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete d->model;
}

void ItemEditor::rebuildStyleLists() {
    auto fill = [this](QComboBox* list, const std::vector<std::string>& names) {
        const bool was = d->filling;
        d->filling = true;
        list->clear();
        for (const std::string& name : names)
            list->addItem(fromModel(name));
        d->filling = was;
    };
    fill(d->cbItemStyle, d->project().itemStyles.choiceList());
    fill(d->cbItemSmStyle, d->project().smStyles.choiceList());
    const ItemNode* node = selectedItem();
    d->setStyleEntry(d->cbItemStyle, node ? node->props().itemStyle : -1);
    d->setStyleEntry(d->cbItemSmStyle, node ? node->props().smStyle : -1);
}

model::ItemNode* ItemEditor::selectedItem() const {
    return d->selected();
}

void ItemEditor::selectItem(model::ItemNode* node) {
    d->select(node);
}

bool ItemEditor::selectItemAt(std::span<const int> rows) {
    ItemNode* root = d->document.mutableProject().items.root();
    ItemNode* node = root;
    for (int row : rows) {
        if (row < 0 || row >= node->childCount())
            return false;
        node = node->child(row);
    }
    if (node == root)
        return false;
    d->select(node);
    return true;
}

QTreeView* ItemEditor::treeView() const {
    return d->tree;
}

void ItemEditor::addEditActions(QMenu* menu) {
    menu->addSeparator();
    // Each runs what its button runs, so a key makes the same undo step as a click.
    auto add = [&](const char* name, const QString& caption, const QKeySequence& keys,
                   Qt::ShortcutContext context, QWidget* where, auto&& run) {
        QAction* action = menu->addAction(caption, this, run);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(context);
        if (where)
            where->addAction(action);
        return action;
    };
    const auto area = Qt::WidgetWithChildrenShortcut;
    add("actDeleteItem", tr("Delete Item"), QKeySequence::Delete, area, this,
        [this] { d->spdDeleteItemClick(); });
    add("actInsertItem", tr("Insert Item"), QKeySequence(Qt::Key_Insert), area, this,
        [this] { d->spdInsertItemClick(); });
    add("actMoveItemUp", tr("Move Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), area, this,
        [this] { d->spdItemMoveUpClick(); });
    add("actMoveItemDown", tr("Move Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), area, this,
        [this] { d->spdItemMoveDownClick(); });
    // Text fields keep their own copy and paste: these two act only in the tree.
    add("actCopyItem", tr("Copy Item"), QKeySequence::Copy, Qt::WidgetShortcut, d->tree,
        [this] { d->spdCopyItemClick(); });
    add("actPasteItem", tr("Paste Item"), QKeySequence::Paste, Qt::WidgetShortcut, d->tree,
        [this] { d->spdPasteItemClick(); });
    add("actEditItemText", tr("Edit Item Text"), QKeySequence(Qt::Key_F2), Qt::WindowShortcut,
        nullptr, [this] {
            d->eItemCaption->setFocus(Qt::ShortcutFocusReason);
            d->eItemCaption->selectAll();
        });
}

} // namespace menuloom::app
