// The mutation fuzz of the settings files the tools and their dialogs read: each file, started from
// its shipped text, is damaged (every number at an extreme, then random mutations) and read the way
// the program reads it (the command, its dialogs answered OK, the pointer and Enter), and the step
// that uses the values runs after. Nothing may crash, and nothing drawn may land outside any sheet.
#include <QTest>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "dialogs/fixed_room_dialogs.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/default_settings.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "rooms/room_settings.h"
#include "shell/plan_dialog_steps.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/mutate.h"
#include "tools/tool_kinds.h"
#include "tools/wall_tools.h"

namespace {

using pl::script::DialogStep;

class SettingsUse;

struct FileUse {
    const char* file;
    int32_t metric;
    bool roomLayout;
    const char* start; // null: the shipped text
    std::function<void(SettingsUse&)> use;
};

void PrintTo(const FileUse& use, std::ostream* out) {
    *out << use.file;
}

class SettingsUse : public InputTest, public ::testing::WithParamInterface<FileUse> {
protected:
    // Walls, a partition and a box of partitions on the ground floor, a line on the first floor, and
    // two design rooms on the room layout.
    void OpenScene() {
        MetricUnits = GetParam().metric;
        CurrentView = GetParam().roomLayout ? kRoomLayout : kGroundFloor;
        Open();
        const POINT a = DrawingAt(TPoint(60, child->GetClientRect().bottom - 60));
        const POINT c = DrawingAt(TPoint(300, 250));
        x = c.x, y = c.y;
        const int32_t attr[4] = {};
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = kGroundFloor, wall->kind = kExtWall, wall->id = 10001, wall->penWidth = 1;
        wall->x1 = x - 4000, wall->y1 = y, wall->x2 = x + 4000, wall->y2 = y;
        wall->thickness1 = 275, wall->direction = 900, wall->state = 1;
        wall->p1x = x - 4000, wall->p1y = y - 275, wall->p2x = x + 4000, wall->p2y = y - 275;
        ObjectList.Add(std::move(wall));
        auto partition = [&](int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t dx, int32_t dy) {
            ObjectList.Add(std::make_unique<TIntwallobj>(
                kGroundFloor, kIntWall, 1, 0, 10002, 10002, ax, 0, bx, 0, ay, by, 0, 100, 0, 0, 0, 0, 1,
                ax == bx ? 1800 : 900, ax + dx, 0, ay + dy, bx + dx, by + dy, attr, 0, 0));
        };
        partition(x - 3000, y - 2000, x + 3000, y - 2000, 0, -100);
        const int32_t l = a.x, b = a.y, r = l + 1800, t = b + 1200;
        partition(l, t + 100, l, b - 100, -100, 0);
        partition(r, t + 100, r, b - 100, 100, 0);
        partition(l - 100, t, r + 100, t, 0, 100);
        partition(l - 100, b, r + 100, b, 0, -100);
        ObjectList.Add(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
        for (const int32_t left : {0, 3600})
            ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 10003, 10003,
                                                      a.x + left, 0, a.x + left + 3000, 0, a.y + 4000, a.y, 0,
                                                      2, 10, 3000, 4000, 0, "room", "", ""));
        IdCounter = 4;
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        Repaint();
        roomCentre = PixelOf(a.x + 1500, a.y + 2000);
        // Clockwise round the two rooms from the lower left.
        layoutCorners = {PixelOf(a.x, a.y), PixelOf(a.x, a.y + 4000), PixelOf(a.x + 6600, a.y + 4000),
                         PixelOf(a.x + 6600, a.y)};
        boxInside = PixelOf(l + 400, b + 300);
    }

public:
    using InputTest::Click;
    using InputTest::client;
    using InputTest::dir;
    using InputTest::Drag;
    using InputTest::Key;
    using InputTest::Open;
    using InputTest::View;

