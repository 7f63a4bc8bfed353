// The external-wall construction dialogs, driven by scripted answers: the layers of each fixed
// construction, the custom wall's sizes and file in both unit systems, and the side of the lines.
#include <gtest/gtest.h>

#include "dialogs/custom_wall_dialogs.h"
#include "dialogs/wall_type_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::AnswerDialog;
using pl::script::DialogStep;

class WallDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.ProgramDirectory = directory_.Path();
    }
    void TearDown() override { ResetGlobals(); }

    template <typename Dialog> static std::vector<int32_t> Run(int32_t resId, std::vector<DialogStep> steps) {
        AnswerDialog(resId, std::move(steps));
        Dialog dialog(nullptr, resId);
        if (dialog.Execute() != IDOK) return {};
        return {dialog.Layer1, dialog.Layer2, dialog.Layer3};
    }

    testsupport::ProgramDirectory directory_;
    testsupport::ScriptedUi ui;
};

struct TypeCase {
    int32_t resId;
    int32_t radio;
    int32_t code;
    std::vector<int32_t> layers;
    const char* stored = nullptr; // the construction's layers on file; the dialog answered as offered
};

class WallTypes : public WallDialogs, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(WallTypes, GiveTheirCodeAndLayers) {
    const TypeCase& c = GetParam();
    if (c.stored)
        directory_.WriteFile(c.resId == kPlanDialogId ? "CFG/EXTWALLM.CFG" : "CFG/EXTWALLI.CFG", c.stored);
    AnswerDialog(c.resId, {{c.stored ? DialogStep{} : DialogStep{{{c.radio, "1"}}, IDOK}}});
    auto check = [&](auto&& dialog) {
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.WallTypeCode, c.code);
        EXPECT_EQ((std::vector<int32_t>{dialog.Layer1, dialog.Layer2, dialog.Layer3}), c.layers);
    };
    if (c.resId == kPlanDialogId)
        check(TPlandlg(nullptr, c.resId));
    else
        check(TPlanimpdlg(nullptr, c.resId));
}

INSTANTIATE_TEST_SUITE_P(WallDialogs, WallTypes,
                         ::testing::Values(TypeCase{kPlanDialogId, kPlanVeneer240, 240, {110, 55, 75}},
                                           TypeCase{kPlanDialogId, kPlanCavity275, 275, {110, 55, 110}},
                                           TypeCase{kPlanDialogId, kPlanWalling150, 150, {150, 0, 0}},
                                           TypeCase{kPlanDialogId, kPlanCustom, 1, {0, 0, 0}},
                                           TypeCase{kPlanImpDialogId, kPlanImpVeneer228, 228, {108, 48, 72}},
                                           TypeCase{kPlanImpDialogId, kPlanImpSolid216, 216, {216, 0, 0}},
                                           TypeCase{kPlanDialogId, 0, 230, {230, 0, 0}, "230 0 0"},
                                           TypeCase{kPlanImpDialogId, 0, 228, {108, 48, 72}, "108 48 72"}));

TEST_F(WallDialogs, CustomMetricWallSplitsItsTotalAndKeepsTheFourSizes) {
    const auto layers = Run<TPlancustdlg>(kPlanCustDialogId, {{{{kPlanCustLines, "4"},
                                                                {kPlanCustTotal, "250"},
                                                                {kPlanCustOutside, "110"},
                                                                {kPlanCustCavity, "50"}},
                                                               IDOK}});
    EXPECT_EQ(layers, (std::vector<int32_t>{110, 50, 90}));
    EXPECT_EQ(directory_.ReadFile("CFG/CUST.CFG"), "4 250 110 50");
    EXPECT_TRUE(ui.LogContains("5301=\"4\" 5302=\"275\" 5303=\"110\" 5304=\"55\""));

    const auto twoLines =
        Run<TPlancustdlg>(kPlanCustDialogId, {{{{kPlanCustLines, "2"}, {kPlanCustTotal, "300"}}, IDOK}});
    EXPECT_EQ(twoLines, (std::vector<int32_t>{300, 0, 0}));
}

// A four-line wall whose outside layer and cavity fill the total is refused before anything is
// stored; the dialog stays open for a correction.
TEST_F(WallDialogs, CustomWallWithNothingLeftForTheInnerLayerIsRefused) {
    const auto layers = Run<TPlancustdlg>(
        kPlanCustDialogId,
        {{{{kPlanCustTotal, "160"}, {kPlanCustOutside, "110"}, {kPlanCustCavity, "50"}}, IDOK},
         {{{kPlanCustTotal, "260"}}, IDOK}});
    EXPECT_TRUE(ui.LogContains("must be less than the total width"));
    EXPECT_EQ(layers, (std::vector<int32_t>{110, 50, 100}));
    EXPECT_EQ(directory_.ReadFile("CFG/CUST.CFG"), "4 260 110 50");
}

