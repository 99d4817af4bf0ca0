#pragma once
// The table of the 60 global menu parameters, built by parsing fixed definition strings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::model {

// The type of a parameter, derived once from its type keyword. Code that treats parameters by
// type switches on it (without a default, so that a missed kind is a compiler warning).
enum class ParamKind {
    Img,              // "img": an image path in `text`
    Bool,             // "bool": `boolValue`
    Int,              // "int": `value`; constraint in `text`, bound in `num`
    Strs,             // "strs": choice `num` of `strList`, or custom `text` when `flag` is 1
    FontStyle,        // "fontStyle": weight `flag`, size `num`, family `text`
    ColorArray,       // "colorArray": N colours in `intList`
    FontDecorArray,   // "fontDecorArray": N decoration indexes in `intList`
    BorderStyleArray, // "borderStyleArray": N border style codes in `intList`
    ImgArray,         // "imgArray": N image paths in `strList`
    Color,            // "color": colour in `num`
    Alignment,        // "alignment": alignment code in `num`
    Percents,         // "percents": `value` 0..100
    Transition,       // "transition": `value` 0..24
    Unknown,          // any other keyword (the fixed definitions have none)
};

// The kind of a type keyword ("colorArray" gives ColorArray).
ParamKind paramKindOf(std::string_view typeName);

// One parameter. Which fields carry the value depends on its kind.
struct TPropType {
    std::string name;
    std::string typeName;
    ParamKind kind = ParamKind::Unknown; // derived from `typeName`
    std::vector<std::string> strList;    // choices of "strs"; the paths of "imgArray"
    int32_t num = 0;       // bound, array length, colour, alignment, font size or choice index
    int32_t flag = 0;      // quoted-text mark ("^str", custom "strs" text); font weight index
    std::string text;      // constraint keyword or "Array"; font family; image path; custom text
    uint8_t boolValue = 0; // bool value; for "percents" ints: 0 percentage, 1 plain integer
    int32_t value = 0;     // value of "int", "percents" and "transition"
    std::vector<int32_t> intList; // entries of colour, decoration and border style arrays

    bool operator==(const TPropType&) const = default;
};

using TProps = std::vector<TPropType>;

inline constexpr int kParamCount = 60;

// The definition string and hint text of row `row` (0..59).
std::string_view paramDefinition(int row);
std::string_view paramHint(int row);

// Parses one definition string into a record at its built-in default value.
TPropType parseParamDefinition(std::string_view definition);

// Sizes `table` to 60 records, each parsed from its definition (the reset of all parameters).
void buildParamTable(TProps& table);

// Row of the parameter named `name`, or -1.
int findParam(const TProps& table, std::string_view name);

// The one colour list written and read as a single text of blank-separated colours instead of an
// array ("menuBorderColor").
bool isColorListText(const TPropType& param);

// Name tables shared by parameters and styles.
inline constexpr std::array<std::string_view, 4> kDecorationNames = {"none", "underline",
                                                                     "overline", "line-through"};
inline constexpr std::array<std::string_view, 9> kBorderStyleNames = {
    "none", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
inline constexpr std::array<std::string_view, 13> kFontWeightNames = {
    "normal", "bold", "bolder", "lighter", "100", "200", "300",
    "400",    "500",  "600",    "700",     "800", "900"};
inline constexpr std::array<std::string_view, 4> kAlignmentNames = {"", "left", "center", "right"};

// Names by stored value; out-of-range values give the empty text.
std::string_view decorationName(int value);      // indexed by value
std::string_view fontWeightName(int value);      // indexed by value
std::string_view borderStyleName(int code);      // code 0..7 names entry code+1; -1 (unset) is ""
std::string_view styleBorderStyleName(int code); // as above, but -1 is "none" (style records)
std::string_view alignmentName(int code);        // code -1..2 names entry code+1

// Font description "weight size" "pt " family, e.g. "normal 8pt Tahoma".
std::string fontDescription(int weight, int size, std::string_view family);

// Outcome of typing an integer into the grid's integer editor.
struct IntInputResult {
    enum class Kind {
        Accepted,     // store `value` and `boolValue`
        Refused,      // silent: the editor shows the old number again
        RangeRefused, // `message` is "Value must be >= N" or "Value must be > N" (caption "Error")
        ConversionError, // `message` is "'text' is not a valid integer value"
    };
    Kind kind = Kind::Refused;
    int32_t value = 0;
    uint8_t boolValue = 1; // 0: percentage, 1: plain integer
    std::string message;
    bool accepted() const { return kind == Kind::Accepted; }
};

inline constexpr std::string_view kErrorCaption = "Error";

// The message of a text that is not a whole 32-bit decimal number.
std::string invalidIntegerMessage(std::string_view text);

// Checks `typed` against the rules of an "int" parameter; changes nothing itself.
IntInputResult acceptIntInput(const TPropType& param, std::string_view typed);

// Stores an accepted input into `param`; returns false (and changes nothing) for a refusal.
bool applyIntInput(TPropType& param, const IntInputResult& result);

} // namespace menuloom::model