    // A new drawing window, set up on the sheet as the file gives it, with the scene's centre at the
    // same pixel.
    void Reopen() {
        Open();
        const POINT c = DrawingAt(TPoint(300, 250));
        x = c.x, y = c.y;
    }
    void Repaint() {
        child->Invalidate(true);
        child->UpdateWindow();
    }
    // Any dialog: OK, and Cancel when OK refuses what the damaged file put in it.
    static void Confirm(int32_t resId, std::vector<std::pair<int32_t, std::string>> values = {}) {
        pl::script::AnswerDialog(resId, {DialogStep{std::move(values), IDOK}, DialogStep{{}, IDCANCEL}});
    }
    void EnterAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    void EnterAt(int32_t dx, int32_t dy) { EnterAt(PixelOf(x + dx, y + dy)); }
    // A keyed length: millimetres, or as many feet.
    void KeyedLength(int qtKey, const char* length) {
        if (Metric())
            pl::script::AnswerInput(length);
        else
            pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, length}}, IDOK}});
        Key(qtKey);
    }
    bool Metric() const { return MetricUnits == 1; }
    // The wall-type dialog with one radio, the side, then walls keyed from above the wall, one for
    // each arrow (the last of four closes the square), each as long as given in mm or in feet.
    void KeyWalls(int32_t metricRadio, int32_t imperialRadio,
                  std::initializer_list<int> arrows = {Qt::Key_Up, Qt::Key_Right}, const char* mm = "2000",
                  const char* feet = "6") {
        Confirm(Metric() ? kPlanDialogId : kPlanImpDialogId, {{Metric() ? metricRadio : imperialRadio, "1"}});
        if (Metric() ? metricRadio == kPlanCustom : imperialRadio == kPlanImpCustom)
            Confirm(Metric() ? kPlanCustDialogId : kPlanImpCustDialogId);
        Confirm(kExtSideDialogId, {{kExtSideBelow, "1"}});
        client->RestoreTool(toolkind::kExtWall);
        client->ActiveDrawingWindow()->RunPlanDialog(plandialog::kExternalWall);
        EnterAt(-3000, 3000);
        for (const int arrow : arrows)
            KeyedLength(arrow, Metric() ? mm : feet);
        Key(Qt::Key_Escape);
    }
    void Door() {
        Confirm(kExtDoorDialogId);
        Confirm(kDoorSwingDialogId, {{kSwingRadios[4], "1"}});
        client->ProcessCommand(cmd::kDoors);
        EnterAt(0, -2050);
        Key(Qt::Key_Escape);
    }

    int32_t x = 0, y = 0;
    TPoint roomCentre, boxInside;
    std::vector<TPoint> layoutCorners;
    std::string damagedText; // the text the file was damaged to this round
};

// The values the dialog editing each file allows, field by field (imperial offsets in whole
// inches; the sheet, which no dialog edits, within its own bounds). Once a command has read the file
// it holds nothing else: a value outside reads as shipped and the file is written back whole.
struct Allowed {
    int32_t low;
    int32_t high;
    int32_t step = 1;
};
const std::map<std::string, std::vector<Allowed>> kAllowed = {
    {"MOFFSET.CFG", {{100, 3000}, {100, 3000}, {100, 5000}, {0, 2700, 2700}, {9, 10}, {9, 10}, {9, 10}}},
    {"IOFFSET.CFG",
     {{144, 2880, 24}, {144, 2880, 24}, {144, 5760, 24}, {0, 2700, 2700}, {9, 10}, {9, 10}, {9, 10}}},
    {"ARROW.CFG", {{5, 5000 * 24}, {1, 4}}},
    {"RMPTNM.CFG", {{25, 900}, {25, 900}, {25, 900}}},
    {"RMPTNI.CFG", {{24, 720}, {24, 720}, {24, 720}}},
    {"DWGSIZEM.CFG", {{4000, 32000}, {1000, 32000}}},
    {"DWGSIZEI.CFG", {{4000, 32000}, {1000, 32000}}},
};

void ExpectKeptInRange(SettingsUse& f) {
    const auto allowed = kAllowed.find(f.GetParam().file);
    if (allowed == kAllowed.end()) return;
    std::istringstream text(f.dir.ReadFile(std::string("CFG/") + f.GetParam().file));
    for (const Allowed& field : allowed->second) {
        int64_t v = 0;
        ASSERT_TRUE(text >> v) << "a field is missing";
        EXPECT_TRUE(v >= field.low && v <= field.high && (v - field.low) % field.step == 0) << v;
    }
}

