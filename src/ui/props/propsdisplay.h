#pragma once
// What the property grid shows for a parameter: the value text of its kind, read the same way by
// a screen reader, and whether the value differs from the built-in one.

#include "model/paramtable.h"

#include <string>
#include <vector>

namespace menuloom::ui {

// One piece of a value cell: a text, or a swatch of a colour (0x00BBGGRR) of a given width.
struct ValuePiece {
    std::string text;
    int32_t swatch = -1; // -1: a text piece
    int swatchWidth = 0;
    int gapBefore = 0; // pixels left free before the piece
};

// The value cell of `param` as the grid draws it, piece by piece.
std::vector<ValuePiece> valuePieces(const model::TPropType& param);

// The value text of `param`: the pieces with every swatch read as its colour text ("#FF0080"),
// so that "[#FF0000, \"\"]" stands for a colour array with one set entry.
std::string valueText(const model::TPropType& param);

// Whether the grid clips the text of this kind before the value button.
bool clipsBeforeButton(const model::TPropType& param);

// Whether parameter `row` holds its built-in default (judged by what the data file would say).
bool isDefaultValue(int row, const model::TPropType& param);

} // namespace menuloom::ui
