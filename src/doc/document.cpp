#include "doc/document.h"

#include "doc/commands/importcommands.h"
#include "doc/commands/itemcommands.h"
#include "doc/commands/stylecommands.h"
#include "doc/commands/valuecommands.h"

#include <QUndoStack>
#include <atomic>

namespace menuloom::doc {

using model::ItemNode;
using model::TreeOpResult;

class Document::Relay : public model::ProjectObserver {
public:
    explicit Relay(Document& d) : d_(d) {}
    void changed(ItemNode* node) override { emit d_.itemChanged(node); }
    void paramChanged(int row) override { emit d_.paramChanged(row); }
    void styleListChanged(model::StyleKind kind) override { emit d_.styleListChanged(kind); }
    void styleChanged(model::StyleKind kind, int k) override { emit d_.styleChanged(kind, k); }
    void crossframeChanged() override { emit d_.crossframeChanged(); }
    void projectAboutToReset() override { emit d_.aboutToReset(); }
    void projectReset() override { emit d_.projectReset(); }

private:
    Document& d_;
};

namespace {

// A user works back through far more than a hundred steps only rarely; a long history of large
// deletions still stays within memory.
constexpr int kUndoLimit = 1000;

QString itemFieldStepName(model::ItemField field) {
    switch (field) {
    case model::ItemField::Link:
        return QStringLiteral("Change Link");
    case model::ItemField::Img1:
        return QStringLiteral("Change Normal Image");
    case model::ItemField::Img2:
        return QStringLiteral("Change Over Image");
    case model::ItemField::Target:
        return QStringLiteral("Change Target");
    case model::ItemField::Tip:
        return QStringLiteral("Change Tip");
    }
    return {};
}

// Merge keys of the item record's parts (ItemField values, then these).
constexpr int kCaptionField = 100;

} // namespace

Document::Document(QObject* parent)
    : QObject(parent), relay_(std::make_unique<Relay>(*this)), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(kUndoLimit);
    project_.addObserver(relay_.get());
    // Undoing or redoing back to the saved state clears the flag; leaving it sets it again.
    connect(stack_, &QUndoStack::cleanChanged, this, [this] { updateModified(); });
}

Document::~Document() {
    // The commands own taken-out subtrees; they go before the project they came from.
    stack_->clear();
    project_.removeObserver(relay_.get());
}

int Document::newSession() {
    static std::atomic<int> next{0};
    return ++next;
}

void Document::clearModified() {
    markedOutsideHistory_ = false;
    stack_->setClean();
    updateModified();
}

void Document::markModified(bool autoPreview) {
    // Not in the history, so no undo takes it back: it counts until the next save.
    markedOutsideHistory_ = true;
    updateModified();
    emit changed(autoPreview);
}

void Document::noteChange(bool autoPreview) {
    // Called inside the stack's push, undo or redo, before the stack moves its index: the step
    // counts as a change now; a step that arrives back at the clean state clears the flag when
    // the stack reports it (cleanChanged), a merge in push().
    updateModified(true);
    emit changed(autoPreview);
}

void Document::updateModified(bool assumeChanged) {
    const bool now = assumeChanged || markedOutsideHistory_ || !stack_->isClean();
    if (now == modified_)
        return;
    modified_ = now;
    emit modifiedChanged(now);
}

void Document::setFileName(const QString& path) {
    if (path == fileName_)
        return;
    fileName_ = path;
    emit fileNameChanged(path);
}

void Document::beginReplace() {
    // Clearing the history makes the stack clean; the flag stays as it was until endReplace.
    markedOutsideHistory_ = modified_;
    stack_->clear();
    project_.beginReset();
}

void Document::endReplace(bool keepModified) {
    project_.endReset();
    stack_->clear();
    if (!keepModified)
        markedOutsideHistory_ = false;
    updateModified();
}

void Document::push(QUndoCommand* command) {
    stack_->push(command);
    updateModified();
}

// --- Items

TreeOpResult Document::addItem(ItemNode* selection) {
    const int counter = project_.items.itemCounter();
    TreeOpResult r = project_.items.addItemCommand(selection);
    push(new CreateItemCommand(*this, QStringLiteral("Add Item"), r.created, counter, selection));
    return r;
}

TreeOpResult Document::addSubItem(ItemNode* selection) {
    const int counter = project_.items.itemCounter();
    TreeOpResult r = project_.items.addSubItemCommand(selection);
    if (r.changed)
        push(new CreateItemCommand(*this, QStringLiteral("Add SubItem"), r.created, counter,
                                   selection));
    return r;
}

