#include <cstring>
#include <gtest/gtest.h>

#include "platform/settings_file.h"
#include "tests/support/program_directory.h"

namespace {

class SettingsFile : public ::testing::Test {
protected:
    testsupport::ProgramDirectory dir;
    std::string Cfg(const std::string& name) const { return dir.Path() + "CFG\\" + name; }
};

TEST_F(SettingsFile, CompleteFileIsReadAndLeftAlone) {
    dir.WriteFile("CFG/X.CFG", "1 2 3\r\n");
    int32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(pl::ScanSettings(Cfg("X.CFG"), "7 8 9\n", "%ld %ld %ld", &a, &b, &c), 3);
    EXPECT_EQ(a + b + c, 6);
    EXPECT_EQ(dir.ReadFile("CFG/X.CFG"), "1 2 3\r\n");
}

TEST_F(SettingsFile, MissingFileTakesTheDefaultsAndIsRecreated) {
    int32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(pl::ScanSettings(Cfg("X.CFG"), "16777215 0 255\n", "%ld %ld %ld", &a, &b, &c), 0);
    EXPECT_EQ(a, 16777215);
    EXPECT_EQ(c, 255);
    EXPECT_EQ(dir.ReadFile("CFG/X.CFG"), "16777215 0 255\n");
}

TEST_F(SettingsFile, ShortFileKeepsItsFieldsAndIsCompleted) {
    dir.WriteFile("CFG/X.CFG", "90 2 0.5");
    int32_t angle = 0, thickness = 0;
    double sine = 0, cosine = 0;
    EXPECT_EQ(pl::ScanSettings(Cfg("X.CFG"), "90 1 1.000000 0.000001", "%d %d %lf %lf", &angle, &thickness,
                               &sine, &cosine),
              3);
    EXPECT_EQ(thickness, 2);
    EXPECT_DOUBLE_EQ(sine, 0.5);
    EXPECT_DOUBLE_EQ(cosine, 0.000001);
    EXPECT_EQ(dir.ReadFile("CFG/X.CFG"), "90 2 0.500000 0.000001");
}

TEST_F(SettingsFile, GarbageCountsAsMissing) {
    dir.WriteFile("CFG/X.CFG", "garbage");
    int32_t spacing = 0, colour = 0;
    EXPECT_EQ(pl::ScanSettings(Cfg("X.CFG"), "1000 12632256\n", "%d %ld", &spacing, &colour), 0);
    EXPECT_EQ(spacing, 1000);
    EXPECT_EQ(dir.ReadFile("CFG/X.CFG"), "1000 12632256\n");
}

TEST_F(SettingsFile, CountedTextsFallBackWhole) {
    const char* defaults = "10 400 11DejaVu Sans";
    int32_t points = 0, weight = 0, length = 0;
    char face[32];
    dir.WriteFile("CFG/TEXT.CFG", "12 700 5Arial");
    EXPECT_EQ(pl::ScanSettings(Cfg("TEXT.CFG"), defaults, "%d %d %d%3t", &points, &weight, &length, face,
                               static_cast<int>(sizeof face)),
              4);
    EXPECT_STREQ(face, "Arial");

    // The length came from the file but the text is cut short: the default text and its length.
    dir.WriteFile("CFG/TEXT.CFG", "12 700 20Ari");
    EXPECT_EQ(pl::ScanSettings(Cfg("TEXT.CFG"), defaults, "%d %d %d%3t", &points, &weight, &length, face,
                               static_cast<int>(sizeof face)),
              3);
    EXPECT_EQ(points, 12);
    EXPECT_STREQ(face, "DejaVu Sans");
    EXPECT_EQ(length, 11);
    EXPECT_EQ(dir.ReadFile("CFG/TEXT.CFG"), "12 700 11DejaVu Sans");
}

TEST_F(SettingsFile, SeveralCountedTextsWithTheShippedLineEnd) {
    const char* defaults =
        "17 16 17 12 9 ground floor planfirst floor plansecond floor planfooting plansite plan\n";
    int32_t n[5];
    char title[5][25];
    dir.WriteFile("CFG/TITLE2D.CFG", "3 2 1 0");
    EXPECT_EQ(pl::ScanSettings(Cfg("TITLE2D.CFG"), defaults, "%d %d %d %d %d %1t%2t%3t%4t%5t", &n[0], &n[1],
                               &n[2], &n[3], &n[4], title[0], 25, title[1], 25, title[2], 25, title[3], 25,
                               title[4], 25),
              4);
    EXPECT_STREQ(title[0], "ground floor plan");
    EXPECT_STREQ(title[3], "footing plan");
    EXPECT_EQ(n[0], 17);
    EXPECT_EQ(dir.ReadFile("CFG/TITLE2D.CFG"), defaults);
}

} // namespace