TEST_F(WallDialogs, OutOfRangeEntryStoresNothing) {
    const auto layers =
        Run<TPlancustdlg>(kPlanCustDialogId, {{{{kPlanCustTotal, "20"}}, IDOK}, {{}, IDCANCEL}});
    EXPECT_TRUE(layers.empty());
    EXPECT_EQ(directory_.ReadFile("CFG/CUST.CFG"), "4 275 110 55");
}

struct StoredCustomCase {
    const char* name;
    int32_t resId;
    const char* stored;
    std::vector<int32_t> layers; // after OK on what the dialog opened with
    const char* kept;
};

class StoredCustom : public WallDialogs, public ::testing::WithParamInterface<StoredCustomCase> {};

// A four-line wall stored with nothing left for its inner layer opens as shipped, so OK is taken on
// what the dialog shows; a two-line wall has no inner layer to leave.
TEST_P(StoredCustom, OpensWithSizesOkTakes) {
    const StoredCustomCase& c = GetParam();
    const bool metric = c.resId == kPlanCustDialogId;
    MetricUnits = metric;
    const char* file = metric ? "CFG/CUST.CFG" : "CFG/CUSTIMP.CFG";
    directory_.WriteFile(file, c.stored);
    const auto layers = metric ? Run<TPlancustdlg>(c.resId, {{{}, IDOK}, {{}, IDCANCEL}})
                               : Run<TPlanimpcustdlg>(c.resId, {{{}, IDOK}, {{}, IDCANCEL}});
    EXPECT_EQ(layers, c.layers) << ui.Log();
    EXPECT_EQ(directory_.ReadFile(file), c.kept);
}

const StoredCustomCase kStoredCustoms[] = {
    {"NoInnerLayer", kPlanCustDialogId, "4 275 200 100", {110, 55, 110}, "4 275 110 55"},
    {"ThreeLinesFilled", kPlanCustDialogId, "3 100 100 0", {110, 55, 110}, "3 275 110 55"},
    {"TwoLinesKeepTheirSizes", kPlanCustDialogId, "2 275 200 100", {275, 0, 0}, "2 275 200 100"},
    {"NoOuterLeaf", kPlanCustDialogId, "4 275 0 0", {0, 0, 275}, "4 275 0 0"},
    {"ImperialBetweenEighths", kPlanImpCustDialogId, "4 266 216 8", {108, 48, 108}, "4 264 108 48"},
    {"ImperialNoInnerLayer", kPlanImpCustDialogId, "4 264 216 48", {108, 48, 108}, "4 264 108 48"},
};

INSTANTIATE_TEST_SUITE_P(WallDialogs, StoredCustom, ::testing::ValuesIn(kStoredCustoms),
                         [](const auto& info) { return std::string(info.param.name); });

struct FractionCase {
    const char* numerator;
    const char* denominator;
    int32_t total;
};

class CustomImperial : public WallDialogs, public ::testing::WithParamInterface<FractionCase> {};

TEST_P(CustomImperial, TotalCountsOnlyProperHalvesQuartersAndEighths) {
    const FractionCase& c = GetParam();
    const auto layers = Run<TPlanimpcustdlg>(kPlanImpCustDialogId, {{{{kPlanImpCustLines, "2"},
                                                                      {kPlanImpCustTotal, "11"},
                                                                      {kPlanImpCustTotal + 1, c.numerator},
                                                                      {kPlanImpCustTotal + 2, c.denominator}},
                                                                     IDOK}});
    EXPECT_EQ(layers, (std::vector<int32_t>{c.total, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(WallDialogs, CustomImperial,
                         ::testing::Values(FractionCase{"1", "2", 276}, FractionCase{"3", "8", 273},
                                           FractionCase{"1", "3", 264}, FractionCase{"4", "4", 264},
                                           FractionCase{"1", "0", 264}));

TEST_F(WallDialogs, CustomImperialShowsStoredLengthsInInchesAndEighths) {
    directory_.WriteFile("CFG/CUSTIMP.CFG", "4 276 108 48");
    const auto layers = Run<TPlanimpcustdlg>(kPlanImpCustDialogId, {{{}, IDOK}});
    EXPECT_TRUE(
        ui.LogContains("5352=\"11\" 5353=\"1\" 5354=\"2\" 5355=\"4\" 5356=\"1\" 5357=\"2\" 5358=\"2\" "
                       "5359=\"0\" 5360=\"0\""));
    EXPECT_EQ(layers, (std::vector<int32_t>{108, 48, 120}));
}

TEST_F(WallDialogs, SideStartsBelowAndGivesTheOutwardSide) {
    AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    TExtsidedlg below(nullptr, kExtSideDialogId);
    ASSERT_EQ(below.Execute(), IDOK);
    EXPECT_EQ(below.SideCode, 1);
    AnswerDialog(kExtSideDialogId, {{{{kExtSideLeft, "1"}}, IDOK}});
    TExtsidedlg left(nullptr, kExtSideDialogId);
    ASSERT_EQ(left.Execute(), IDOK);
    EXPECT_EQ(left.SideCode, 2);
}

} // namespace
