#pragma once
// The lines of one data file while it is read, with the marker of the lines a pass has used.

#include <string_view>
#include <vector>

namespace menuloom::reader {

// A used line reads as this text; a line of the file that is exactly "$" counts as used too.
inline constexpr std::string_view kConsumedMarker = "$";

// Splits at CR LF, LF and CR alike; nothing is trimmed. A final line break ends the last line
// rather than starting an empty one, so an empty text has no lines and "\r\n" has one.
std::vector<std::string_view> splitLines(std::string_view text);

// The line list of one reading. The views point into the text the caller keeps alive.
class LineList {
public:
    explicit LineList(std::string_view text) : lines_(splitLines(text)) {}

    int size() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }
    std::string_view at(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    bool consumed(int i) const { return at(i) == kConsumedMarker; }
    void consume(int i) { lines_[static_cast<std::size_t>(i)] = kConsumedMarker; }

private:
    std::vector<std::string_view> lines_;
};

} // namespace menuloom::reader
