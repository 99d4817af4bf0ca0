// Line splitting, the consumed marker and the text encoding of data files.
#include "reader/encoding.h"
#include "reader/linelist.h"

#include <gtest/gtest.h>

using namespace menuloom::reader;

namespace {
std::vector<std::string> lines(std::string_view text) {
    const auto views = splitLines(text);
    return {views.begin(), views.end()};
}
using V = std::vector<std::string>;
} // namespace

TEST(SplitLines, AcceptsEveryLineEndAlike) {
    EXPECT_EQ(lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(lines("a\n\rb"), (V{"a", "", "b"})); // LF then CR are two line ends
    EXPECT_EQ(lines("a\r\r\nb"), (V{"a", "", "b"}));
}

TEST(SplitLines, FinalLineEndStartsNoLine) {
    EXPECT_EQ(lines(""), V{});
    EXPECT_EQ(lines("\r\n"), V{""});
    EXPECT_EQ(lines("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(lines("x"), V{"x"});
    EXPECT_EQ(lines(" a \t"), V{" a \t"}); // nothing trimmed
}

TEST(LineList, ConsumedLinesReadAsTheMarker) {
    LineList list("one\n$\nthree");
    EXPECT_FALSE(list.consumed(0));
    EXPECT_TRUE(list.consumed(1)); // a "$" line of the file counts as consumed
    list.consume(2);
    EXPECT_TRUE(list.consumed(2));
    EXPECT_EQ(list.at(2), "$");
    EXPECT_EQ(list.at(0), "one");
}

TEST(Encoding, ValidUtf8StaysAsItIs) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_EQ(decodeDataFileText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeDataFileText("\xEF\xBB\xBFvar x"), "var x"); // byte-order mark dropped
}

TEST(Encoding, RejectsMalformedUtf8) {
    for (const char* bad : {"\xC3", "\xC3(", "\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "caf\xE9"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

TEST(Encoding, ConvertsWindows1252) {
    EXPECT_EQ(windows1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(windows1252ToUtf8("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");
    EXPECT_EQ(windows1252ToUtf8("\x9F"), "\xC5\xB8"); // Y with diaeresis
    EXPECT_EQ(windows1252ToUtf8("\x8A\x9A"), "\xC5\xA0\xC5\xA1");
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(windows1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    EXPECT_EQ(decodeDataFileText("//Caf\xE9"), "//Caf\xC3\xA9");
    // Every byte gives valid UTF-8.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_TRUE(isValidUtf8(windows1252ToUtf8(all)));
}
