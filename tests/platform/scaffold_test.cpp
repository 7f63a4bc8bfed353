#include <gtest/gtest.h>

#include "document/program_state.h"
#include "tests/support/program_directory.h"

TEST(Globals, StartValues) {
    ResetGlobals();
    EXPECT_EQ(CurrentView, 8);
    EXPECT_EQ(ViewExtentX, 624);
    EXPECT_EQ(BackgroundColour, RGB(255, 255, 255));
}

TEST(ProgramDirectory, HoldsTheShippedFolders) {
    testsupport::ProgramDirectory dir;
    EXPECT_TRUE(dir.Exists("CFG"));
    EXPECT_TRUE(dir.Exists("DWGS"));
    EXPECT_TRUE(dir.Exists("LIBS"));
}
