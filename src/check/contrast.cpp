#include "check/contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace menuloom::check {

namespace {

double linearOf(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The 256 values once: the checks judge thousands of colour pairs in a large menu.
double linear(uint8_t channel) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[static_cast<std::size_t>(i)] = linearOf(i);
        return t;
    }();
    return table[channel];
}

} // namespace

double relativeLuminance(Rgb c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isBoldWeight(int weightIndex) {
    // "bold"; "bolder" over the page's normal weight; "700", "800", "900".
    return weightIndex == 1 || weightIndex == 2 || (weightIndex >= 10 && weightIndex <= 12);
}

bool isLargeText(int sizePt, int weightIndex) {
    return sizePt >= 18 || (sizePt >= 14 && isBoldWeight(weightIndex));
}

double requiredRatio(int sizePt, int weightIndex) {
    return isLargeText(sizePt, weightIndex) ? 3.0 : 4.5;
}

Rgb blend(Rgb top, Rgb under, double alpha) {
    alpha = std::clamp(alpha, 0.0, 1.0);
    auto mix = [alpha](uint8_t t, uint8_t u) {
        return static_cast<uint8_t>(std::lround(alpha * t + (1.0 - alpha) * u));
    };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b)};
}

std::string hexOf(Rgb c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s = "#";
    for (uint8_t v : {c.r, c.g, c.b}) {
        s += kHex[v >> 4];
        s += kHex[v & 0xF];
    }
    return s;
}

double shownRatio(double ratio) {
    const double rounded = std::round(ratio * 100.0) / 100.0;
    for (double minimum : {3.0, 4.5, 7.0})
        if (ratio < minimum && rounded >= minimum)
            return std::floor(ratio * 100.0) / 100.0;
    return rounded;
}

std::string ratioText(double ratio) {
    const long hundredths = std::lround(shownRatio(ratio) * 100.0);
    std::string s = std::to_string(hundredths / 100) + '.';
    const long frac = hundredths % 100;
    if (frac < 10)
        s += '0';
    s += std::to_string(frac);
    // "4.50" reads as "4.5", "3.00" as "3".
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s + ":1";
}

} // namespace menuloom::check
