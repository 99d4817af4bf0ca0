#include "cli/commands.h"
#include "model/project.h"
#include "output/datawriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

struct Run {
    int status;
    std::string out, err;
};

Run run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::runCli(args, {out, err});
    return {status, out.str(), err.str()};
}

} // namespace

TEST(CliNew, WritesANewMenuToStandardOutputOrAFile) {
    const std::string fresh = output::renderDataFile(model::Project(), false);
    EXPECT_EQ(run({"new"}).out, fresh);
    EXPECT_EQ(run({"new", "-"}).out, fresh);

    const fs::path dir = fs::temp_directory_path() / ("menuloom-cli-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "menu.js").string();
    auto r = run({"new", path});
    EXPECT_EQ(r.status, cli::kExitOk);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), fresh);

    r = run({"new", (dir / "missing" / "menu.js").string()});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos);
    fs::remove_all(dir);
}

TEST(CliNew, UsageHelpAndVersion) {
    EXPECT_EQ(run({}).status, cli::kExitUsage);
    EXPECT_EQ(run({"frobnicate"}).status, cli::kExitUsage);
    EXPECT_EQ(run({"new", "a", "b"}).status, cli::kExitUsage);
    EXPECT_EQ(run({"new", "--bogus"}).status, cli::kExitUsage);
    const auto help = run({"--help"});
    EXPECT_EQ(help.status, cli::kExitOk);
    for (const auto& c : cli::commands())
        EXPECT_NE(help.out.find(std::string(c.name)), std::string::npos) << c.name;
    EXPECT_NE(run({"--version"}).out.find(MENULOOM_VERSION), std::string::npos);
    EXPECT_EQ(run({"new", "--help"}).status, cli::kExitOk);
}
