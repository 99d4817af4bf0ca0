#pragma once
// How a pass stops the whole reading at a number too large for a 32-bit integer.

#include "reader/scanning.h"

#include <string>
#include <string_view>

namespace menuloom::reader {

// Thrown by the passes and caught by the entry operation, which turns it into the
// "'%s' is not a valid integer value" result. It never leaves the reader's entry points.
struct NumberTooLarge {
    std::string digits;
};

// Strict integer reading for the passes: as readStrictInt, but stops the reading on overflow.
inline IntReading strictInt(std::string_view text) {
    IntReading r = readStrictInt(text);
    if (!r.tooLarge.empty())
        throw NumberTooLarge{std::string(r.tooLarge)};
    return r;
}

inline TFontParams fontDescriptionOrStop(std::string_view text) {
    FontReading r = readFontDescription(text);
    if (!r.tooLarge.empty())
        throw NumberTooLarge{std::move(r.tooLarge)};
    return std::move(r.font);
}

} // namespace menuloom::reader
