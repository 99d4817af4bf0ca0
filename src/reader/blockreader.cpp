#include "reader/blockreader.h"

#include "reader/readstop.h"
#include "reader/scanning.h"

#include <algorithm>
#include <vector>

namespace menuloom::reader {

using model::TSmStyle;
using model::TStyle;

namespace {

// Part n of a value pair such as "#000000,#FFFFFF".
std::string_view part(std::string_view value, int n) {
    return fieldN(value, ',', n);
}

void colorPair(std::string_view value, int32_t& normal, int32_t& over) {
    normal = colorFromText(trimmed(part(value, 1)));
    over = colorFromText(trimmed(part(value, 2)));
}

void imagePair(std::string_view value, std::string& normal, std::string& over) {
    normal = imagePath(part(value, 1));
    over = imagePath(part(value, 2));
}

// Walks the record lines of a block: `record` gets the index of each non-empty record and its
// fields as they stand in the record text.
template <typename Fn> void forEachRecord(const LineList& lines, const Block& block, Fn record) {
    int index = -1;
    std::vector<std::string_view> fields;
    for (int i = block.start; i <= block.end; ++i) {
        const std::string_view text = recordText(lines.at(i));
        if (text.empty())
            continue;
        ++index;
        splitOutsideQuotes(fields, text);
        record(index, fields);
    }
}

// Applies the key=value fields of one style record. A record may take an index and create no
// style (no field has "="); the next record that creates one then fills that gap with default
// styles, so that every style keeps the index of its record line, the items' references stay
// right, and no record ever writes outside the list.
template <typename List, typename Apply>
void readStyleRecord(List& styles, int index, const std::vector<std::string_view>& fields,
                     Apply apply) {
    for (std::string_view field : fields) {
        const std::string text = fieldText(field);
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos)
            continue;
        while (styles.size() <= index)
            styles.appendDefault();
        apply(styles.at(index), trimmed(std::string_view(text).substr(0, eq)),
              trimmed(std::string_view(text).substr(eq + 1)));
    }
}

template <typename List>
void readNames(LineList& lines, List& styles, std::string_view startMarker,
               std::string_view endMarker) {
    int start = -1;
    int end = -1;
    for (int i = 0; i < lines.size() && (start < 0 || end < 0); ++i) {
        if (start < 0 && lines.at(i) == startMarker)
            start = i;
        else if (end < 0 && lines.at(i) == endMarker)
            end = i;
    }
    // Without its start marker the block gives no names, whatever stands before its end marker.
    if (start < 0 || end < 0)
        return;
    const int n = styles.size();
    const int m = end - start - 1;
    if (n == 0 || m < n)
        return;
    for (int i = 0; i < n; ++i) {
        const int row = start + 1 + i;
        const std::string_view line = lines.at(row);
        styles.setName(i, line.size() >= 2 ? line.substr(2) : std::string_view{});
        lines.consume(row);
    }
}

} // namespace

std::string fieldText(std::string_view field) {
    return unquote(trimmed(field));
}

Block findBlock(LineList& lines, std::string_view startText) {
    Block block;
    int start = -1;
    // Only code counts: a text or a comment that holds the start or the end is no bound.
    auto holds = [&lines](int i, std::string_view text) {
        return containsIgnoringBlanks(lines.at(i), text) &&
               containsIgnoringBlanks(codeOf(lines.at(i)), text);
    };
    for (int i = 0; i < lines.size(); ++i) {
        if (holds(i, startText)) {
            start = i;
            break;
        }
    }
    if (start < 0 || start == lines.size() - 1)
        return block;
    for (int i = start + 1; i < lines.size(); ++i) {
        if (holds(i, kBlockEnd)) {
            block.start = start;
            block.end = i;
            lines.consume(start);
            lines.consume(i);
            break;
        }
    }
    return block;
}

std::string_view recordText(std::string_view line) {
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos)
        return {};
    std::size_t close = findOutsideQuotes(line, ']', open + 1);
    if (close == std::string_view::npos)
        close = line.find(']', open + 1);
    if (close == std::string_view::npos)
        return {};
    return line.substr(open + 1, close - open - 1);
}

void applyItemStyleKey(TStyle& s, std::string_view key, std::string_view value) {
    if (key == "fontStyle") {
        s.useFontStyle = true;
        TFontParams font = fontDescriptionOrStop(value);
        s.fontName = std::move(font.family);
        s.fontSize = font.size;
        s.fontWeight = font.weight;
    } else if (key == "fontColor") {
        s.useFontColor = true;
        colorPair(value, s.fontColorNormal, s.fontColorOver);
    } else if (key == "itemBackColor") {
        s.useItemBackColor = true;
        colorPair(value, s.itemBackColorNormal, s.itemBackColorOver);
    } else if (key == "itemBorderColor") {
        s.useItemBorderColor = true;
        colorPair(value, s.itemBorderColorNormal, s.itemBorderColorOver);
    } else if (key == "fontDecoration") {
        s.useFontDecoration = true;
        s.fontDecorationNormal = lookupDecoration(part(value, 1));
        s.fontDecorationOver = lookupDecoration(part(value, 2));
    } else if (key == "itemBorderWidth") {
        s.useItemBorderWidth = true;
        s.itemBorderWidth = strictInt(part(value, 1)).value;
    } else if (key == "itemBorderStyle") {
        s.useItemBorderStyle = true;
        s.itemBorderStyleNormal = lookupBorderStyle(part(value, 1));
        s.itemBorderStyleOver = lookupBorderStyle(part(value, 2));
    } else if (key == "arrowImageMain") {
        s.useArrowImageMain = true;
        imagePair(value, s.arrowImageMainNormal, s.arrowImageMainOver);
    } else if (key == "arrowImageSub") {
        s.useArrowImageSub = true;
        imagePair(value, s.arrowImageSubNormal, s.arrowImageSubOver);
    } else if (key == "itemBackImage") {
        s.useItemBackImage = true;
        imagePair(value, s.itemBackImageNormal, s.itemBackImageOver);
    }
}

