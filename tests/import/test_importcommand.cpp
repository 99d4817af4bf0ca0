#include "importhelpers.h"

#include "cli/commands.h"
#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <filesystem>
#include <unistd.h>

using namespace menuloom;
using namespace menuloom::testing;
namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::runCli(args, {out, err});
    return {status, out.str(), err.str()};
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliImport : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("menuloom-import-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name) { return (dir / name).string(); }
    fs::path dir;
};

const std::string kSite = std::string(MENULOOM_TEST_DATA) + "/import/site.html";

} // namespace

// OUT is a new menu's data file (New's parameters) holding the default navigation's items, or
// navigation N's; reading it back gives the imported items.
TEST_F(CliImport, WritesANewMenuWithTheImportedItems) {
    const CliRun r = run({"import", kSite, file("menu.js")});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    model::Project project;
    ASSERT_TRUE(reader::readDataFile(project, file("menu.js")).ok());
    EXPECT_EQ(project.items.count(), 10);
    EXPECT_EQ(project.items.root()->child(1)->child(0)->child(1)->props().target, "_blank");
    EXPECT_EQ(project.items.root()->child(2)->props().caption, "Company");

    // Apart from the items, the file is the one New writes.
    model::Project fresh;
    const std::string text = slurp(file("menu.js"));
    const std::string freshText = output::renderDataFile(fresh, false);
    const auto itemsAt = [](const std::string& s) { return s.find("var menuItems"); };
    EXPECT_EQ(text.substr(0, itemsAt(text)), freshText.substr(0, itemsAt(freshText)));

    // What the importer gives is what the file holds when read again.
    const importer::OpenResult opened = importer::openSource(importData("site.html"));
    const auto items = opened.source->items(0).items;
    std::size_t i = 0;
    project.items.forEach([&](const model::ItemNode& node, int level) {
        ASSERT_LT(i, items.size());
        EXPECT_EQ(level, items[i].level);
        EXPECT_EQ(node.props(), items[i].props);
        ++i;
    });

    const CliRun footer = run({"import", kSite, "-", "--nav", "3"});
    ASSERT_EQ(footer.status, cli::kExitOk);
    EXPECT_NE(footer.out.find("\"|Gift cards\",\"/shop/gift-cards.html\""), std::string::npos);
    EXPECT_EQ(footer.out.find("Products"), std::string::npos);
    // The breadcrumb's last entry is text without a link.
    EXPECT_NE(run({"import", kSite, "-", "--nav=2"}).out.find("[\"Drills\",\"\","),
              std::string::npos);
}

TEST_F(CliImport, ListsTheCandidates) {
    const CliRun r = run({"import", kSite, "--list"});
    EXPECT_EQ(r.status, cli::kExitOk);
    EXPECT_EQ(r.out, "1\t8 links\tMain: Home, Products & Services, Company\tdefault\n"
                     "2\t2 links\tBreadcrumb: Home, Products, Drills\n"
                     "3\t10 links\t#footer-nav: Shop, Help, Legal\n");
    EXPECT_TRUE(fs::is_empty(dir));
}

// Status 1 when SOURCE cannot be read, holds nothing to import or is refused, and OUT is then
// left as it was; status 2 on a usage error.
TEST_F(CliImport, FailuresWriteNothing) {
    std::ofstream(file("out.js")) << "previous";
    std::ofstream(file("empty.html"));
    std::ofstream(file("bomb.xml")) << importData("sitemap_bomb.xml");
    std::ofstream(file("index.xml")) << "<sitemapindex><sitemap><loc>a</loc></sitemap>"
                                        "</sitemapindex>";
    const std::vector<std::vector<std::string>> failures = {
        {"import", file("missing.html"), file("out.js")},
        {"import", dir.string(), file("out.js")},
        {"import", file("empty.html"), file("out.js")},
        {"import", file("bomb.xml"), file("out.js")},
        {"import", file("index.xml"), file("out.js")},
        {"import", kSite, file("out.js"), "--nav", "4"},
    };
    for (const auto& args : failures) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, cli::kExitFailure) << args[1];
        EXPECT_EQ(r.err.rfind("menuloom-cli: " + args[1] + ": ", 0), 0u) << r.err;
        EXPECT_EQ(slurp(file("out.js")), "previous");
    }
    EXPECT_NE(run({"import", file("missing.html"), "-"}).err.find("No such file or directory"),
              std::string::npos);

    const std::vector<std::vector<std::string>> usage = {
        {"import"},
        {"import", kSite},
        {"import", kSite, file("out.js"), "extra"},
        {"import", kSite, file("out.js"), "--nav"},
        {"import", kSite, file("out.js"), "--nav", "0"},
        {"import", kSite, file("out.js"), "--nav=x"},
        {"import", kSite, file("out.js"), "--bogus"},
        {"import", kSite, file("out.js"), "--list"},
    };
    for (const auto& args : usage)
        EXPECT_EQ(run(args).status, cli::kExitUsage) << args.back();
    EXPECT_EQ(slurp(file("out.js")), "previous");
}
