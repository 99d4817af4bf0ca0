#include "model/paramtable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

using namespace menuloom::model;

namespace {

const TPropType& byName(const TProps& t, std::string_view name) {
    const int row = findParam(t, name);
    EXPECT_GE(row, 0) << name;
    return t.at(static_cast<std::size_t>(row));
}

IntInputResult typed(std::string_view name, std::string_view text) {
    TProps t;
    buildParamTable(t);
    return acceptIntInput(byName(t, name), text);
}

} // namespace

TEST(ParamTable, GrammarParsesEveryKindOfDefinition) {
    TProps t;
    buildParamTable(t);
    ASSERT_EQ(t.size(), 60u);
    EXPECT_EQ(t.front().name, "blankImage");
    EXPECT_EQ(t.back().name, "saveNavigationPath");

    const auto& cursor = byName(t, "moveCursor");
    EXPECT_EQ(cursor.typeName, "strs");
    ASSERT_EQ(cursor.strList.size(), 14u);
    EXPECT_EQ(cursor.strList.front(), "default");
    EXPECT_EQ(cursor.strList.back(), "w-resize");
    EXPECT_EQ(byName(t, "itemCursor").strList, cursor.strList);

    const auto& target = byName(t, "itemTarget");
    ASSERT_EQ(target.strList.size(), 7u);
    EXPECT_EQ(target.strList[0], "");
    EXPECT_EQ(target.strList[6], "...");
    EXPECT_EQ(byName(t, "statusString").strList, (std::vector<std::string>{"link", "text", "..."}));
    EXPECT_EQ(byName(t, "pathPrefix").strList, (std::vector<std::string>{"", "..."}));

    const auto& sepH = byName(t, "separatorHeight");
    EXPECT_EQ(sepH.text, ">=");
    EXPECT_EQ(sepH.num, 0);
    EXPECT_EQ(sepH.flag, 1);
    EXPECT_EQ(byName(t, "separatorVWidth").flag, 1);
    EXPECT_EQ(byName(t, "floatIterations").flag, 0);
    EXPECT_EQ(byName(t, "menuWidth").text, "percents");
    EXPECT_EQ(byName(t, "posX").text, "");

    EXPECT_EQ(byName(t, "menuBorderColor").intList, std::vector<int32_t>(4, -1));
    EXPECT_EQ(byName(t, "menuBorderStyle").intList, std::vector<int32_t>(1, -1));
    EXPECT_EQ(byName(t, "fontDecoration").intList, std::vector<int32_t>(2, 0));
    EXPECT_EQ(byName(t, "arrowImageMain").strList, std::vector<std::string>(2));
    EXPECT_EQ(byName(t, "fontColor").text, "Array");
    EXPECT_EQ(byName(t, "fontColor").num, 2);

    // Odd definitions: a list without its final "," loses its last entry; lists on other
    // types and constraints on other types are ignored; a bare ">" bound.
    EXPECT_EQ(parseParamDefinition("x=strs:a,b").strList, std::vector<std::string>{"a"});
    EXPECT_TRUE(parseParamDefinition("x=int:a,b,").strList.empty());
    const auto gt = parseParamDefinition("x=int,>3");
    EXPECT_EQ(gt.text, ">");
    EXPECT_EQ(gt.num, 3);
    EXPECT_EQ(parseParamDefinition("x=color,7").num, -1);
    EXPECT_EQ(parseParamDefinition("x=int,>=").num, 0);
}

TEST(ParamTable, DefaultsAndHints) {
    TProps t;
    buildParamTable(t);
    const auto& font = byName(t, "fontStyle");
    EXPECT_EQ(font.flag, 0);
    EXPECT_EQ(font.num, 8);
    EXPECT_EQ(font.text, "Tahoma");
    EXPECT_EQ(fontDescription(font.flag, font.num, font.text), "normal 8pt Tahoma");
    EXPECT_EQ(byName(t, "transparency").value, 100);
    EXPECT_EQ(byName(t, "transition").value, 24);
    EXPECT_EQ(byName(t, "DX").value, -5);
    EXPECT_EQ(byName(t, "pressedItem").value, -2);
    EXPECT_EQ(byName(t, "transDuration").value, 300);
    EXPECT_EQ(byName(t, "menuBackColor").num, -1);
    EXPECT_EQ(byName(t, "itemAlign").num, -1);
    EXPECT_EQ(byName(t, "menuWidth").boolValue, 0); // a percentage
    for (const auto& p : t) {
        if (p.typeName == "int" && p.name != "DX" && p.name != "pressedItem" &&
            p.name != "transDuration") {
            EXPECT_EQ(p.value, 0) << p.name;
        }
    }

    EXPECT_EQ(paramHint(1), "Menu orientation.\r\nTrue - horizontal,\r\nFalse - vertical.");
    EXPECT_EQ(paramHint(38), "Menu appearence delay.\r\nMust be >= 0.");
    EXPECT_EQ(paramHint(60), "");

    // Building again is the reset of every value.
    t[4].value = 99;
    t[13].text = "Arial";
    TProps fresh;
    buildParamTable(fresh);
    buildParamTable(t);
    EXPECT_EQ(t, fresh);
}

TEST(ParamTable, NameTables) {
    EXPECT_EQ(borderStyleName(0), "dotted");
    EXPECT_EQ(borderStyleName(-1), "");
    EXPECT_EQ(styleBorderStyleName(-1), "none");
    EXPECT_EQ(borderStyleName(7), "outset");
    EXPECT_EQ(borderStyleName(8), "");
    EXPECT_EQ(alignmentName(-1), "");
    EXPECT_EQ(alignmentName(1), "center");
    EXPECT_EQ(decorationName(3), "line-through");
    EXPECT_EQ(fontWeightName(12), "900");
    EXPECT_EQ(fontWeightName(13), "");
}

