#include "tools/length_text.h"

#include <gtest/gtest.h>

#include "document/program_state.h"

namespace {

struct LengthCase {
    int32_t length;
    int32_t metric;
    const char* text;
};

class LengthTextTable : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthTextTable, FormatsAsTheDrawingShowsIt) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(LengthText(c.length, c.metric), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LengthTextTable,
    ::testing::Values(LengthCase{0, 0, "0' 0''"}, LengthCase{24, 0, "0' 1''"}, LengthCase{288, 0, "1' 0''"},
                      LengthCase{300, 0, "1' 0 1/2''"}, LengthCase{3540, 0, "12' 3 1/2''"},
                      LengthCase{3, 0, "0' 0 1/8''"}, LengthCase{30, 0, "0' 1 1/4''"},
                      LengthCase{33, 0, "0' 1 3/8''"}, LengthCase{303, 0, "1' 0 5/8''"},
                      LengthCase{306, 0, "1' 0 3/4''"}, LengthCase{309, 0, "1' 0 7/8''"},
                      // Not on an eighth: "0/0", never rounded; negative parts keep their signs.
                      LengthCase{1201, 0, "4' 2 0/0''"}, LengthCase{3461, 0, "12' 0 0/0''"},
                      LengthCase{311, 0, "1' 0 0/0''"}, LengthCase{-300, 0, "-1' 0 0/0''"},
                      LengthCase{-312, 0, "-1' -1''"}, LengthCase{2400, 1, "2400"}, LengthCase{0, 1, "0"},
                      LengthCase{-150, 1, "-150"}, LengthCase{2147483647, 1, "2147483647"}));

TEST(LengthText, LargestImperialLengthFitsTheTextField) {
    const std::string text = LengthText(2147483647, 0);
    EXPECT_EQ(text, "7456540' 5 0/0''");
    EXPECT_LT(text.size(), 80u);
    EXPECT_LT(LengthText(-2147483647 - 1, 0).size(), 80u);
}

TEST(LengthText, FollowsTheDrawingUnits) {
    const int32_t saved = MetricUnits;
    MetricUnits = 0;
    EXPECT_EQ(LengthText(288), "1' 0''");
    MetricUnits = 1;
    EXPECT_EQ(LengthText(288), "288");
    MetricUnits = saved;
}

} // namespace
