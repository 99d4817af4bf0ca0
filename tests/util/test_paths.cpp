#include "util/paths.h"

#include <gtest/gtest.h>

using menuloom::util::makeRelativeToWorkingFolder;

TEST(Paths, MakeRelativeToWorkingFolder) {
    EXPECT_EQ(makeRelativeToWorkingFolder("/w/site/img/a.gif", "/w/site/"), "img/a.gif");
    EXPECT_EQ(makeRelativeToWorkingFolder("/W/Site/a.gif", "/w/site/"), "a.gif");
    EXPECT_EQ(makeRelativeToWorkingFolder("/w/site/a.gif", "/w/site"), "a.gif");
    EXPECT_EQ(makeRelativeToWorkingFolder("/other/a.gif", "/w/site/"), "/other/a.gif");
    // The folder must lead the path as a whole folder: a match further in, or a longer folder
    // name, keeps the full path instead of cutting it at a wrong place.
    EXPECT_EQ(makeRelativeToWorkingFolder("/x/w/site/a.gif", "/w/site/"), "/x/w/site/a.gif");
    EXPECT_EQ(makeRelativeToWorkingFolder("/w/sites/a.gif", "/w/site"), "/w/sites/a.gif");
    EXPECT_EQ(makeRelativeToWorkingFolder("/w/site/", "/w/site/"), "/w/site/");
    EXPECT_EQ(makeRelativeToWorkingFolder("a.gif", ""), "a.gif");
}
