// The floor-area dialog: the areas the floors' records hold, their total, in the drawing's units.
#include <gtest/gtest.h>

#include <QLabel>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/area_dialog.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "tests/support/scripted_ui.h"

namespace {

struct AreaCase {
    int32_t metricUnits;
    std::vector<std::pair<int32_t, int32_t>> records; // floor view, stored area
    std::vector<std::string> shown;                   // total, ground, first, second
};

class AreaDialog : public ::testing::TestWithParam<AreaCase> {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }
    testsupport::ScriptedUi ui;
};

TEST_P(AreaDialog, ShowsEachFloorAndTheTotal) {
    const AreaCase& c = GetParam();
    MetricUnits = c.metricUnits;
    // Something before the records: they are found wherever they stand.
    ObjectList.Add(std::make_unique<TLineobj>());
    for (const auto& [view, area] : c.records)
        ObjectList.Add(
            std::make_unique<TInfoobj>(view, view + kFloorRecordBase, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, area));
    pl::script::AnswerDialog(kAreaDialogId, {pl::script::DialogStep{{}, IDOK}});
    TAreadlg dialog(nullptr, kAreaDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    std::vector<std::string> shown;
    for (int32_t id : {areadlg::kTotal, areadlg::kGround, areadlg::kFirst, areadlg::kSecond})
        shown.push_back(qobject_cast<QLabel*>(dialog.Control(id))->text().toStdString());
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Floors, AreaDialog,
    ::testing::Values(
        // The fourth level counts in the total but has no line of its own.
        AreaCase{1,
                 {{kGroundFloor, 120}, {kFirstFloor, 95}, {kSecondFloor, 0}, {kFourthLevel, 30}},
                 {"245 sq. metres", "120 sq. metres", "95 sq. metres", "0 sq. metres"}},
        AreaCase{0,
                 {{kSecondFloor, 40}, {kGroundFloor, 1500}},
                 {"1540 sq. ft", "1500 sq. ft", "0 sq. ft", "40 sq. ft"}},
        AreaCase{1, {}, {"0 sq. metres", "0 sq. metres", "0 sq. metres", "0 sq. metres"}},
        // Damaged records do not wrap the total round.
        AreaCase{1,
                 {{kGroundFloor, 2147483647}, {kFirstFloor, 1}},
                 {"2147483648 sq. metres", "2147483647 sq. metres", "1 sq. metres", "0 sq. metres"}}));

} // namespace
