#include "util/jstext.h"

namespace menuloom::util {

void appendJsEscaped(std::string& out, std::string_view text) {
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find_first_of("\\\"", start);
        out.append(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos)
            return;
        out += '\\';
        out += text[at];
        start = at + 1;
    }
}

std::string jsQuoted(std::string_view text) {
    std::string s;
    s.reserve(text.size() + 2);
    s += '"';
    appendJsEscaped(s, text);
    s += '"';
    return s;
}

std::size_t closingQuote(std::string_view text, std::size_t open) {
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '"')
            return i;
    }
    return std::string_view::npos;
}

std::string jsUnescaped(std::string_view inside) {
    std::string out;
    out.reserve(inside.size());
    for (std::size_t i = 0; i < inside.size(); ++i) {
        const char c = inside[i];
        if (c == '\\' && i + 1 < inside.size() && (inside[i + 1] == '\\' || inside[i + 1] == '"'))
            ++i;
        out += inside[i];
    }
    return out;
}

} // namespace menuloom::util
