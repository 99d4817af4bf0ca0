#include "output/pagewriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom::output;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace

TEST(PageWriter, TemplatesMatchTheGoldenPages) {
    EXPECT_EQ(pageTemplate().size(), 25u);
    EXPECT_EQ(previewPageTemplate().size(), 14u);
    EXPECT_EQ(renderPage("/srv/site/zel_data.js", false),
              slurp(fs::path(MENULOOM_TEST_DATA) / "page_zel_data.html"));
    EXPECT_EQ(renderPage("/tmp/tmp_zel_data.js", true),
              slurp(fs::path(MENULOOM_TEST_DATA) / "preview_tmp_zel_data.html"));
}

TEST(PageWriter, OnlyTheBareNameOfTheDataFileGoesIntoThePage) {
    EXPECT_EQ(bareName("C:\\site\\menu\\nav.js"), "nav.js");
    EXPECT_EQ(bareName("/a/b/my menu&co.js"), "my menu&co.js");
    EXPECT_EQ(bareName("plain.js"), "plain.js");
    const std::string page = renderPage("C:\\site\\menu\\nav.js", false);
    EXPECT_NE(page.find(R"(charset="utf-8" src="nav.js"></script>)"
                        "\r\n"),
              std::string::npos);
    EXPECT_EQ(page.find("site"), std::string::npos);
    const std::string preview = renderPage("/x/my menu.js", true);
    EXPECT_NE(preview.find(R"(src="my menu.js")"), std::string::npos);
    EXPECT_EQ(preview.substr(preview.size() - 9), "</HTML>\r\n");
}

TEST(PageWriter, EngineCopy) {
    const fs::path dir =
        fs::temp_directory_path() / ("menuloom-page-" + std::to_string(::getpid()));
    fs::create_directories(dir / "prog");
    const std::string prog = (dir / "prog").string() + "/";
    const std::string dest = (dir / "zelmenu.js").string();

    copyEngine(prog, dest); // no engine: nothing happens, nothing thrown
    EXPECT_FALSE(fs::exists(dest));

    std::ofstream(dir / "prog" / "zelmenu.js") << "engine v2";
    std::ofstream(dest) << "engine v1";
    copyEngine(prog, dest);
    EXPECT_EQ(slurp(dest), "engine v2");
    copyEngine(prog, prog + "zelmenu.js"); // onto itself: left alone
    EXPECT_EQ(slurp(dir / "prog" / "zelmenu.js"), "engine v2");
    copyEngine(prog, (dir / "missing" / "zelmenu.js").string()); // fails silently

    ASSERT_TRUE(writePage((dir / "index.html").string(), "/out/menu.js", false));
    EXPECT_EQ(slurp(dir / "index.html"), renderPage("menu.js", false));
    EXPECT_FALSE(writePage((dir / "missing" / "index.html").string(), "menu.js", false));
    fs::remove_all(dir);
}
