#pragma once
// What the engine draws where a menu leaves a look unset: the one table the checks judge colours
// by. Each entry says what the engine draws and carries the text of the engine's source that
// draws it; a test finds every such text in the engine, so that a change there shows up here.

#include <array>
#include <cstdint>
#include <string_view>

namespace menuloom::check {

// A colour as the browser draws it.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A colour of the model (0x00BBGGRR, red in the low byte; -1 is unset).
constexpr Rgb rgbOf(int32_t color) {
    const auto v = static_cast<uint32_t>(color);
    return {static_cast<uint8_t>(v & 0xFFu), static_cast<uint8_t>((v >> 8) & 0xFFu),
            static_cast<uint8_t>((v >> 16) & 0xFFu)};
}

struct EngineDefault {
    std::string_view what;         // what the engine draws
    std::string_view engineSource; // the engine's text that draws it
};

namespace engine {

// Unset font colour: the item takes the colour of the page's text, which the page leaves to
// the browser: black.
inline constexpr Rgb kTextColor{0x00, 0x00, 0x00};
inline constexpr EngineDefault kTextColorSource{"unset font colour: the page's text colour",
                                                "|| 'inherit'"};

// Unset item and box background colours: transparent, so the page shows through; the page the
// designer writes is white.
inline constexpr Rgb kPageColor{0xFF, 0xFF, 0xFF};
inline constexpr EngineDefault kBackSource{"unset background colour: transparent",
                                           "back || 'transparent'"};

// An over colour or picture left unset: the normal state's is drawn.
inline constexpr EngineDefault kOverSource{"unset over value: the normal one", "a[i] || a[0]"};

// Unset font: 8 points, normal weight.
inline constexpr int kFontSizePt = 8;
inline constexpr int kFontWeight = 0;
inline constexpr EngineDefault kFontSource{"unset font", "'normal 8pt Tahoma'"};

// Submenu boxes are drawn with the opacity transparency / 100 over the page (the top level bar
// is not); text and background blend with the page alike.
inline constexpr EngineDefault kOpacitySource{"submenu box opacity", "c.transparency / 100"};

} // namespace engine

inline constexpr std::array kEngineDefaults = {engine::kTextColorSource, engine::kBackSource,
                                               engine::kOverSource, engine::kFontSource,
                                               engine::kOpacitySource};

} // namespace menuloom::check
