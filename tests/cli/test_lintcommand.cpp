// menuloom-cli lint.
#include "cli/commands.h"
#include "model/project.h"
#include "output/datawriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

struct LintRun {
    int status = -1;
    std::string out;
    std::string err;
};

LintRun lint(std::vector<std::string> args) {
    std::ostringstream out, err;
    LintRun r;
    args.insert(args.begin(), "lint");
    r.status = cli::runCli(args, {out, err});
    r.out = out.str();
    r.err = err.str();
    return r;
}

class CliLint : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(MENULOOM_BUILD_DIR) / "cli-lint-tests" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir / "img");
        std::ofstream(dir / "img" / "ok.gif") << "GIF89a";
    }
    void TearDown() override { fs::remove_all(dir); }

    model::ItemNode* item(const std::string& text, const std::string& link,
                          const std::string& icon = {}) {
        auto* n = project.items.addItem(nullptr, false);
        model::TItemProps p = n->props();
        p.caption = text;
        p.link = link;
        p.img1 = icon;
        project.items.setProps(n, p);
        return n;
    }
    std::string save() {
        const std::string path = (dir / "menu.js").string();
        EXPECT_TRUE(output::writeDataFile(project, path, false).ok());
        return path;
    }

    fs::path dir;
    model::Project project;
};

} // namespace

TEST_F(CliLint, ExitStatusesTellErrorsWarningsAndFailures) {
    item("Home", "index.html", "img/ok.gif"); // pictures are looked for beside the file
    LintRun r = lint({save()});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");

    item("Later", ""); // a warning only
    r = lint({save()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "warning link-dead item:1 The item has no link and no submenu: it leads "
                     "nowhere.\n");

    item("Run", "javascript:go()");
    r = lint({save()});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.out.find("\nerror link-script item:2 "), std::string::npos) << r.out;

    EXPECT_EQ(lint({(dir / "none.js").string()}).status, 1);
    std::ofstream(dir / "empty.js") << "";
    EXPECT_EQ(lint({(dir / "empty.js").string()}).status, 1);
    EXPECT_EQ(lint({}).status, 2);
    EXPECT_EQ(lint({"a.js", "b.js"}).status, 2);
    r = lint({"--xml", save()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown option '--xml'"), std::string::npos);
}

TEST_F(CliLint, JsonNamesEachPlaceAndTheContrastFigures) {
    project.param("fontColor").intList = {0x777777, -1};
    project.param("moveImage").text = "img/gone.gif";
    auto* top = item("Products", "");
    auto* sub = project.items.addItem(top, true);
    project.items.rename(sub, "");
    project.items.setField(sub, model::ItemField::Link, "p.html");
    project.itemStyles.appendDefault();
    model::TStyle st;
    st.useItemBackImage = true;
    st.itemBackImageNormal = st.itemBackImageOver = "img/ok.gif";
    project.itemStyles.set(0, st);
    project.smStyles.appendDefault();
    model::TSmStyle box;
    box.useMenuBackImage = true;
    box.menuBackImage = "img/box.gif";
    project.smStyles.set(0, box);
    project.items.setItemStyle(top, 0);

    const LintRun r = lint({save(), "--json"});
    EXPECT_EQ(r.status, 3);
    const auto doc = nlohmann::json::parse(r.out);
    ASSERT_TRUE(doc.is_object());
    ASSERT_EQ(doc.size(), 1u);
    const auto& list = doc.at("findings");
    ASSERT_TRUE(list.is_array());
    std::vector<std::string> got;
    for (const auto& f : list) {
        EXPECT_TRUE(f.at("message").is_string());
        EXPECT_TRUE(f.at("severity") == "error" || f.at("severity") == "warning");
        EXPECT_EQ(f.at("where").size(), 1u);
        EXPECT_EQ(f.contains("ratio"), f.at("rule") == "contrast");
        EXPECT_EQ(f.contains("required"), f.at("rule") == "contrast");
        got.push_back(f.at("rule").get<std::string>() + " " + f.at("where").dump());
    }
    EXPECT_EQ(got, (std::vector<std::string>{
                       R"(picture-missing {"param":"moveImage"})",
                       R"(contrast {"param":"fontColor"})",
                       R"(contrast-unknown {"itemStyle":0})",
                       R"(picture-missing {"smStyle":0})",
                       R"(name-missing {"item":[0,0]})",
                   }));
    const auto& contrast = list.at(1);
    EXPECT_EQ(contrast.at("ratio"), 4.48);
    EXPECT_EQ(contrast.at("required"), 4.5);
}