TreeOpResult Document::insertItem(ItemNode* selection) {
    const int counter = project_.items.itemCounter();
    TreeOpResult r = project_.items.insertItem(selection);
    push(
        new CreateItemCommand(*this, QStringLiteral("Insert Item"), r.created, counter, selection));
    return r;
}

bool Document::copyItem(const ItemNode* selection) {
    return project_.items.copyItem(selection);
}

TreeOpResult Document::pasteItem(ItemNode* selection) {
    const int counter = project_.items.itemCounter();
    TreeOpResult r = project_.items.pasteItem(selection);
    if (r.changed)
        push(new CreateItemCommand(*this, QStringLiteral("Paste Item"), r.created, counter,
                                   selection));
    return r;
}

void Document::importItems(const std::vector<importer::ImportedItem>& items, bool replace,
                           const QString& stepName) {
    if (items.empty())
        return;
    // Built apart, so that the tree hears one reset or one insertion per top-level item.
    model::ItemTree built;
    importer::appendItems(built, items);
    const int made = built.itemCounter();
    std::vector<model::OwnedNode> nodes = built.takeAll();
    auto& tree = project_.items;
    const int counter = tree.itemCounter();
    if (replace) {
        std::vector<model::OwnedNode> before = tree.takeAll();
        tree.restoreAll(std::move(nodes));
        tree.setItemCounter(made);
        push(new ReplaceItemsCommand(*this, stepName, std::move(before), counter));
        return;
    }
    std::vector<ItemNode*> added;
    for (auto& node : nodes)
        added.push_back(
            tree.insertSubtree(tree.root(), tree.root()->childCount(), std::move(node)));
    tree.setItemCounter(counter + made);
    push(new AddItemsCommand(*this, stepName, std::move(added), counter));
}

TreeOpResult Document::deleteItem(ItemNode* selection) {
    TreeOpResult r = project_.items.deleteItem(selection);
    if (r.changed)
        push(new RemoveItemCommand(*this, std::move(r.removed), r.node));
    return r;
}

void Document::deleteAllItems() {
    const int counter = project_.items.itemCounter();
    push(new DeleteAllItemsCommand(*this, project_.items.takeAll(), counter));
}

namespace {

// A move step: the node's place before, then the operation; pushes a step when it moved and
// marks the project in any case when the operation says so.
template <typename Op>
TreeOpResult moveStep(Document& doc, const QString& name, ItemNode* node, Op&& op) {
    ItemNode* fromParent = node ? node->parent() : nullptr;
    const int fromRow = node ? node->row() : -1;
    TreeOpResult r = op();
    if (r.changed)
        doc.push(new MoveItemCommand(doc, name, node, fromParent, fromRow));
    else if (r.modified)
        doc.markModified();
    return r;
}

} // namespace

TreeOpResult Document::moveItemUp(ItemNode* selection) {
    return moveStep(*this, QStringLiteral("Move Up"), selection,
                    [&] { return project_.items.moveUp(selection); });
}

TreeOpResult Document::moveItemDown(ItemNode* selection) {
    return moveStep(*this, QStringLiteral("Move Down"), selection,
                    [&] { return project_.items.moveDown(selection); });
}

TreeOpResult Document::dropItem(ItemNode* dragged, model::DropZone zone, ItemNode* target) {
    return moveStep(*this, QStringLiteral("Move Item"), dragged,
                    [&] { return project_.items.dropItem(dragged, zone, target); });
}

namespace {

void propsStep(Document& doc, model::ItemTree& items, const QString& name, ItemNode* node,
               const model::TItemProps& after, int field, int session) {
    if (!node || node->isRoot())
        return;
    model::TItemProps before = items.replaceProps(node, after);
    if (before == after)
        doc.markModified(); // written again unchanged: still an edit of the item
    else
        doc.push(new ItemPropsCommand(doc, name, node, std::move(before), after, field, session));
}

} // namespace

void Document::renameItem(ItemNode* node, const std::string& text, int session) {
    if (!node || node->isRoot())
        return;
    model::TItemProps props = node->props();
    props.caption = model::withoutLevelMarks(text);
    propsStep(*this, project_.items, QStringLiteral("Rename Item"), node, props, kCaptionField,
              session);
}

void Document::setItemField(ItemNode* node, model::ItemField field, const std::string& text,
                            int session) {
    if (!node || node->isRoot())
        return;
    model::TItemProps props = node->props();
    model::setItemField(props, field, text);
    propsStep(*this, project_.items, itemFieldStepName(field), node, props, static_cast<int>(field),
              session);
}