void applySmStyleKey(TSmStyle& s, std::string_view key, std::string_view value) {
    if (key == "menuBorderWidth") {
        s.useMenuBorderWidth = true;
        s.menuBorderWidth = strictInt(part(value, 1)).value;
    } else if (key == "menuBorderStyle") {
        s.useMenuBorderStyle = true;
        s.menuBorderStyle = lookupBorderStyle(part(value, 1));
    } else if (key == "menuBackColor") {
        s.useMenuBackColor = true;
        s.menuBackColor = colorFromText(trimmed(part(value, 1)));
    } else if (key == "menuBorderColor") {
        s.useMenuBorderColor = true;
        s.menuBorderColor = colorFromText(trimmed(part(value, 1)));
    } else if (key == "menuBackImage") {
        s.useMenuBackImage = true;
        s.menuBackImage = imagePath(part(value, 1));
    }
}

void readItemStyleBlock(LineList& lines, model::ItemStyleList& styles) {
    const Block block = findBlock(lines, kItemStylesStart);
    if (!block.found())
        return;
    forEachRecord(lines, block, [&](int index, const std::vector<std::string_view>& fields) {
        readStyleRecord(styles, index, fields, applyItemStyleKey);
    });
}

void readSmStyleBlock(LineList& lines, model::SmStyleList& styles) {
    const Block block = findBlock(lines, kMenuStylesStart);
    if (!block.found())
        return;
    forEachRecord(lines, block, [&](int index, const std::vector<std::string_view>& fields) {
        readStyleRecord(styles, index, fields, applySmStyleKey);
    });
}

void readItemBlock(LineList& lines, model::ItemTree& tree) {
    const Block block = findBlock(lines, kMenuItemsStart);
    if (!block.found())
        return;
    // The open path of the selected item: path[k] is its ancestor at level k, path.back() the
    // item itself. Keeping it avoids walking up the tree for every record.
    std::vector<model::ItemNode*> path;
    std::vector<std::string_view> fields;
    int index = -1;
    for (int line = block.start; line <= block.end; ++line) {
        const std::string_view record = recordText(lines.at(line));
        if (record.empty())
            continue;
        ++index;
        splitOutsideQuotes(fields, record);
        model::TItemProps props;
        model::ItemNode* selected = path.empty() ? nullptr : path.back();
        if (index == tree.count()) {
            std::string& text = props.caption;
            text = fieldText(fields[0]);
            std::size_t depth = 0;
            while (depth < text.size() && text[depth] == '|')
                ++depth;
            text.erase(0, depth);
            // A first item goes to the top level; a deeper one goes one level below the last
            // item, however far the prefix jumps; a shallower one climbs to its level.
            const std::size_t level = path.empty() ? 0 : std::min(depth, path.size());
            selected =
                level == 0 ? tree.addItem(nullptr, false) : tree.addItem(path[level - 1], true);
            path.resize(level);
            path.push_back(selected);
        } else if (selected) {
            props = selected->props(); // no new item: the fields go to the selected one
        } else {
            continue;
        }
        std::string* texts[] = {&props.link, &props.img1, &props.img2, &props.tip, &props.target};
        const std::size_t count = std::min<std::size_t>(fields.size(), 8);
        try {
            for (std::size_t f = 1; f < count; ++f) {
                if (f <= 5) {
                    *texts[f - 1] = fieldText(fields[f]);
                    if (f == 2 || f == 3)
                        toPlatformSeparators(*texts[f - 1]);
                    continue;
                }
                const std::string text = fieldText(fields[f]);
                const IntReading r = strictInt(trimmed(text));
                if (r.isNumber)
                    (f == 6 ? props.itemStyle : props.smStyle) = r.value;
            }
        } catch (const NumberTooLarge&) {
            tree.setProps(selected, std::move(props)); // what was read before stays
            throw;
        }
        tree.setProps(selected, std::move(props));
    }
}

void readStyleNames(LineList& lines, model::Project& project) {
    readNames(lines, project.itemStyles, "//ItemStyles", "//End of ItemStyles");
    readNames(lines, project.smStyles, "//SmStyles", "//End of SmStyles");
}

} // namespace menuloom::reader
