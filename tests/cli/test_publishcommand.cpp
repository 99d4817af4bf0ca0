#include "cli/commands.h"
#include "output/publish.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom;
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

int run(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
    std::ostringstream o, e;
    const int status = cli::runCli(args, {o, e});
    if (out)
        *out = o.str();
    if (err)
        *err = e.str();
    return status;
}

} // namespace

TEST(CliPublish, OneLinePerPageAndTheExitStatus) {
    const fs::path site =
        fs::temp_directory_path() / ("menuloom-clipublish-" + std::to_string(::getpid()));
    const std::string data = std::string(MENULOOM_TEST_DATA) + "/worked_example.js";
    const std::string marked = "<!-- menuloom -->\n<!-- /menuloom -->\n";
    spit(site / "index.html", marked);
    spit(site / "blog/post.html", marked);
    spit(site / "about.htm", "<p>about</p>");

    std::string out, err;
    EXPECT_EQ(run({"publish", data, site.string(), "--dry-run"}, &out), cli::kExitOk);
    EXPECT_EQ(out, "about.htm skipped: no markers\nblog/post.html updated\nindex.html updated\n");
    EXPECT_FALSE(fs::exists(site / "zel_data.js"));
    EXPECT_EQ(slurp(site / "index.html"), marked);

    run({"publish", data, site.string()}, &out, &err);
    EXPECT_EQ(out, "about.htm skipped: no markers\nblog/post.html updated\nindex.html updated\n");
    EXPECT_NE(slurp(site / "blog/post.html").find("href=\"../tools.html\""), std::string::npos);
    EXPECT_TRUE(fs::exists(site / "zel_data.js"));

    spit(site / "broken.html", "<!-- /menuloom -->");
    EXPECT_EQ(run({"publish", data, site.string()}, &out), cli::kExitFailure);
    EXPECT_EQ(out, "about.htm skipped: no markers\nblog/post.html unchanged\n"
                   "broken.html refused: end marker without begin marker\nindex.html unchanged\n");

    EXPECT_EQ(run({"publish", data}), cli::kExitUsage);
    EXPECT_EQ(run({"publish", data, site.string(), "--force"}), cli::kExitUsage);
    EXPECT_EQ(run({"publish", data, (site / "nowhere").string()}, &out, &err), cli::kExitFailure);
    EXPECT_NE(err.find("nowhere"), std::string::npos);
    EXPECT_EQ(run({"publish", (site / "none.js").string(), site.string()}), cli::kExitFailure);
    fs::remove_all(site);
}

TEST(CliExport, LinksOnlyWhenAsked) {
    const fs::path dir =
        fs::temp_directory_path() / ("menuloom-clilinks-" + std::to_string(::getpid()));
    const std::string data = std::string(MENULOOM_TEST_DATA) + "/worked_example.js";
    ASSERT_EQ(run({"export", data, dir.string(), "--links"}), cli::kExitOk);
    const std::string page = slurp(dir / "zelmenu.html");
    EXPECT_NE(page.find("</nav>\r\n<script type=\"text/javascript\" language=\"JavaScript1.2\" "
                        "charset=\"utf-8\" src=\"zel_data.js\">"),
              std::string::npos);
    EXPECT_NE(page.find("<a href=\"tools.html\" target=\"_blank\">Tools</a>"), std::string::npos);
    ASSERT_EQ(run({"export", data, dir.string(), "--force"}), cli::kExitOk);
    EXPECT_EQ(slurp(dir / "zelmenu.html"),
              slurp(std::string(MENULOOM_TEST_DATA) + "/page_zel_data.html"));
    fs::remove_all(dir);
}
