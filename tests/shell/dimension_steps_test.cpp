// The drawing window's dimension and area steps as a user meets them: Manual Dimension placed with two
// Enters and a typed measurement, and the building-area reports with the floor record they fill.
#include <QCursor>

#include <string>

#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/dialogs/feet_template.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/made_objects.h"
#include "tools/line_modes.h"

namespace {

using pl::script::DialogStep;

class DimensionSteps : public InputTest {
protected:
    // The manual dimension between two client pixels on one level, with the measurement answered
    // by whatever the test queued.
    void PlaceManualDimension(const TPoint& a, const TPoint& b) {
        client->CmManualDimension();
        MoveTo(a);
        Key(Qt::Key_Return);
        MoveTo(b);
        Key(Qt::Key_Return);
    }

    template <class T> std::vector<const T*> OfKind(int32_t kind) const {
        std::vector<const T*> found;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (ObjectList[i]->kind == kind) found.push_back(dynamic_cast<const T*>(ObjectList[i]));
        return found;
    }

    static std::unique_ptr<TExtwallobj> Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t length,
                                             int32_t bearing) {
        auto w = testsupport::Made<TExtwallobj>(kExtWall, x1, y1, x2, y2);
        w->group = length;
        w->direction = bearing;
        return w;
    }

    std::string Guide() const { return client->StatusBar->GetText(); }
};

TEST_F(DimensionSteps, ImperialMeasurementIsWrittenInFeetInchesAndEighths) {
    MetricUnits = 0;
    Open();
    const TPoint a(100, 200);
    const POINT da = DrawingAt(a);
    const TPoint b = PixelOf(da.x + 3600, da.y);
    pl::script::AnswerDialog(
        kFeetDialogId,
        {DialogStep{
            {{kFeetEditId, "10"}, {kInchesEditId, "6"}, {kNumeratorEditId, "3"}, {kDenominatorEditId, "8"}},
            IDOK}});
    const int32_t counter = IdCounter;
    PlaceManualDimension(a, b);

    const auto dims = OfKind<TDimensobj>(kManualDimension);
    const auto texts = OfKind<TTextobj>(kSizeLabel);
    ASSERT_EQ(dims.size(), 1u);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(dims[0]->value2, 900);
    EXPECT_STREQ(texts[0]->text, "10' 6 3/8''");
    EXPECT_EQ(dims[0]->id, 10000 + counter + 1);
    EXPECT_EQ(texts[0]->group, dims[0]->id);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    // Both are in the working file.
    int32_t inFile = 0;
    for (const auto& o : FileObjects())
        inFile += o->kind == kManualDimension || o->kind == kSizeLabel;
    EXPECT_EQ(inFile, 2);
}

TEST_F(DimensionSteps, MetricMeasurementOffersTheDistanceAndTakesTheTypedOne) {
    Open();
    const TPoint a(100, 100);
    const POINT da = DrawingAt(a);
    const TPoint b = PixelOf(da.x, da.y - 3600);
    const int32_t measured = da.y - DrawingAt(b).y;
    pl::script::AnswerInput("3650");
    PlaceManualDimension(a, b);
    EXPECT_TRUE(ui.LogContains("InputDialog title=\"Measurement\" prompt=\"\" initial=\"" +
                               std::to_string(measured)));
    const auto texts = OfKind<TTextobj>(kSizeLabel);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_STREQ(texts[0]->text, "3650");
    EXPECT_EQ(OfKind<TDimensobj>(kManualDimension).at(0)->value2, 1800);
}

TEST_F(DimensionSteps, CancelledOrEmptyMeasurementLeavesTheDimensionWithoutText) {
    MetricUnits = 0;
    Open();
    pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{}, IDCANCEL}});
    PlaceManualDimension(TPoint(100, 200), TPoint(300, 200));
    pl::script::AnswerDialog(
        kFeetDialogId,
        {DialogStep{
            {{kFeetEditId, "0"}, {kInchesEditId, "0"}, {kNumeratorEditId, "0"}, {kDenominatorEditId, "0"}},
            IDOK}});
    PlaceManualDimension(TPoint(100, 250), TPoint(300, 250));
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    EXPECT_TRUE(OfKind<TTextobj>(kSizeLabel).empty());
    // The dimensions stay, in the file too: the next repaint reads them back.
    int32_t inFile = 0;
    for (const auto& o : FileObjects())
        inFile += o->kind == kManualDimension;
    EXPECT_EQ(inFile, 2);
}

TEST_F(DimensionSteps, ClosedOutlineAreaIsReportedStoredAndDimensioned) {
    std::vector<std::unique_ptr<TObject>> walls;
    walls.push_back(Wall(1000, 1000, 1000, 6000, 5000, 0));
    walls.push_back(Wall(1000, 6000, 11000, 6000, 10000, 900));
    walls.push_back(Wall(11000, 6000, 11000, 1000, 5000, 1800));
    walls.push_back(Wall(11000, 1000, 1000, 1000, 10000, 2700));
    Open(std::move(walls));
    client->SelectPickTool();
    child->AutoDimensionAndArea(8);

    EXPECT_TRUE(ui.LogContains("MessageBox caption=\"External Area\" text=\"Area and Dimensions should be "
                               "checked manually\\nTotal Building Area this floor: 50 sq. metres\""));
    TList file;
    file.ProgramDirectory = dir.Path();
    file.SetDrawingName("HOUSE");
    ASSERT_EQ(file.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    std::vector<std::string> texts;
    int32_t arrows = 0;
    int32_t area = -1;
    for (int32_t i = 0; i < file.count; ++i) {
        if (const auto* record = dynamic_cast<const TInfoobj*>(file[i]); record && record->kind == 32000)
            area = record->value;
        if (file[i]->kind == kAutoArrow) ++arrows;
        if (const auto* t = dynamic_cast<const TTextobj*>(file[i]); t && t->kind == kAutoDimensionText)
            texts.emplace_back(t->text);
    }
    EXPECT_EQ(area, 50);
    EXPECT_EQ(texts, (std::vector<std::string>{"5000", "10000", "5000", "10000"}));
    EXPECT_EQ(arrows, 8);
}

TEST_F(DimensionSteps, BuildingAreaIsTruncatedStoredAndEndsWithThePickTool) {
    Open();
    ObjectList.FloorArea = 123.9f;
    SetCursorPos(321, 234);
    POINT before{};
    GetCursorPos(&before);
    child->ShowBuildingArea(2);
    POINT after{};
    GetCursorPos(&after);
    EXPECT_TRUE(ui.LogContains("Total Building Area this floor: 123 sq. metres"));
    EXPECT_EQ(dynamic_cast<const TInfoobj&>(*ObjectList[ObjectList.FindKind(32000)]).value, 123);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPickIdle);
    EXPECT_EQ(Guide(), "GUIDE: Pick drawingtool");
    EXPECT_EQ(TPoint(after.x, after.y), TPoint(before.x, before.y));
}

TEST_F(DimensionSteps, ImperialAreaIsInSquareFeetAndOtherKindsOnlyGuide) {
    MetricUnits = 0;
    Open();
    ObjectList.FloorArea = 1076.0f;
    child->ShowBuildingArea(1);
    EXPECT_FALSE(ui.LogContains("External Area"));
    EXPECT_EQ(Guide(), "GUIDE: for HELP - press button if showing or press F1 key");
    child->ShowBuildingArea(2);
    EXPECT_TRUE(ui.LogContains("Total Building Area this floor: 1076 sq. feet"));
}

} // namespace
