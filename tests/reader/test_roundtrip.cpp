// Write -> read -> write: the worked example, seeded random models, and each stated loss.
#include "modelgen.h"
#include "readerhelpers.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace menuloom;
using menuloom::readertest::generateModel;
using menuloom::readertest::modelDifference;
using menuloom::readertest::readText;

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string replaceAll(std::string s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

const std::string kWorkedExample = std::string(MENULOOM_TEST_DATA) + "/worked_example.js";

} // namespace

TEST(WorkedExample, ReadsAndWritesBackByteForByte) {
    const std::string bytes = fileBytes(kWorkedExample);
    ASSERT_FALSE(bytes.empty());
    model::Project p;
    const auto r = reader::readDataFile(p, kWorkedExample);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(output::renderDataFile(p, false), bytes);

    ASSERT_EQ(p.itemStyles.names(), std::vector<std::string>{"Main"});
    ASSERT_EQ(p.smStyles.names(), std::vector<std::string>{"Box"});
    EXPECT_EQ(p.itemStyles.at(0).fontName, "Verdana");
    EXPECT_EQ(p.smStyles.at(0).menuBorderStyle, 2);
    ASSERT_EQ(p.items.count(), 3);
    const auto* tools = readertest::itemAt(p, {1, 0});
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->props(), (model::TItemProps{"Tools", "tools.html", "img/tools.gif", "",
                                                 "_blank", "", -1, -1}));
    const model::Project fresh;
    for (std::size_t i = 0; i < p.params.size(); ++i)
        EXPECT_EQ(output::formatParameterValue(p.params[i]),
                  output::formatParameterValue(fresh.params[i]))
            << p.params[i].name;
}

TEST(WorkedExample, EveryLineEndReadsTheSame) {
    const std::string crlf = fileBytes(kWorkedExample);
    const auto reference = readText(crlf);
    for (std::string_view eol : {"\n", "\r"}) {
        const auto other = readText(replaceAll(crlf, "\r\n", eol));
        ASSERT_TRUE(other.result.ok());
        EXPECT_EQ(modelDifference(*reference.project, *other.project), "");
        EXPECT_EQ(output::renderDataFile(*other.project, false), crlf);
    }
}

TEST(RandomModels, WriteReadWriteGivesTheSameBytesAndModel) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        model::Project original;
        generateModel(original, seed);
        const std::string written = output::renderDataFile(original, false);
        const auto back = readText(written);
        ASSERT_TRUE(back.result.ok()) << "seed " << seed << ": " << back.result.message;
        ASSERT_EQ(output::renderDataFile(*back.project, false), written) << "seed " << seed;
        ASSERT_EQ(modelDifference(original, *back.project), "") << "seed " << seed;
    }
}

TEST(RandomModels, DeepAndLargeTrees) {
    readertest::ModelGenOptions options;
    options.maxItems = 2000;
    options.maxDepth = 60;
    options.maxItemStyles = 40;
    options.maxSmStyles = 40;
    for (unsigned seed = 1000; seed < 1010; ++seed) {
        model::Project original;
        generateModel(original, seed, options);
        const std::string written = output::renderDataFile(original, false);
        const auto back = readText(written);
        ASSERT_TRUE(back.result.ok()) << back.result.message;
        ASSERT_EQ(modelDifference(original, *back.project), "") << "seed " << seed;
        ASSERT_EQ(output::renderDataFile(*back.project, false), written);
    }
}

TEST(RandomModels, GeneratorCoversEveryPart) {
    // Guard against a generator that quietly stops producing what the round trip should test.
    int styled = 0, deep = 0, custom = 0, cross = 0, groups[10] = {}, smGroups[5] = {};
    for (unsigned seed = 1; seed <= 400; ++seed) {
        model::Project p;
        generateModel(p, seed);
        p.items.forEach([&](const model::ItemNode&, int level) { deep += level >= 3; });
        styled += p.itemStyles.size() > 0 && p.smStyles.size() > 0;
        custom += p.param("itemTarget").flag == 1;
        cross += p.crossframe.enabled;
        for (const auto& s : p.itemStyles.records()) {
            const bool on[10] = {s.useFontStyle,       s.useFontColor,       s.useFontDecoration,
                                 s.useItemBackColor,   s.useItemBorderColor, s.useItemBorderWidth,
                                 s.useItemBorderStyle, s.useArrowImageMain,  s.useArrowImageSub,
                                 s.useItemBackImage};
            for (int g = 0; g < 10; ++g)
                groups[g] += on[g];
        }
        for (const auto& s : p.smStyles.records()) {
            const bool on[5] = {s.useMenuBackColor, s.useMenuBorderColor, s.useMenuBorderWidth,
                                s.useMenuBorderStyle, s.useMenuBackImage};
            for (int g = 0; g < 5; ++g)
                smGroups[g] += on[g];
        }
    }
    EXPECT_GT(styled, 100);
    EXPECT_GT(deep, 100);
    EXPECT_GT(custom, 20);
    EXPECT_GT(cross, 100);
    for (int g = 0; g < 10; ++g)
        EXPECT_GT(groups[g], 50) << "item style group " << g;
    for (int g = 0; g < 5; ++g)
        EXPECT_GT(smGroups[g], 50) << "submenu style group " << g;
}

