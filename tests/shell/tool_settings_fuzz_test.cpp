// The mutation fuzz of the settings files the tools and their dialogs read: each file, started from
// its shipped text, is damaged (every number at an extreme, then random mutations) and read the way
// the program reads it (the command, its dialogs answered OK, the pointer and Enter), and the step
// that uses the values runs after. Nothing may crash, and nothing drawn may land outside any sheet.
#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <cmath>
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
#include "resources/dialogs/print_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "rooms/room_settings.h"
#include "shell/drawing_start.h"
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

    // Every external wall of the floor in view shows where it lies on screen: none is drawn in no
    // colour, at no height or nowhere.
    void ExpectWallsShow() const {
        // The colour dialogs let a user pick a pen the colour of the background.
        if (PenColour == BackgroundColour) return;
        QCoreApplication::processEvents();
        const QImage shown = View()->grab().toImage();
        const QRgb c = BackgroundColour;
        const QRgb background = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                     static_cast<int>((c >> 16) & 0xFF)) &
                                0xFFFFFF;
        for (int32_t k = 0; k < ObjectList.count; ++k) {
            const TObject& o = *ObjectList[k];
            if (o.kind != kExtWall || o.view != CurrentView) continue;
            const TPoint mid = PixelOf(static_cast<int32_t>((int64_t{o.x1} + o.x2) / 2),
                                       static_cast<int32_t>((int64_t{o.y1} + o.y2) / 2));
            if (!shown.valid(mid.x, mid.y)) continue;
            bool ink = false;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    ink = ink || (shown.valid(mid.x + dx, mid.y + dy) &&
                                  (shown.pixel(mid.x + dx, mid.y + dy) & 0xFFFFFF) != background);
            EXPECT_TRUE(ink) << "wall " << k << " does not show at " << mid.x << "," << mid.y;
        }
    }

    int32_t x = 0, y = 0;
    TPoint roomCentre, boxInside;
    std::vector<TPoint> layoutCorners;
    std::string damagedText; // the text the file was damaged to this round
};

// The values the dialog editing each file allows, field by field (imperial offsets in whole
// inches; imperial wall sizes up to seven eighths past their whole inches), or, for a file no dialog
// edits, what the program can use. Once a command has read the file it holds nothing else: a value
// outside reads as shipped and the file is written back whole.
struct Allowed {
    int32_t low;
    int32_t high;
    int32_t step = 1;
    std::vector<int32_t> only = {}; // when not empty, the values the field may hold
};
constexpr Allowed kAny{INT32_MIN, INT32_MAX};
constexpr Allowed kColour{0, 0xFFFFFF};
const Allowed k0{0, 0};
const Allowed kWindowKind{1, 14, 1, {1, 2, 4, 11, 12, 14}};
const Allowed kDoorKind{3, 24, 1, {3, 5, 6, 7, 9, 10, 13, 15, 16, 17, 19, 20, 21, 22, 23, 24}};
const std::map<std::string, std::vector<Allowed>> kAllowed = {
    {"MOFFSET.CFG", {{100, 3000}, {100, 3000}, {100, 5000}, {0, 2700, 2700}, {9, 10}, {9, 10}, {9, 10}}},
    {"IOFFSET.CFG",
     {{144, 2880, 24}, {144, 2880, 24}, {144, 5760, 24}, {0, 2700, 2700}, {9, 10}, {9, 10}, {9, 10}}},
    {"ARROW.CFG", {{5, 5000}, {1, 4}}},
    {"RMPTNM.CFG", {{25, 900}, {25, 900}, {25, 900}}},
    {"RMPTNI.CFG", {{24, 720}, {24, 720}, {24, 720}}},
    {"DWGSIZEM.CFG", {{4000, 32000}, {1000, 32000}}},
    {"DWGSIZEI.CFG", {{4000, 32000}, {1000, 32000}}},
    {"EXTWALLM.CFG",
     {{0, 900}, {0, 790}, {0, 900}, {0, 10000}, {0, 10000}, {0, 10000}, {0, 10000}, kAny, kAny, kColour}},
    {"EXTWALLI.CFG",
     {{0, 741}, {0, 501}, {0, 741}, {0, 9600}, {0, 9600}, {0, 9600}, {0, 9600}, kAny, kAny, kColour}},
    {"CUST.CFG", {{2, 4}, {25, 900}, {0, 800}, {0, 790}}},
    {"CUSTIMP.CFG", {{2, 4}, {24, 741, 3}, {0, 621, 3}, {0, 501, 3}}},
    {"PTNM.CFG", {{25, 900}}},
    {"PTNI.CFG", {{24, 1222}}},
    {"DOORSZE.CFG", {{100, 5000}, {96, 4800}}},
    {"INTERN.CFG", {{30, 90, 30}, {1, 2}}},
    {"STAIRSM.CFG", {{100, 7500}, {200, 400}}},
    {"STAIRSI.CFG", {{96, 4584}, {192, 384}}},
    {"NEWRM.CFG", {{0, 4, 1, {0, 2, 3, 4}}, {0, 4}}},
    {"MERGEM.CFG", {{50, 999999}}},
    {"MERGEI.CFG", {{48, 999999 * 24}}},
    {"RMCLR.CFG", {kColour, kColour, kColour}},
    {"LYTGRIDM.CFG", {{250, 999999}, kColour}},
    {"LYTGRIDI.CFG", {{240, 999999 * 24}, kColour}},
    {"BOUNDS.CFG", {{-200000, 200000}, {-200000, 200000}, {-200000, 200000}, {-200000, 200000}}},
    {"SIZE.CFG", {kAny, {0, 1}}},
    {"SCROLL.CFG", {{1, 32}, {1, 32}}},
    {"CLR.CFG", {kColour, kColour, kColour}},
    {"SAVE.CFG", {{1, 2}}},
    {"TEXT.CFG", {{1, 1000}, {0, 1000}}},
    {"PRNTCALM.CFG", {{14000, 16000}}},
    {"PRNTCALI.CFG", {{11520, 17544, 24}}},
    {"WIND.CFG", {kWindowKind, {4, 9000}, {4, 9000}, {1, 1}, {0, 1}, {7, 9, 2}, {0, 1}, k0, k0, k0, k0}},
    {"DOOR.CFG", {kDoorKind, k0, {4, 90000}, {1, 1}, {4, 9000}, {1, 10}, {0, 2}, k0, k0, {0, 2}, k0}},
};
// Files whose lengths a feet-and-inches drawing reads in its own units.
const std::map<std::string, std::vector<Allowed>> kAllowedImperial = {
    {"ARROW.CFG", {{120, 120000, 24}, {1, 4}}},
    {"WIND.CFG",
     {kWindowKind, {96, 216000}, {96, 216000}, {24, 24}, {0, 1}, {7, 9, 2}, {0, 1}, k0, k0, k0, k0}},
    {"DOOR.CFG", {kDoorKind, k0, {96, 2160000}, {24, 24}, {96, 216000}, {1, 10}, {0, 2}, k0, k0, {0, 2}, k0}},
};

