#include "model/project.h"

#include <gtest/gtest.h>

using namespace menuloom::model;

namespace {

std::vector<int32_t> itemStyleRefs(ItemTree& t) {
    std::vector<int32_t> v;
    t.forEach([&](ItemNode& n, int) { v.push_back(n.props().itemStyle); });
    return v;
}
std::vector<int32_t> smStyleRefs(ItemTree& t) {
    std::vector<int32_t> v;
    t.forEach([&](ItemNode& n, int) { v.push_back(n.props().smStyle); });
    return v;
}

} // namespace

TEST(Styles, NamesCountersAndDuplicates) {
    Project p;
    EXPECT_EQ(appendDefaultStyle(p.itemStyles), 0);
    appendDefaultStyle(p.itemStyles);
    appendDefaultStyle(p.itemStyles);
    deleteStyleAt(p, 1);
    EXPECT_EQ(p.itemStyles.nameAt(appendDefaultStyle(p.itemStyles)), "Item Style 4");
    appendDefaultSmStyle(p.smStyles);
    EXPECT_EQ(p.smStyles.nameAt(appendDefaultSmStyle(p.smStyles)), "Submenu Style 2");

    TStyle heading;
    heading.useFontColor = true;
    heading.fontColorNormal = 0xFF;
    heading.useItemBorderWidth = true;
    heading.itemBorderWidth = 3;
    p.itemStyles.set(0, heading);
    ASSERT_TRUE(p.itemStyles.rename(0, "Heading"));
    const int copy = p.itemStyles.duplicate(0);
    EXPECT_EQ(p.itemStyles.nameAt(copy), "Item Style 5");
    EXPECT_EQ(p.itemStyles.at(copy), heading);
    EXPECT_EQ(p.itemStyles.duplicate(-1), -1);
    EXPECT_EQ(p.itemStyles.duplicate(99), -1);

    EXPECT_FALSE(p.itemStyles.rename(0, "   "));
    EXPECT_FALSE(p.itemStyles.rename(0, ""));
    EXPECT_EQ(p.itemStyles.nameAt(0), "Heading");
    EXPECT_TRUE(p.itemStyles.rename(0, " Menu "));
    EXPECT_EQ(p.itemStyles.nameAt(0), " Menu ");
    EXPECT_EQ(p.itemStyles.choiceList(),
              (std::vector<std::string>{"[none]", " Menu ", "Item Style 3", "Item Style 4",
                                        "Item Style 5"}));

    // Delete All keeps the counter; the reset of New sets it back.
    deleteAllStyles(p);
    EXPECT_EQ(p.itemStyles.nameAt(appendDefaultStyle(p.itemStyles)), "Item Style 6");
    p.reset();
    EXPECT_TRUE(p.itemStyles.empty());
    EXPECT_EQ(p.itemStyles.nameAt(appendDefaultStyle(p.itemStyles)), "Item Style 1");
    EXPECT_EQ(p.smStyles.nameAt(appendDefaultSmStyle(p.smStyles)), "Submenu Style 1");
    EXPECT_EQ(fontDescription(TStyle{}), "normal 8pt Tahoma");
}

TEST(Styles, DeletingRenumbersItemReferences) {
    Project p;
    for (int i = 0; i < 4; ++i) {
        appendDefaultStyle(p.itemStyles);
        appendDefaultSmStyle(p.smStyles);
    }
    for (int s : {-1, 0, 1, 2, 3}) {
        ItemNode* n = p.items.addItem(nullptr, false);
        p.items.setItemStyle(n, s);
        p.items.setSmStyle(n, s);
    }
    ItemNode* child = p.items.addItem(p.items.root()->child(3), true);
    p.items.setItemStyle(child, 3);

    deleteStyleAt(p, 1);
    EXPECT_EQ(itemStyleRefs(p.items), (std::vector<int32_t>{-1, 0, -1, 1, 2, 2}));
    EXPECT_EQ(smStyleRefs(p.items), (std::vector<int32_t>{-1, 0, 1, 2, -1, 3}));
    EXPECT_EQ(p.itemStyles.size(), 3);
    EXPECT_EQ(p.itemStyles.nameAt(1), "Item Style 3");

    deleteSmStyleAt(p, 0);
    EXPECT_EQ(smStyleRefs(p.items), (std::vector<int32_t>{-1, -1, 0, 1, -1, 2}));
    EXPECT_EQ(itemStyleRefs(p.items), (std::vector<int32_t>{-1, 0, -1, 1, 2, 2}));
    EXPECT_FALSE(deleteStyleAt(p, 7));

    deleteAllSmStyles(p);
    EXPECT_EQ(smStyleRefs(p.items), std::vector<int32_t>(6, -1));
    EXPECT_EQ(itemStyleRefs(p.items), (std::vector<int32_t>{-1, 0, -1, 1, 2, 2}));
    deleteAllStyles(p);
    EXPECT_EQ(itemStyleRefs(p.items), std::vector<int32_t>(6, -1));
}

TEST(Project, ResetReturnsEverythingToNew) {
    Project p;
    const Project fresh;
    p.param("posX").value = 10;
    p.crossframe = {"fset", "0", "1", true, true};
    p.items.copyItem(p.items.addItem(nullptr, false));
    appendDefaultStyle(p.itemStyles);
    p.reset();
    EXPECT_EQ(p.params, fresh.params);
    EXPECT_EQ(p.crossframe, CrossframeSettings{});
    EXPECT_TRUE(p.items.empty());
    EXPECT_EQ(p.items.itemCounter(), 0);
    EXPECT_FALSE(p.items.clipboardFilled());
    EXPECT_EQ(p.itemStyles.counter(), 0);

    EXPECT_EQ(filterFrameNumber("1a-2"), "12");
    EXPECT_EQ(folderOf("/site/menu/nav.js"), "/site/menu/");
    EXPECT_EQ(folderOf("nav.js"), "");
}
