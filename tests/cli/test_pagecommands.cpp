#include "cli/commands.h"
#include "cli/pagecommands.h"
#include "output/pagewriter.h"

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

int run(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream out, e;
    const int status = cli::runCli(args, {out, e});
    if (err)
        *err = e.str();
    return status;
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("menuloom-export-" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

} // namespace

TEST(CliPage, WritesEitherTemplate) {
    TempDir dir;
    const auto page = dir.path / "index.html";
    EXPECT_EQ(run({"page", "/out/menu data.js", page.string()}), cli::kExitOk);
    EXPECT_EQ(slurp(page), output::renderPage("menu data.js", false));
    EXPECT_EQ(run({"page", "m.js", page.string(), "--preview"}), cli::kExitOk);
    EXPECT_EQ(slurp(page), output::renderPage("m.js", true));
    EXPECT_EQ(run({"page", "m.js"}), cli::kExitUsage);
    EXPECT_EQ(run({"page", "m.js", page.string(), "--fast"}), cli::kExitUsage);
    EXPECT_EQ(run({"page", "m.js", (dir.path / "no" / "x.html").string()}), cli::kExitFailure);
}

TEST(CliExport, WritesTheThreeFilesAndRefusesToReplaceThem) {
    TempDir dir;
    const std::string in = std::string(MENULOOM_TEST_DATA) + "/worked_example.js";
    const std::string out = (dir.path / "site").string();
    fs::create_directories(out);
    std::string err;
    ASSERT_EQ(run({"export", in, out}, &err), cli::kExitOk) << err;
    EXPECT_EQ(slurp(out + "/zel_data.js"), slurp(in));
    EXPECT_EQ(slurp(out + "/zelmenu.html"), output::renderPage("zel_data.js", false));
    const fs::path engine = cli::programFolder() + "zelmenu.js";
    if (fs::exists(engine)) {
        EXPECT_EQ(slurp(out + "/zelmenu.js"), slurp(engine));
    }

    std::ofstream(out + "/zel_data.js", std::ios::binary) << "mine";
    EXPECT_EQ(run({"export", in, out}, &err), cli::kExitFailure);
    EXPECT_NE(err.find("--force"), std::string::npos);
    EXPECT_EQ(slurp(out + "/zel_data.js"), "mine");
    EXPECT_EQ(run({"export", in, out, "--force"}), cli::kExitOk);
    EXPECT_EQ(slurp(out + "/zel_data.js"), slurp(in));

    EXPECT_EQ(run({"export", (dir.path / "missing.js").string(), out, "--force"}, &err),
              cli::kExitFailure);
    EXPECT_NE(err.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(run({"export", in}), cli::kExitUsage);

    // A folder that does not exist yet is made, parents included.
    const std::string fresh = (dir.path / "site" / "menu").string();
    ASSERT_EQ(run({"export", in, fresh}, &err), cli::kExitOk) << err;
    EXPECT_EQ(slurp(fresh + "/zel_data.js"), slurp(in));
    // One that cannot be made is reported, with nothing written.
    std::ofstream(dir.path / "file", std::ios::binary) << "x";
    EXPECT_EQ(run({"export", in, (dir.path / "file" / "sub").string()}, &err), cli::kExitFailure);
    EXPECT_NE(err.find("Not a directory"), std::string::npos) << err;
}
