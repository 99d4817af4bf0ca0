#include "reader/scanning.h"

#include "model/paramtable.h"
#include "util/jstext.h"
#include "util/textcodes.h"

#include <algorithm>
#include <limits>

namespace menuloom::reader {

namespace {

constexpr char kBlank = ' ';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <std::size_t N>
int indexIn(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::string blankFree(std::string_view text) {
    std::string out;
    blankFreeInto(out, text);
    return out;
}

void blankFreeInto(std::string& out, std::string_view text) {
    out.resize(text.size());
    char* w = out.data();
    for (char c : text) {
        *w = c;
        w += c != kBlank;
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
}

bool containsIgnoringBlanks(std::string_view text, std::string_view needle) {
    if (needle.empty())
        return true;
    for (std::size_t start = text.find(needle[0]); start != std::string_view::npos;
         start = text.find(needle[0], start + 1)) {
        std::size_t i = start + 1;
        std::size_t j = 1;
        while (j < needle.size() && i < text.size()) {
            if (text[i] == kBlank) {
                ++i;
            } else if (text[i] == needle[j]) {
                ++i;
                ++j;
            } else {
                break;
            }
        }
        if (j == needle.size())
            return true;
    }
    return false;
}

std::string unquote(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && util::closingQuote(text, 0) == text.size() - 1)
        return util::jsUnescaped(text.substr(1, text.size() - 2));
    std::string out(text);
    std::erase(out, '"');
    return out;
}

std::string codeOf(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            i = util::closingQuote(line, i);
            if (i == std::string_view::npos)
                break;
        } else if (line[i] == '/' && i + 1 < line.size() && line[i + 1] == '/') {
            break;
        } else {
            out += line[i];
        }
    }
    return out;
}

std::size_t findOutsideQuotes(std::string_view text, char c, std::size_t from, bool* unclosed) {
    if (unclosed)
        *unclosed = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == c)
            return i;
        if (text[i] == '"') {
            i = util::closingQuote(text, i);
            if (i == std::string_view::npos) {
                if (unclosed)
                    *unclosed = true;
                break;
            }
        }
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view assignmentValue(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return {};
    std::size_t semi = line.find(';');
    if (semi != std::string_view::npos && semi < eq)
        return {};
    // A ";" inside a quoted text belongs to the text.
    bool unclosed = false;
    if (const std::size_t end = findOutsideQuotes(line, ';', eq + 1, &unclosed); !unclosed)
        semi = end;
    std::string_view value = line.substr(
        eq + 1, semi == std::string_view::npos ? std::string_view::npos : semi - eq - 1);
    while (!value.empty() && value.front() == kBlank)
        value.remove_prefix(1);
    while (!value.empty() && value.back() == kBlank)
        value.remove_suffix(1);
    return value;
}

IntReading readStrictInt(std::string_view text) {
    IntReading r;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return r;
    // The most negative value has one more unit than the most positive one.
    const uint64_t limit =
        static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1u : 0u);
    uint64_t magnitude = 0;
    for (char c : text) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        if (magnitude > limit) {
            r.tooLarge = text;
            return r;
        }
    }
    r.value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                       : static_cast<int32_t>(magnitude);
    r.isNumber = true;
    return r;
}

void splitOutsideQuotes(std::vector<std::string_view>& fields, std::string_view text) {
    fields.clear();
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* start = begin;
    const char* p = begin;
    while (p < end) {
        if (*p == '"') {
            // Jump over the quoted text; an unclosed quote runs to the end.
            const std::size_t close = util::closingQuote(text, static_cast<std::size_t>(p - begin));
            if (close == std::string_view::npos)
                break;
            p = begin + close + 1;
        } else if (*p == ',') {
            fields.emplace_back(start, static_cast<std::size_t>(p - start));
            start = ++p;
        } else {
            ++p;
        }
    }
    fields.emplace_back(start, static_cast<std::size_t>(end - start));
}

std::string_view fieldN(std::string_view text, char separator, int n) {
    if (n < 1 || trimmed(text).empty())
        return {};
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        const std::size_t sep = text.find(separator, start);
        if (sep == std::string_view::npos)
            return {};
        start = sep + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

int32_t colorFromText(std::string_view text) {
    if (text.size() != 7 || text[0] != '#')
        return -1;
    int digits[6];
    for (std::size_t i = 0; i < 6; ++i) {
        const char c = text[i + 1];
        // Upper-casing first means only the ASCII letters a-f count as hexadecimal digits.
        digits[i] = util::hexValue(c);
        if (digits[i] < 0)
            return -1;
    }
    const int32_t red = digits[0] * 16 + digits[1];
    const int32_t green = digits[2] * 16 + digits[3];
    const int32_t blue = digits[4] * 16 + digits[5];
    return red | (green << 8) | (blue << 16);
}

FontReading readFontDescription(std::string_view text) {
    FontReading r;
    r.font.weight = lookupFontWeight(fieldN(text, kBlank, 1));
    const std::string_view sizeField = fieldN(text, kBlank, 2);
    if (const std::size_t pt = sizeField.find("pt"); pt != std::string_view::npos) {
        std::string digits(sizeField.substr(0, pt));
        digits += sizeField.substr(pt + 2);
        const IntReading size = readStrictInt(digits);
        if (!size.tooLarge.empty()) {
            r.tooLarge = std::string(size.tooLarge);
            return r;
        }
        r.font.size = size.isNumber && size.value > 0 ? size.value : 8;
    }
    if (const std::size_t family = text.find("pt "); family != std::string_view::npos)
        r.font.family = std::string(text.substr(family + 3));
    return r;
}

std::string imagePath(std::string_view text) {
    std::string out(text);
    toPlatformSeparators(out);
    return out;
}

void toPlatformSeparators(std::string& path) {
    if constexpr (kPathSeparator != '/')
        std::replace(path.begin(), path.end(), '/', kPathSeparator);
}

int32_t lookupFontWeight(std::string_view name) {
    return std::max(indexIn(model::kFontWeightNames, name), 0);
}

int32_t lookupDecoration(std::string_view name) {
    return std::max(indexIn(model::kDecorationNames, name), 0);
}

int32_t lookupBorderStyle(std::string_view name) {
    const int i = indexIn(model::kBorderStyleNames, name);
    return i < 0 ? -1 : i - 1;
}

int32_t lookupAlignment(std::string_view name) {
    const int i = indexIn(model::kAlignmentNames, name);
    return i < 0 ? -1 : i - 1;
}

} // namespace menuloom::reader
