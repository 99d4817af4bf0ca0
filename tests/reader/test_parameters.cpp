// The parameter pass: assignment lines by parameter type, the crossframe call, the lookup.
#include "reader/linelist.h"
#include "reader/paramreader.h"
#include "readerhelpers.h"

#include <gtest/gtest.h>

using namespace menuloom;
using menuloom::readertest::readLines;

namespace {

// The parameter `name` after reading the single line "var <name>=<value>;".
model::TPropType readParam(std::string_view name, std::string_view value) {
    const std::string line = "var " + std::string(name) + "=" + std::string(value) + ";";
    auto r = readLines({line});
    EXPECT_TRUE(r.result.ok());
    return r->param(name);
}

} // namespace

TEST(ParameterLine, BlanksAndMissingSemicolonReadTheSame) {
    for (const char* line : {"var posX=17;", "var   posX  =  17  ;", "var posX = 17", "varposX=17",
                             "  var p o s X=17;"}) {
        auto r = readLines({line});
        EXPECT_EQ(r->param("posX").value, 17) << line;
    }
}

TEST(ParameterLine, EmptyValueChangesNothingAndIsNotConsumed) {
    model::Project p;
    reader::LineList lines("var posX=;\nvar posX =   ;\nvar posX\nvar posX=5;");
    reader::parameterPass(lines, p);
    EXPECT_FALSE(lines.consumed(0));
    EXPECT_FALSE(lines.consumed(1));
    EXPECT_FALSE(lines.consumed(2));
    EXPECT_TRUE(lines.consumed(3));
    EXPECT_EQ(p.param("posX").value, 5);
}

TEST(ParameterLine, UnreadableValuesAreStillConsumed) {
    model::Project p;
    reader::LineList lines("var posX=abc;\n// a comment\nvar noSuchThing=3;");
    reader::parameterPass(lines, p);
    EXPECT_TRUE(lines.consumed(0));
    EXPECT_FALSE(lines.consumed(1));
    EXPECT_FALSE(lines.consumed(2));
    EXPECT_EQ(p.param("posX").value, 0);
}

TEST(ParameterLookup, FirstParameterInTableOrderWins) {
    // posX comes before posY in the table, whatever the order in the line.
    auto r = readLines({"var posY=1; var posX=2;"});
    EXPECT_EQ(r->param("posX").value, 1);
    EXPECT_EQ(r->param("posY").value, 0);
    auto same = readLines({"var posX=1; var posY=2;"});
    EXPECT_EQ(same->param("posX").value, 1);
    EXPECT_EQ(same->param("posY").value, 0);
    // "var" and the name may stand anywhere, and a longer word still holds the name.
    EXPECT_EQ(readLines({"xvarposY=4"})->param("posY").value, 4);
    EXPECT_EQ(readLines({"var posYes=6;"})->param("posY").value, 6);
    // Names ending in another name do not collide: "vartopDX" holds no "varDX".
    auto dx = readLines({"var topDX=3;"});
    EXPECT_EQ(dx->param("topDX").value, 3);
    EXPECT_EQ(dx->param("DX").value, -5);
}

TEST(ParameterLookup, LaterLineOverwritesEarlier) {
    auto r = readLines({"var posX=1;", "var posX=2;"});
    EXPECT_EQ(r->param("posX").value, 2);
}

TEST(ParameterLookup, AssignmentOutsideQuotesInsideTheItemBlockIsTakenAsParameter) {
    auto r = readLines(
        {"var menuItems = [", R"(   ["Home"],var posX=3;)", R"(   ["Next","b.html"],)", "];"});
    EXPECT_EQ(r->param("posX").value, 3);
    ASSERT_EQ(r->items.count(), 1);
    EXPECT_EQ(r->items.root()->child(0)->props().caption, "Next");
}

