#pragma once
// The one project: parameters, item tree, style lists, crossframe settings and folders. Its parts
// change through the operations below (and the item tree's own), each of which returns what is
// needed to reverse it and tells every observer what changed.

#include "model/crossframe.h"
#include "model/itemtree.h"
#include "model/paramtable.h"
#include "model/styles.h"

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace menuloom::model {

enum class StyleKind { Item, Submenu };

// Told about every change of the project. The item events are the item tree's; between
// beforeReset and afterReset the whole project is replaced (New, Open, reading the start-up
// file) and no finer event is sent.
class ProjectObserver : public ItemTreeObserver {
public:
    virtual void paramChanged(int row) { (void)row; }
    // Entries of a style list were added, removed or renamed.
    virtual void styleListChanged(StyleKind kind) { (void)kind; }
    // The record of style k changed.
    virtual void styleChanged(StyleKind kind, int k) { (void)kind, (void)k; }
    virtual void crossframeChanged() {}
    virtual void projectAboutToReset() {}
    virtual void projectReset() {}
};

// What removing styles took out, so that it can be put back: the entries from `index` on, and
// the items whose references the removal renumbered.
template <typename Record> struct RemovedStyles {
    int index = -1; // -1: nothing was removed
    std::vector<std::string> names;
    std::vector<Record> records;
    std::vector<StyleRefChange> refs;
    bool empty() const { return index < 0; }
};

class Project {
public:
    Project();
    ~Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    TProps params;
    ItemTree items;
    ItemStyleList itemStyles;
    SmStyleList smStyles;
    CrossframeSettings crossframe;
    // Folder of the data file read last (the program folder at start), with a trailing "/".
    std::string workingFolder;

    // Adds an observer, told after those already there; `first`: told before them instead.
    // Adapters that views read through (the item tree's view model) go first, so that they are
    // consistent again before any view reacts to a change or a reset.
    void addObserver(ProjectObserver* observer, bool first = false);
    void removeObserver(ProjectObserver* observer);

    // The reset of New and Open: every parameter back to its built-in default, both style lists
    // emptied with their counters at 0, no items, item counter 0, empty clipboard, crossframe off.
    void reset();
    // The same without rebuilding the parameter table (start-up builds it just before).
    void resetContents();
    // Brackets a wholesale replacement (a reset, reading a file): observers hear only the two
    // reset events. Nested calls are allowed.
    void beginReset();
    void endReset();

    TPropType& param(std::string_view name);
    const TPropType& param(std::string_view name) const;

    // Parameter `row` takes `value`; returns the old value.
    TPropType setParam(int row, TPropType value);
    // The crossframe settings as a whole; returns the old ones.
    CrossframeSettings setCrossframe(CrossframeSettings value);

    // Style operations, for either list (Record is TStyle or TSmStyle).
    template <typename Record> StyleList<Record>& styles() {
        if constexpr (std::is_same_v<Record, TStyle>)
            return itemStyles;
        else
            return smStyles;
    }
    // Appends a default style (or a copy of style k) under the next default name; returns its
    // index, -1 when k is no style.
    template <typename Record> int appendStyle();
    template <typename Record> int duplicateStyle(int k);
    // Removes style k (or all styles), renumbering the items' references.
    template <typename Record> RemovedStyles<Record> removeStyle(int k);
    template <typename Record> RemovedStyles<Record> removeAllStyles();
    // Takes the last style off the list without touching any item: the reverse of appending it
    // (references to its place, made before it existed, stay as they were).
    template <typename Record> RemovedStyles<Record> takeLastStyle();
    // Puts removed styles back with the items' references they had.
    template <typename Record> void restoreStyles(const RemovedStyles<Record>& removed);
    // Renames style k unless the text is blank; returns the old name when it renamed.
    template <typename Record> std::optional<std::string> renameStyle(int k, std::string name);
    // Replaces the record of style k; returns the old one (the same record when k is no style).
    template <typename Record> Record replaceStyle(int k, Record record);
    template <typename Record> void setStyleCounter(int value);

private:
    class Relay;
    template <typename Record> static constexpr StyleKind kindOf() {
        return std::is_same_v<Record, TStyle> ? StyleKind::Item : StyleKind::Submenu;
    }
    template <typename Fn> void notify(Fn&& fn);

    std::vector<ProjectObserver*> observers_;
    Relay* relay_ = nullptr; // forwards the item tree's events to the observers
    int resetDepth_ = 0;
};

// Style operations over a project's lists and items.
bool deleteStyleAt(Project& project, int k);
void deleteAllStyles(Project& project);
bool deleteSmStyleAt(Project& project, int k);
void deleteAllSmStyles(Project& project);

// The folder part of `path` with its trailing separator ("" when it has none).
std::string folderOf(std::string_view path);

} // namespace menuloom::model
