#pragma once
// The contrast arithmetic of the Web Content Accessibility Guidelines.

#include "check/enginedefaults.h"

#include <string>

namespace menuloom::check {

// Relative luminance, 0 for black to 1 for white.
double relativeLuminance(Rgb c);

// (lighter + 0.05) / (darker + 0.05): 1 to 21.
double contrastRatio(Rgb a, Rgb b);

// Large text: at least 18 points, or 14 points and bold (a weight index of the font weight
// table that draws at 700 or more).
bool isBoldWeight(int weightIndex);
bool isLargeText(int sizePt, int weightIndex);

// 3 for large text, else 4.5.
double requiredRatio(int sizePt, int weightIndex);

// `top` drawn with opacity `alpha` (0..1) over `under`, as the browser blends it.
Rgb blend(Rgb top, Rgb under, double alpha);

// "#RRGGBB".
std::string hexOf(Rgb c);

// A ratio to two decimals, rounded, but cut where rounding would lift a ratio below one of the
// minimums (3, 4.5, 7) onto it, so that a failing ratio never reads as passing.
double shownRatio(double ratio);

// The shown ratio as "4.48:1".
std::string ratioText(double ratio);

} // namespace menuloom::check