// What binds fields of one file together, over its numbers as read.
constexpr double kRadiansPerDegree = 0.017453277777777776;
const std::map<std::string, std::function<bool(const std::vector<double>&)>> kTogether = {
    // The layers make a wall as thick as a custom wall may be.
    {"EXTWALLM.CFG", [](const auto& v) { return v[0] + v[1] + v[2] >= 25 && v[0] + v[1] + v[2] <= 900; }},
    {"EXTWALLI.CFG", [](const auto& v) { return v[0] + v[1] + v[2] >= 24 && v[0] + v[1] + v[2] <= 741; }},
    // A four-line custom wall keeps an inner layer.
    {"CUST.CFG", [](const auto& v) { return v[0] <= 2 || v[2] + v[3] < v[1]; }},
    {"CUSTIMP.CFG", [](const auto& v) { return v[0] <= 2 || v[2] + v[3] < v[1]; }},
    // The sine and cosine are the angle's.
    {"INTERN.CFG",
     [](const auto& v) {
         return std::fabs(v[2] - std::sin(v[0] * kRadiansPerDegree)) <= 1e-6 &&
                std::fabs(v[3] - std::cos(v[0] * kRadiansPerDegree)) <= 1e-6;
     }},
};

void ExpectKeptInRange(SettingsUse& f) {
    const std::string file = f.GetParam().file;
    const std::string text = f.dir.ReadFile("CFG/" + file);
    if (const auto together = kTogether.find(file); together != kTogether.end()) {
        std::istringstream numbers(text);
        std::vector<double> v;
        for (double d = 0; numbers >> d;)
            v.push_back(d);
        ASSERT_GE(v.size(), 4u) << "fields are missing";
        EXPECT_TRUE(together->second(v)) << text;
    }
    // WIND and DOOR keep their lengths in the units their fourth value names.
    std::istringstream values(text);
    int64_t unit = 0;
    for (int i = 0; i < 4; ++i)
        values >> unit;
    const bool imperial = file == "WIND.CFG" || file == "DOOR.CFG" ? unit == 24 : !f.Metric();
    const auto& table = imperial && kAllowedImperial.count(file) > 0 ? kAllowedImperial : kAllowed;
    const auto allowed = table.find(file);
    if (allowed == table.end()) return;
    std::istringstream fields(text);
    for (const Allowed& field : allowed->second) {
        int64_t v = 0;
        ASSERT_TRUE(fields >> v) << "a field is missing";
        EXPECT_TRUE(v >= field.low && v <= field.high && (v - field.low) % field.step == 0)
            << v << " in " << file;
        if (!field.only.empty()) {
            EXPECT_NE(std::find(field.only.begin(), field.only.end(), v), field.only.end())
                << v << " in " << file;
        }
    }
}

