// The floor-area dialog: the areas the floors' records hold and their total, in the drawing's units.
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

TEST(AreaDialog, ShowsEachFloorAndTheTotal) {
    testsupport::ScriptedUi ui;
    const AreaCase cases[] = {
        // The fourth level counts in the total but has no line of its own; records are found
        // wherever they stand.
        {1,
         {{kFourthLevel, 30}, {kGroundFloor, 120}, {kFirstFloor, 95}, {kSecondFloor, 0}},
         {"245 sq. metres", "120 sq. metres", "95 sq. metres", "0 sq. metres"}},
        {0, {{kSecondFloor, 40}}, {"40 sq. ft", "0 sq. ft", "0 sq. ft", "40 sq. ft"}},
        // Damaged records do not wrap the total round.
        {1,
         {{kGroundFloor, 2147483647}, {kFirstFloor, 1}},
         {"2147483648 sq. metres", "2147483647 sq. metres", "1 sq. metres", "0 sq. metres"}},
    };
    for (const AreaCase& c : cases) {
        ResetGlobals();
        ObjectList.Flush();
        MetricUnits = c.metricUnits;
        for (const auto& [view, area] : c.records)
            ObjectList.Add(std::make_unique<TInfoobj>(view, view + kFloorRecordBase, 1, 0, 0, 0, 0, 0, 0, 0,
                                                      0, 0, 0, area));
        pl::script::AnswerDialog(kAreaDialogId, {pl::script::DialogStep{{}, IDOK}});
        TAreadlg dialog(nullptr, kAreaDialogId);
        ASSERT_EQ(dialog.Execute(), IDOK);
        std::vector<std::string> shown;
        for (int32_t id : {areadlg::kTotal, areadlg::kGround, areadlg::kFirst, areadlg::kSecond})
            shown.push_back(qobject_cast<QLabel*>(dialog.Control(id))->text().toStdString());
        EXPECT_EQ(shown, c.shown);
    }
    ObjectList.Flush();
    ResetGlobals();
}

} // namespace
