#include "output/datawriter.h"
#include "util/systemmessage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom::model;
using namespace menuloom::output;
namespace util = menuloom::util;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto eol = text.find("\r\n", pos);
        out.push_back(text.substr(pos, eol - pos));
        pos = eol + 2;
    }
    return out;
}

int32_t rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// The menu of the worked example, made through the model's own operations.
void buildWorkedExample(Project& p) {
    const int main = appendDefaultStyle(p.itemStyles);
    p.itemStyles.rename(main, "Main");
    TStyle& st = p.itemStyles.at(main);
    st.useFontStyle = true;
    st.fontName = "Verdana";
    st.fontSize = 10;
    st.fontWeight = 1;
    st.useFontColor = true;
    st.fontColorNormal = rgb(0, 0, 0);
    st.fontColorOver = rgb(255, 255, 255);
    st.useItemBackColor = true;
    st.itemBackColorNormal = rgb(0xE0, 0xE0, 0xE0);
    st.itemBackColorOver = rgb(0x30, 0x60, 0xC0);

    const int box = appendDefaultSmStyle(p.smStyles);
    p.smStyles.rename(box, "Box");
    TSmStyle& sm = p.smStyles.at(box);
    sm.useMenuBorderColor = true;
    sm.menuBorderColor = rgb(0x80, 0x80, 0x80);
    sm.useMenuBackColor = true;
    sm.menuBackColor = rgb(0xFF, 0xFF, 0xFF);
    sm.useMenuBorderWidth = true;
    sm.menuBorderWidth = 1;
    sm.useMenuBorderStyle = true;
    sm.menuBorderStyle = 2;

    ItemTree& t = p.items;
    ItemNode* home = t.addItemCommand(nullptr).node;
    t.rename(home, "Home");
    t.setField(home, ItemField::Link, "index.html");
    t.setField(home, ItemField::Tip, "Start page");
    t.setItemStyle(home, 0);
    ItemNode* products = t.addItemCommand(home).node;
    t.rename(products, "Products");
    t.setItemStyle(products, 0);
    t.setSmStyle(products, 0);
    ItemNode* tools = t.addSubItemCommand(products).node;
    t.rename(tools, "Tools");
    t.setField(tools, ItemField::Link, "tools.html");
    t.setField(tools, ItemField::Img1, "img\\tools.gif");
    t.setField(tools, ItemField::Target, "_blank");
}

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("menuloom-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
    static inline int counter = 0;
};

} // namespace

TEST(DataWriter, WorkedExampleByteForByte) {
    Project p;
    buildWorkedExample(p);
    const std::string golden = slurp(fs::path(MENULOOM_TEST_DATA) / "worked_example.js");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(renderDataFile(p, false), golden);

    // The preview variant: no name block, working folder in front of relative images.
    p.workingFolder = "D:\\site\\";
    p.crossframe = {"fset", "0", "1", false, true};
    const auto preview = lines(renderDataFile(p, true));
    const auto saved = lines(golden);
    ASSERT_EQ(preview.size(), saved.size() - 9);
    EXPECT_EQ(preview.front(), "var blankImage=\"\";");
    EXPECT_EQ(preview[72],
              R"(   ["|Tools","tools.html","D:/site/img/tools.gif","","","_blank",,],)");
    EXPECT_EQ(preview.back(), "zel_init();");
    EXPECT_EQ(lines(renderDataFile(p, false)).back(), R"(zel_initFrame("fset",0,1,0);)");
}

TEST(DataWriter, EmptyListsAndClosingCalls) {
    Project p;
    const auto l = lines(renderDataFile(p, false));
    ASSERT_EQ(l.size(), 7u + 60 + 1 + 2 + 1 + 1);
    EXPECT_EQ(l[6], "");
    EXPECT_EQ(l[67], "");
    EXPECT_EQ(l[68], "var menuItems = [");
    EXPECT_EQ(l[69], "];");
    EXPECT_EQ(l[71], "zel_init();");

    CrossframeSettings c;
    c.enabled = true;
    EXPECT_EQ(closingCall(c, false), R"(zel_initFrame("",,,0);)");
    c = {"f s", "2", "x", true, true};
    EXPECT_EQ(closingCall(c, false), R"(zel_initFrame("f s",2,x,1);)");
    EXPECT_EQ(closingCall(c, true), "zel_init();");
    c.enabled = false;
    EXPECT_EQ(closingCall(c, false), "zel_init();");
}

