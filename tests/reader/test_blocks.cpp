// The array blocks (item styles, submenu styles, items) and the style-name block.
#include "reader/blockreader.h"
#include "reader/scanning.h"
#include "readerhelpers.h"

#include <gtest/gtest.h>

using namespace menuloom;
using menuloom::readertest::itemAt;
using menuloom::readertest::readLines;

namespace {

// The captions of the tree in pre-order, each prefixed with its level's "|"s.
std::string shape(const model::Project& p) {
    std::string s;
    p.items.forEach([&](const model::ItemNode& n, int level) {
        s += std::string(static_cast<std::size_t>(level), '|') + n.props().caption + " ";
    });
    return s;
}

} // namespace

TEST(BlockSearch, FindsTheOpeningLineWithOrWithoutBlanksAndNeedsAnEnd) {
    auto tight = readLines({"varmenuItems=[", R"(["A"],)", "];"});
    EXPECT_EQ(shape(*tight), "A ");
    auto loose = readLines({"  var   menuItems = [ ", R"(   ["A"],)", " ] ; "});
    EXPECT_EQ(shape(*loose), "A ");
    // Without a closing line the block is missing and nothing of it is read.
    auto open = readLines({"var menuItems = [", R"(["A"],)"});
    EXPECT_EQ(open->items.count(), 0);
    // Records on the opening line are not read.
    auto oneLine = readLines({R"(var menuItems = [["A"],)", R"(["B"],)", "];"});
    EXPECT_EQ(shape(*oneLine), "B ");
}

TEST(BlockSearch, MarkersAreConsumedOnlyWhenBothAreFound) {
    reader::LineList lines("x\nvar itemStyles = [\n[\"fontColor=#000000,#FFFFFF\"],\n];\n");
    const reader::Block b = reader::findBlock(lines, reader::kItemStylesStart);
    EXPECT_EQ(b.start, 1);
    EXPECT_EQ(b.end, 3);
    EXPECT_TRUE(lines.consumed(1));
    EXPECT_TRUE(lines.consumed(3));
    EXPECT_FALSE(lines.consumed(2));

    reader::LineList last("x\nvar itemStyles = [");
    EXPECT_FALSE(reader::findBlock(last, reader::kItemStylesStart).found());
    EXPECT_FALSE(last.consumed(1));
}

TEST(RecordText, BetweenTheFirstBracketsOutsideQuotedTexts) {
    EXPECT_EQ(reader::recordText(R"(   ["a","b"],)"), R"("a","b")");
    EXPECT_EQ(reader::recordText(R"(   ["a]b","c\"]"],)"), R"("a]b","c\"]")");
    // A quote that never closes: the first "]" ends the record, as in older files.
    EXPECT_EQ(reader::recordText(R"(   ["a]b],)"), R"("a)");
    EXPECT_EQ(reader::recordText("   [],"), "");
    EXPECT_EQ(reader::recordText("no brackets"), "");
    EXPECT_EQ(reader::recordText("[open only"), "");
    EXPECT_EQ(reader::recordText("] reversed ["), "");
    EXPECT_EQ(reader::recordText("[a]b]"), "a");
}

TEST(ItemStyleRecords, EveryKeyReadsIntoItsGroup) {
    auto r = readLines(
        {"var itemStyles = [",
         R"(   ["fontStyle=bold 10pt Verdana","fontColor=#000000,#FFFFFF","fontDecoration=underline,overline","itemBackColor=#E0E0E0,#3060c0","itemBorderColor=#010203,#040506","itemBorderWidth=3","itemBorderStyle=solid,none","itemBackImage=img/b.gif,img/bo.gif","arrowImageMain=a.gif,ao.gif","arrowImageSub=s.gif,so.gif"],)",
         "];"});
    ASSERT_EQ(r->itemStyles.size(), 1);
    const model::TStyle& s = r->itemStyles.at(0);
    EXPECT_TRUE(s.useFontStyle && s.useFontColor && s.useFontDecoration && s.useItemBackColor &&
                s.useItemBorderColor && s.useItemBorderWidth && s.useItemBorderStyle &&
                s.useItemBackImage && s.useArrowImageMain && s.useArrowImageSub);
    EXPECT_EQ(s.fontName, "Verdana");
    EXPECT_EQ(s.fontSize, 10);
    EXPECT_EQ(s.fontWeight, 1);
    EXPECT_EQ(s.fontColorNormal, 0);
    EXPECT_EQ(s.fontColorOver, 0xFFFFFF);
    EXPECT_EQ(s.fontDecorationNormal, 1);
    EXPECT_EQ(s.fontDecorationOver, 2);
    EXPECT_EQ(s.itemBackColorOver, 0xC06030);
    EXPECT_EQ(s.itemBorderColorNormal, 0x030201);
    EXPECT_EQ(s.itemBorderWidth, 3);
    EXPECT_EQ(s.itemBorderStyleNormal, 2);
    EXPECT_EQ(s.itemBorderStyleOver, -1);
    EXPECT_EQ(s.itemBackImageNormal, "img/b.gif");
    EXPECT_EQ(s.arrowImageMainOver, "ao.gif");
    EXPECT_EQ(s.arrowImageSubNormal, "s.gif");
    EXPECT_EQ(r->itemStyles.nameAt(0), "Item Style 1");
}