void KeyedWalls(SettingsUse& f) {
    f.KeyWalls(kPlanWalling100, kPlanImpWalling144);
}
void CustomWalls(SettingsUse& f) {
    f.KeyWalls(kPlanCustom, kPlanImpCustom);
}
void Partition(SettingsUse& f) {
    f.Confirm(f.Metric() ? kPartitionDialogId : kPartitionImpDialogId,
              {{f.Metric() ? kPartitionRight : kPartitionImpRight, "1"}});
    f.client->ProcessCommand(cmd::kInternalWall);
    f.EnterAt(-1000, 1000);
    f.KeyedLength(Qt::Key_Up, f.Metric() ? "1500" : "5");
    f.Key(Qt::Key_Escape);
}
void DoorDefaultsThenDoor(SettingsUse& f) {
    f.Confirm(kDoorDefaultsDialogId);
    f.client->ProcessCommand(cmd::kDefaultDoors);
    f.Door();
}
void Door(SettingsUse& f) {
    f.Door();
}
void Window(SettingsUse& f) {
    f.Confirm(kWindowDialogId);
    f.client->ProcessCommand(cmd::kWindows);
    f.EnterAt(0, -100);
    f.Key(Qt::Key_Escape);
}
void Dimension(SettingsUse& f) {
    f.client->CmManualDimension();
    f.EnterAt(-3000, 1000);
    pl::script::AnswerInput("");
    f.EnterAt(3000, 1000);
    f.Key(Qt::Key_Escape);
}
void Stairs(SettingsUse& f) {
    if (f.Metric())
        f.Confirm(kStairsDialogId,
                  {{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}, {stairsdlg::kTopAtTop, "1"}});
    else
        f.Confirm(kStairsImpDialogId, {{stairsdlg::kImpWidth, "36"},
                                       {stairsdlg::kImpStairwellFeet, "7"},
                                       {stairsdlg::kImpStoreyFeet, "8"},
                                       {stairsdlg::kImpStraightFlight, "1"}});
    f.client->CmStairs();
    f.EnterAt(-1000, 2000);
    f.Key(Qt::Key_Escape);
}
void DesignRoom(SettingsUse& f) {
    const int32_t id = f.Metric() ? kNewRoomDialogId : kNewRoomImpDialogId;
    f.Confirm(id, {{id + roomdlg::kName, "hall"}});
    f.client->CmNewDesignRoom();
    f.Key(Qt::Key_Escape);
    f.client->CmMoveRoom();
    f.client->RestoreTool(kDesignRoom);
    f.Drag(f.roomCentre, TPoint(f.roomCentre.x + 30, f.roomCentre.y - 10));
}
void MaxRoom(SettingsUse& f) {
    f.Confirm(f.Metric() ? kMaxRoomDialogId : kMaxRoomImpDialogId);
    f.client->ActiveDrawingWindow()->MaxDesignRoom();
    f.Click(f.roomCentre);
}
void FixedRoom(SettingsUse& f) {
    f.client->CmNewRoom();
    f.Confirm(f.Metric() ? kRoomPartitionDialogId : kRoomPartitionImpDialogId);
    f.Confirm(f.Metric() ? kFixedRoomDialogId : kFixedRoomImpDialogId, {{fixedroomdlg::kName, "study"}});
    f.Click(f.boxInside);
}
// The free size measured by the click just before, as the new-room dialog shows it.
void FreeRoomSize(SettingsUse& f) {
    f.Confirm(kFixedRoomDialogId, {{fixedroomdlg::kName, "study"}});
    TRoomdlg(f.client->GetHandle(), kFixedRoomDialogId).Execute();
}
void FitScreen(SettingsUse& f) {
    f.client->ProcessCommand(cmd::kFitScreen);
    f.client->ActiveDrawingWindow()->ExternalRectangleSize(0);
    f.client->ProcessCommand(cmd::kNormalSize);
}

