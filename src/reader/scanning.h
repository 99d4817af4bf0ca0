#pragma once
// The text rules every pass of the data file reader shares. They never fail: a text that does
// not read gives its fallback value. "Blank" is the space character only.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::reader {

// Separator of image paths read from a data file. The file always holds "/", which already is
// this platform's separator, so reading leaves image paths as written.
inline constexpr char kPathSeparator = '/';

// The text with every blank removed; tabs and other characters stay.
std::string blankFree(std::string_view text);
// The same into `out` (cleared first), for loops that should not allocate per line.
void blankFreeInto(std::string& out, std::string_view text);

// Whether the blank-free form of `text` contains `needle` (which holds no blank), without
// building that form.
bool containsIgnoringBlanks(std::string_view text, std::string_view needle);

// The text of a quoted value. One JavaScript string literal (a double quote, the text, the
// closing double quote) gives its text with "\"" and "\\" decoded. Anything else, such as the
// raw quotes of older files, gives the text with every double quote removed.
std::string unquote(std::string_view text);

// The part of a line that is code: the quoted texts (with their quotes) left out, and nothing
// from a "//" outside quotes on. Texts and comments never count as assignments or array bounds.
std::string codeOf(std::string_view line);

// The text without leading and trailing blanks and control characters.
std::string_view trimmed(std::string_view text);

// The value of an assignment line: the text between the first "=" and the first ";" outside
// quotes (or the line end), without the blanks directly inside; empty without "=" or with ";"
// before "=". When a quote after "=" never closes, the first ";" ends the value, as it always did.
std::string_view assignmentValue(std::string_view line);

// Outcome of the strict integer reading: an optional "-" and then digits only, nothing else.
struct IntReading {
    int32_t value = 0;     // 0 when not a number
    bool isNumber = false; // cleared for every text that is not a number
    // The digits, when they form a number too large for a signed 32-bit integer (not a number
    // then); empty otherwise. The reader stops at such a number.
    std::string_view tooLarge;
};
IntReading readStrictInt(std::string_view text);

// Where the first `c` outside quoted texts stands in `text`, from `from` on; npos when there is
// none. A quote that never closes hides the rest of the text and sets `*unclosed`.
std::size_t findOutsideQuotes(std::string_view text, char c, std::size_t from = 0,
                              bool* unclosed = nullptr);

// Splits a record or array text at the commas outside quoted texts (a quote left open runs to the
// end).
void splitOutsideQuotes(std::vector<std::string_view>& fields, std::string_view text);

// Field `n` (from 1) of `text` split at `separator`; empty when the trimmed text is empty, `n`
// is below 1 or there are fewer fields. Fields are not trimmed.
std::string_view fieldN(std::string_view text, char separator, int n);

// The colour of "#RRGGBB" (any letter case) as 0x00BBGGRR; -1 for any other text.
int32_t colorFromText(std::string_view text);

// A font value: family, size in points and font weight index.
struct TFontParams {
    std::string family = "Tahoma";
    int32_t size = 8;
    int32_t weight = 0;

    bool operator==(const TFontParams&) const = default;
};
// A font description "weight size"pt" family" read with its fallbacks (normal, 8, Tahoma).
// `tooLarge` holds the size digits when they overflow; the font is then incomplete.
struct FontReading {
    TFontParams font;
    std::string tooLarge;
};
FontReading readFontDescription(std::string_view text);

// Every "/" of an image path turned into the platform's path separator.
std::string imagePath(std::string_view text);
void toPlatformSeparators(std::string& path);

// Name table lookups, exact and case-sensitive, with the values stored in the model.
int32_t lookupFontWeight(std::string_view name);  // index, 0 ("normal") when unknown
int32_t lookupDecoration(std::string_view name);  // index, 0 ("none") when unknown
int32_t lookupBorderStyle(std::string_view name); // index - 1, -1 when unknown
int32_t lookupAlignment(std::string_view name);   // index - 1, -1 when unknown

} // namespace menuloom::reader