TEST(DataWriter, ParameterValues) {
    Project p;
    auto fmt = [&](std::string_view name) { return formatParameterValue(p.param(name)); };
    EXPECT_EQ(fmt("transparency"), "100");
    EXPECT_EQ(fmt("separatorHeight"), "\"0\"");
    EXPECT_EQ(fmt("floatIterations"), "0");
    EXPECT_EQ(fmt("itemTarget"), "\"\"");
    EXPECT_EQ(fmt("statusString"), "\"link\"");
    EXPECT_EQ(fmt("menuWidth"), "\"0%\"");
    p.param("menuWidth").boolValue = 1;
    p.param("menuWidth").value = -3;
    EXPECT_EQ(fmt("menuWidth"), "-3");

    auto& colors = p.param("fontColor").intList;
    colors[0] = 0;
    EXPECT_EQ(fmt("fontColor"), R"(["#000000",""])");
    auto& border = p.param("menuBorderColor").intList;
    border = {rgb(255, 0, 0), -1, rgb(0, 255, 0), -1};
    EXPECT_EQ(fmt("menuBorderColor"), "\"#FF0000 #00FF00 \"");
    border.assign(4, rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(fmt("menuBorderColor"), "\"#C0C0C0 #C0C0C0 #C0C0C0 #C0C0C0 \"");

    p.param("itemBorderStyle").intList = {0, -1};
    EXPECT_EQ(fmt("itemBorderStyle"), R"(["dotted",""])");
    p.param("fontDecoration").intList = {1, 3};
    EXPECT_EQ(fmt("fontDecoration"), R"(["underline","line-through"])");
    p.param("itemAlign").num = 2;
    EXPECT_EQ(fmt("itemAlign"), "\"right\"");
    p.param("shadowColor").num = rgb(0x12, 0xAB, 0x0F);
    EXPECT_EQ(fmt("shadowColor"), "\"#12AB0F\"");
    auto& font = p.param("fontStyle");
    font.flag = 12;
    font.num = 11;
    font.text = "Times New Roman";
    EXPECT_EQ(fmt("fontStyle"), "\"900 11pt Times New Roman\"");

    auto& target = p.param("itemTarget");
    target.num = 6;
    target.flag = 1;
    target.text = "main \"frame\"";
    EXPECT_EQ(fmt("itemTarget"), R"("main \"frame\"")");
    p.param("isHorizontal").boolValue = 1;
    EXPECT_EQ(fmt("isHorizontal"), "1");

    // Images: backslashes always become "/"; relative paths get the working folder in preview.
    p.param("blankImage").text = "C:\\web\\a.gif";
    const PathContext preview{true, "D:\\site\\"};
    EXPECT_EQ(formatParameterValue(p.param("blankImage")), "\"C:/web/a.gif\"");
    EXPECT_EQ(formatParameterValue(p.param("blankImage"), preview), "\"C:/web/a.gif\"");
    p.param("arrowImageMain").strList = {"a.gif", ""};
    EXPECT_EQ(formatParameterValue(p.param("arrowImageMain")), R"(["a.gif",""])");
    EXPECT_EQ(formatParameterValue(p.param("arrowImageMain"), preview), R"(["D:/site/a.gif",""])");
    EXPECT_EQ(formatPath("C:", false, preview), "D:/site/C:");
    EXPECT_EQ(formatPath("/srv/a.gif", false, {true, "/home/u/"}), "/srv/a.gif");
    EXPECT_EQ(formatPath("https://x.example/a.gif", false, {true, "/home/u/"}),
              "https://x.example/a.gif");
    EXPECT_EQ(formatPath("img\\a.gif", true, {true, "/home/u/"}), "\"/home/u/img/a.gif\"");
    EXPECT_EQ(formatColor(-1), "");
    EXPECT_EQ(formatColor(rgb(255, 0, 128)), "#FF0080");
}

TEST(DataWriter, StyleAndItemEntries) {
    TStyle st;
    EXPECT_EQ(formatItemStyle(st), "");
    st.useItemBorderWidth = true;
    st.itemBorderWidth = 3;
    EXPECT_EQ(formatItemStyle(st), R"("itemBorderWidth=3",)");
    st = {};
    st.useArrowImageSub = true;
    st.arrowImageSubNormal = "a\\n.gif";
    st.arrowImageSubOver = "o.gif";
    EXPECT_EQ(formatItemStyle(st), R"("arrowImageSub=a/n.gif,o.gif")");
    st.arrowImageSubOver.clear(); // half a pair is not written
    EXPECT_EQ(formatItemStyle(st), "");
    st = {};
    st.useFontColor = true;
    st.fontColorNormal = 0;
    EXPECT_EQ(formatItemStyle(st), "");
    st.useItemBorderStyle = true;
    EXPECT_EQ(formatItemStyle(st), R"("itemBorderStyle=none,none",)");
    st.useFontDecoration = true;
    st.fontDecorationOver = 1;
    EXPECT_EQ(formatItemStyle(st),
              R"("fontDecoration=none,underline","itemBorderStyle=none,none",)");

    TSmStyle sm;
    EXPECT_EQ(formatSubmenuStyle(sm), "");
    sm.useMenuBorderColor = true;
    sm.useMenuBorderStyle = true;
    EXPECT_EQ(formatSubmenuStyle(sm), R"("menuBorderStyle=none",)");
    sm.useMenuBackImage = true;
    sm.menuBackImage = "bg\\x.png";
    EXPECT_EQ(formatSubmenuStyle(sm), R"("menuBorderStyle=none","menuBackImage=bg/x.png")");

    TItemProps item;
    item.caption = "Deep";
    EXPECT_EQ(formatItem(item, 2), R"("||Deep","","","","",,,)");
    item.itemStyle = 2;
    EXPECT_EQ(formatItem(item, 0), R"("Deep","","","","",,"2",)");
    item.itemStyle = -1;
    item.smStyle = 1;
    EXPECT_EQ(formatItem(item, 0), R"("Deep","","","","",,,"1")");
}

// Every text goes into the file as a JavaScript string literal: "\" and double quotes escaped,
// nothing else changed; image paths turn "\" into "/" first, so they only escape quotes.
TEST(DataWriter, TextsAreEscapedJavaScriptLiterals) {
    TItemProps item;
    item.caption = R"(say "hi" \ there)";
    item.link = R"(a\"b)";
    item.img1 = R"(C:\pics\"x".gif)";
    item.tip = "</script> ${x} \xC3\xA9";
    item.target = R"(\)";
    EXPECT_EQ(formatItem(item, 1),
              R"("|say \"hi\" \\ there","a\\\"b","C:/pics/\"x\".gif","","</script> ${x} )"
              "\xC3\xA9"
              R"(","\\",,)");
    EXPECT_EQ(formatPath(R"(my "p"\a.gif)", true, {true, R"(D:\s"\)"}),
              R"("D:/s\"/my \"p\"/a.gif")");

    TStyle st;
    st.useFontStyle = true;
    st.fontName = R"(My "Font" \)";
    st.useItemBackImage = true;
    st.itemBackImageNormal = R"(a"\b.gif)";
    st.itemBackImageOver = "o.gif";
    EXPECT_EQ(formatItemStyle(st),
              R"("fontStyle=normal 8pt My \"Font\" \\","itemBackImage=a\"/b.gif,o.gif",)");

    Project p;
    auto& status = p.param("statusString");
    status.num = 2;
    status.flag = 1;
    status.text = R"(C:\new "x")";
    EXPECT_EQ(formatParameterValue(status), R"("C:\\new \"x\"")");
    p.param("arrowImageMain").strList = {R"(a"b.gif)", R"(c\d.gif)"};
    EXPECT_EQ(formatParameterValue(p.param("arrowImageMain")), R"(["a\"b.gif","c/d.gif"])");

    CrossframeSettings c{R"(f"s\)", "0", "1", false, true};
    EXPECT_EQ(closingCall(c, false), R"(zel_initFrame("f\"s\\",0,1,0);)");
}

