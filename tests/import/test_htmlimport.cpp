#include "importhelpers.h"

#include "model/itemtree.h"

using namespace menuloom;
using namespace menuloom::testing;

namespace {

const importer::Source& open(const std::string& page, importer::OpenResult& keep) {
    keep = importer::openSource(page);
    EXPECT_TRUE(keep.ok()) << keep.message;
    return *keep.source;
}

} // namespace

// The header navigation (three levels, a button label, entities, a line break in a link's text,
// a picture-only link, title and target, li without end tags) is the default over a larger
// footer navigation and a breadcrumb trail; the footer's is the third.
TEST(HtmlImport, RealisticPageDefaultsToTheHeaderNavigation) {
    importer::OpenResult keep;
    const importer::Source& page = open(importData("site.html"), keep);
    EXPECT_EQ(page.kind(), importer::SourceKind::Html);
    ASSERT_EQ(page.candidates().size(), 3u); // the navigation in the script is no element
    EXPECT_EQ(page.candidates()[0].label(), "Main: Home, Products & Services, Company");
    EXPECT_EQ(page.candidates()[0].linkCount, 8);
    EXPECT_EQ(page.candidates()[1].label(), "Breadcrumb: Home, Products, Drills");
    EXPECT_EQ(page.candidates()[2].label(), "#footer-nav: Shop, Help, Legal");
    EXPECT_EQ(page.candidates()[2].linkCount, 10);
    EXPECT_EQ(page.defaultCandidate(), 0);

    const importer::ItemsResult main = page.items(0);
    ASSERT_TRUE(main.ok()) << main.message;
    EXPECT_EQ(outline(main.items), "Home^/^Back to the start^\n"
                                   "Products & Services^/products/^^\n"
                                   "|Hardware^/products/hardware.html^^\n"
                                   "||Drills\u00A0&\u00A0Drivers^/products/hardware/drills.html^^\n"
                                   "||Saws^/products/hardware/saws.html^^_blank\n"
                                   "|Software^/products/software.html^^\n"
                                   "Company^^^\n"
                                   "|About us^/about.html?ref=nav&x=1^^\n"
                                   "|Careers^https://jobs.example.com/^Open positions^_top\n"
                                   "Café <Menu>^^^\n");
    for (const auto& item : main.items) {
        EXPECT_EQ(item.props.itemStyle, -1);
        EXPECT_EQ(item.props.smStyle, -1);
        EXPECT_TRUE(item.props.img1.empty() && item.props.img2.empty());
    }

    const importer::ItemsResult footer = page.items(2);
    ASSERT_TRUE(footer.ok());
    ASSERT_EQ(footer.items.size(), 13u);
    EXPECT_EQ(outline({footer.items.begin(), footer.items.begin() + 2}),
              "Shop^^^\n|New arrivals^/shop/new.html^^\n");
    EXPECT_FALSE(page.items(3).ok());
    EXPECT_FALSE(page.items(-1).ok());

    // The items go after what the tree holds, with their levels.
    model::ItemTree tree;
    tree.addItem(nullptr, false);
    const auto added = importer::appendItems(tree, main.items);
    ASSERT_EQ(added.size(), 4u);
    EXPECT_EQ(tree.root()->childCount(), 5);
    EXPECT_EQ(tree.count(), 11);
    EXPECT_EQ(added[1]->child(0)->child(1)->props().target, "_blank");
}

// Without any navigation element the outermost lists holding two links are the candidates;
// the default is the first in the page's header (not the header of an article), else the one
// with most links.
TEST(HtmlImport, CandidatesAndTheDefaultChoice) {
    const std::string lists = "<body><article><header><ul><li><a href=/a>A</a><li><a href=/b>B</a>"
                              "</ul></header></article>"
                              "<ul id=one><li><a href=/x>X</a></ul>"
                              "<ol class='big list'><li><a href=1>1</a><li><a href=2>2</a>"
                              "<li><a href=3>3</a><ul><li><a href=4>4</a></ul></ol>";
    importer::OpenResult keep;
    const importer::Source& page = open(lists, keep);
    ASSERT_EQ(page.candidates().size(), 2u); // the list with one link is none
    EXPECT_EQ(page.candidates()[0].label(), "ul: A, B");
    EXPECT_EQ(page.candidates()[1].label(), ".big.list: 1, 2, 3");
    EXPECT_EQ(page.candidates()[1].linkCount, 4);
    EXPECT_EQ(page.defaultCandidate(), 1);

    // A navigation in the page's header wins over a larger one; role="banner" makes a header.
    const std::string banner = "<div role=banner><div role='navigation menubar' id=top>"
                               "<a href=/>Home</a> <a href=/shop>Shop</a></div></div>"
                               "<nav><ul><li><a href=1>1</a><li><a href=2>2</a><li><a href=3>3</a>"
                               "</ul></nav>";
    const importer::Source& page2 = open(banner, keep);
    ASSERT_EQ(page2.candidates().size(), 2u);
    EXPECT_EQ(page2.defaultCandidate(), 0);
    // A navigation of bare links gives one top-level item per link.
    EXPECT_EQ(outline(page2.items(0).items), "Home^/^^\nShop^/shop^^\n");
}

