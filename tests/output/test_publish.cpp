#include "output/publish.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace menuloom::model;
using namespace menuloom::output;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spit(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

struct TempSite {
    fs::path path;
    TempSite() {
        static int counter = 0;
        path = fs::temp_directory_path() /
               ("menuloom-publish-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(path);
    }
    ~TempSite() { fs::remove_all(path); }
    fs::path operator/(std::string_view rel) const { return path / rel; }
};

// Home, Products > Tools, an external link and a folder link.
PublishInput menuInput(std::string caption = "Home") {
    Project p;
    const auto add = [&](ItemNode* parent, std::string text, std::string link) {
        ItemNode* node = p.items.addItem(parent, parent != nullptr);
        TItemProps props;
        props.caption = std::move(text);
        props.link = std::move(link);
        p.items.setProps(node, props);
        return node;
    };
    add(nullptr, std::move(caption), "index.html");
    ItemNode* products = add(nullptr, "Products", "products.html");
    add(products, "Tools", "tools/");
    add(nullptr, "Elsewhere", "https://ex.example/x.html");
    return publishInputOf(p, {});
}

struct Stamp {
    ino_t inode;
    struct timespec mtime;
    bool operator==(const Stamp& o) const {
        return inode == o.inode && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec;
    }
};

Stamp stamp(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return {st.st_ino, st.st_mtim};
}

std::map<std::string, std::string> outcomes(const PublishResult& r) {
    std::map<std::string, std::string> m;
    for (const auto& p : r.pages)
        m[p.path] = describeOutcome(p);
    return m;
}

} // namespace

TEST(Publish, EveryByteOutsideTheMarkersStays) {
    const PublishInput input = menuInput("Caf\xC3\xA9");
    // A Latin-1 page with a byte-order-free head, CR LF lines and an indented pair of markers.
    const std::string before = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                               "charset=ISO-8859-1\"></head>\r\n<body>caf\xE9\r\n    ";
    const std::string after = "\r\n</body></html>"; // no line end at the end of the page
    const std::string page = before + "<!-- menuloom -->old\nstuff<!-- /menuloom -->" + after;
    const PageEdit edit = editPage(page, "a/b.html", input);
    ASSERT_EQ(edit.action, PageAction::Updated);
    const std::string& out = edit.bytes;
    EXPECT_EQ(out.substr(0, before.size() + 17), before + "<!-- menuloom -->");
    EXPECT_EQ(out.substr(out.size() - after.size() - 18), "<!-- /menuloom -->" + after);
    const std::string block =
        out.substr(before.size() + 17, out.size() - before.size() - after.size() - 35);
    EXPECT_NE(block.find("\r\n    <script src=\"../zelmenu.js\"></script>\r\n"), std::string::npos);
    EXPECT_NE(block.find(">Caf&#233;</a>"), std::string::npos) << block;
    EXPECT_EQ(block.substr(block.size() - 6), "\r\n    ");
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (block[i] == '\n') {
            ASSERT_EQ(block[i - 1], '\r') << "bare line feed at " << i;
        }
    }

    // A byte-order mark and CR LF kept, and the block in UTF-8 for a page that declares UTF-8.
    const std::string bom = "\xEF\xBB\xBF<p>\r\n<!-- menuloom --><!-- /menuloom -->\r\n";
    const PageEdit utf8 = editPage(bom, "index.html", input);
    ASSERT_EQ(utf8.action, PageAction::Updated);
    EXPECT_EQ(utf8.bytes.substr(0, 27), "\xEF\xBB\xBF<p>\r\n<!-- menuloom -->\r\n");
    EXPECT_NE(utf8.bytes.find(">Caf\xC3\xA9</a>"), std::string::npos);
    EXPECT_EQ(utf8.bytes.substr(utf8.bytes.size() - 20), "<!-- /menuloom -->\r\n");
    // Line feeds only: the block's lines end with line feeds.
    const PageEdit lf =
        editPage("<p>\n<!--menuloom--> <!--  /menuloom  -->\n", "index.html", input);
    ASSERT_EQ(lf.action, PageAction::Updated);
    EXPECT_EQ(lf.bytes.find('\r'), std::string::npos);
}

