// The entry operation over a file: open failures, empty files, working folder, encoding.
#include "readerhelpers.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace menuloom;
namespace fs = std::filesystem;

namespace {

class DataReaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(MENULOOM_BUILD_DIR) / "reader-tests" / info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, std::string_view bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string folder() const { return dir_.string() + "/"; }

    fs::path dir_;
};

} // namespace

TEST_F(DataReaderFile, MissingFileFailsWithTheSystemMessageAndChangesNothing) {
    model::Project p;
    p.workingFolder = "/before/";
    const auto r = reader::readDataFile(p, folder() + "nope.js");
    EXPECT_EQ(r.status, reader::ReadResult::Status::OpenFailed);
    EXPECT_EQ(r.message, "No such file or directory");
    EXPECT_EQ(r.code, std::errc::no_such_file_or_directory);
    EXPECT_EQ(p.workingFolder, "/before/");
}

TEST_F(DataReaderFile, FolderFailsLikeAFileThatDoesNotOpen) {
    model::Project p;
    const auto r = reader::readDataFile(p, dir_.string());
    EXPECT_EQ(r.status, reader::ReadResult::Status::OpenFailed);
    EXPECT_EQ(r.message, "Is a directory");
}

TEST_F(DataReaderFile, EmptyFileFailsSilentlyAfterSettingTheWorkingFolder) {
    model::Project p;
    const auto r = reader::readDataFile(p, write("empty.js", ""));
    EXPECT_EQ(r.status, reader::ReadResult::Status::Empty);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(p.workingFolder, folder());
}

TEST_F(DataReaderFile, WorkingFolderIsTheFilesFolderAlsoForARelativePath) {
    model::Project p;
    const std::string path = write("menu.js", "var posX=3;\r\n");
    ASSERT_TRUE(reader::readDataFile(p, path).ok());
    EXPECT_EQ(p.workingFolder, folder());
    EXPECT_EQ(p.param("posX").value, 3);

    const fs::path cwd = fs::current_path();
    fs::current_path(dir_);
    model::Project q;
    const auto r = reader::readDataFile(q, "menu.js");
    fs::current_path(cwd);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(q.workingFolder, folder());
}

TEST_F(DataReaderFile, SingleByteFileIsConvertedFromWindows1252) {
    model::Project p;
    const std::string path = write(
        "old.js",
        "var menuItems = [\r\n   [\"Caf\xE9 \x80 \x93q\x94\",\"\",\"\",\"\",\"\"],\r\n];\r\n");
    ASSERT_TRUE(reader::readDataFile(p, path).ok());
    EXPECT_EQ(p.items.root()->child(0)->props().caption,
              "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");
}

TEST_F(DataReaderFile, Utf8FileIsTakenAsItIs) {
    model::Project p;
    const std::string path =
        write("new.js", "\xEF\xBB\xBFvar menuItems = [\n   [\"Caf\xC3\xA9\"],\n];\n");
    ASSERT_TRUE(reader::readDataFile(p, path).ok());
    EXPECT_EQ(p.items.root()->child(0)->props().caption, "Caf\xC3\xA9");
}

TEST_F(DataReaderFile, TooLargeNumberIsAFailureWithItsMessage) {
    model::Project p;
    const auto r = reader::readDataFile(p, write("big.js", "var posX=12345678901;\r\n"));
    EXPECT_EQ(r.status, reader::ReadResult::Status::InvalidNumber);
    EXPECT_EQ(r.message, "'12345678901' is not a valid integer value");
}