void KeyedWalls(SettingsUse& f) {
    f.KeyWalls(kPlanWalling100, kPlanImpWalling144);
}
// The custom dialog takes what it opens with, and the walls are as thick as it showed.
void CustomWalls(SettingsUse& f) {
    const int32_t before = ObjectList.count;
    f.KeyWalls(kPlanCustom, kPlanImpCustom);
    std::istringstream custom(f.dir.ReadFile(f.Metric() ? "CFG/CUST.CFG" : "CFG/CUSTIMP.CFG"));
    int32_t lines = 0, total = 0;
    ASSERT_TRUE(custom >> lines >> total);
    const std::string log = pl::script::LogText();
    const size_t at =
        log.rfind("Dialog " + std::to_string(f.Metric() ? kPlanCustDialogId : kPlanImpCustDialogId));
    ASSERT_NE(at, std::string::npos);
    const std::string run = log.substr(at, log.find('\n', at) - at);
    EXPECT_TRUE(run.ends_with("result=" + std::to_string(IDOK))) << run;
    for (int32_t k = before; k < ObjectList.count; ++k) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(ObjectList[k]);
        if (wall && wall->view == kGroundFloor) {
            EXPECT_EQ(wall->thickness1 + wall->thickness2 + wall->thickness3, total) << "wall " << k;
        }
    }
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

// A new window set up on the sheet (its scroll steps), then a closed outline.
void ReopenedOutline(SettingsUse& f) {
    f.Reopen();
    ClosedOutline(f);
}
// The merge distance asked for and left as it was, then a design room moved.
void MergeThenDesignRoom(SettingsUse& f) {
    pl::script::CancelInput();
    f.client->CmDesignRoomMerge();
    DesignRoom(f);
}
// The default text style loaded as a drawing opens, then an outline with its title.
void TextStyle(SettingsUse& f) {
    LoadTextStyle(*f.client);
    ClosedOutline(f);
}
// The program started again (screen colours, auto save) and a new drawing window on it.
void Restart(SettingsUse& f) {
    TClient starting(f.dir.Path());
    EXPECT_TRUE(SaveState == 0 || SaveState == 2);
    f.Reopen();
    KeyedWalls(f);
}
// The printer calibration dialog opens on the stored length and is confirmed.
void Calibrate(SettingsUse& f) {
    f.Confirm(f.Metric() ? kCalibrateMetricDialogId : kCalibrateImperialDialogId);
    f.client->CmCalibratePrinter();
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
    {"WIND.CFG", 0, false, nullptr, Window},
    {"WIND.CFG", 1, false, "1 864 1032 24 1 9 0 0 0 0 0 0 ", Window},
    {"DOOR.CFG", 0, false, nullptr, Door},
    {"INTERN.CFG", 1, false, "90 1 0 0", Door},
    {"CUST.CFG", 1, false, "4 275 0 0", CustomWalls},
    {"CUSTIMP.CFG", 0, false, "4 264 216 48", CustomWalls},
    {"ARROW.CFG", 1, false, nullptr, Dimension},
    {"ARROW.CFG", 0, false, nullptr, Dimension},
    {"STAIRSM.CFG", 1, false, nullptr, Stairs},
    {"STAIRSI.CFG", 0, false, nullptr, Stairs},
    {"RMPTNM.CFG", 1, true, nullptr, DesignRoom},
    {"RMPTNI.CFG", 0, true, nullptr, DesignRoom},
    {"NEWRM.CFG", 1, true, nullptr, DesignRoom},
    {"MERGEM.CFG", 1, true, nullptr, MergeThenDesignRoom},
    {"MERGEI.CFG", 0, true, nullptr, MergeThenDesignRoom},
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
    {"EXTWALLM.CFG", 1, false, nullptr, ClosedOutline},
    {"EXTWALLM.CFG", 1, false, "110 55 110 25 2550 2147483647 2147483647 2147483647 2147483647 2147483647",
     ClosedOutline},
    {"EXTWALLI.CFG", 0, false, nullptr, ClosedOutline},
    {"SCROLL.CFG", 1, false, nullptr, ReopenedOutline},
    {"TEXT.CFG", 1, false, nullptr, TextStyle},
    {"CLR.CFG", 1, false, nullptr, Restart},
    {"SAVE.CFG", 1, false, nullptr, Restart},
    {"RMCLR.CFG", 1, true, nullptr, DesignRoom},
    {"LYTGRIDM.CFG", 1, true, nullptr, MarkingGrid},
    {"LYTGRIDI.CFG", 0, true, nullptr, MarkingGrid},
    {"PRNTCALM.CFG", 1, false, nullptr, Calibrate},
    {"PRNTCALI.CFG", 0, false, nullptr, Calibrate},
    {"TITLE2D.CFG", 1, false, nullptr, ClosedOutline},
};

// Every number of the text moved by `by`: one past each edge of a range that starts or ends at the
// shipped value.
std::string EveryNumberMoved(const std::string& text, int64_t by) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        size_t end = i;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        if (end == i) {
            out += text[i++];
            continue;
        }
        out += std::to_string(std::stoll(text.substr(i, end - i)) + by);
        i = end;
    }
    return out;
}

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
    if (use.start) damaged.push_back(start);
    for (const char* extreme : {"2147483647", "-2147483648", "0", "-1"})
        damaged.push_back(EveryNumber(start, extreme));
    for (const int64_t by : {-1, 1})
        damaged.push_back(EveryNumberMoved(start, by));
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
        ExpectWallsShow();
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
