#include "output/navwriter.h"
#include "output/pagewriter.h"
#include "output/savescript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom::model;
using namespace menuloom::output;
namespace fs = std::filesystem;

namespace {

ItemNode* add(Project& p, ItemNode* parent, std::string caption, std::string link = {},
              std::string tip = {}, std::string target = {}) {
    ItemNode* node = p.items.addItem(parent, parent != nullptr);
    TItemProps props;
    props.caption = std::move(caption);
    props.link = std::move(link);
    props.tip = std::move(tip);
    props.target = std::move(target);
    p.items.setProps(node, props);
    return node;
}

std::string nav(const Project& p, NavOptions options = {}) {
    return renderStaticNav(navMenuOf(p), options);
}

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

bool has(const std::string& text, std::string_view what) {
    return text.find(what) != std::string::npos;
}

} // namespace

TEST(StaticNav, EscapesEveryCaptionAndAttribute) {
    Project p;
    add(p, nullptr, "A<b> & \"c\" 'd'\r\nnext\x01", "x.html?a=1&b=\"2\"", "tip <i>", "_my\"frame");
    const std::string out = nav(p);
    EXPECT_TRUE(has(out, "<li><a href=\"x.html?a=1&amp;b=&quot;2&quot;\" target=\"_my&quot;frame\" "
                         "title=\"tip &lt;i&gt;\">A&lt;b&gt; &amp; &quot;c&quot; &#39;d&#39;  "
                         "next</a></li>\r\n"))
        << out;
    // Characters outside ASCII: UTF-8 bytes, or references for a page in another encoding.
    const std::string text = "Caf\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x98\x80 \xC2\x85 bad\xFF";
    EXPECT_EQ(escapeHtml(text, TextEncoding::Utf8),
              "Caf\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x98\x80  bad\xEF\xBF\xBD");
    EXPECT_EQ(escapeHtml(text, TextEncoding::Ascii), "Caf&#233; &#10003; &#128512;  bad&#65533;");
    EXPECT_EQ(escapeHtml("\xE0\x80\xAF\xED\xA0\x80", TextEncoding::Ascii),
              "&#65533;&#65533;&#65533;&#65533;&#65533;&#65533;"); // overlong form, surrogate
}

TEST(StaticNav, NestedListsWithoutSeparatorsAndEveryItemReachable) {
    Project p;
    p.param("itemTarget").flag = 1;
    p.param("itemTarget").text = "_top";
    add(p, nullptr, "Home", "index.html", "Start page", "_self");
    ItemNode* sep = add(p, nullptr, "-");
    add(p, sep, "Hidden", "hidden.html");
    ItemNode* products = add(p, nullptr, "Products");
    ItemNode* tools = add(p, products, "Tools", "tools.html");
    add(p, tools, "", "", "Hammer tip");
    add(p, tools, " ", "saw.html");
    add(p, tools, "");                        // nothing to show or follow: left out
    ItemNode* lone = add(p, nullptr, "Lone"); // its only child is a separator
    add(p, lone, "-");
    add(p, nullptr, "Plain text");

    const std::string out = nav(p);
    EXPECT_FALSE(has(out, "hidden.html"));
    EXPECT_FALSE(has(out, ">-<"));
    EXPECT_EQ(count(out, "<ul>"), count(out, "</ul>"));
    EXPECT_EQ(count(out, "<li>"), count(out, "</li>"));
    EXPECT_EQ(count(out, "<li>"), 7u) << out;
    EXPECT_TRUE(has(out, "<a href=\"index.html\" target=\"_self\" title=\"Start page\">Home</a>"));
    // A link-less item with a submenu takes the keyboard focus; without one it is plain text.
    EXPECT_TRUE(has(out, "<li><button type=\"button\">Products</button>\r\n    <ul>\r\n"));
    EXPECT_TRUE(has(out, "<li><a href=\"tools.html\" target=\"_top\">Tools</a>\r\n        <ul>"));
    EXPECT_TRUE(has(out, "<li><span>Hammer tip</span></li>"));
    EXPECT_TRUE(has(out, "<li><a href=\"saw.html\" target=\"_top\">saw.html</a></li>"));
    EXPECT_TRUE(has(out, "<li><span>Lone</span></li>"));
    EXPECT_TRUE(has(out, "<nav id=\"zelmenu-static\" class=\"zelmenu-static zelmenu-column\" "
                         "aria-label=\"Menu\">\r\n"));
    EXPECT_EQ(out.substr(out.size() - 15), "</ul>\r\n</nav>\r\n");
}

