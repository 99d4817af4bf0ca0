#pragma once
// Small codings of text the readers and writers share: hexadecimal digits, UTF-8 and the %XX
// escapes of addresses.

#include <string>
#include <string_view>

namespace menuloom::util {

// The value of a hexadecimal digit, or -1.
int hexValue(char c);

// Appends code point `cp` to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// `text` with every %XX escape decoded; a '%' not followed by two hexadecimal digits stays.
std::string percentDecoded(std::string_view text);

} // namespace menuloom::util
