#include "model/project.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace menuloom::model {

namespace {

template <typename Record> std::vector<StyleRefChange> renumberRefs(ItemTree& items, int k) {
    if constexpr (std::is_same_v<Record, TStyle>)
        return renumberItemStyleRefs(items, k);
    else
        return renumberSmStyleRefs(items, k);
}

} // namespace

// The item tree has one observer; this one hands its events on to every project observer.
class Project::Relay : public ItemTreeObserver {
public:
    explicit Relay(Project& project) : p_(project) {}
    void beforeInsert(ItemNode* parent, int row) override {
        p_.notify([&](ProjectObserver* o) { o->beforeInsert(parent, row); });
    }
    void afterInsert(ItemNode* node) override {
        p_.notify([&](ProjectObserver* o) { o->afterInsert(node); });
    }
    void beforeRemove(ItemNode* node) override {
        p_.notify([&](ProjectObserver* o) { o->beforeRemove(node); });
    }
    void afterRemove(ItemNode* parent, int row) override {
        p_.notify([&](ProjectObserver* o) { o->afterRemove(parent, row); });
    }
    void beforeMove(ItemNode* node, ItemNode* newParent, int destRow) override {
        p_.notify([&](ProjectObserver* o) { o->beforeMove(node, newParent, destRow); });
    }
    void afterMove(ItemNode* node) override {
        p_.notify([&](ProjectObserver* o) { o->afterMove(node); });
    }
    void changed(ItemNode* node) override {
        p_.notify([&](ProjectObserver* o) { o->changed(node); });
    }
    void beforeReset() override {
        p_.notify([](ProjectObserver* o) { o->beforeReset(); });
    }
    void afterReset() override {
        p_.notify([](ProjectObserver* o) { o->afterReset(); });
    }

private:
    Project& p_;
};

Project::Project() : relay_(new Relay(*this)) {
    items.setObserver(relay_);
    reset();
}

Project::~Project() {
    items.setObserver(nullptr);
    delete relay_;
}

template <typename Fn> void Project::notify(Fn&& fn) {
    if (resetDepth_ > 0)
        return;
    // A copy: an observer may remove itself while it is told.
    const std::vector<ProjectObserver*> observers = observers_;
    for (ProjectObserver* o : observers)
        fn(o);
}

