#include "reader/paramreader.h"

#include "reader/readstop.h"
#include "reader/scanning.h"
#include "util/jstext.h"

#include <algorithm>

namespace menuloom::reader {

using model::TPropType;

namespace {

constexpr std::string_view kCrossframeCall = "zel_initFrame";

std::string withoutChars(std::string_view text, std::string_view drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (drop.find(c) == std::string_view::npos)
            out += c;
    return out;
}

// "50%" is a percentage, clamped to 0..100; "50" a plain integer, taken as it is.
void readPercentValue(TPropType& p, std::string text) {
    if (!text.empty() && text.back() == '%') {
        text.pop_back();
        p.value = std::clamp(strictInt(text).value, 0, 100);
        p.boolValue = 0;
    } else {
        p.value = strictInt(text).value;
        p.boolValue = 1;
    }
}

void readStrs(TPropType& p, std::string text) {
    const auto& list = p.strList;
    const auto match = std::find(list.begin(), list.end(), text);
    if (match != list.end()) {
        p.num = static_cast<int32_t>(match - list.begin());
        p.flag = 0;
        p.text = std::move(text);
    } else if (!list.empty() && list.back() == "...") {
        p.num = static_cast<int32_t>(list.size() - 1);
        p.flag = 1;
        p.text = std::move(text);
    } else {
        p.text.clear();
    }
}

int arrayLength(const TPropType& p) {
    return std::max(p.num, 0);
}

// Reads the N entries of an array value; `entry` turns one unquoted field into the stored value.
template <typename List, typename Fn>
void readArray(TPropType& p, List& list, const std::string& prepared, Fn entry) {
    const int n = arrayLength(p);
    list.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        list[static_cast<std::size_t>(i)] = entry(unquote(fieldN(prepared, ',', i + 1)));
}

// An array of image paths. Written as the writer does, "[" quoted paths separated by "," "]",
// each path is read whole, blanks and commas included; anything else is read by the older rule
// (blanks and brackets dropped, fields split at every comma).
void readImageArray(TPropType& p, std::string_view value) {
    const std::size_t n = static_cast<std::size_t>(arrayLength(p));
    const std::string_view t = trimmed(value);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']' &&
        findOutsideQuotes(t, ']', 1) == t.size() - 1) {
        std::vector<std::string_view> fields;
        splitOutsideQuotes(fields, t.substr(1, t.size() - 2));
        p.strList.assign(n, std::string());
        for (std::size_t i = 0; i < n && i < fields.size(); ++i)
            p.strList[i] = imagePath(unquote(trimmed(fields[i])));
        return;
    }
    readArray(p, p.strList, withoutChars(value, " []"),
              [](const std::string& f) { return imagePath(f); });
}

} // namespace

bool readCrossframeCall(model::CrossframeSettings& settings, std::string_view line) {
    const std::size_t at = line.find(kCrossframeCall);
    if (at == std::string_view::npos)
        return false;
    std::string_view rest = line.substr(at + kCrossframeCall.size());
    // The frameset ID as the string literal the writer makes; older raw quotes are just removed.
    std::string id;
    bool literal = false;
    if (const std::size_t open = rest.find_first_not_of(" (");
        open != std::string_view::npos && rest[open] == '"') {
        const std::size_t close = util::closingQuote(rest, open);
        const std::size_t next =
            close == std::string_view::npos ? close : rest.find_first_not_of(' ', close + 1);
        if (close != std::string_view::npos &&
            (next == std::string_view::npos || rest[next] == ',' || rest[next] == ')')) {
            id = util::jsUnescaped(rest.substr(open + 1, close - open - 1));
            rest = rest.substr(close + 1);
            literal = true;
        }
    }
    const std::string args = withoutChars(rest, "\"'();");
    settings.framesetId = literal ? std::move(id) : std::string(fieldN(args, ',', 1));
    if (const std::string_view top = fieldN(args, ',', 2); strictInt(top).isNumber)
        settings.topFrame = std::string(top);
    if (const std::string_view sub = fieldN(args, ',', 3); strictInt(sub).isNumber)
        settings.subFrame = std::string(sub);
    if (trimmed(fieldN(args, ',', 4)) != "0")
        settings.vertical = true;
    settings.enabled = true;
    return true;
}