// The losses the file format has, each on its own.

TEST(RoundTripLoss, UnsetMenuBorderColorEntriesMoveTheFollowingForward) {
    model::Project p;
    p.param("menuBorderColor").intList = {0x0000FF, -1, 0x00FF00, -1};
    const auto back = readText(output::renderDataFile(p, false));
    EXPECT_EQ(back->param("menuBorderColor").intList,
              (std::vector<int32_t>{0x0000FF, 0x00FF00, -1, -1}));
}

TEST(RoundTripLoss, PairWithOneHalfSetIsNotWritten) {
    model::Project p;
    model::TStyle s;
    s.useFontColor = true;
    s.fontColorNormal = 0xFF;
    s.useItemBackImage = true;
    s.itemBackImageNormal = "a.gif";
    s.useItemBorderWidth = true; // keeps the style itself in the file
    s.itemBorderWidth = 2;
    p.itemStyles.set(appendDefaultStyle(p.itemStyles), s);
    const auto back = readText(output::renderDataFile(p, false));
    ASSERT_EQ(back->itemStyles.size(), 1);
    const auto& r = back->itemStyles.at(0);
    EXPECT_FALSE(r.useFontColor);
    EXPECT_EQ(r.fontColorNormal, -1);
    EXPECT_FALSE(r.useItemBackImage);
    EXPECT_EQ(r.itemBackImageNormal, "");
    EXPECT_EQ(r.itemBorderWidth, 2);
}

TEST(RoundTripLoss, StyleWithEveryGroupOffDisappearsAndNamesShift) {
    model::Project p;
    for (int width : {1, -1, 3}) {
        model::TStyle s;
        s.useItemBorderWidth = width >= 0;
        s.itemBorderWidth = std::max(width, 0);
        p.itemStyles.set(appendDefaultStyle(p.itemStyles), s);
    }
    p.itemStyles.setName(0, "One");
    p.itemStyles.setName(1, "Off");
    p.itemStyles.setName(2, "Three");
    p.items.setProps(p.items.addItem(nullptr, false), {"A", "", "", "", "", "", 2, -1});
    const auto back = readText(output::renderDataFile(p, false));
    ASSERT_EQ(back->itemStyles.size(), 2);
    EXPECT_EQ(back->itemStyles.at(1).itemBorderWidth, 3);
    EXPECT_EQ(back->itemStyles.names(), (std::vector<std::string>{"One", "Off"}));
    EXPECT_EQ(readertest::itemAt(*back, {0})->props().itemStyle, 2);
}

TEST(RoundTripLoss, ValuesOfASwitchedOffGroupAreNotWritten) {
    model::Project p;
    model::TStyle s;
    s.fontName = "Arial"; // group off
    s.useItemBorderWidth = true;
    p.itemStyles.set(appendDefaultStyle(p.itemStyles), s);
    p.crossframe.framesetId = "kept only while enabled";
    const auto back = readText(output::renderDataFile(p, false));
    EXPECT_EQ(back->itemStyles.at(0).fontName, "Tahoma");
    EXPECT_EQ(back->crossframe.framesetId, "");
}

TEST(RoundTripLoss, BackslashesInImagePathsComeBackAsSlashes) {
    model::Project p;
    p.param("blankImage").text = "img\\blank.gif";
    p.items.setProps(p.items.addItem(nullptr, false),
                     {"A", "x\\y.html", "img\\a.gif", "", "", "", -1, -1});
    const auto back = readText(output::renderDataFile(p, false));
    EXPECT_EQ(back->param("blankImage").text, "img/blank.gif");
    EXPECT_EQ(readertest::itemAt(*back, {0})->props().img1, "img/a.gif");
    EXPECT_EQ(readertest::itemAt(*back, {0})->props().link, "x\\y.html"); // not an image path
}