TEST(StaticNav, LinksFromPagesBelowTheSiteRoot) {
    EXPECT_EQ(siteLink(" a\\b.html ", ""), "a/b.html");
    EXPECT_EQ(siteLink("C:\\web\\x.html", "pre/"), "file:///C:/web/x.html");
    EXPECT_EQ(siteLink("x.html", "pre/"), "pre/x.html");
    Project p;
    p.param("pathPrefix").flag = 1;
    p.param("pathPrefix").text = "shop/";
    for (const char* link : {"products.html", "https://ex.example/a", "//cdn.example/b.html",
                             "#top", "/root.html", "mailto:a@b.example", "?q=1"})
        add(p, nullptr, "x", link);
    NavOptions options;
    options.root = "../../";
    const std::string out = nav(p, options);
    EXPECT_TRUE(has(out, "href=\"../../shop/products.html\""));
    for (const char* kept : {"\"https://ex.example/a\"", "\"//cdn.example/b.html\"", "\"#top\"",
                             "\"/root.html\"", "\"mailto:a@b.example\"", "\"?q=1\""})
        EXPECT_TRUE(has(out, std::string("href=") + kept)) << kept;
}

TEST(StaticNav, CurrentPageByTheResolvedLink) {
    EXPECT_TRUE(linkNamesPage("dir/", "dir/index.html"));
    EXPECT_TRUE(linkNamesPage("dir/", "dir/index.htm"));
    EXPECT_TRUE(linkNamesPage("dir/index.html", "dir/index.html"));
    EXPECT_TRUE(linkNamesPage("./a/../dir/index.html#part", "dir/index.html"));
    EXPECT_TRUE(linkNamesPage("my%20page.html?x=1", "my page.html"));
    EXPECT_TRUE(linkNamesPage("./", "index.html"));
    EXPECT_FALSE(linkNamesPage("dir", "dir/index.html"));
    EXPECT_FALSE(linkNamesPage("../dir/index.html", "dir/index.html"));
    EXPECT_FALSE(linkNamesPage("/dir/index.html", "dir/index.html"));
    EXPECT_FALSE(linkNamesPage("other/index.html", "dir/index.html"));

    Project p;
    add(p, nullptr, "Dir", "dir/");
    add(p, nullptr, "Other", "other.html");
    NavOptions options;
    options.root = "../";
    options.currentPage = "dir/index.html";
    const std::string out = nav(p, options);
    EXPECT_TRUE(has(out, "<a href=\"../dir/\" aria-current=\"page\">Dir</a>"));
    EXPECT_EQ(count(out, "aria-current"), 1u);
}

TEST(StaticNav, StyleSheetOfTheMenu) {
    Project p;
    p.param("isHorizontal").boolValue = 1;
    TPropType& font = p.param("fontStyle");
    font.text = "My Font, </style><script>";
    font.num = 11;
    font.flag = 1;
    p.param("fontColor").intList = {0x0000FF, 0x00FF00};
    add(p, nullptr, "x", "x.html");
    const std::string out = nav(p);
    EXPECT_TRUE(has(out, "class=\"zelmenu-static zelmenu-bar\""));
    EXPECT_TRUE(has(out, "\r\n.zel-js #zelmenu-static{display:none}\r\n"));
    EXPECT_TRUE(has(out, "#zelmenu-static{font:bold 11pt \"My Font\",\"\\3C \\2F style\\3E "
                         "\\3C script\\3E \",sans-serif;"))
        << out;
    EXPECT_EQ(count(out, "</style>"), 1u);
    EXPECT_TRUE(has(out, "color:#FF0000;"));
    EXPECT_TRUE(has(out, "li:focus-within>ul"));
}

TEST(StaticNav, ExportedPageHoldsTheLinksRightBeforeTheDataScript) {
    const fs::path dir =
        fs::temp_directory_path() / ("menuloom-navexport-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Project p;
    add(p, nullptr, "Start", "zelmenu.html");
    SaveRequest request;
    request.dataPath = (dir / "zel_data.js").string();
    request.copyEngine = false;
    request.staticLinks = true;
    ASSERT_TRUE(saveScript(p, request).completed);
    std::ifstream in(dir / "zelmenu.html", std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string page = ss.str();
    NavOptions here;
    here.currentPage = "zelmenu.html";
    const std::string links = nav(p, here);
    EXPECT_TRUE(has(links, "aria-current=\"page\""));
    EXPECT_EQ(page, renderPage("zel_data.js", false, links));
    const auto data = page.find("<script type=\"text/javascript\" language=\"JavaScript1.2\" "
                                "charset=\"utf-8\" src=\"zel_data.js\">");
    ASSERT_NE(data, std::string::npos);
    EXPECT_EQ(page.substr(data - 8, 8), "</nav>\r\n");
    // Without the switch the page stays the template's, byte for byte.
    request.staticLinks = false;
    ASSERT_TRUE(saveScript(p, request).completed);
    std::ifstream again(dir / "zelmenu.html", std::ios::binary);
    std::ostringstream ss2;
    ss2 << again.rdbuf();
    EXPECT_EQ(ss2.str(), renderPage("zel_data.js", false));
    fs::remove_all(dir);
}
