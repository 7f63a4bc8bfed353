// The commands of the Design Rooms menu: the design-room tool in each of its states, finishing the
// design rooms of a floor, re-opening a finished room, marking the external walls on the layout and
// the layout grid.
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "rooms/design_room.h"
#include "rooms/design_room_modes.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/line_tool.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kDesignRoomHelp = 260;
constexpr int32_t kMarkingView = 45;
constexpr int32_t kLastPlanView = 54;
constexpr int32_t kLastLayoutGridView = 48;
constexpr int32_t kExternalWallDialog = 4;
constexpr const char* kPlanViewOnly = "You must be in a PLAN VIEW to use this function";

struct RoomCommand {
    int32_t mode;    // a roommode
    bool kindByView; // 29001 while a re-opened finished room lies on the view
    const char* caption;
    const char* guide;
};

void MarkModified() {
    if (SaveState == 0) SaveState = 1;
}

bool DesignRoomViewAllowed(TClient& client, const char* caption) {
    if (CurrentView == kMarkingView) {
        ::MessageBox(client.GetHandle(), "Not available while marking walls - select VIEW/LAYOUT",
                     "WALL MARKING", MB_OK);
        return false;
    }
    if (CurrentView < kRoomLayout || CurrentView > kLastPlanView) {
        ::MessageBox(client.GetHandle(), kPlanViewOnly, caption, MB_OK);
        return false;
    }
    return true;
}

void InstallDesignRoomTool(TClient& client, int32_t kind, int32_t mode) {
    auto tool = std::make_unique<TDRoomobjtool>();
    tool->Kind = kind;
    tool->Mode = mode;
    tool->Colour = PenColour;
    client.InstallTool(std::move(tool));
}

// Installs the design-room tool in a state; false when the command was refused.
bool RunRoomCommand(TClient& client, const RoomCommand& c) {
    if (DrawingState <= 1) return false;
    HelpContextId = kDesignRoomHelp;
    if (!DesignRoomViewAllowed(client, c.caption)) return false;
    MarkModified();
    const bool reopened = c.kindByView && HasKindOn(ObjectList, kReopenedRoom, CurrentView);
    InstallDesignRoomTool(client, reopened ? kReopenedRoom : kDesignRoom, c.mode);
    if (c.guide) client.ShowGuide(c.guide);
    return true;
}

bool IsKeptByMarking(const TObject* o) {
    return o && (IsFloorRecordKind(o->kind) || (o->kind == kDesignRoom && o->view == kRoomLayout));
}

bool MarkingWouldRemove() {
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (ObjectList[i] && !IsKeptByMarking(ObjectList[i])) return true;
    return false;
}

// Everything but the floor records (whose areas are cleared) and the ground floor's design rooms goes.
void KeepOnlyLayoutRooms() {
    for (int32_t i = ObjectList.count - 1; i >= 0; --i) {
        TObject* o = ObjectList[i];
        if (auto* record = dynamic_cast<TInfoobj*>(o); record && IsFloorRecordKind(o->kind))
            record->value = 0;
        if (!IsKeptByMarking(o)) ObjectList.RemoveAt(i);
    }
}

// The DATUM of the marking: the rooms' top-left corner, from the published bounds when there are two
// rooms or more (only then are they written), else from the one room itself.
void MarkingDatum(TChild& child, int32_t rooms) {
    if (rooms >= 2) {
        const LayoutBounds b = ReadLayoutBounds();
        child.DatumX = b.minX;
        child.DatumY = b.maxY;
    } else {
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* o = ObjectList[i];
            if (IsDesignRoom(o) && o->view == kRoomLayout) {
                child.DatumX = o->x1;
                child.DatumY = o->y1;
            }
        }
    }
    child.DatumMode = datummode::kShownWithBearing;
}

// The cursor on the first corner spot of the MDI client area, with the outline tool's cross-hair.
void ParkForMarking(TClient& client) {
    const int32_t corner = MetricUnits == 1 ? 25 : 24;
    TPoint p(corner, corner);
    client.ClientToScreen(p);
    SetCursorPos(p.x, p.y);
    client.Tool->Dragging = 1;
    client.Tool->CrosshairStyle = 3;
    client.Tool->ChainState = 1;
}

} // namespace

void TClient::CmNewDesignRoom() {
    if (!RunRoomCommand(*this, {roommode::kIdle, false, "NEW ROOM", nullptr})) return;
    if (TChild* child = ActiveDrawingWindow()) child->NewDesignRoom();
}

void TClient::CmMaxRoomSize() {
    RunRoomCommand(*this, {roommode::kMeasure, false, "MAXIMUM AVAILABLE ROOM",
                           "GUIDE: click LEFT BUTTON in the area you want the sizes of"});
}

void TClient::CmDeleteDesignRoom() {
    RunRoomCommand(*this, {roommode::kDelete, true, "DELETE DESIGN ROOM",
                           "GUIDE: select DESIGN Room to DELETE with Left Button"});
}

void TClient::CmExpandRoom() {
    RunRoomCommand(*this,
                   {roommode::kEnlarge, true, "ENLARGE DESIGN ROOM",
                    "select Room with Left Button then press arrow key in direction of wall to change"});
}