TEST(Publish, EncodingOfAPage) {
    EXPECT_EQ(pageEncoding("\xEF\xBB\xBF<meta charset=latin1>"), TextEncoding::Utf8);
    EXPECT_EQ(pageEncoding("<META CHARSET=\"UTF-8\">\xE9"), TextEncoding::Utf8);
    EXPECT_EQ(pageEncoding("<meta charset='windows-1252'>"), TextEncoding::Ascii);
    EXPECT_EQ(pageEncoding("<meta http-equiv=content-type content=\"text/html;charset=utf8\">"),
              TextEncoding::Utf8);
    EXPECT_EQ(pageEncoding("<p>plain, or caf\xC3\xA9</p>"), TextEncoding::Utf8);
    EXPECT_EQ(pageEncoding("<p>legacy caf\xE9</p>"), TextEncoding::Ascii);
}

TEST(Publish, PagesAtEveryDepthPointWhereTheRootPoints) {
    TempSite site;
    const std::string marked = "<body>\n<!-- menuloom -->\n<!-- /menuloom -->\n</body>\n";
    spit(site / "index.html", marked);
    spit(site / "tools/index.html", marked);
    spit(site / "blog/2024/post.HTM", marked);
    const PublishResult r = publishSite(menuInput(), site.path.string());
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(outcomes(r), (std::map<std::string, std::string>{{"blog/2024/post.HTM", "updated"},
                                                               {"index.html", "updated"},
                                                               {"tools/index.html", "updated"}}));
    EXPECT_EQ(slurp(site / "zel_data.js"), menuInput().dataText);

    const std::string post = slurp(site / "blog/2024/post.HTM");
    for (const char* want :
         {"<script src=\"../../zelmenu.js\"></script>", "href=\"../../products.html\"",
          "href=\"../../tools/\">Tools", "href=\"https://ex.example/x.html\"",
          "<script charset=\"utf-8\" src=\"../../zel_data.js\" data-zel-root=\"../../\"></script>"})
        EXPECT_NE(post.find(want), std::string::npos) << want << "\n" << post;
    EXPECT_EQ(post.find("aria-current"), std::string::npos);

    const std::string tools = slurp(site / "tools/index.html");
    EXPECT_NE(tools.find("<a href=\"../tools/\" aria-current=\"page\">Tools</a>"),
              std::string::npos);
    const std::string home = slurp(site / "index.html");
    EXPECT_NE(home.find("<a href=\"index.html\" aria-current=\"page\">Home</a>"),
              std::string::npos);
    EXPECT_NE(home.find("<script charset=\"utf-8\" src=\"zel_data.js\"></script>"),
              std::string::npos);
}

TEST(Publish, RefusedPagesStayByteForByte) {
    TempSite site;
    const fs::path outside = site.path.string() + "-outside.html";
    const std::map<std::string, std::string> pages = {
        {"open.html", "<!-- menuloom --> and no end"},
        {"reversed.html", "<!-- /menuloom --> x <!-- menuloom -->"},
        {"two.html", "<!-- menuloom --><!-- /menuloom --><!-- menuloom --><!-- /menuloom -->"},
        {"twobegins.html", "<!-- menuloom --><!-- menuloom --><!-- /menuloom -->"},
        {"readonly.html", "<!-- menuloom --><!-- /menuloom -->"},
        {"plain.html", "<p>no markers</p>"},
    };
    for (const auto& [name, bytes] : pages)
        spit(site / name, bytes);
    fs::permissions(site / "readonly.html", fs::perms::owner_read | fs::perms::group_read);
    spit(outside, "<!-- menuloom --><!-- /menuloom -->");
    fs::create_symlink(outside, site / "away.html");
    fs::create_symlink(site / "missing.html", site / "broken.html");
    std::map<std::string, Stamp> stamps;
    for (const auto& [name, bytes] : pages)
        stamps[name] = stamp(site / name);

    const PublishResult r = publishSite(menuInput(), site.path.string());
    EXPECT_FALSE(r.ok());
    const auto words = outcomes(r);
    EXPECT_EQ(words.at("open.html"), "refused: begin marker without end marker");
    EXPECT_EQ(words.at("reversed.html"), "refused: end marker before begin marker");
    EXPECT_EQ(words.at("two.html"), "refused: more than one pair of markers");
    EXPECT_EQ(words.at("twobegins.html"), "refused: more than one begin marker");
    EXPECT_EQ(words.at("readonly.html"), "refused: cannot write: Permission denied");
    EXPECT_EQ(words.at("plain.html"), "skipped: no markers");
    EXPECT_EQ(words.at("away.html"), "refused: outside the site");
    EXPECT_EQ(words.at("broken.html").rfind("refused: cannot read: ", 0), 0u);
    for (const auto& [name, bytes] : pages) {
        EXPECT_EQ(slurp(site / name), bytes) << name;
        EXPECT_TRUE(stamp(site / name) == stamps[name]) << name;
    }
    EXPECT_EQ(slurp(outside), "<!-- menuloom --><!-- /menuloom -->");
    EXPECT_TRUE(fs::is_symlink(site / "away.html"));
    fs::remove(outside);
}