void Project::addObserver(ProjectObserver* observer, bool first) {
    if (!observer || std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
        return;
    observers_.insert(first ? observers_.begin() : observers_.end(), observer);
}

void Project::removeObserver(ProjectObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Project::beginReset() {
    if (resetDepth_ == 0)
        notify([](ProjectObserver* o) { o->projectAboutToReset(); });
    ++resetDepth_;
}

void Project::endReset() {
    if (resetDepth_ == 0)
        return;
    if (--resetDepth_ == 0)
        notify([](ProjectObserver* o) { o->projectReset(); });
}

void Project::reset() {
    beginReset();
    buildParamTable(params);
    resetContents();
    endReset();
}

void Project::resetContents() {
    beginReset();
    deleteAllStyles(*this);
    deleteAllSmStyles(*this);
    items.deleteAll();
    items.setItemCounter(0);
    items.clearClipboard();
    itemStyles.resetCounter();
    smStyles.resetCounter();
    ResetCrossframeParams(crossframe);
    endReset();
}

TPropType& Project::param(std::string_view name) {
    const int row = findParam(params, name);
    if (row < 0)
        throw std::out_of_range("no parameter " + std::string(name));
    return params[static_cast<std::size_t>(row)];
}

const TPropType& Project::param(std::string_view name) const {
    return const_cast<Project*>(this)->param(name);
}

TPropType Project::setParam(int row, TPropType value) {
    if (row < 0 || static_cast<std::size_t>(row) >= params.size())
        return value;
    TPropType old = std::exchange(params[static_cast<std::size_t>(row)], std::move(value));
    notify([row](ProjectObserver* o) { o->paramChanged(row); });
    return old;
}

CrossframeSettings Project::setCrossframe(CrossframeSettings value) {
    CrossframeSettings old = std::exchange(crossframe, std::move(value));
    notify([](ProjectObserver* o) { o->crossframeChanged(); });
    return old;
}

template <typename Record> int Project::appendStyle() {
    const int k = styles<Record>().appendDefault();
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return k;
}

template <typename Record> int Project::duplicateStyle(int k) {
    const int copy = styles<Record>().duplicate(k);
    if (copy >= 0)
        notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return copy;
}

template <typename Record> RemovedStyles<Record> Project::removeStyle(int k) {
    RemovedStyles<Record> out;
    StyleList<Record>& list = styles<Record>();
    if (!list.valid(k))
        return out;
    out.index = k;
    out.names.push_back(list.nameAt(k));
    out.records.push_back(list.at(k));
    list.removeAt(k);
    out.refs = renumberRefs<Record>(items, k);
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return out;
}

template <typename Record> RemovedStyles<Record> Project::removeAllStyles() {
    RemovedStyles<Record> out;
    StyleList<Record>& list = styles<Record>();
    out.index = 0;
    out.names = list.names();
    out.records = list.records();
    list.removeAll();
    out.refs = renumberRefs<Record>(items, -1);
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return out;
}

template <typename Record> RemovedStyles<Record> Project::takeLastStyle() {
    RemovedStyles<Record> out;
    StyleList<Record>& list = styles<Record>();
    if (list.empty())
        return out;
    out.index = list.size() - 1;
    out.names.push_back(list.nameAt(out.index));
    out.records.push_back(list.at(out.index));
    list.removeAt(out.index);
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return out;
}

template <typename Record> void Project::restoreStyles(const RemovedStyles<Record>& removed) {
    if (removed.empty())
        return;
    StyleList<Record>& list = styles<Record>();
    for (std::size_t i = 0; i < removed.records.size(); ++i)
        list.insertAt(removed.index + static_cast<int>(i), removed.names[i], removed.records[i]);
    for (const StyleRefChange& change : removed.refs) {
        if constexpr (std::is_same_v<Record, TStyle>)
            items.setItemStyle(change.node, change.old);
        else
            items.setSmStyle(change.node, change.old);
    }
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
}

template <typename Record>
std::optional<std::string> Project::renameStyle(int k, std::string name) {
    StyleList<Record>& list = styles<Record>();
    if (!list.valid(k) || isBlankName(name))
        return std::nullopt;
    std::string old = list.nameAt(k);
    list.rename(k, name);
    notify([](ProjectObserver* o) { o->styleListChanged(kindOf<Record>()); });
    return old;
}

template <typename Record> Record Project::replaceStyle(int k, Record record) {
    StyleList<Record>& list = styles<Record>();
    if (!list.valid(k))
        return record;
    Record old = std::exchange(list.at(k), std::move(record));
    notify([k](ProjectObserver* o) { o->styleChanged(kindOf<Record>(), k); });
    return old;
}

template <typename Record> void Project::setStyleCounter(int value) {
    styles<Record>().setCounter(value);
}

#define MENULOOM_STYLE_OPS(Record)                                                                 \
    template int Project::appendStyle<Record>();                                                   \
    template int Project::duplicateStyle<Record>(int);                                             \
    template RemovedStyles<Record> Project::removeStyle<Record>(int);                              \
    template RemovedStyles<Record> Project::removeAllStyles<Record>();                             \
    template RemovedStyles<Record> Project::takeLastStyle<Record>();                               \
    template void Project::restoreStyles<Record>(const RemovedStyles<Record>&);                    \
    template std::optional<std::string> Project::renameStyle<Record>(int, std::string);            \
    template Record Project::replaceStyle<Record>(int, Record);                                    \
    template void Project::setStyleCounter<Record>(int);
MENULOOM_STYLE_OPS(TStyle)
MENULOOM_STYLE_OPS(TSmStyle)
#undef MENULOOM_STYLE_OPS

bool deleteStyleAt(Project& p, int k) {
    return !p.removeStyle<TStyle>(k).empty();
}
void deleteAllStyles(Project& p) {
    p.removeAllStyles<TStyle>();
}
bool deleteSmStyleAt(Project& p, int k) {
    return !p.removeStyle<TSmStyle>(k).empty();
}
void deleteAllSmStyles(Project& p) {
    p.removeAllStyles<TSmStyle>();
}

std::string folderOf(std::string_view path) {
    const auto sep = path.find_last_of("/\\");
    if (sep == std::string_view::npos)
        return {};
    return std::string(path.substr(0, sep + 1));
}

} // namespace menuloom::model
