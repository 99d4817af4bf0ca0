#include "check/looks.h"

#include <gtest/gtest.h>

using namespace menuloom::model;
using namespace menuloom::check;

namespace {

int32_t grey(int v) {
    return v | (v << 8) | (v << 16);
}

ItemNode* add(Project& p, ItemNode* parent, const std::string& text) {
    ItemNode* n = parent ? p.items.addItem(parent, true) : p.items.addItem(nullptr, false);
    TItemProps props = n->props();
    props.caption = text;
    p.items.setProps(n, props);
    return n;
}

} // namespace

// The colour editors judge a colour before it is stored: through a copy, by what lies behind the
// text where the colour goes, and the hardest-to-read level wins.
TEST(Looks, ReadabilityOfAColourWhereItGoes) {
    Project p;
    p.param("fontColor").intList = {grey(0x77), -1};
    Looks looks(p);
    Readability r = readability(looks, Place::ofParam("fontColor"), 0);
    ASSERT_TRUE(r.known());
    EXPECT_NEAR(r.ratio, 4.48, 0.005);
    EXPECT_TRUE(r.fails());

    // A candidate colour changes the copy only; the unset over state draws the normal colour.
    looks.param("fontColor")->intList[0] = grey(0x55);
    EXPECT_FALSE(readability(looks, Place::ofParam("fontColor"), 1).fails());
    EXPECT_EQ(p.param("fontColor").intList[0], grey(0x77));
    EXPECT_EQ(looks.param("itemSpacing"), nullptr);

    // Submenus drawn see-through are harder to read than the bar: they are what is told.
    looks.param("transparency")->value = 40;
    r = readability(looks, Place::ofParam("fontColor"), 0);
    EXPECT_TRUE(r.fails());
    EXPECT_LT(r.ratio, 3);

    // A box colour counts only where no item background covers it.
    looks.param("transparency")->value = 100;
    looks.param("menuBackColor")->num = grey(0x22);
    EXPECT_TRUE(readability(looks, Place::ofParam("menuBackColor"), 0).fails());
    looks.param("itemBackColor")->intList = {grey(0xFF), -1};
    EXPECT_FALSE(readability(looks, Place::ofParam("menuBackColor"), 0).any);
    EXPECT_FALSE(readability(looks, Place::ofParam("menuBackColor"), 1).any);

    // A picture behind the text leaves the ratio unknown; large text needs only 3:1.
    looks.param("itemBackImage")->strList = {"img/bar.png", ""};
    r = readability(looks, Place::ofParam("fontColor"), 1);
    EXPECT_TRUE(r.any);
    EXPECT_EQ(r.picture, "img/bar.png");
    EXPECT_FALSE(r.fails());

    // Styles: an item style's pair counts once both entries are set and its group ticked; a
    // submenu style's box colour draws only submenu items.
    const int k = p.itemStyles.appendDefault();
    const int b = p.smStyles.appendDefault();
    Looks styled(p);
    TStyle* st = styled.itemStyle(k);
    st->useFontStyle = true;
    st->fontSize = 18;
    st->useFontColor = true;
    st->fontColorNormal = grey(0x90);
    r = readability(styled, Place::ofItemStyle(k), 0);
    EXPECT_NEAR(r.ratio, 4.48, 0.005) << "the pair is half set: the parameters draw";
    st->fontColorOver = grey(0x90);
    r = readability(styled, Place::ofItemStyle(k), 0);
    EXPECT_TRUE(r.large);
    EXPECT_EQ(r.required, 3);
    EXPECT_FALSE(r.fails());
    styled.smStyle(b)->useMenuBackColor = true;
    styled.smStyle(b)->menuBackColor = grey(0x66);
    r = readability(styled, Place::ofSmStyle(b), 0);
    EXPECT_TRUE(r.fails());
    EXPECT_EQ(styled.itemStyle(5), nullptr);
    // A style a dialog still names after it was deleted tells nothing.
    EXPECT_FALSE(readability(styled, Place::ofItemStyle(5), 0).any);
}

// Only items smaller than 24 x 24 either way are told, and only where the project still has an
// item that is not a separator.
TEST(Looks, TargetSizesFromWhatTheBrowserDrew) {
    Project p;
    ItemNode* home = add(p, nullptr, "Home");
    add(p, home, "News");
    add(p, nullptr, "-");
    const std::vector<DrawnItem> drawn = {
        {{0}, 24, 24},        // exactly large enough
        {{0, 0}, 120, 23.96}, // just too low: never read as 24
        {{1}, 4, 4},          // a separator
        {{7, 1}, 10, 10},     // no longer there
    };
    const std::vector<Finding> found = checkTargetSizes(p, drawn, 800);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rule, Rule::TargetSize);
    EXPECT_EQ(ruleName(found[0].rule), "target-size");
    EXPECT_EQ(found[0].severity, Severity::Warning);
    EXPECT_EQ(found[0].place.text(), "item:0/0");
    EXPECT_NE(found[0].message.find("120 \xC3\x97 23.9 CSS pixels at a page width of 800"),
              std::string::npos)
        << found[0].message;
}