TEST(IntParameter, StrictReadingWithBoundAndFallback) {
    EXPECT_EQ(readParam("posX", "abc").value, 0);
    EXPECT_EQ(readParam("posX", "+5").value, 0);
    EXPECT_EQ(readParam("posX", "1 2").value, 0);
    EXPECT_EQ(readParam("posX", "-5").value, -5);
    EXPECT_EQ(readParam("posX", "\"12\"").value, 12); // unquoted first
    EXPECT_EQ(readParam("moveWidth", "-5").value, 0);
    EXPECT_EQ(readParam("moveWidth", "5").value, 5);
    EXPECT_EQ(readParam("transDuration", "x").value, 0);
    EXPECT_EQ(readParam("separatorHeight", "\"7\"").value, 7); // "^str" keeps its quote mark
    EXPECT_EQ(readParam("separatorHeight", "\"7\"").flag, 1);
}

TEST(BoolParameter, ClampedAndNotUnquoted) {
    EXPECT_EQ(readParam("isHorizontal", "1").boolValue, 1);
    EXPECT_EQ(readParam("isHorizontal", "7").boolValue, 1);
    EXPECT_EQ(readParam("isHorizontal", "-3").boolValue, 0);
    EXPECT_EQ(readParam("isHorizontal", "\"1\"").boolValue, 0);
    EXPECT_EQ(readParam("isHorizontal", "true").boolValue, 0);
}

TEST(PercentParameter, PercentagesClampedPlainIntegersNot) {
    auto a = readParam("menuWidth", "\"150%\"");
    EXPECT_EQ(a.value, 100);
    EXPECT_EQ(a.boolValue, 0);
    auto b = readParam("menuWidth", "150");
    EXPECT_EQ(b.value, 150);
    EXPECT_EQ(b.boolValue, 1);
    auto c = readParam("menuWidth", "\"-5%\"");
    EXPECT_EQ(c.value, 0);
    EXPECT_EQ(c.boolValue, 0);
    EXPECT_EQ(readParam("separatorVHeight", "\"x%\"").value, 0);
    auto t = readParam("transparency", "150");
    EXPECT_EQ(t.value, 150);
    EXPECT_EQ(t.boolValue, 1);
    EXPECT_EQ(readParam("transparency", "\"50%\"").value, 50);
}

TEST(TransitionParameter, ClampedToTheEffectRange) {
    EXPECT_EQ(readParam("transition", "30").value, 24);
    EXPECT_EQ(readParam("transition", "-1").value, 0);
    EXPECT_EQ(readParam("transition", "7").value, 7);
    EXPECT_EQ(readParam("transition", "x").value, 0);
}

TEST(ChoiceParameter, ListEntryCustomTextOrNothing) {
    // No "..." entry: an unknown text empties `text` and keeps the choice.
    auto cursor = readLines({"var itemCursor=\"help\";", "var itemCursor=\"pointer\";"});
    const auto& c = cursor->param("itemCursor");
    EXPECT_EQ(c.text, "");
    EXPECT_EQ(c.num, 6);
    EXPECT_EQ(c.flag, 0);
    EXPECT_EQ(output::formatParameterValue(c), "\"help\"");

    auto custom = readParam("itemTarget", "\"main\"");
    EXPECT_EQ(custom.text, "main");
    EXPECT_EQ(custom.num, 6);
    EXPECT_EQ(custom.flag, 1);

    auto listed = readParam("itemTarget", "\"_blank\"");
    EXPECT_EQ(listed.text, "_blank");
    EXPECT_EQ(listed.num, 2);
    EXPECT_EQ(listed.flag, 0);

    auto empty = readParam("itemTarget", "\"\"");
    EXPECT_EQ(empty.num, 0);
    EXPECT_EQ(empty.flag, 0);

    // The value ends at the first ";" outside quotes.
    auto status = readParam("statusString", "\"a;b\"");
    EXPECT_EQ(status.text, "a;b");
    EXPECT_EQ(status.flag, 1);
}

