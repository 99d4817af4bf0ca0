#include "reader/linelist.h"

#include <cstring>

namespace menuloom::reader {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 48 + 1);
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
        if (lineEnd == end)
            break;
        p = lineEnd + 1;
        if (*lineEnd == '\r' && p < end && *p == '\n')
            ++p;
    }
    return lines;
}

} // namespace menuloom::reader