// A closed square of walls gets its dimensions, area and title; then the screen is fitted to it.
void ClosedOutline(SettingsUse& f) {
    f.KeyWalls(kPlanWalling100, kPlanImpWalling144, {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left});
    FitScreen(f);
}
// A new window on the sheet, and a 12 m (40') wall keyed across it.
void LongWall(SettingsUse& f) {
    f.Reopen();
    f.KeyWalls(kPlanWalling100, kPlanImpWalling144, {Qt::Key_Right}, "12000", "40");
    FitScreen(f);
}
// Print with no drawing open reads the sheet as it asks for the units and the drawing.
void PrintAsksForADrawing(SettingsUse& f) {
    f.client->CloseChildren();
    f.Confirm(kUnitsDialogId, {{f.Metric() ? kUnitsMetricRadio : kUnitsImperialRadio, "1"}});
    pl::script::CancelFile();
    f.client->CmPrint();
    ExpectKeptInRange(f);
    f.Reopen(); // a window for the rest of the round
}
// The rooms of the layout marked round clockwise become the ground floor's walls.
void MarkedOutline(SettingsUse& f) {
    CurrentView = kRoomLayout;
    pl::script::AnswerMessageBox(IDYES); // the floors hold the walls of the round before
    f.Confirm(f.Metric() ? kPlanDialogId : kPlanImpDialogId,
              {{f.Metric() ? kPlanWalling100 : kPlanImpWalling144, "1"}});
    f.client->CmMarkExternalWalls();
    for (const TPoint& corner : f.layoutCorners)
        f.EnterAt(corner);
    f.EnterAt(f.layoutCorners[0]);
    CurrentView = kRoomLayout;
}
// The selection turned by 45 degrees, by the typed step and the plus key, then locked; the list is
// damaged after the selecting drag wrote it.
void TurnSelection(SettingsUse& f) {
    f.client->ProcessCommand(cmd::kMoveRotate);
    f.Drag(TPoint(20, 20), TPoint(f.View()->width() - 20, f.View()->height() - 20));
    f.dir.WriteFile("CFG/TEMP.CFG", "8\n");
    f.dir.WriteFile("CFG/COPY.CFG", f.damagedText);
    pl::script::AnswerMessageBox(IDOK); // when the list names a rectangle
    pl::script::AnswerInput("45");
    QTest::mouseClick(f.View(), Qt::RightButton, {}, QPoint(150, 150));
    QTest::keyClick(f.View(), Qt::Key_Plus, Qt::KeypadModifier);
    f.Key(Qt::Key_Return);
}

// With one room left the bounds are not rewritten: the marking grid reads what the file holds.
void MarkingGrid(SettingsUse& f) {
    bool roomLeft = false;
    for (int32_t k = ObjectList.count - 1; k >= 0; --k) {
        const TObject* o = ObjectList[k];
        if (o->kind >= kFloorRecord || (o->kind == kDesignRoom && o->view == kRoomLayout && !roomLeft))
            roomLeft = roomLeft || o->kind == kDesignRoom;
        else
            ObjectList.RemoveAt(k);
    }
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    // The grid draws a line for every step between its anchor and the window.
    const LayoutBounds anchor = ReadLayoutBounds();
    ASSERT_LT(std::abs(int64_t{anchor.minX}) + std::abs(int64_t{anchor.maxY}), 1 << 24);
    f.Confirm(kPlanDialogId, {{kPlanWalling100, "1"}});
    f.client->CmMarkExternalWalls();
    LayoutGridFlag = 0;
    f.client->CmLayoutGrid();
}

