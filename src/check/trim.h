#pragma once
// The checks' one notion of blank: browsers skip these characters around a text or a link.

#include <string_view>

namespace menuloom::check {

// Control characters and the space.
inline bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

inline std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace menuloom::check
