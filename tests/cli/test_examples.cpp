#include "model/project.h"
#include "output/datawriter.h"
#include "output/pagewriter.h"
#include "reader/datareader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom;
namespace fs = std::filesystem;

// The shipped examples are exactly what the tool writes after opening them, with their pages.
TEST(Examples, OpenAndSaveGiveTheSameFiles) {
    const fs::path root = fs::path(MENULOOM_TEST_DATA).parent_path().parent_path() / "examples";
    int seen = 0;
    for (const char* name : {"site-bar", "side-menu", "styled"}) {
        const fs::path data = root / name / "zel_data.js";
        std::ifstream in(data, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        model::Project project;
        ASSERT_TRUE(reader::readDataFile(project, data.string()).ok()) << name;
        EXPECT_EQ(output::renderDataFile(project, false), bytes.str()) << name;
        EXPECT_GT(project.items.count(), 5) << name;

        std::ifstream pageIn(root / name / "zelmenu.html", std::ios::binary);
        std::ostringstream page;
        page << pageIn.rdbuf();
        EXPECT_EQ(page.str(), output::renderPage("zel_data.js", false)) << name;
        ++seen;
    }
    EXPECT_EQ(seen, 3);
}
