// Texts as the user types them: written into the data file as JavaScript string literals, and
// read back unchanged, whatever characters they hold.
#include "model/paramtable.h"
#include "modelgen.h"
#include "readerhelpers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace menuloom;
using menuloom::readertest::itemAt;
using menuloom::readertest::modelDifference;
using menuloom::readertest::readLines;
using menuloom::readertest::readText;
namespace fs = std::filesystem;

namespace {

// A quote, a backslash (also last, before the closing quote), both together, a script end tag,
// a template placeholder and non-ASCII letters.
const std::array<std::string, 6> kTyped = {R"(Say "hi")",      R"(C:\new\)",
                                           R"(both \"q\" \\)", R"(</script><script>bad=1</script>)",
                                           "${x} `y` 50% off", "Caf\xC3\xA9 \xC3\x9C\xC3\xBF"};

model::TPropType& param(model::Project& p, std::string_view name) {
    return p.params[static_cast<std::size_t>(model::findParam(p.params, name))];
}

void setCustomText(model::Project& p, std::string_view name, const std::string& text) {
    model::TPropType& t = param(p, name);
    t.num = static_cast<int32_t>(t.strList.size() - 1); // the "..." entry
    t.flag = 1;
    t.text = text;
}

// Every kind of text the user can type set to `text`, through the model's own operations.
// Image paths hold no backslash: the file writes them with "/".
void setEveryText(model::Project& p, const std::string& text) {
    std::string path = text;
    std::erase(path, '\\');
    setCustomText(p, "statusString", text);
    setCustomText(p, "pathPrefix", text);
    setCustomText(p, "itemTarget", text);
    param(p, "fontStyle").text = text;
    param(p, "blankImage").text = path;
    param(p, "arrowImageMain").strList = {path, path + "2"};
    p.crossframe.enabled = true;
    p.crossframe.framesetId = text;
    p.crossframe.topFrame = "0";
    p.crossframe.subFrame = "1";

    const int st = model::appendDefaultStyle(p.itemStyles);
    p.itemStyles.rename(st, text);
    model::TStyle& s = p.itemStyles.at(st);
    s.useFontStyle = true;
    s.fontName = "F " + text;
    s.useItemBackImage = true;
    std::string noComma = path;
    std::erase(noComma, ',');
    s.itemBackImageNormal = noComma;
    s.itemBackImageOver = noComma + "o";
    const int sm = model::appendDefaultSmStyle(p.smStyles);
    p.smStyles.rename(sm, text);
    p.smStyles.at(sm).useMenuBackImage = true;
    p.smStyles.at(sm).menuBackImage = path + ".gif";

    model::ItemTree& t = p.items;
    model::ItemNode* top = t.addItemCommand(nullptr).node;
    t.rename(top, text);
    t.setField(top, model::ItemField::Link, text);
    t.setField(top, model::ItemField::Tip, text);
    t.setField(top, model::ItemField::Target, text);
    t.setField(top, model::ItemField::Img1, path);
    t.setItemStyle(top, 0);
    t.setSmStyle(top, 0);
    model::ItemNode* sub = t.addSubItemCommand(top).node;
    t.rename(sub, text + " | ] [ ; ,");
    t.setField(sub, model::ItemField::Tip, "x];y");
}

// The fields that reading fills although no written value depends on them, as reading fills
// them: the text of a listed choice and the percentage switch of transparency.
void settle(model::Project& p) {
    for (auto& t : p.params) {
        if (t.kind == model::ParamKind::Strs && t.flag == 0)
            t.text = t.strList[static_cast<std::size_t>(t.num)];
        if (t.kind == model::ParamKind::Percents)
            t.boolValue = 1;
    }
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool hasNode() {
    return std::system("command -v node >/dev/null 2>&1") == 0;
}

// Whether node parses `text` as a script; the file goes in the build folder.
bool parsesAsJavaScript(const std::string& text, const std::string& name) {
    const fs::path file =
        fs::path(MENULOOM_BUILD_DIR) / (name + "-" + std::to_string(::getpid()) + ".js");
    std::ofstream(file, std::ios::binary) << text;
    const bool ok = std::system(("node --check '" + file.string() + "' 2>/dev/null").c_str()) == 0;
    fs::remove(file);
    return ok;
}

// The menu the engine test draws (tests/engine/fixtures/texts.js), written by the writer.
void buildEngineFixture(model::Project& p) {
    setCustomText(p, "statusString", R"(Status "s" \ ${x})");
    setCustomText(p, "itemTarget", R"(frame "x" \)");
    const int st = model::appendDefaultStyle(p.itemStyles);
    p.itemStyles.rename(st, R"(Style "one" \ ])");
    model::ItemTree& t = p.items;
    model::ItemNode* prev = nullptr;
    for (std::size_t i = 0; i < kTyped.size(); ++i) {
        prev = t.addItemCommand(prev).node;
        t.rename(prev, kTyped[i]);
        t.setField(prev, model::ItemField::Tip, kTyped[(i + 1) % kTyped.size()]);
    }
    model::ItemNode* first = p.items.root()->child(0);
    t.setField(first, model::ItemField::Link, R"(a "b".html)");
    t.setField(first, model::ItemField::Target, "_blank");
    t.setField(p.items.root()->child(3), model::ItemField::Link, "c.html");
}

} // namespace

TEST(TypedTexts, WriteAsJavaScriptAndReadBackToTheSameModelAndBytes) {
    const bool node = hasNode();
    for (const std::string& text : kTyped) {
        model::Project original;
        setEveryText(original, text);
        settle(original);
        const std::string bytes = output::renderDataFile(original, false);
        if (node) {
            EXPECT_TRUE(parsesAsJavaScript(bytes, "texts")) << bytes;
            EXPECT_TRUE(parsesAsJavaScript(output::renderDataFile(original, true), "preview"));
        }
        const auto read = readText(bytes);
        ASSERT_TRUE(read.result.ok()) << read.result.message;
        EXPECT_EQ(modelDifference(original, *read), "") << text;
        EXPECT_EQ(output::renderDataFile(*read, false), bytes) << text;
    }
    if (!node)
        GTEST_SKIP() << "node not found: the files were not parsed as JavaScript";
}

TEST(TypedTexts, EngineFixtureIsTheWritersFile) {
    model::Project p;
    buildEngineFixture(p);
    const std::string bytes = output::renderDataFile(p, false);
    const fs::path fixture =
        fs::path(MENULOOM_TEST_DATA).parent_path() / "engine" / "fixtures" / "texts.js";
    if (std::getenv("MENULOOM_UPDATE_FIXTURES"))
        std::ofstream(fixture, std::ios::binary) << bytes;
    EXPECT_EQ(fileBytes(fixture), bytes)
        << "rerun with MENULOOM_UPDATE_FIXTURES=1 to write " << fixture;
    if (!hasNode())
        GTEST_SKIP() << "node not found";
    EXPECT_TRUE(parsesAsJavaScript(bytes, "fixture"));
}

TEST(TypedTexts, ParameterAndStyleTextsKeepSeparatorsAndBlanks) {
    auto r = readLines(
        {"//ItemStyles", "//var DX=7; [a];b,c", "//End of ItemStyles",
         R"(var statusString="a;b, \"c\" [d]";)", R"(var fontStyle="bold 9pt Verdana, Arial;x";)",
         R"(var arrowImageMain=["my pics/a,b.gif","c d.gif"];)",
         R"x(zel_initFrame("f,\"1\")",0,1,0);)x", "var itemStyles = [",
         R"(   ["fontStyle=normal 8pt Verdana, Arial","itemBackImage=x;y.gif,z.gif"],)", "];"});
    auto& p = *r;
    EXPECT_EQ(param(p, "statusString").text, R"(a;b, "c" [d])");
    EXPECT_EQ(param(p, "fontStyle").text, "Verdana, Arial;x");
    EXPECT_EQ(param(p, "arrowImageMain").strList,
              (std::vector<std::string>{"my pics/a,b.gif", "c d.gif"}));
    EXPECT_EQ(p.crossframe.framesetId, R"x(f,"1"))x");
    EXPECT_EQ(p.crossframe.topFrame, "0");
    EXPECT_EQ(p.crossframe.subFrame, "1");
    ASSERT_EQ(p.itemStyles.size(), 1);
    EXPECT_EQ(p.itemStyles.at(0).fontName, "Verdana, Arial");
    EXPECT_EQ(p.itemStyles.at(0).itemBackImageNormal, "x;y.gif");
    EXPECT_EQ(p.itemStyles.at(0).itemBackImageOver, "z.gif");
    // The name line is a comment: no assignment, and the name stays.
    EXPECT_EQ(p.itemStyles.names(), (std::vector<std::string>{"var DX=7; [a];b,c"}));
    EXPECT_EQ(param(p, "DX").value, -5);
}