TEST(Publish, SecondPublishRewritesNothing) {
    TempSite site;
    spit(site / "a.html", "<!-- menuloom --><!-- /menuloom -->");
    ::chmod((site / "a.html").c_str(), 0640);
    spit(site / "engine.js", "engine");
    PublishInput input = menuInput();
    input.engineSource = (site / "engine.js").string();

    // A dry run tells what would happen and writes nothing.
    PublishOptions dry;
    dry.dryRun = true;
    const PublishResult planned = publishSite(input, site.path.string(), dry);
    EXPECT_EQ(outcomes(planned).at("a.html"), "updated");
    EXPECT_FALSE(fs::exists(site / "zel_data.js"));
    EXPECT_EQ(slurp(site / "a.html"), "<!-- menuloom --><!-- /menuloom -->");

    ASSERT_TRUE(publishSite(input, site.path.string()).ok());
    EXPECT_EQ(slurp(site / "zelmenu.js"), "engine");
    struct stat st {};
    ::stat((site / "a.html").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const Stamp page = stamp(site / "a.html"), data = stamp(site / "zel_data.js"),
                engine = stamp(site / "zelmenu.js");
    const PublishResult again = publishSite(input, site.path.string());
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(outcomes(again).at("a.html"), "unchanged");
    EXPECT_TRUE(stamp(site / "a.html") == page);
    EXPECT_TRUE(stamp(site / "zel_data.js") == data);
    EXPECT_TRUE(stamp(site / "zelmenu.js") == engine);

    // A changed menu makes the page current again.
    input.menu.items[0].text = "Start";
    EXPECT_EQ(outcomes(publishSite(input, site.path.string())).at("a.html"), "updated");
    EXPECT_NE(slurp(site / "a.html").find(">Start</a>"), std::string::npos);
}

TEST(Publish, WalkProgressAndCancel) {
    TempSite site;
    for (const char* name : {"a.html", "b/c.htm", ".git/x.html", "node_modules/m/y.html",
                             "b/.cache/z.html", "notes.txt", "d/e.html"})
        spit(site / name, "<!-- menuloom --><!-- /menuloom -->");
    fs::create_symlink(site / "b", site / "alias");            // a folder of the site: not twice
    fs::create_symlink(site / ".git/x.html", site / "x.html"); // a page of the site: that page
    std::string error;
    std::vector<std::string> paths;
    for (const SitePage& page : findPages(site.path.string(), error))
        paths.push_back(page.path);
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(paths, (std::vector<std::string>{".git/x.html", "a.html", "b/c.htm", "d/e.html"}));

    findPages((site / "nowhere").string(), error);
    EXPECT_FALSE(error.empty());

    std::atomic<bool> cancel = false;
    PublishOptions options;
    options.cancel = &cancel;
    std::vector<std::size_t> seen;
    options.progress = [&](const PageOutcome&, std::size_t done, std::size_t total) {
        seen.push_back(done);
        EXPECT_EQ(total, 4u);
        if (done == 2)
            cancel = true;
    };
    const PublishResult r = publishSite(menuInput(), site.path.string(), options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(slurp(site / "d/e.html"), "<!-- menuloom --><!-- /menuloom -->");
}