void Document::setItemImages(ItemNode* node, const std::string& img1, const std::string& img2) {
    if (!node || node->isRoot())
        return;
    model::TItemProps props = node->props();
    props.img1 = img1;
    props.img2 = img2;
    propsStep(*this, project_.items, QStringLiteral("Change Images"), node, props, -1, 0);
}

void Document::setItemStyle(ItemNode* node, int32_t index) {
    if (!node || node->isRoot())
        return;
    model::TItemProps props = node->props();
    props.itemStyle = index;
    propsStep(*this, project_.items, QStringLiteral("Choose Item Style"), node, props, -1, 0);
}

void Document::setSmStyle(ItemNode* node, int32_t index) {
    if (!node || node->isRoot())
        return;
    model::TItemProps props = node->props();
    props.smStyle = index;
    propsStep(*this, project_.items, QStringLiteral("Choose Submenu Style"), node, props, -1, 0);
}

// --- Parameters and crossframe settings

void Document::setParam(int row, model::TPropType value, int session, bool autoPreview) {
    if (row < 0 || row >= static_cast<int>(project_.params.size()))
        return;
    model::TPropType before = project_.setParam(row, value);
    if (before == value)
        markModified(autoPreview);
    else
        push(new ParamCommand(*this, row, std::move(before), std::move(value), session,
                              autoPreview));
}

void Document::resetParam(int row) {
    if (row < 0 || row >= model::kParamCount)
        return;
    setParam(row, model::parseParamDefinition(model::paramDefinition(row)));
}

void Document::setCrossframe(const model::CrossframeSettings& settings) {
    if (settings == project_.crossframe)
        return;
    model::CrossframeSettings before = project_.setCrossframe(settings);
    push(new CrossframeCommand(*this, std::move(before), settings));
}

// --- Styles

template <typename Record> int Document::addStyle() {
    const int counter = project_.styles<Record>().counter();
    const int k = project_.appendStyle<Record>();
    push(new AddStyleCommand<Record>(*this, styleStepName<Record>("Add %1"), counter));
    return k;
}

template <typename Record> int Document::duplicateStyle(int k) {
    const int counter = project_.styles<Record>().counter();
    const int copy = project_.duplicateStyle<Record>(k);
    if (copy >= 0)
        push(new AddStyleCommand<Record>(*this, styleStepName<Record>("Duplicate %1"), counter));
    return copy;
}

template <typename Record> bool Document::deleteStyle(int k) {
    model::RemovedStyles<Record> removed = project_.removeStyle<Record>(k);
    if (removed.empty())
        return false;
    push(new RemoveStylesCommand<Record>(*this, styleStepName<Record>("Delete %1"),
                                         std::move(removed), false));
    return true;
}

template <typename Record> void Document::deleteAllStyles() {
    if (project_.styles<Record>().empty()) {
        markModified(false);
        return;
    }
    push(new RemoveStylesCommand<Record>(*this, styleStepName<Record>("Delete All %1s"),
                                         project_.removeAllStyles<Record>(), true));
}

template <typename Record> bool Document::renameStyle(int k, const std::string& name, int session) {
    std::optional<std::string> before = project_.renameStyle<Record>(k, name);
    if (!before)
        return false;
    if (*before == name)
        markModified(false);
    else
        push(new StyleValueCommand<Record, std::string>(*this, styleStepName<Record>("Rename %1"),
                                                        k, std::move(*before), name, session));
    return true;
}

template <typename Record> bool Document::setStyle(int k, const Record& record, int session) {
    if (!project_.styles<Record>().valid(k))
        return false;
    Record before = project_.replaceStyle<Record>(k, record);
    if (before == record)
        markModified(false);
    else
        push(new StyleValueCommand<Record, Record>(*this, styleStepName<Record>("Change %1"), k,
                                                   std::move(before), record, session));
    return true;
}

#define MENULOOM_DOCUMENT_STYLE_OPS(Record)                                                        \
    template int Document::addStyle<Record>();                                                     \
    template int Document::duplicateStyle<Record>(int);                                            \
    template bool Document::deleteStyle<Record>(int);                                              \
    template void Document::deleteAllStyles<Record>();                                             \
    template bool Document::renameStyle<Record>(int, const std::string&, int);                     \
    template bool Document::setStyle<Record>(int, const Record&, int);
MENULOOM_DOCUMENT_STYLE_OPS(model::TStyle)
MENULOOM_DOCUMENT_STYLE_OPS(model::TSmStyle)
#undef MENULOOM_DOCUMENT_STYLE_OPS

} // namespace menuloom::doc