TEST(DataWriter, FailedWritesKeepThePreviousFile) {
    TempDir dir;
    Project p;
    const std::string target = (dir.path / "zel_data.js").string();

    auto missing = writeDataFile(p, (dir.path / "no" / "such" / "x.js").string(), false);
    EXPECT_EQ(missing.kind, WriteResult::Kind::CreateFailed);
    EXPECT_EQ(missing.code, std::errc::no_such_file_or_directory);
    EXPECT_EQ(missing.message, util::systemMessage(ENOENT));

    ASSERT_TRUE(writeFileAtomically(target, "previous\r\n"));
    // The disk fills up half-way: the error is reported and the old file is whole.
    std::size_t written = 0;
    auto fullDisk = [&](int fd, const char* data, std::size_t size) -> long {
        if (written > 1000) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min<std::size_t>(size, 512);
        written += n;
        return ::write(fd, data, n);
    };
    auto r = writeDataFile(p, target, false, fullDisk);
    EXPECT_EQ(r.kind, WriteResult::Kind::WriteFailed);
    EXPECT_EQ(r.code, std::errc::no_space_on_device);
    EXPECT_EQ(slurp(target), "previous\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1)
        << "the temporary file was left behind";

    // A read-only target is refused, not replaced.
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    r = writeDataFile(p, target, false);
    EXPECT_EQ(r.kind, WriteResult::Kind::CreateFailed);
    EXPECT_EQ(r.code, std::errc::permission_denied);
    EXPECT_EQ(slurp(target), "previous\r\n");

    // A good write replaces it and keeps its permissions.
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(writeDataFile(p, target, false));
    EXPECT_EQ(slurp(target), renderDataFile(p, false));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::others_write, fs::perms::none);
    EXPECT_FALSE(writeFileAtomically(dir.path.string(), "x")); // a folder is no file
}