TEST(ColorParameter, ColourTextOrUnset) {
    EXPECT_EQ(readParam("shadowColor", "\"#ff0000\"").num, 0x0000FF);
    EXPECT_EQ(readParam("shadowColor", "\"\"").num, -1);
    EXPECT_EQ(readParam("menuBackColor", "\"red\"").num, -1);
}

TEST(AlignmentParameter, LooksUpTheTable) {
    EXPECT_EQ(readParam("itemAlign", "\"center\"").num, 1);
    EXPECT_EQ(readParam("itemAlign", "\"middle\"").num, -1);
    EXPECT_EQ(readParam("itemAlign", "\"\"").num, -1);
}

TEST(FontParameter, DescriptionWithFallbacks) {
    auto a = readParam("fontStyle", "\"bold 10pt Times New Roman\"");
    EXPECT_EQ(a.flag, 1);
    EXPECT_EQ(a.num, 10);
    EXPECT_EQ(a.text, "Times New Roman");
    auto b = readParam("fontStyle", "\"Bold 10pt\"");
    EXPECT_EQ(b.flag, 0);
    EXPECT_EQ(b.num, 10);
    EXPECT_EQ(b.text, "Tahoma");
    EXPECT_EQ(readParam("fontStyle", "\"normal 0pt Arial\"").num, 8);
}

