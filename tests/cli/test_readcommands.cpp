// menuloom-cli convert and check.
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

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    CliRun r;
    r.status = cli::runCli(args, {out, err});
    r.out = out.str();
    r.err = err.str();
    return r;
}

class CliRead : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(MENULOOM_BUILD_DIR) / "cli-read-tests" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name, std::string_view bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    fs::path dir;
};

const std::string kExample = std::string(MENULOOM_TEST_DATA) + "/worked_example.js";

} // namespace

TEST_F(CliRead, ConvertWritesTheSameFileBackAndToStandardOutput) {
    const std::string out = (dir / "out.js").string();
    const CliRun r = run({"convert", kExample, out});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(slurp(out), slurp(kExample));
    EXPECT_EQ(r.out, "");

    const CliRun s = run({"convert", kExample, "-"});
    EXPECT_EQ(s.status, cli::kExitOk);
    EXPECT_EQ(s.out, slurp(kExample));
}

TEST_F(CliRead, ConvertNormalisesAHandEditedFile) {
    const std::string in =
        file("hand.js", "var posX = 4\nvar menuItems=[\n[\"A\",\"a.html\"],\n];\n");
    const CliRun r = run({"convert", in, "-"});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    model::Project expected;
    expected.param("posX").value = 4;
    expected.items.setProps(expected.items.addItem(nullptr, false),
                            {"A", "a.html", "", "", "", "", -1, -1});
    EXPECT_EQ(r.out, output::renderDataFile(expected, false));
}

TEST_F(CliRead, ConvertPreviewUsesTheFolderOfIn) {
    const CliRun r = run({"convert", kExample, "-", "--preview"});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out.find("//Zelvane-Menuloom StyleNames"), std::string::npos);
    const std::string folder = fs::path(kExample).parent_path().string() + "/";
    EXPECT_NE(r.out.find("\"" + folder + "img/tools.gif\""), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with("zel_init();\r\n"));
}

TEST_F(CliRead, ConvertFailuresWriteNothing) {
    const std::string out = (dir / "out.js").string();
    const CliRun missing = run({"convert", (dir / "none.js").string(), out});
    EXPECT_EQ(missing.status, cli::kExitFailure);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    const CliRun empty = run({"convert", file("empty.js", ""), out});
    EXPECT_EQ(empty.status, cli::kExitFailure);
    EXPECT_NE(empty.err.find("empty"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    const CliRun big = run({"convert", file("big.js", "var posX=99999999999;\r\n"), out});
    EXPECT_EQ(big.status, cli::kExitFailure);
    EXPECT_NE(big.err.find("'99999999999' is not a valid integer value"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(big.out, "");

    const CliRun unwritable = run({"convert", kExample, (dir / "no" / "out.js").string()});
    EXPECT_EQ(unwritable.status, cli::kExitFailure);
    EXPECT_NE(unwritable.err.find("No such file or directory"), std::string::npos);
}

TEST_F(CliRead, UsageErrors) {
    EXPECT_EQ(run({"convert", kExample}).status, cli::kExitUsage);
    EXPECT_EQ(run({"convert", kExample, "-", "extra"}).status, cli::kExitUsage);
    EXPECT_EQ(run({"convert", kExample, "-", "--fast"}).status, cli::kExitUsage);
    EXPECT_EQ(run({"check"}).status, cli::kExitUsage);
    EXPECT_EQ(run({"check", kExample, kExample}).status, cli::kExitUsage);
    EXPECT_EQ(run({"check", "--all", kExample}).status, cli::kExitUsage);
    const CliRun help = run({"--help"});
    EXPECT_NE(help.out.find("convert IN OUT [--preview]"), std::string::npos);
    EXPECT_NE(help.out.find("check IN"), std::string::npos);
}

TEST_F(CliRead, CheckSummarisesTheWorkedExample) {
    const CliRun r = run({"check", kExample});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out, "items: 3\n"
                     "depth: 2\n"
                     "item styles: 1\n"
                     "  0: Main\n"
                     "submenu styles: 1\n"
                     "  0: Box\n"
                     "changed parameters: 0\n"
                     "crossframe: off\n");
}

TEST_F(CliRead, CheckListsChangedParametersAndCrossframe) {
    const std::string in = file("m.js", "var posX=5;\r\nvar fontStyle=\"bold 9pt Arial\";\r\n"
                                        "var posY=0;\r\nzel_initFrame(\"fs\",0,1,1);\r\n");
    const CliRun r = run({"check", in});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out, "items: 0\n"
                     "depth: 0\n"
                     "item styles: 0\n"
                     "submenu styles: 0\n"
                     "changed parameters: 2\n"
                     "  posX=5\n"
                     "  fontStyle=\"bold 9pt Arial\"\n"
                     "crossframe: on\n"
                     "  frameset: fs\n"
                     "  top frame: 0\n"
                     "  submenu frame: 1\n"
                     "  vertical: yes\n");
}

TEST_F(CliRead, CheckFailsOnAFileThatDoesNotRead) {
    const CliRun r = run({"check", (dir / "none.js").string()});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("none.js: No such file or directory"), std::string::npos);
    EXPECT_EQ(
        run({"check", file("big.js", "var itemStyles=[\n[\"itemBorderWidth=88888888888\"],\n];\n")})
            .status,
        cli::kExitFailure);
}
