#pragma once
// Named item styles and submenu styles, with their program-wide name counters.

#include "model/itemtree.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::model {

// Appearance of the items that use it; each group is switched on by its use flag.
struct TStyle {
    bool useFontColor = false;
    int32_t fontColorNormal = -1;
    int32_t fontColorOver = -1;
    bool useFontStyle = false;
    std::string fontName = "Tahoma";
    int32_t fontSize = 8;
    int32_t fontWeight = 0;
    bool useFontDecoration = false;
    int32_t fontDecorationNormal = 0;
    int32_t fontDecorationOver = 0;
    bool useItemBackColor = false;
    int32_t itemBackColorNormal = -1;
    int32_t itemBackColorOver = -1;
    bool useItemBorderColor = false;
    int32_t itemBorderColorNormal = -1;
    int32_t itemBorderColorOver = -1;
    bool useItemBorderWidth = false;
    int32_t itemBorderWidth = 0;
    bool useItemBorderStyle = false;
    int32_t itemBorderStyleNormal = -1;
    int32_t itemBorderStyleOver = -1;
    bool useArrowImageMain = false;
    std::string arrowImageMainNormal;
    std::string arrowImageMainOver;
    bool useArrowImageSub = false;
    std::string arrowImageSubNormal;
    std::string arrowImageSubOver;
    bool useItemBackImage = false;
    std::string itemBackImageNormal;
    std::string itemBackImageOver;

    bool operator==(const TStyle&) const = default;
};

// Appearance of the submenu box that an item opens.
struct TSmStyle {
    bool useMenuBackColor = false;
    int32_t menuBackColor = -1;
    bool useMenuBorderColor = false;
    int32_t menuBorderColor = -1;
    bool useMenuBorderWidth = false;
    int32_t menuBorderWidth = 0;
    bool useMenuBorderStyle = false;
    int32_t menuBorderStyle = -1;
    bool useMenuBackImage = false;
    std::string menuBackImage;

    bool operator==(const TSmStyle&) const = default;
};

using TStyles = std::vector<TStyle>;
using TSmStyles = std::vector<TSmStyle>;

// The font description of an item style, e.g. "normal 8pt Tahoma".
std::string fontDescription(const TStyle& style);

inline constexpr std::string_view kNoStyleEntry = "[none]";

// A name made only of blanks (or other invisible control characters) is no name.
inline bool isBlankName(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

// An ordered list of named styles; record k and name k always belong together. The name counter
// numbers default names and only goes back to 0 with `reset`.
template <typename Record> class StyleList {
public:
    explicit StyleList(std::string_view namePrefix) : prefix_(namePrefix) {}

    int size() const { return static_cast<int>(records_.size()); }
    bool empty() const { return records_.empty(); }
    bool valid(int k) const { return k >= 0 && k < size(); }
    const std::vector<Record>& records() const { return records_; }
    const std::vector<std::string>& names() const { return names_; }
    const Record& at(int k) const { return records_.at(static_cast<std::size_t>(k)); }
    Record& at(int k) { return records_.at(static_cast<std::size_t>(k)); }
    const std::string& nameAt(int k) const { return names_.at(static_cast<std::size_t>(k)); }
    int counter() const { return counter_; }

    // Appends a default record with the next default name; returns its index.
    int appendDefault() { return append(Record{}); }

    // Appends a copy of record k under the next default name; -1 when k is no style.
    int duplicate(int k) {
        if (!valid(k))
            return -1;
        return append(Record(at(k)));
    }

    // Replaces record k; false when k is no style.
    bool set(int k, const Record& record) {
        if (!valid(k))
            return false;
        at(k) = record;
        return true;
    }

    // Renames entry k unless the text is blank; the name is kept untrimmed.
    bool rename(int k, std::string_view text) {
        if (!valid(k) || isBlankName(text))
            return false;
        names_[static_cast<std::size_t>(k)] = std::string(text);
        return true;
    }

    // Sets the name without the blank test (the reader stores names exactly as read).
    void setName(int k, std::string_view text) {
        if (valid(k))
            names_[static_cast<std::size_t>(k)] = std::string(text);
    }

    // "[none]" followed by the names, for the item panel's style lists.
    std::vector<std::string> choiceList() const {
        std::vector<std::string> list{std::string(kNoStyleEntry)};
        list.insert(list.end(), names_.begin(), names_.end());
        return list;
    }

    // Puts an entry back at position k (0..size), as it was before a removal.
    void insertAt(int k, std::string name, Record record) {
        records_.insert(records_.begin() + k, std::move(record));
        names_.insert(names_.begin() + k, std::move(name));
    }
    void setCounter(int value) { counter_ = value; }

    // Removes entry k only; callers renumber the items' references (see below).
    bool removeAt(int k) {
        if (!valid(k))
            return false;
        records_.erase(records_.begin() + k);
        names_.erase(names_.begin() + k);
        return true;
    }
    void removeAll() {
        records_.clear();
        names_.clear();
    }
    void resetCounter() { counter_ = 0; }

private:
    int append(Record record) {
        ++counter_;
        records_.push_back(std::move(record));
        names_.push_back(prefix_ + std::to_string(counter_));
        return size() - 1;
    }

    std::string prefix_;
    std::vector<Record> records_;
    std::vector<std::string> names_;
    int counter_ = 0;
};

class ItemStyleList : public StyleList<TStyle> {
public:
    ItemStyleList() : StyleList<TStyle>("Item Style ") {}
};

class SmStyleList : public StyleList<TSmStyle> {
public:
    SmStyleList() : StyleList<TSmStyle>("Submenu Style ") {}
};

// An item whose style reference a deletion changed, with the reference it had before.
struct StyleRefChange {
    ItemNode* node = nullptr;
    int32_t old = -1;
};

// After style k was deleted (k = -1: all styles), items follow their styles: references to k
// become -1, those above k move down by one. Returns the items changed, in tree order.
std::vector<StyleRefChange> renumberItemStyleRefs(ItemTree& tree, int k);
std::vector<StyleRefChange> renumberSmStyleRefs(ItemTree& tree, int k);

int appendDefaultStyle(ItemStyleList& list);
int appendDefaultSmStyle(SmStyleList& list);
bool deleteStyleAt(ItemStyleList& list, ItemTree& tree, int k);
void deleteAllStyles(ItemStyleList& list, ItemTree& tree);
bool deleteSmStyleAt(SmStyleList& list, ItemTree& tree, int k);
void deleteAllSmStyles(SmStyleList& list, ItemTree& tree);

} // namespace menuloom::model