void TClient::CmMoveRoom() {
    RunRoomCommand(*this,
                   {roommode::kMove, true, "MOVE DESIGN ROOM",
                    "click on DESIGN Room to move - LB if input, RB if finetune, press arrow key direction "
                    "to move"});
}

void TClient::CmRotateRoom() {
    RunRoomCommand(*this, {roommode::kRotate, true, "ROTATE DESIGN ROOM",
                           "GUIDE: select the DESIGN Room to ROTATE with Left Button"});
}

void TClient::CmShrinkRoom() {
    RunRoomCommand(
        *this, {roommode::kShrink, true, "SHRINK DESIGN ROOM",
                "select DESIGN Room with Left Button then press arrow key in direction of wall to change"});
}

void TClient::CmFinishDesignRooms() {
    if (DrawingState <= 1) return;
    HelpContextId = kDesignRoomHelp;
    if (CurrentView < kGroundFloor || CurrentView > kLastPlanView) {
        ::MessageBox(GetHandle(), kPlanViewOnly, "NEW ROOM", MB_OK);
        return;
    }
    MarkModified();
    if (!HasDesignRoomOn(ObjectList, CurrentView)) {
        ::MessageBox(GetHandle(), "There are no design rooms to lock in and finish drawing",
                     "LOCK DESIGN ROOMS IN", MB_OK);
        return;
    }
    auto tool = std::make_unique<TIntwallobjtool>();
    tool->Mode = intwall::kFinishRooms;
    InstallTool(std::move(tool));
    if (tools::Failed(shell::CallTool(*this, [&] { Tool->Start(0, 0, 1); }))) return;
    if (TChild* child = ActiveDrawingWindow()) {
        child->InvalidateArea(invalidatekind::kToolBox);
        child->SetDatum(datummode::kOff);
    }
}

void TClient::CmAlterRoom() {
    if (DrawingState <= 1) return;
    HelpContextId = kDesignRoomHelp;
    if (CurrentView < kGroundFloor || CurrentView > kLastPlanView) {
        ::MessageBox(GetHandle(), kPlanViewOnly, "NEW ROOM", MB_OK);
        return;
    }
    MarkModified();
    if (HasDesignRoomOn(ObjectList, CurrentView)) {
        ::MessageBox(GetHandle(),
                     "There are already design rooms on this floor - use DesignRooms/FINISH first",
                     "ALTER FIXED ROOMS", MB_OK);
        return;
    }
    if (!HasKindOn(ObjectList, kFinishedRoom, CurrentView)) {
        ::MessageBox(GetHandle(), "There are no fixed rooms", "ALTER FIXED ROOMS", MB_OK);
        return;
    }
    InstallDesignRoomTool(*this, kReopenedRoom, roommode::kAlter);
    ShowGuide("GUIDE: click LB on room to adjust");
}

void TClient::CmMarkExternalWalls() {
    TChild* child = ActiveDrawingWindow();
    if (DrawingState <= 1 || !child) return;
    if (CurrentView != kRoomLayout && CurrentView != kMarkingView) {
        ::MessageBox(GetHandle(),
                     "You must be in a LAYOUT VIEW to use this function, to mark the external wall corners",
                     "EXTERNAL WALLS on LAYOUT", MB_OK);
        return;
    }
    // Marking starts the floors afresh: whatever they hold besides the layout goes, so ask first.
    if (MarkingWouldRemove() &&
        ::MessageBox(
            GetHandle(),
            "Marking the external walls removes everything on the floors and the site plan except the "
            "design rooms of the layout. Continue?",
            "EXTERNAL WALLS on LAYOUT", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    KeepOnlyLayoutRooms();
    // A failed write has been told, and memory holds again what the file still holds.
    if (!WriteWorkingFile(ObjectList)) return;
    ObjectList.Flush();
    // Just written: a read that fails leaves the repaint to report it.
    (void)ObjectList.ReadDrawingFile(filemode::kWorking);
    if (CurrentView == kMarkingView) {
        CurrentView = kRoomLayout;
        child->InvalidateArea(invalidatekind::kWhole);
    }
    HelpContextId = kDesignRoomHelp;
    MarkModified();
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kOutline;
    tool->Colour = PenColour;
    InstallTool(std::move(tool));
    ShowToolName("External Wall");
    const int32_t rooms = ObjectList.ComputeLayoutBounds();
    child->RunPlanDialog(kExternalWallDialog);
    ShowGuide("press Enter on each corner - CLOCKWISE, use ARROW KEYS to finetune position");
    Tool->PointPlaced = 0;
    if (rooms > 0) MarkingDatum(*child, rooms);
    LayoutGridFlag = 0;
    CurrentView += 5;
    child->InvalidateArea(invalidatekind::kWholeNow);
    ParkForMarking(*this);
}

void TClient::CmLayoutGrid() {
    if (DrawingState <= 1) return;
    if (CurrentView < kRoomLayout || CurrentView > kLastLayoutGridView) {
        ::MessageBox(GetHandle(), "You must be in a LAYOUT VIEW to use this function", "LAYOUT GRID", MB_OK);
        return;
    }
    LayoutGridFlag = LayoutGridFlag == 1 ? 0 : 1;
    const bool outline = Tool->Kind == toolkind::kOutline;
    if (outline) Tool->Dragging = 0;
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    child->InvalidateArea(invalidatekind::kWholeNow);
    if (outline) ParkForMarking(*this);
}
