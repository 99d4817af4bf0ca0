// The shared text rules of the reader, one group per rule.
#include "reader/scanning.h"

#include <gtest/gtest.h>

using namespace menuloom::reader;

TEST(BlankFree, RemovesSpacesOnly) {
    EXPECT_EQ(blankFree(" var  posX = 3 ; "), "varposX=3;");
    EXPECT_EQ(blankFree("a\tb"), "a\tb");
    EXPECT_EQ(blankFree("   "), "");
    EXPECT_TRUE(containsIgnoringBlanks("var menu Items  = [", "varmenuItems="));
    EXPECT_TRUE(containsIgnoringBlanks("  ] ;", "];"));
    EXPECT_FALSE(containsIgnoringBlanks("]\t;", "];"));
    EXPECT_FALSE(containsIgnoringBlanks("va", "var"));
    // A first partial match must not hide a later full one.
    EXPECT_TRUE(containsIgnoringBlanks("v a v ar", "var"));
}

TEST(Unquote, DecodesOneLiteralAndOtherwiseRemovesEveryQuote) {
    EXPECT_EQ(unquote(R"("a\"b\\c")"), R"(a"b\c)");
    EXPECT_EQ(unquote(R"("C:\new")"), R"(C:\new)"); // other backslashes stay
    EXPECT_EQ(unquote("\"\""), "");
    // Not one literal (raw quotes of older files, text around it): every quote goes.
    EXPECT_EQ(unquote("\"a\"b\" "), "ab ");
    EXPECT_EQ(unquote(R"("a"b")"), "ab");
    EXPECT_EQ(unquote(" 'x' "), " 'x' ");
}

TEST(CodeOf, LeavesOutQuotedTextsAndComments) {
    EXPECT_EQ(codeOf(R"(var a="x;\"var b=1;";)"), "var a=;");
    EXPECT_EQ(codeOf(R"(["a//b","c"],// var x=1;)"), "[,],");
    EXPECT_EQ(codeOf("//var posX=3;"), "");
    EXPECT_EQ(codeOf(R"(x "open)"), "x ");
}

TEST(AssignmentValue, TakesTheTextBetweenEqualsAndSemicolon) {
    EXPECT_EQ(assignmentValue("var posX=3;"), "3");
    EXPECT_EQ(assignmentValue("var posX  =   3   ;"), "3");
    EXPECT_EQ(assignmentValue("var posX = 3"), "3");         // no ";": to the line end
    EXPECT_EQ(assignmentValue("var posX = 3   "), "3");      // blanks before the line end
    EXPECT_EQ(assignmentValue("var a=\" x \";"), "\" x \""); // blanks inside stay
    EXPECT_EQ(assignmentValue("var a=1 2;"), "1 2");
    EXPECT_EQ(assignmentValue("var a=\tb;"), "\tb"); // only blanks are dropped
    EXPECT_EQ(assignmentValue("var posX 3;"), "");   // no "="
    EXPECT_EQ(assignmentValue("x; var posX=3"), ""); // ";" before "="
    EXPECT_EQ(assignmentValue("var posX=   ;"), "");
    EXPECT_EQ(assignmentValue("a=b=c;d;"), "b=c");
    // A ";" inside a quoted text is part of the value; with a quote left open the first ";" ends.
    EXPECT_EQ(assignmentValue(R"(var a="x;\";y" ;)"), R"("x;\";y")");
    EXPECT_EQ(assignmentValue(R"(var a="x;y)"), R"("x)");
}

TEST(StrictInteger, AcceptsOnlyAnOptionalMinusAndDigits) {
    EXPECT_EQ(readStrictInt("42").value, 42);
    EXPECT_TRUE(readStrictInt("42").isNumber);
    EXPECT_EQ(readStrictInt("-5").value, -5);
    EXPECT_EQ(readStrictInt("007").value, 7);
    for (const char* bad : {"", "-", " ", "  ", "+5", " 5", "5 ", "1 2", "1.5", "--5", "5-", "abc",
                            "\"1\"", "0x10", "1e3"}) {
        const IntReading r = readStrictInt(bad);
        EXPECT_FALSE(r.isNumber) << bad;
        EXPECT_EQ(r.value, 0) << bad;
        EXPECT_TRUE(r.tooLarge.empty()) << bad;
    }
}

TEST(StrictInteger, ReportsDigitsTooLargeForThirtyTwoBits) {
    EXPECT_EQ(readStrictInt("2147483647").value, 2147483647);
    EXPECT_EQ(readStrictInt("-2147483648").value, INT32_MIN);
    EXPECT_TRUE(readStrictInt("-2147483648").isNumber);
    EXPECT_EQ(readStrictInt("2147483648").tooLarge, "2147483648");
    EXPECT_EQ(readStrictInt("-2147483649").tooLarge, "2147483649");
    EXPECT_FALSE(readStrictInt("99999999999999999999999").isNumber);
    EXPECT_EQ(readStrictInt("99999999999999999999999").tooLarge, "99999999999999999999999");
    // Leading zeros do not make a small number large.
    EXPECT_EQ(readStrictInt(std::string(40, '0') + "12").value, 12);
}

TEST(FieldN, SplitsAtTheSeparatorWithoutTrimming) {
    EXPECT_EQ(fieldN("a,b,c", ',', 1), "a");
    EXPECT_EQ(fieldN("a,b,c", ',', 3), "c");
    EXPECT_EQ(fieldN("a,b,c", ',', 4), "");
    EXPECT_EQ(fieldN("a,b,c", ',', 0), "");
    EXPECT_EQ(fieldN("a,b,c", ',', -1), "");
    EXPECT_EQ(fieldN(",,x", ',', 3), "x");
    EXPECT_EQ(fieldN("a, b ,c", ',', 2), " b ");
    EXPECT_EQ(fieldN("a,", ',', 2), "");
    EXPECT_EQ(fieldN("   ", ',', 1), ""); // a blank text has no fields
    EXPECT_EQ(fieldN("abc", ',', 1), "abc");
}

TEST(ColorText, ReadsHashAndSixHexDigitsInAnyCase) {
    EXPECT_EQ(colorFromText("#FF8000"), 0x0080FF);
    EXPECT_EQ(colorFromText("#ff8000"), 0x0080FF);
    EXPECT_EQ(colorFromText("#000000"), 0);
    EXPECT_EQ(colorFromText("#0000FF"), 0xFF0000); // blue lands in the high byte
    for (const char* bad :
         {"", "#FF80", "red", "FF8000", "#FF80000", "#GG0000", " #FF8000", "#FF800\xC3"})
        EXPECT_EQ(colorFromText(bad), -1) << bad;
}

TEST(FontDescription, ReadsWeightSizeAndFamilyWithFallbacks) {
    EXPECT_EQ(readFontDescription("bold 10pt Times New Roman").font,
              (TFontParams{"Times New Roman", 10, 1}));
    EXPECT_EQ(readFontDescription("Bold 10pt").font, (TFontParams{"Tahoma", 10, 0}));
    EXPECT_EQ(readFontDescription("900 12pt Arial").font, (TFontParams{"Arial", 12, 12}));
    EXPECT_EQ(readFontDescription("normal 0pt Arial").font.size, 8);
    EXPECT_EQ(readFontDescription("normal -3pt Arial").font.size, 8);
    EXPECT_EQ(readFontDescription("normal 12 Arial").font, (TFontParams{"Tahoma", 8, 0}));
    EXPECT_EQ(readFontDescription("normal xpt Arial").font.size, 8);
    EXPECT_EQ(readFontDescription("").font, TFontParams{});
    // The family is what follows the first "pt " anywhere in the text, blanks kept.
    EXPECT_EQ(readFontDescription("lighter 9pt  Courier").font.family, " Courier");
    EXPECT_EQ(readFontDescription("xpt 8pt Y").font, (TFontParams{"8pt Y", 8, 0}));
    EXPECT_EQ(readFontDescription("normal 1pt0 X").font.size, 10);
}

TEST(FontDescription, ReportsATooLargeSize) {
    const FontReading r = readFontDescription("bold 99999999999pt Arial");
    EXPECT_EQ(r.tooLarge, "99999999999");
    EXPECT_TRUE(readFontDescription("bold 10pt Arial").tooLarge.empty());
}

TEST(NameTables, LookUpExactlyWithTheirFallbacks) {
    EXPECT_EQ(lookupFontWeight("bold"), 1);
    EXPECT_EQ(lookupFontWeight("900"), 12);
    EXPECT_EQ(lookupFontWeight("Bold"), 0);
    EXPECT_EQ(lookupDecoration("line-through"), 3);
    EXPECT_EQ(lookupDecoration("blink"), 0);
    EXPECT_EQ(lookupBorderStyle("none"), -1);
    EXPECT_EQ(lookupBorderStyle("dotted"), 0);
    EXPECT_EQ(lookupBorderStyle("outset"), 7);
    EXPECT_EQ(lookupBorderStyle("Solid"), -1);
    EXPECT_EQ(lookupAlignment(""), -1);
    EXPECT_EQ(lookupAlignment("left"), 0);
    EXPECT_EQ(lookupAlignment("right"), 2);
    EXPECT_EQ(lookupAlignment("middle"), -1);
}

TEST(Trimmed, DropsBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(trimmed("  a b \t"), "a b");
    EXPECT_EQ(trimmed(" \t "), "");
    EXPECT_EQ(trimmed("\xC3\xA9"), "\xC3\xA9");
}