TEST(ParamTable, IntegerInputRules) {
    auto r = typed("menuWidth", "50%");
    ASSERT_TRUE(r.accepted());
    EXPECT_EQ(r.value, 50);
    EXPECT_EQ(r.boolValue, 0);
    r = typed("menuWidth", "120");
    ASSERT_TRUE(r.accepted());
    EXPECT_EQ(r.boolValue, 1);

    for (const char* silent : {"-5%", "%", "5%-", "", "-", "%5", "5%%", "--5", "5-"})
        EXPECT_EQ(typed("menuWidth", silent).kind, IntInputResult::Kind::Refused) << silent;
    EXPECT_EQ(typed("moveWidth", "5%").kind, IntInputResult::Kind::Refused);

    r = typed("moveWidth", "-1");
    EXPECT_EQ(r.kind, IntInputResult::Kind::RangeRefused);
    EXPECT_EQ(r.message, "Value must be >= 0");
    EXPECT_TRUE(typed("moveWidth", "0").accepted());
    EXPECT_TRUE(typed("DX", "-7").accepted());
    EXPECT_EQ(typed("DX", "-7").value, -7);
    // Percent parameters have no range check.
    EXPECT_TRUE(typed("menuWidth", "-40").accepted());

    TPropType strict = parseParamDefinition("x=int,>2");
    r = acceptIntInput(strict, "2");
    EXPECT_EQ(r.kind, IntInputResult::Kind::RangeRefused);
    EXPECT_EQ(r.message, "Value must be > 2");
    EXPECT_TRUE(acceptIntInput(strict, "3").accepted());

    r = typed("posX", "1.5");
    EXPECT_EQ(r.kind, IntInputResult::Kind::ConversionError);
    EXPECT_EQ(r.message, "'1.5' is not a valid integer value");
    EXPECT_EQ(typed("posX", "99999999999").kind, IntInputResult::Kind::ConversionError);
    EXPECT_EQ(typed("menuWidth", "5.%").message, "'5.' is not a valid integer value");

    // A refusal leaves the parameter as it was.
    TProps t;
    buildParamTable(t);
    TPropType& width = t[2];
    width.value = 30;
    EXPECT_FALSE(applyIntInput(width, acceptIntInput(width, "5%%")));
    EXPECT_EQ(width.value, 30);
    EXPECT_EQ(width.boolValue, 0);
    EXPECT_TRUE(applyIntInput(width, acceptIntInput(width, "70")));
    EXPECT_EQ(width.value, 70);
    EXPECT_EQ(width.boolValue, 1);
}

// The engine keeps its own table of the parameters it reads ("name:kind" pairs in file order,
// in the quoted texts of its PARAMS). It must read every parameter the designer writes, as what
// it is.
TEST(ParamTable, EngineReadsTheSameParametersAsTheirKinds) {
    std::ifstream in(std::string(MENULOOM_TEST_DATA) + "/../../engine/src/data.js");
    ASSERT_TRUE(in) << "engine/src/data.js";
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    const auto open = source.find("const PARAMS = (");
    ASSERT_NE(open, std::string::npos);
    const auto close = source.find(").split(", open);
    ASSERT_NE(close, std::string::npos);
    std::string pairs;
    const std::string table = source.substr(open, close - open);
    static const std::regex quoted("'([^']*)'");
    for (auto it = std::sregex_iterator(table.begin(), table.end(), quoted);
         it != std::sregex_iterator(); ++it)
        pairs += (*it)[1].str();
    std::vector<std::pair<std::string, std::string>> engine;
    std::istringstream words(pairs);
    for (std::string word; words >> word;) {
        const auto colon = word.find(':');
        ASSERT_NE(colon, std::string::npos) << word;
        engine.emplace_back(word.substr(0, colon), word.substr(colon + 1));
    }
    TProps t;
    buildParamTable(t);
    ASSERT_EQ(engine.size(), t.size());

    auto compatible = [](const TPropType& p, const std::string& kind) -> bool {
        switch (p.kind) {
        case ParamKind::Img:
            return kind == "img";
        case ParamKind::Bool:
            return kind == "bool";
        case ParamKind::Int:
            if (p.text == "percents")
                return kind == "len";
            return kind == "int" || (kind == "uint" && p.text == ">=" && p.num == 0);
        case ParamKind::Strs:
            return kind == "text" || kind == "cursor";
        case ParamKind::FontStyle:
            return kind == "font";
        case ParamKind::ColorArray:
            return kind == (isColorListText(p) ? "borderColor" : "colors");
        case ParamKind::FontDecorArray:
            return kind == "decos";
        case ParamKind::BorderStyleArray:
            return kind == "borders";
        case ParamKind::ImgArray:
            return kind == "imgs";
        case ParamKind::Color:
            return kind == "color";
        case ParamKind::Alignment:
            return kind == "align";
        case ParamKind::Percents:
            return kind == "percent";
        case ParamKind::Transition:
            return kind == "transition";
        case ParamKind::Unknown:
            break;
        }
        return false;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        SCOPED_TRACE(t[i].name);
        EXPECT_EQ(engine[i].first, t[i].name);
        EXPECT_TRUE(compatible(t[i], engine[i].second)) << engine[i].second;
    }
}
