#pragma once
// Texts inside JavaScript double-quoted string literals: the one escaping that every writer of
// data texts uses, and its reading, so that a text written and read again is the text typed.

#include <string>
#include <string_view>

namespace menuloom::util {

// Appends `text` as the inside of a double-quoted literal: "\" becomes "\\" and a double quote
// becomes "\"". Every other character stays as it is, so a text without either is unchanged.
void appendJsEscaped(std::string& out, std::string_view text);

// `text` in double quotes, escaped as above.
std::string jsQuoted(std::string_view text);

// Where the quoted text that opens at `open` (a double quote) closes: the next double quote not
// escaped by a backslash, or npos when the text runs to the end.
std::size_t closingQuote(std::string_view text, std::size_t open);

// The text of the inside of a double-quoted literal: "\"" and "\\" give one character each; any
// other backslash stays with the character after it, as older files wrote backslashes raw.
std::string jsUnescaped(std::string_view inside);

} // namespace menuloom::util
