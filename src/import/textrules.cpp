#include "import/textrules.h"

#include "reader/encoding.h"
#include "util/textcodes.h"

namespace menuloom::importer {

namespace {

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Drops ".html", ".php" and the like: a last dot after the first character, followed by one to
// eight letters or digits, at least one a letter ("v2.5" keeps its dot).
std::string_view withoutExtension(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return text;
    const std::string_view ext = text.substr(dot + 1);
    if (ext.empty() || ext.size() > 8)
        return text;
    bool letter = false;
    for (char c : ext) {
        if (!isAsciiAlnum(c))
            return text;
        letter = letter || !(c >= '0' && c <= '9');
    }
    return letter ? text.substr(0, dot) : text;
}

// Upper case of the first character: ASCII and the Latin-1 letters (U+00E0 to U+00FE but the
// division sign), the letters a site's page names use most.
void capitaliseFirst(std::string& text) {
    if (text.empty())
        return;
    const auto c = static_cast<unsigned char>(text[0]);
    if (c >= 'a' && c <= 'z') {
        text[0] = static_cast<char>(c - 'a' + 'A');
    } else if (c == 0xC3 && text.size() > 1) {
        const auto d = static_cast<unsigned char>(text[1]);
        if (d >= 0xA0 && d <= 0xBE && d != 0xB7)
            text[1] = static_cast<char>(d - 0x20);
    }
}

} // namespace

bool isHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::string collapseSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        if (isHtmlSpace(c) || isControl(static_cast<unsigned char>(c))) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

std::string writableText(std::string_view text) {
    std::string out = collapseSpace(text);
    std::size_t bars = 0;
    while (bars < out.size() && (out[bars] == '|' || out[bars] == ' '))
        ++bars;
    out.erase(0, bars);
    return out;
}

std::string writableLink(std::string_view link) {
    while (!link.empty() && isHtmlSpace(link.front()))
        link.remove_prefix(1);
    while (!link.empty() && isHtmlSpace(link.back()))
        link.remove_suffix(1);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(link.size());
    for (char c : link) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\t' || c == '\n' || c == '\r')
            continue;
        if (isControl(u)) {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string textOfSegment(std::string_view segment) {
    std::string decoded = util::percentDecoded(segment);
    if (!reader::isValidUtf8(decoded))
        decoded = reader::windows1252ToUtf8(decoded);
    std::string text(withoutExtension(decoded));
    for (char& c : text)
        if (c == '-' || c == '_')
            c = ' ';
    text = writableText(text);
    capitaliseFirst(text);
    return text;
}

} // namespace menuloom::importer