int findLineParameter(const model::TProps& table, std::string_view blankFreeLine) {
    constexpr std::string_view kVar = "var";
    int best = -1;
    for (std::size_t at = blankFreeLine.find(kVar); at != std::string_view::npos;
         at = blankFreeLine.find(kVar, at + 1)) {
        const std::string_view rest = blankFreeLine.substr(at + kVar.size());
        const int limit = best < 0 ? static_cast<int>(table.size()) : best;
        for (int row = 0; row < limit; ++row) {
            if (rest.starts_with(table[static_cast<std::size_t>(row)].name)) {
                best = row;
                break;
            }
        }
    }
    return best;
}

void readParameterValue(TPropType& p, std::string_view value) {
    switch (p.kind) {
    case model::ParamKind::Img:
        p.text = imagePath(unquote(value));
        break;
    case model::ParamKind::Bool:
        // Not unquoted: a digit in double quotes is no number.
        p.boolValue = static_cast<uint8_t>(std::clamp(strictInt(value).value, 0, 1));
        break;
    case model::ParamKind::Int: {
        std::string text = unquote(value);
        if (p.text == "percents") {
            readPercentValue(p, std::move(text));
        } else {
            int32_t v = strictInt(text).value;
            if (p.text == ">=" && v < p.num)
                v = p.num;
            p.value = v;
        }
        break;
    }
    case model::ParamKind::Percents:
        readPercentValue(p, unquote(value));
        break;
    case model::ParamKind::Transition:
        p.value = std::clamp(strictInt(unquote(value)).value, 0, 24);
        break;
    case model::ParamKind::Strs:
        readStrs(p, unquote(value));
        break;
    case model::ParamKind::Color:
        p.num = colorFromText(unquote(value));
        break;
    case model::ParamKind::Alignment:
        p.num = lookupAlignment(unquote(value));
        break;
    case model::ParamKind::FontStyle: {
        TFontParams font = fontDescriptionOrStop(unquote(value));
        p.text = std::move(font.family);
        p.num = font.size;
        p.flag = font.weight;
        break;
    }
    case model::ParamKind::ColorArray: {
        // One parameter is a text of blank-separated colours; the others are arrays.
        std::string prepared;
        if (model::isColorListText(p)) {
            prepared = std::string(value);
            std::replace(prepared.begin(), prepared.end(), ' ', ',');
        } else {
            prepared = withoutChars(value, " []");
        }
        readArray(p, p.intList, prepared, [](const std::string& f) { return colorFromText(f); });
        break;
    }
    case model::ParamKind::FontDecorArray:
        readArray(p, p.intList, withoutChars(value, " []"),
                  [](const std::string& f) { return lookupDecoration(f); });
        break;
    case model::ParamKind::BorderStyleArray:
        readArray(p, p.intList, withoutChars(value, " []"),
                  [](const std::string& f) { return lookupBorderStyle(f); });
        break;
    case model::ParamKind::ImgArray:
        readImageArray(p, value);
        break;
    case model::ParamKind::Unknown:
        break;
    }
}

void parameterPass(LineList& lines, model::Project& project) {
    std::string blankFreeLine;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.consumed(i))
            continue;
        const std::string_view line = lines.at(i);
        // Only code counts: a quoted text or a comment holding a call or "var" is no assignment.
        // The raw tests come first, so that the usual item and style lines build no copy.
        if (line.find(kCrossframeCall) != std::string_view::npos &&
            codeOf(line).find(kCrossframeCall) != std::string::npos &&
            readCrossframeCall(project.crossframe, line)) {
            lines.consume(i);
            continue;
        }
        if (!containsIgnoringBlanks(line, "var"))
            continue;
        blankFreeInto(blankFreeLine, codeOf(line));
        const int row = findLineParameter(project.params, blankFreeLine);
        if (row < 0)
            continue;
        const std::string_view value = assignmentValue(line);
        if (value.empty())
            continue;
        readParameterValue(project.params[static_cast<std::size_t>(row)], value);
        lines.consume(i);
    }
}

} // namespace menuloom::reader