TEST(TypedTexts, OlderParameterLinesWithRawQuotesReadAsBefore) {
    auto r = readLines({R"(var statusString="say "hi"";)", R"(var pathPrefix="C:\web\";)",
                        R"(var arrowImageMain=["a b.gif" ,"c.gif"];)",
                        R"(zel_initFrame("f"x",2,3,1);)"});
    auto& p = *r;
    EXPECT_EQ(param(p, "statusString").text, "say hi");
    EXPECT_EQ(param(p, "pathPrefix").text, R"(C:\web\)");
    EXPECT_EQ(param(p, "arrowImageMain").strList, (std::vector<std::string>{"a b.gif", "c.gif"}));
    EXPECT_EQ(p.crossframe.framesetId, "fx");
    EXPECT_EQ(p.crossframe.topFrame, "2");
    EXPECT_TRUE(p.crossframe.vertical);
}

TEST(TypedTexts, ALeadingBarNeverReachesTheTreeAndTheTreeSurvivesSaveAndOpen) {
    model::Project p;
    model::ItemTree& t = p.items;
    model::ItemNode* first = t.addItemCommand(nullptr).node;
    t.rename(first, "First");
    model::ItemNode* pipe = t.addItemCommand(first).node;
    EXPECT_TRUE(t.rename(pipe, "|Pipe first").changed);
    EXPECT_EQ(pipe->props().caption, "Pipe first");
    EXPECT_FALSE(t.rename(pipe, "||Pipe first").changed); // the same text once the marks go
    model::TItemProps props = pipe->props();
    props.caption = "|||";
    t.setProps(pipe, props);
    EXPECT_EQ(pipe->props().caption, "");
    t.rename(pipe, "|Pipe | inside");
    t.copyItem(pipe);
    model::ItemNode* pasted = t.pasteItem(first).created;
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->props().caption, "Pipe | inside");

    const std::string bytes = output::renderDataFile(p, false);
    const auto read = readText(bytes);
    EXPECT_EQ(output::renderDataFile(*read, false), bytes);
    ASSERT_EQ(read->items.root()->childCount(), 3);
    EXPECT_EQ(itemAt(*read, {1})->props().caption, "Pipe | inside");
    EXPECT_EQ(itemAt(*read, {2})->props().caption, "Pipe | inside");
}
