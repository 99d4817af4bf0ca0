#pragma once
// The array blocks of a data file (item styles, submenu styles, items) and the style-name
// comment block. They run after the parameter pass; their functions throw NumberTooLarge
// (readstop.h).

#include "model/project.h"
#include "reader/linelist.h"

#include <string>
#include <string_view>
#include <vector>

namespace menuloom::reader {

inline constexpr std::string_view kItemStylesStart = "varitemStyles=";
inline constexpr std::string_view kMenuStylesStart = "varmenuStyles=";
inline constexpr std::string_view kMenuItemsStart = "varmenuItems=";
inline constexpr std::string_view kBlockEnd = "];";

// The lines from a block's opening line to its closing line; `start` is -1 when it is missing.
struct Block {
    int start = -1;
    int end = -1;
    bool found() const { return start >= 0; }
};

// The first line whose blank-free form holds `startText` and the first later one holding "];",
// both outside quoted texts and comments. Both lines are consumed when both are found; otherwise
// the block is missing and nothing is.
Block findBlock(LineList& lines, std::string_view startText);

// The text between the first "[" of a line and the first "]" after it outside quoted texts;
// empty without either. When a quote never closes, the first "]" ends it (older files).
std::string_view recordText(std::string_view line);

// One field of a style record or of an item record made ready for use: trimmed, then the text
// of its quoted value (see unquote).
std::string fieldText(std::string_view field);

// Applies one key=value field of a style record (key and value trimmed). Unknown keys are
// ignored; a known key switches its group on whatever its value reads as.
void applyItemStyleKey(model::TStyle& style, std::string_view key, std::string_view value);
void applySmStyleKey(model::TSmStyle& style, std::string_view key, std::string_view value);

// Reads the "itemStyles" / "menuStyles" block into the (empty) list.
void readItemStyleBlock(LineList& lines, model::ItemStyleList& styles);
void readSmStyleBlock(LineList& lines, model::SmStyleList& styles);

// Reads the "menuItems" block into the (empty) tree, rebuilding the tree from the depth prefixes.
void readItemBlock(LineList& lines, model::ItemTree& tree);

// Renames the styles from the comment lines between "//ItemStyles" and "//End of ItemStyles"
// (and the same for "//SmStyles"): all styles of a list get their names, or none does.
void readStyleNames(LineList& lines, model::Project& project);

} // namespace menuloom::reader