// Labels: text that is hidden, scripted or drawn is left out, block boundaries and line breaks
// separate words, quotes and brackets are kept, a leading "|" is dropped, a link without text
// falls back on its aria-label, and a list placed straight in a list is the submenu of the item
// before it.
TEST(HtmlImport, LabelTextRules) {
    const std::string page =
        R"(<nav><ul>
        <li><a href="/a" title='Say "hi"'>The <span hidden>secret</span>"A"<script>x()</script>
            <svg><title>icon</title></svg><span aria-hidden=true>&#9662;</span></a>
        <li><a href="/b"><div>Two</div><div>lines</div></a>
        <li><a href="/c">first<br>second</a>
        <li><a href=" /d e&quot;f[1];g ">| Piped [new]; "ok"</a>
        <li><a href="/e" aria-label="Search"><svg></svg></a>
        <li><a href="/f"></a>
        <li class="divider"></li>
        <li><span>Shop</span><div hidden><a href="/promo">Promo</a><ul><li><a href="/s1">S1</a>
            </ul></div>
        <ul><li><a href="/g">Bare list</a></ul>
        </ul></nav>)";
    EXPECT_EQ(importDefault(page), "The \"A\"^/a^Say \"hi\"^\n"
                                   "Two lines^/b^^\n"
                                   "first second^/c^^\n"
                                   "Piped [new]; \"ok\"^/d e\"f[1];g^^\n"
                                   "Search^/e^^\n"
                                   "/f^/f^^\n"
                                   "Shop^^^\n"
                                   "|S1^/s1^^\n"
                                   "|Bare list^/g^^\n");
}

TEST(HtmlImport, BadInputIsRefusedWithAMessage) {
    struct Case {
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"", "the file is empty"},
        {" \r\n\t", "the file is empty"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0", 11), "this is a binary file"},
        {"\xFF\xFE<\0h\0", "UTF-16"},
        {"Dear reader,\nthis is plain text with a < and a >.\n",
         "neither an HTML page nor a sitemap"},
        {R"({"nav": ["home", "about"]})", "neither an HTML page nor a sitemap"},
        {"<?xml version=\"1.0\"?><rss><channel/></rss>", "an XML file of <rss>"},
        {"<p>Text with <a href=/a>one link</a>.</p><ul><li>no<li>links</ul>",
         "the page has no navigation"},
        {"<nav><form><input name=q></form></nav>", "navigation 1 holds no items"},
    };
    for (const Case& c : cases) {
        const std::string result = importDefault(c.bytes);
        EXPECT_EQ(result.rfind("refused: ", 0), 0u) << c.message;
        EXPECT_NE(result.find(c.message), std::string::npos) << result;
    }
}

// Hostile pages end with a message, not a crash or a hang: a list nesting 10,000 levels deep, an
// element with 50,000 attributes (the parser's time grows with their square), and formatting
// elements that make the parser build far more elements than the page has.
TEST(HtmlImport, HostilePagesAreRefused) {
    std::string deep = "<nav>";
    for (int i = 0; i < 10000; ++i)
        deep += "<ul><li><a href=/x>x</a>";
    EXPECT_EQ(importDefault(deep), "refused: the navigation nests deeper than " +
                                       std::to_string(importer::kMaxItemDepth) + " levels");
    // Exactly the deepest nesting allowed still imports.
    std::string deepest = "<nav>";
    for (int i = 0; i < importer::kMaxItemDepth; ++i)
        deepest += "<ul><li><a href=/x>x</a>";
    EXPECT_EQ(importDefault(deepest).find("refused"), std::string::npos);

    importer::Limits quick;
    quick.parseTime = std::chrono::milliseconds(100);
    std::string attributes = "<nav><ul><li><a href=/a>a</a></ul></nav><div";
    for (int i = 0; i < 50000; ++i)
        attributes += " a" + std::to_string(i);
    attributes += ">";
    EXPECT_NE(importDefault(attributes, quick).find("refused: the page takes too long to read"),
              std::string::npos);

    std::string amplified = "<nav><ul><li><a href=/a>a</a></ul></nav><p>";
    for (int i = 0; i < 500; ++i)
        amplified += "<b id=" + std::to_string(i) + ">";
    amplified += "</p>";
    for (int i = 0; i < 20000; ++i)
        amplified += "<p>x</p>";
    importer::Limits small;
    small.memoryBase = 16 << 20;
    EXPECT_EQ(importDefault(amplified, small), "refused: the page needs too much memory to read");
}
