#pragma once
// Text rules shared by the importers: white space, the characters a data file cannot hold, and
// the item text made from an address's last path segment.

#include <string>
#include <string_view>

namespace menuloom::importer {

// HTML's white space: space, tab, line feed, form feed, carriage return.
bool isHtmlSpace(char c);

// Runs of white space (and control characters) become one space; the ends are trimmed.
std::string collapseSpace(std::string_view text);

// Texts and links are made to come back unchanged from a data file: its writer escapes quotes
// and backslashes, but a leading "|" marks depth and a line break would end the line.

// An item text the data file holds as it is: white space collapsed and a leading "|" dropped.
std::string writableText(std::string_view text);

// A link as written, trimmed, with tabs and line breaks dropped (browsers drop them too) and
// other control characters percent-encoded.
std::string writableLink(std::string_view link);

// The item text of an address's last path segment: percent-decoded (Windows-1252 when the bytes
// are not UTF-8), the extension dropped, "-" and "_" read as spaces, the first letter
// capitalised. Empty when nothing is left.
std::string textOfSegment(std::string_view segment);

} // namespace menuloom::importer
