#include <filesystem>
#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "tests/support/program_directory.h"

namespace {

TEST(Conversions, AtolReadsLeadingNumberOrZero) {
    EXPECT_EQ(pl::atol("  -120mm"), -120);
    EXPECT_EQ(pl::atol("+7"), 7);
    EXPECT_EQ(pl::atol("x12"), 0);
    EXPECT_EQ(pl::atol(""), 0);
    EXPECT_EQ(pl::atol("- 5"), 0);
    EXPECT_EQ(pl::atol(nullptr), 0);
    EXPECT_EQ(pl::atoi("4294967296"), 2147483647);
}

TEST(Conversions, LtoaWritesDecimalAndOtherRadixes) {
    char buffer[34];
    EXPECT_STREQ(pl::ltoa(-2147483647 - 1, buffer, 10), "-2147483648");
    EXPECT_STREQ(pl::ltoa(0, buffer, 10), "0");
    EXPECT_STREQ(pl::ltoa(255, buffer, 16), "ff");
    EXPECT_STREQ(pl::ltoa(-1, buffer, 2), "11111111111111111111111111111111");
}

TEST(Paths, FnsplitAcceptsBothSeparators) {
    auto parts = pl::fnsplit("C:\\PLANS\\DWGS/house.one.DB0");
    EXPECT_EQ(parts.drive, "C:");
    EXPECT_EQ(parts.dir, "\\PLANS\\DWGS/");
    EXPECT_EQ(parts.name, "house.one");
    EXPECT_EQ(parts.ext, ".DB0");
    parts = pl::fnsplit("/opt/tv/trevalyn");
    EXPECT_EQ(parts.drive, "");
    EXPECT_EQ(parts.dir, "/opt/tv/");
    EXPECT_EQ(parts.name, "trevalyn");
    EXPECT_EQ(parts.ext, "");
}

// A folder of the test's own: LIBS/ holds the shipped sample symbols.
TEST(Paths, FindFilesMatchesWithoutCaseAndSorts) {
    testsupport::ProgramDirectory dir;
    for (const char* name : {"b.PLM", "A.plm", "C.PLM", "d.PLI", "e.PLM.bak"})
        dir.WriteFile(std::string("SYMBOLS/") + name, "");
    std::filesystem::create_directories(dir.File("SYMBOLS/F.PLM"));
    EXPECT_EQ(pl::FindFiles(dir.Path() + "SYMBOLS\\*.PLM"),
              (std::vector<std::string>{"A.plm", "C.PLM", "b.PLM"}));
    EXPECT_TRUE(pl::FindFiles(dir.Path() + "SYMBOLS\\*.FUM").empty());
    EXPECT_TRUE(pl::FindFiles(dir.Path() + "NOWHERE\\*.PLM").empty());
}

TEST(Paths, ExistsAndRemove) {
    testsupport::ProgramDirectory dir;
    dir.WriteFile("CFG/tmp.cfg", "x");
    EXPECT_TRUE(pl::FileExists(dir.Path() + "CFG\\tmp.cfg"));
    EXPECT_FALSE(pl::FileExists(dir.Path() + "CFG\\TMP.CFG")); // names keep their case
    EXPECT_FALSE(pl::FileExists(dir.Path() + "CFG"));
    EXPECT_TRUE(pl::RemoveFile(dir.Path() + "CFG\\tmp.cfg"));
    EXPECT_FALSE(pl::FileExists(dir.Path() + "CFG\\tmp.cfg"));
    EXPECT_TRUE(pl::RemoveFile(dir.Path() + "CFG\\tmp.cfg"));
}

TEST(SmallFunctions, MulDivRoundsAndRefusesZero) {
    EXPECT_EQ(pl::MulDiv(10, 96, 72), 13); // 13.33
    EXPECT_EQ(pl::MulDiv(3, 1, 2), 2);     // halves away from zero
    EXPECT_EQ(pl::MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(pl::MulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(pl::MulDiv(1, 1, 0), -1);
    EXPECT_LT(pl::lstrcmpA("ground", "groundx"), 0);
    EXPECT_EQ(pl::lstrcmpA("plan", "plan"), 0);
    EXPECT_GT(pl::lstrcmpA("b", "B"), 0);
}

} // namespace
