#include "check/enginedefaults.h"
#include "output/pagewriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

// The engine's source: its modules when it is split into them, else the one file.
std::string engineSource() {
    const fs::path dir = MENULOOM_ENGINE_DIR;
    std::vector<fs::path> files;
    std::error_code ec;
    if (fs::is_directory(dir / "src", ec))
        for (const auto& e : fs::directory_iterator(dir / "src", ec))
            if (e.path().extension() == ".js")
                files.push_back(e.path());
    if (files.empty())
        files.push_back(dir / "zelmenu.js");
    std::string all;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        all += ss.str();
    }
    return all;
}

} // namespace

// The checks judge unset colours by the table; the engine must still draw them so.
TEST(EngineDefaults, TheEngineDrawsWhatTheTableSays) {
    const std::string source = engineSource();
    ASSERT_FALSE(source.empty());
    for (const auto& d : check::kEngineDefaults)
        EXPECT_NE(source.find(d.engineSource), std::string::npos)
            << d.what << ": the engine no longer holds \"" << d.engineSource
            << "\"; bring src/check/enginedefaults.h in step with it";
    // The page behind transparent items is the written page's white.
    for (bool preview : {false, true})
        EXPECT_NE(output::renderPage("zel_data.js", preview).find("bgcolor=#FFFFFF"),
                  std::string::npos);
    EXPECT_EQ(check::engine::kPageColor, (check::Rgb{0xFF, 0xFF, 0xFF}));
}