TEST(ItemStyleRecords, FallbacksKeysAndTrimming) {
    auto r = readLines({"var itemStyles = [",
                        R"(   ["fontColor=#FF0000,crimson"],)", // one colour, one word
                        R"(   ["colour=#FF0000"],)",            // unknown key: all groups off
                        R"(   [" itemBorderWidth = x ", "fontDecoration=blink, underline"],)",
                        R"(   ["fontColor= #00FF00 , #0000FF "],)", "];"});
    ASSERT_EQ(r->itemStyles.size(), 4);
    const auto& red = r->itemStyles.at(0);
    EXPECT_TRUE(red.useFontColor);
    EXPECT_EQ(red.fontColorNormal, 0xFF);
    EXPECT_EQ(red.fontColorOver, -1);
    EXPECT_EQ(r->itemStyles.at(1), model::TStyle{});
    const auto& third = r->itemStyles.at(2);
    EXPECT_TRUE(third.useItemBorderWidth);
    EXPECT_EQ(third.itemBorderWidth, 0);
    // Decoration parts are not trimmed: " underline" is no table entry.
    EXPECT_EQ(third.fontDecorationNormal, 0);
    EXPECT_EQ(third.fontDecorationOver, 0);
    // Colour parts are trimmed.
    EXPECT_EQ(r->itemStyles.at(3).fontColorNormal, 0xFF00);
    EXPECT_EQ(r->itemStyles.at(3).fontColorOver, 0xFF0000);
}

TEST(ItemStyleRecords, EmptyBracketsTakeNoIndexAndCreateNoStyle) {
    auto r = readLines({"//ItemStyles", "//First", "//Second", "//Third", "//End of ItemStyles",
                        "var itemStyles = [", R"(   ["itemBorderWidth=1",],)", "   [],",
                        R"(   ["itemBorderWidth=3",],)", "];", "var menuItems = [",
                        R"(   ["A","","","","",,"2",],)", "];"});
    ASSERT_EQ(r->itemStyles.size(), 2);
    EXPECT_EQ(r->itemStyles.at(0).itemBorderWidth, 1);
    EXPECT_EQ(r->itemStyles.at(1).itemBorderWidth, 3);
    EXPECT_EQ(r->itemStyles.names(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(itemAt(*r, {0})->props().itemStyle, 2); // kept, though no such style exists
}

// A record that takes an index but creates no style leaves a gap; the next record that creates
// one fills the gap with default styles, so every style keeps the index of its record line.
TEST(ItemStyleRecords, RecordWithoutKeyValueFieldLeavesAGapThatIsFilled) {
    auto gapOnly = readLines({"var itemStyles = [", R"(   ["no equals sign"],)", "];"});
    EXPECT_EQ(gapOnly->itemStyles.size(), 0);

    auto r = readLines({"var itemStyles = [", R"(   ["itemBorderWidth=1"],)",
                        R"(   ["no equals sign"],)", R"(   ["itemBorderWidth=3"],)", "];"});
    ASSERT_EQ(r->itemStyles.size(), 3);
    EXPECT_EQ(r->itemStyles.at(0).itemBorderWidth, 1);
    EXPECT_EQ(r->itemStyles.at(1), model::TStyle{});
    EXPECT_EQ(r->itemStyles.at(2).itemBorderWidth, 3);
    EXPECT_EQ(r->itemStyles.nameAt(2), "Item Style 3");

    auto sm = readLines({"var menuStyles = [", R"(   ["x"],)", R"(   ["y"],)",
                         R"(   ["menuBorderWidth=2"],)", "];"});
    ASSERT_EQ(sm->smStyles.size(), 3);
    EXPECT_EQ(sm->smStyles.at(2).menuBorderWidth, 2);
    EXPECT_EQ(sm->smStyles.at(0), model::TSmStyle{});
}

TEST(SubmenuStyleRecords, EveryKeyReadsIntoItsGroup) {
    auto r = readLines(
        {"var menuStyles = [",
         R"(   ["menuBorderColor=#808080","menuBackColor= #ffffff ","menuBorderWidth=1","menuBorderStyle=solid","menuBackImage=img/m.gif"],)",
         R"(   ["menuBorderStyle=wavy","menuBorderWidth=z","other=1"],)", "];"});
    ASSERT_EQ(r->smStyles.size(), 2);
    const auto& s = r->smStyles.at(0);
    EXPECT_TRUE(s.useMenuBorderColor && s.useMenuBackColor && s.useMenuBorderWidth &&
                s.useMenuBorderStyle && s.useMenuBackImage);
    EXPECT_EQ(s.menuBorderColor, 0x808080);
    EXPECT_EQ(s.menuBackColor, 0xFFFFFF);
    EXPECT_EQ(s.menuBorderWidth, 1);
    EXPECT_EQ(s.menuBorderStyle, 2);
    EXPECT_EQ(s.menuBackImage, "img/m.gif");
    const auto& t = r->smStyles.at(1);
    EXPECT_TRUE(t.useMenuBorderStyle && t.useMenuBorderWidth);
    EXPECT_FALSE(t.useMenuBackColor);
    EXPECT_EQ(t.menuBorderStyle, -1);
    EXPECT_EQ(t.menuBorderWidth, 0);
}

TEST(ItemRecords, WithoutStyleBlocksTheItemsKeepTheirIndices) {
    auto r = readLines({"var menuItems = [", R"(   ["A","a.html","","","",,"0","5"],)",
                        R"(   ["B","","","","",,"7",],)", "];"});
    EXPECT_EQ(r->itemStyles.size(), 0);
    EXPECT_EQ(r->smStyles.size(), 0);
    EXPECT_EQ(itemAt(*r, {0})->props().itemStyle, 0);
    EXPECT_EQ(itemAt(*r, {0})->props().smStyle, 5);
    EXPECT_EQ(itemAt(*r, {1})->props().itemStyle, 7);
    EXPECT_EQ(itemAt(*r, {1})->props().smStyle, -1);
}

TEST(ItemRecords, FieldsByPosition) {
    auto r = readLines(
        {"var menuItems = [",
         R"(   [" Tools ","tools.html","img/t.gif","img/t2.gif","A tip","_blank"," 3 ","x","extra","more"],)",
         R"(   ["Short"],)", "];"});
    const auto& p = itemAt(*r, {0})->props();
    EXPECT_EQ(p.caption, " Tools "); // trimmed before unquoting, so blanks inside quotes stay
    EXPECT_EQ(p.link, "tools.html");
    EXPECT_EQ(p.img1, "img/t.gif");
    EXPECT_EQ(p.img2, "img/t2.gif");
    EXPECT_EQ(p.tip, "A tip");
    EXPECT_EQ(p.target, "_blank");
    EXPECT_EQ(p.itemStyle, 3);
    EXPECT_EQ(p.smStyle, -1); // not a number: stays -1
    const auto& s = itemAt(*r, {1})->props();
    EXPECT_EQ(s, (model::TItemProps{"Short", "", "", "", "", "", -1, -1}));
}

TEST(ItemRecords, SeparatorsBracketsAndWordsInsideQuotesStayInTheirText) {
    auto r = readLines(
        {"var menuItems = [", R"(   ["Sale [50% off]","x.html","","","Tips; tricks, more",,,],)",
         R"(   ["[New] Products","n.html","","","a];b",,"0",],)",
         R"(   ["var posX=3; zel_initFrame(\"f\",0,1,0);","v.html","","","// no comment",,,],)",
         "];"});
    ASSERT_EQ(r->items.count(), 3);
    EXPECT_EQ(itemAt(*r, {0})->props(), (model::TItemProps{"Sale [50% off]", "x.html", "", "", "",
                                                           "Tips; tricks, more", -1, -1}));
    EXPECT_EQ(itemAt(*r, {1})->props(),
              (model::TItemProps{"[New] Products", "n.html", "", "", "", "a];b", 0, -1}));
    EXPECT_EQ(itemAt(*r, {2})->props().caption, R"(var posX=3; zel_initFrame("f",0,1,0);)");
    EXPECT_EQ(itemAt(*r, {2})->props().tip, "// no comment");
    // The texts inside quotes were no assignment and no call.
    EXPECT_EQ(r->params[static_cast<std::size_t>(model::findParam(r->params, "posX"))].value, 0);
    EXPECT_FALSE(r->crossframe.enabled);
}

TEST(ItemRecords, OlderFilesWithRawQuotesReadAsBefore) {
    auto r =
        readLines({"var menuItems = [", R"(   ["Deals "Best"","a.html","","","say "hi"",,,],)",
                   R"(   ["5" screen","b.html"],)", R"(   ["C:\new","c:\dir\x.html"],)", "];"});
    ASSERT_EQ(r->items.count(), 3);
    EXPECT_EQ(itemAt(*r, {0})->props().caption, "Deals Best");
    EXPECT_EQ(itemAt(*r, {0})->props().link, "a.html");
    EXPECT_EQ(itemAt(*r, {0})->props().tip, "say hi");
    // An odd quote: split outside quotes where they pair up, every quote removed.
    EXPECT_EQ(itemAt(*r, {1})->props().caption, R"(5 screen,b.html)");
    // A backslash before anything but a quote or a backslash stays.
    EXPECT_EQ(itemAt(*r, {2})->props().caption, R"(C:\new)");
    EXPECT_EQ(itemAt(*r, {2})->props().link, R"(c:\dir\x.html)");
}

TEST(TreeBuilding, DepthPrefixesGiveTheTree) {
    auto r = readLines({"var menuItems = [", R"(["one"],)", R"(["|two"],)", R"(["|three"],)",
                        R"(["||four"],)", R"(["five"],)", "];"});
    EXPECT_EQ(shape(*r), "one |two |three ||four five ");
    EXPECT_EQ(itemAt(*r, {0, 1, 0})->props().caption, "four");
}

TEST(TreeBuilding, FirstItemGoesToTheTopAndJumpsGoOneLevelDeeper) {
    auto first = readLines({"var menuItems = [", R"(["||deep"],)", R"(["|||next"],)", "];"});
    EXPECT_EQ(shape(*first), "deep |next ");
    auto jump = readLines({"var menuItems = [", R"(["top"],)", R"(["|||child"],)", "];"});
    EXPECT_EQ(shape(*jump), "top |child ");
    auto climb = readLines({"var menuItems = [", R"(["a"],)", R"(["|b"],)", R"(["||c"],)",
                            R"(["|||d"],)", R"(["|e"],)", R"(["||f"],)", "];"});
    EXPECT_EQ(shape(*climb), "a |b ||c |||d |e ||f ");
}

TEST(TreeBuilding, ItemCounterAdvancesOncePerItem) {
    auto r =
        readLines({"var menuItems = [", R"(["a"],)", "   [],", "no record", R"(["|b"],)", "];"});
    EXPECT_EQ(r->items.count(), 2);
    EXPECT_EQ(r->items.itemCounter(), 2);
}

TEST(TreeBuilding, DeepChainsAndLongSiblingRunsStayCheap) {
    // 3,000 levels followed by 3,000 siblings at the deepest level: no recursion anywhere.
    constexpr int kLevels = 3000;
    std::string text = "var menuItems = [\n";
    for (int i = 0; i < kLevels; ++i)
        text += "[\"" + std::string(static_cast<std::size_t>(i), '|') + "x\"],\n";
    for (int i = 0; i < kLevels; ++i)
        text += "[\"" + std::string(kLevels - 1, '|') + "y\"],\n";
    text += "];\n";
    auto r = menuloom::readertest::readText(text);
    EXPECT_EQ(r->items.count(), 2 * kLevels);
    int maxLevel = 0;
    r->items.forEach(
        [&](const model::ItemNode&, int level) { maxLevel = std::max(maxLevel, level); });
    EXPECT_EQ(maxLevel, kLevels - 1);
}

TEST(StyleNames, AppliedToAllStylesOfAListOrToNone) {
    const std::string_view styles[] = {"var itemStyles = [", R"(["itemBorderWidth=1"],)",
                                       R"(["itemBorderWidth=2"],)", "];"};
    auto three = readLines({"//ItemStyles", "//A", "// B ", "//C", "//End of ItemStyles", styles[0],
                            styles[1], styles[2], styles[3]});
    EXPECT_EQ(three->itemStyles.names(), (std::vector<std::string>{"A", " B "}));

    auto one = readLines(
        {"//ItemStyles", "//A", "//End of ItemStyles", styles[0], styles[1], styles[2], styles[3]});
    EXPECT_EQ(one->itemStyles.names(), (std::vector<std::string>{"Item Style 1", "Item Style 2"}));

    // An end marker without a start marker gives no names.
    auto noStart = readLines(
        {"//A", "//B", "//End of ItemStyles", styles[0], styles[1], styles[2], styles[3]});
    EXPECT_EQ(noStart->itemStyles.names(),
              (std::vector<std::string>{"Item Style 1", "Item Style 2"}));

    // Markers compare whole lines exactly; a name line shorter than "//" gives an empty name.
    auto exact = readLines({" //ItemStyles", "//ItemStyles", "//A", "x", "//End of ItemStyles",
                            styles[0], styles[1], styles[2], styles[3]});
    EXPECT_EQ(exact->itemStyles.names(), (std::vector<std::string>{"A", ""}));
}

TEST(StyleNames, SubmenuNamesAndNamesThatLookLikeMarkers) {
    auto r = readLines({"//ItemStyles", "//SmStyles", "//End of ItemStyles", "//SmStyles", "//Box",
                        "//End of SmStyles", "var itemStyles = [", R"(["itemBorderWidth=1"],)",
                        "];", "var menuStyles = [", R"(["menuBorderWidth=1"],)", "];"});
    // The item style named "SmStyles" is consumed before the submenu names are looked for.
    EXPECT_EQ(r->itemStyles.names(), (std::vector<std::string>{"SmStyles"}));
    EXPECT_EQ(r->smStyles.names(), (std::vector<std::string>{"Box"}));
    EXPECT_EQ(r->smStyles.counter(), 1);
}

TEST(TooLargeNumber, StopsInsideTheBlocks) {
    auto style = readLines({"var itemStyles = [", R"(["itemBorderWidth=1"],)",
                            R"(["fontColor=#000000,#FFFFFF","itemBorderWidth=4444444444"],)",
                            R"(["itemBorderWidth=3"],)", "];"});
    EXPECT_EQ(style.result.status, reader::ReadResult::Status::InvalidNumber);
    EXPECT_EQ(style.result.message, "'4444444444' is not a valid integer value");
    ASSERT_EQ(style->itemStyles.size(), 2);
    EXPECT_TRUE(style->itemStyles.at(1).useFontColor);

    auto font =
        readLines({"var itemStyles = [", R"(["fontStyle=bold 4444444444pt Arial"],)", "];"});
    EXPECT_EQ(font.result.status, reader::ReadResult::Status::InvalidNumber);

    auto sm = readLines({"var menuStyles = [", R"(["menuBorderWidth=-4444444444"],)", "];"});
    EXPECT_EQ(sm.result.message, "'4444444444' is not a valid integer value");

    auto item = readLines({"//ItemStyles", "//Named", "//End of ItemStyles", "var itemStyles = [",
                           R"(["itemBorderWidth=1"],)", "];", "var menuItems = [",
                           R"(["A","a.html","","","tip",,"4444444444",],)", R"(["B"],)", "];"});
    EXPECT_EQ(item.result.status, reader::ReadResult::Status::InvalidNumber);
    ASSERT_EQ(item->items.count(), 1);
    EXPECT_EQ(itemAt(*item, {0})->props().link, "a.html"); // read before the number stays
    EXPECT_EQ(itemAt(*item, {0})->props().tip, "tip");
    EXPECT_EQ(item->itemStyles.nameAt(0), "Item Style 1"); // later passes do not run
}
