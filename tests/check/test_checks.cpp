#include "check/checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace menuloom::model;
using namespace menuloom::check;

namespace {

int32_t rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

ItemNode* add(Project& p, ItemNode* parent, const std::string& text, const std::string& link) {
    ItemNode* n = parent ? p.items.addItem(parent, true) : p.items.addItem(nullptr, false);
    TItemProps props = n->props();
    props.caption = text;
    props.link = link;
    p.items.setProps(n, props);
    return n;
}

// A menu with nothing to find: linked items, a submenu, a separator, readable colours and
// pictures that exist.
void cleanMenu(Project& p) {
    p.param("fontColor").intList = {rgb(0, 0, 0), rgb(255, 255, 255)};
    p.param("itemBackColor").intList = {rgb(255, 255, 255), rgb(0, 0, 128)};
    p.param("arrowImageSub").strList = {"img/arrow.gif", "img/arrow.gif"};
    ItemNode* home = add(p, nullptr, "Home", "index.html");
    TItemProps props = home->props();
    props.img1 = "img/home.gif";
    p.items.setProps(home, props);
    ItemNode* about = add(p, nullptr, "About", "");
    add(p, about, "Team", "team.html");
    add(p, about, "-", "");
    add(p, about, "History", "history.html#start");
}

Options withFiles(std::set<std::string> files) {
    Options o;
    o.baseFolder = "/site/";
    o.fileExists = [files = std::move(files)](const std::string& path) {
        return files.count(path) > 0;
    };
    return o;
}

const Options kFiles = withFiles({"/site/img/home.gif", "/site/img/arrow.gif"});

std::vector<std::string> summary(const std::vector<Finding>& findings) {
    std::vector<std::string> out;
    for (const auto& f : findings)
        out.push_back(std::string(ruleName(f.rule)) + " " + f.place.text());
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(Checks, EachRuleFindsItsCaseAndACleanMenuIsQuiet) {
    Project p;
    cleanMenu(p);
    EXPECT_EQ(summary(checkProject(p, kFiles)), Lines{});

    ItemNode* about = p.items.root()->child(1);
    add(p, about, " team ", "javascript:void(0)"); // 1/3: duplicate text, script link
    add(p, about, "", "x.html");                   // 1/4: no name
    ItemNode* pic = add(p, about, "", "y.html");   // 1/5: a picture with a tip is named
    TItemProps props = pic->props();
    props.img1 = "img/missing.gif";
    props.tip = "Search";
    p.items.setProps(pic, props);
    add(p, nullptr, "Contact", "#"); // 2: leads nowhere
    // An address is not looked for, but the text on it cannot be judged.
    p.param("itemBackImage").strList = {"http://example.org/x.gif", ""};
    p.param("moveImage").text = "img\\move.gif";

    const auto findings = checkProject(p, kFiles);
    EXPECT_EQ(summary(findings),
              (Lines{"picture-missing param:moveImage", "contrast-unknown param:itemBackImage",
                     "name-duplicate item:1/3", "link-script item:1/3", "name-missing item:1/4",
                     "picture-missing item:1/5", "link-dead item:2"}));
    EXPECT_EQ(errorCount(findings), 2);
    EXPECT_NE(findings[0].message.find("/site/img/move.gif"), std::string::npos);
    EXPECT_NE(findings[2].message.find("item 1/0"), std::string::npos);
}

// Separators get nothing, nor do the items below one (the engine leaves them out); an item with
// a submenu needs no link.
TEST(Checks, SeparatorsAndTheirItemsAreExempt) {
    Project p;
    cleanMenu(p);
    ItemNode* sep = add(p, nullptr, "-", "");
    add(p, sep, "", "javascript:x()");
    add(p, nullptr, "-", "");
    EXPECT_EQ(summary(checkProject(p, kFiles)), Lines{});
}

TEST(Checks, ContrastJudgesEveryDrawnStateWithTheStylesInUse) {
    Project p;
    cleanMenu(p);
    // Unset over colours draw the normal ones; black on white passes in both states.
    p.param("fontColor").intList = {-1, -1};
    p.param("itemBackColor").intList = {-1, -1};
    EXPECT_EQ(summary(checkProject(p, kFiles)), Lines{});

    // A grey set by the parameters alone, on white and on a lighter grey over.
    p.param("itemBackColor").intList = {-1, rgb(0xDD, 0xDD, 0xDD)};
    p.param("fontColor").intList = {rgb(0x77, 0x77, 0x77), -1};
    auto findings = checkProject(p, kFiles);
    // Top level and submenus alike: one finding per state.
    ASSERT_EQ(summary(findings), Lines(2, "contrast param:fontColor"));
    EXPECT_NE(findings[1].message.find("Top-level items and submenu items, mouse-over state: "
                                       "text #777777 on "
                                       "#DDDDDD has a contrast of 3.3:1, below the minimum of "
                                       "4.5:1."),
              std::string::npos)
        << findings[1].message;
    EXPECT_NEAR(findings[0].ratio, 4.48, 0.005);
    EXPECT_EQ(findings[0].required, 4.5);
    p.param("fontColor").intList = {rgb(0, 0, 0), -1};
    p.param("itemBackColor").intList = {-1, -1};

    // Styles nobody uses are not judged; a style an item uses is, and so is the submenu style
    // of the box its item sits in.
    const int grey = p.itemStyles.appendDefault();
    TStyle st;
    st.useFontColor = true;
    st.fontColorNormal = st.fontColorOver = rgb(0x55, 0x55, 0x55);
    p.itemStyles.set(grey, st);
    const int dark = p.smStyles.appendDefault();
    TSmStyle box;
    box.useMenuBackColor = true;
    box.menuBackColor = rgb(0x33, 0x33, 0x33);
    p.smStyles.set(dark, box);
    EXPECT_EQ(summary(checkProject(p, kFiles)), Lines{});

    ItemNode* about = p.items.root()->child(1);
    p.items.setItemStyle(about->child(0), grey);
    p.items.setSmStyle(about, dark);
    findings = checkProject(p, kFiles);
    // Team: grey text in the dark box (the item style is told); History: black text in it.
    EXPECT_EQ(summary(findings), (Lines{"contrast itemStyle:0", "contrast smStyle:0"}));
    EXPECT_NE(findings[0].message.find("Submenu items of item style \"Item Style 1\" in boxes of "
                                       "submenu style \"Submenu Style 1\", both states"),
              std::string::npos)
        << findings[0].message;

    // A box drawn see-through fades its text into the page.
    p.items.setItemStyle(about->child(0), -1);
    p.items.setSmStyle(about, -1);
    p.param("transparency").value = 30;
    findings = checkProject(p, kFiles);
    ASSERT_EQ(summary(findings), Lines{"contrast param:transparency"});
    EXPECT_NE(findings[0].message.find("30% opacity"), std::string::npos);
}

TEST(Checks, LargeTextAtBothThresholds) {
    Project p;
    cleanMenu(p);
    p.param("itemBackColor").intList = {-1, -1};
    // #949494 on white: 3.03:1, enough for large text only.
    p.param("fontColor").intList = {rgb(0x94, 0x94, 0x94), -1};
    auto& font = p.param("fontStyle");
    auto rules = [&] { return summary(checkProject(p, kFiles)).size(); };
    font.num = 18;
    font.flag = 0;
    EXPECT_EQ(rules(), 0u);
    font.num = 17;
    EXPECT_EQ(rules(), 1u);
    font.num = 14;
    font.flag = 1; // bold
    EXPECT_EQ(rules(), 0u);
    font.flag = 9; // "600"
    EXPECT_EQ(rules(), 1u);
    // A style's font counts for the items that use it.
    const int big = p.itemStyles.appendDefault();
    TStyle st;
    st.useFontStyle = true;
    st.fontSize = 24;
    p.itemStyles.set(big, st);
    p.items.forEach([&](ItemNode& n, int) { p.items.setItemStyle(&n, big); });
    EXPECT_EQ(rules(), 0u);
}

TEST(Checks, PicturesResolveAsThePreviewDoes) {
    EXPECT_EQ(picturePath("img\\a b.gif", "/w/"), "/w/img/a b.gif");
    EXPECT_EQ(picturePath("img/a%20b.gif?v=2", "/w"), "/w/img/a b.gif");
    EXPECT_EQ(picturePath(" /abs/x.png ", "/w/"), "/abs/x.png");
    EXPECT_EQ(picturePath("C:\\pics\\x.png", "/w/"), "C:/pics/x.png");
    EXPECT_EQ(picturePath("x.png", ""), "x.png");
    for (const char* address : {"https://a.example/x.png", "data:image/png;base64,AAAA",
                                "file:///x.png", "//cdn.example/x.png"})
        EXPECT_EQ(picturePath(address, "/w/"), "") << address;

    // Styles' pictures are checked where the data file carries them.
    Project p;
    cleanMenu(p);
    const int k = p.itemStyles.appendDefault();
    TStyle st;
    st.useArrowImageMain = true;
    st.arrowImageMainNormal = "img/arrow.gif";
    st.arrowImageMainOver = "img/gone.gif";
    st.itemBackImageNormal = "img/off.gif"; // its group is off: not written, not checked
    p.itemStyles.set(k, st);
    const int b = p.smStyles.appendDefault();
    TSmStyle box;
    box.useMenuBackImage = true;
    box.menuBackImage = "img/box.gif";
    p.smStyles.set(b, box);
    EXPECT_EQ(summary(checkProject(p, kFiles)),
              (Lines{"picture-missing itemStyle:0", "picture-missing smStyle:0"}));
}

TEST(Checks, DeepAndWideMenusAreWalkedWithoutRecursion) {
    Project p;
    ItemNode* n = add(p, nullptr, "Top", "");
    for (int i = 0; i < 20000; ++i)
        n = add(p, n, "Level", "a.html");
    const auto findings = checkProject(p, kFiles);
    EXPECT_TRUE(findings.empty()) << summary(findings).front();
}