const FileUse kUses[] = {
    {"EXTWALLM.CFG", 1, false, nullptr, KeyedWalls},
    {"EXTWALLI.CFG", 0, false, nullptr, KeyedWalls},
    {"CUST.CFG", 1, false, nullptr, CustomWalls},
    {"CUSTIMP.CFG", 0, false, nullptr, CustomWalls},
    {"PTNM.CFG", 1, false, nullptr, Partition},
    {"PTNI.CFG", 0, false, nullptr, Partition},
    {"DOORSZE.CFG", 1, false, nullptr, DoorDefaultsThenDoor},
    {"INTERN.CFG", 1, false, nullptr, Door},
    {"DOOR.CFG", 1, false, nullptr, Door},
    {"WIND.CFG", 1, false, nullptr, Window},
    {"ARROW.CFG", 1, false, nullptr, Dimension},
    {"STAIRSM.CFG", 1, false, nullptr, Stairs},
    {"STAIRSI.CFG", 0, false, nullptr, Stairs},
    {"RMPTNM.CFG", 1, true, nullptr, DesignRoom},
    {"RMPTNI.CFG", 0, true, nullptr, DesignRoom},
    {"NEWRM.CFG", 1, true, nullptr, DesignRoom},
    {"MERGEM.CFG", 1, true, nullptr, DesignRoom},
    {"MERGEI.CFG", 0, true, nullptr, DesignRoom},
    {"MAX.CFG", 1, true, "2600 3000", MaxRoom},
    {"MAX.CFG", 0, true, "2600 3000", MaxRoom},
    {"ROOM.CFG", 1, false, "1800 1200", FreeRoomSize},
    {"INTWALL.CFG", 1, false, nullptr, FixedRoom},
    {"RMPTNM.CFG", 1, false, nullptr, FixedRoom},
    {"BOUNDS.CFG", 1, true, nullptr, MarkingGrid},
    {"RECT.CFG", 1, true, "6600 4000 26400000\n", FitScreen},
    {"SIZE.CFG", 0, true, nullptr, FitScreen},
    {"EXTENTS.CFG", 1, false, "100 9000 9000 100", FitScreen},
    {"MOFFSET.CFG", 1, false, nullptr, ClosedOutline},
    {"IOFFSET.CFG", 0, false, nullptr, ClosedOutline},
    {"DWGSIZEM.CFG", 1, false, nullptr, LongWall},
    {"DWGSIZEI.CFG", 0, false, nullptr, LongWall},
    {"DWGSIZEM.CFG", 1, false, nullptr, PrintAsksForADrawing},
    {"DWGSIZEI.CFG", 0, false, nullptr, PrintAsksForADrawing},
    {"RMPTNM.CFG", 1, true, nullptr, MarkedOutline},
    {"RMPTNI.CFG", 0, true, nullptr, MarkedOutline},
    {"MOFFSET.CFG", 1, false, nullptr, FitScreen},
    {"COPY.CFG", 1, false, "3 0 0\n4 100 100\n5 0 0\n6 0 0\n7 0 0\n", TurnSelection},
};

// Every number of the text replaced by one value.
std::string EveryNumber(const std::string& text, const char* value) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            out += text[i];
            continue;
        }
        while (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            ++i;
        out += value;
    }
    return out;
}

TEST_P(SettingsUse, DamagedFileGivesUsableValues) {
    const FileUse& use = GetParam();
    OpenScene();
    const std::string start(use.start ? use.start : DefaultSettings(use.file));
    std::vector<std::string> damaged;
    for (const char* extreme : {"2147483647", "-2147483648", "0", "-1"})
        damaged.push_back(EveryNumber(start, extreme));
    std::mt19937 rng(2027);
    for (int i = 0; i < 8; ++i)
        damaged.push_back(testsupport::Mutate(start, rng));
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text);
        dir.WriteFile(std::string("CFG/") + use.file, text);
        damagedText = text;
        pl::script::Reset(); // the damaged values may refuse a dialog the answers expected to close
        client->CmLine();
        use.use(*this);
        ExpectKeptInRange(*this);
        Repaint();
        // Far beyond any sheet: a value from the file that ran away. A file kept in range also keeps
        // everything drawn on the sheet the window was set up on.
        constexpr int32_t kFar = 1 << 24;
        const bool onSheet = kAllowed.count(use.file) > 0;
        const int64_t wide = int64_t{SheetWidth} * ZoomDivisor, high = int64_t{SheetHeight} * ZoomDivisor;
        for (int32_t k = 0; k < ObjectList.count; ++k) {
            const TObject& o = *ObjectList[k];
            for (const int32_t v : {o.x1, o.x2, o.y1, o.y2})
                ASSERT_LT(std::abs(int64_t{v}), kFar) << "object " << k << " of kind " << o.kind;
            if (!onSheet || o.kind >= kFloorRecord) continue;
            for (const int32_t v : {o.x1, o.x2})
                ASSERT_TRUE(v >= 0 && v <= wide) << "x " << v << " of object " << k << " of kind " << o.kind;
            for (const int32_t v : {o.y1, o.y2})
                ASSERT_TRUE(v >= 0 && v <= high) << "y " << v << " of object " << k << " of kind " << o.kind;
        }
    }
    pl::script::Reset();
}

INSTANTIATE_TEST_SUITE_P(SettingsFuzz, SettingsUse, ::testing::ValuesIn(kUses),
                         [](const ::testing::TestParamInfo<FileUse>& info) {
                             std::string name = std::to_string(info.index) + "_" + info.param.file;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