TEST(ArrayParameters, ColoursDecorationsBorderStylesImages) {
    EXPECT_EQ(readParam("fontColor", "[\"#FF0000\"]").intList, (std::vector<int32_t>{0xFF, -1}));
    EXPECT_EQ(readParam("fontColor", "[\"#FF0000\",\"\"]").intList,
              (std::vector<int32_t>{0xFF, -1}));
    EXPECT_EQ(readParam("fontColor", "[ \"#FF0000\" , \"#00ff00\" , \"#0000FF\" ]").intList,
              (std::vector<int32_t>{0xFF, 0xFF00})); // fields beyond the length are ignored
    EXPECT_EQ(readParam("itemBorderStyle", "[\"solid\",\"groove2\"]").intList,
              (std::vector<int32_t>{2, -1}));
    EXPECT_EQ(readParam("fontDecoration", "[\"blink\",\"underline\"]").intList,
              (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(readParam("menuBorderStyle", "[\"dashed\"]").intList, (std::vector<int32_t>{1}));
    EXPECT_EQ(readParam("arrowImageMain", "[\"img/a.gif\",\"b c.gif\"]").strList,
              (std::vector<std::string>{"img/a.gif", "b c.gif"}));
    // Not an array of quoted paths: blanks are dropped and every comma splits, as they always were.
    EXPECT_EQ(readParam("arrowImageMain", "[\"img/a.gif\",b c.gif").strList,
              (std::vector<std::string>{"img/a.gif", "bc.gif"}));
    EXPECT_EQ(readParam("itemBackImage", "[\"x.gif\"]").strList,
              (std::vector<std::string>{"x.gif", ""}));
}

TEST(ArrayParameters, MenuBorderColorIsOneBlankSeparatedText) {
    EXPECT_EQ(readParam("menuBorderColor", "\"#C0C0C0 #c0c0c0 #808080 #000001 \"").intList,
              (std::vector<int32_t>{0xC0C0C0, 0xC0C0C0, 0x808080, 0x010000}));
    EXPECT_EQ(readParam("menuBorderColor", "\"#FF0000 \"").intList,
              (std::vector<int32_t>{0xFF, -1, -1, -1}));
    EXPECT_EQ(readParam("menuBorderColor", "\"\"").intList, (std::vector<int32_t>{-1, -1, -1, -1}));
}

TEST(ImageParameter, UnquotedPathAsWritten) {
    EXPECT_EQ(readParam("blankImage", "\"img/blank.gif\"").text, "img/blank.gif");
    EXPECT_EQ(readParam("blankImage", "\"\"").text, "");
}

TEST(CrossframeCall, WriterFormReadsBackCompletely) {
    auto r = readLines({"zel_initFrame(\"fset\",0,1,1);"});
    const auto& cf = r->crossframe;
    EXPECT_EQ(cf.framesetId, "fset");
    EXPECT_EQ(cf.topFrame, "0");
    EXPECT_EQ(cf.subFrame, "1");
    EXPECT_TRUE(cf.vertical);
    EXPECT_TRUE(cf.enabled);
    EXPECT_FALSE(readLines({"zel_initFrame(\"fset\",2,3,0);"})->crossframe.vertical);
}

TEST(CrossframeCall, BlanksAfterCommasLeaveTheFrameNumbers) {
    auto r = readLines({"zel_initFrame(\"fset\", 0, 1, 1);"});
    const auto& cf = r->crossframe;
    EXPECT_EQ(cf.framesetId, "fset");
    EXPECT_EQ(cf.topFrame, "");
    EXPECT_EQ(cf.subFrame, "");
    EXPECT_TRUE(cf.vertical); // field 4 is trimmed
    EXPECT_TRUE(cf.enabled);
}

TEST(CrossframeCall, LooseFormsAndThePlainCall) {
    auto r = readLines({"  zel_initFrame('my set',x,,)"});
    EXPECT_EQ(r->crossframe.framesetId, "my set");
    EXPECT_EQ(r->crossframe.topFrame, "");
    EXPECT_TRUE(r->crossframe.vertical); // an empty orientation turns it on
    EXPECT_TRUE(r->crossframe.enabled);

    auto plain = readLines({"zel_init();"});
    EXPECT_EQ(plain->crossframe, model::CrossframeSettings{});

    // A line holding the call is taken as the call and nothing else.
    auto both = readLines({"var posX=4; zel_initFrame(\"f\",1,2,0);"});
    EXPECT_EQ(both->param("posX").value, 0);
    EXPECT_TRUE(both->crossframe.enabled);
}

TEST(WholeFile, OneEmptyLineReadsAndChangesNothing) {
    auto r = menuloom::readertest::readText("\r\n");
    EXPECT_TRUE(r.result.ok());
    const model::Project fresh;
    EXPECT_TRUE(r->params == fresh.params);
    EXPECT_EQ(r->items.count(), 0);
    EXPECT_EQ(r->crossframe, fresh.crossframe);
}

TEST(TooLargeNumber, StopsTheReadingAndKeepsWhatWasRead) {
    auto r = readLines({"var posX=5;", "var posY=99999999999;", "var DX=7;"});
    EXPECT_EQ(r.result.status, reader::ReadResult::Status::InvalidNumber);
    EXPECT_FALSE(r.result.ok());
    EXPECT_EQ(r.result.message, "'99999999999' is not a valid integer value");
    EXPECT_EQ(r->param("posX").value, 5);
    EXPECT_EQ(r->param("posY").value, 0);
    EXPECT_EQ(r->param("DX").value, -5); // the rest of the file is not read
}

TEST(TooLargeNumber, EveryStrictReadingOfTheParameterPassStops) {
    for (const char* line :
         {"var isHorizontal=3000000000;", "var menuWidth=\"3000000000%\";",
          "var transition=3000000000;", "var transparency=-3000000000;",
          "var fontStyle=\"bold 3000000000pt Arial\";", "zel_initFrame(\"f\",3000000000,1,0);",
          "zel_initFrame(\"f\",1,3000000000,0);"}) {
        auto r = readLines({line});
        EXPECT_EQ(r.result.status, reader::ReadResult::Status::InvalidNumber) << line;
        EXPECT_EQ(r.result.message, "'3000000000' is not a valid integer value") << line;
    }
    // Not a strict reading: an orientation or a colour never stops anything.
    EXPECT_TRUE(readLines({"zel_initFrame(\"f\",1,2,3000000000);"}).result.ok());
    EXPECT_TRUE(readLines({"var posX=\"3000000000x\";"}).result.ok());
}
