#include <gtest/gtest.h>

#include "tests/support/program_directory.h"

TEST(ProgramDirectory, HoldsTheShippedFolders) {
    testsupport::ProgramDirectory dir;
    EXPECT_TRUE(dir.Exists("CFG"));
    EXPECT_TRUE(dir.Exists("DWGS"));
    EXPECT_TRUE(dir.Exists("LIBS"));
}
