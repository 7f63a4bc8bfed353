// The left button's press in the drawing window: the switchboard between the pointer and the current
// tool. From the tool's kind and mode the press calls a tool operation or runs a step of its own
// (setting the DATUM reference, re-creating a tool for what was clicked, asking for a text), and
// afterwards writes the drawing, repaints and guides. Presses that pick an object to edit are in
// shell/child_edit_press.cpp.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/gadgets.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/scroller.h"
#include "rooms/design_room_modes.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/held_start.h"
#include "shell/keyed_start.h"
#include "shell/move_family_steps.h"
#include "tools/cancelled_line.h"
#include "tools/centre_aid_modes.h"
#include "tools/drawing_tool.h"
#include "tools/line_modes.h"
#include "tools/move_tool.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "shell/left_press.h"

namespace shell {

void CursorBackAt(TChild& window, const TPoint& point) {
    TPoint screen = point;
    window.ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
}

} // namespace shell

namespace {

using shell::IsDesignRoomKind;
using shell::Press;

// The pixels round a library symbol within which a click still takes its reference point.
constexpr float kSymbolLeewayPixels = 3.0f;
// The largest-room measurement could not measure: the state says why.
void ReportFailedMeasure(TChild& window, TDrawingtool& tool) {
    if (tool.Mode != roommode::kOutsideWalls && tool.Mode != roommode::kAngledWall) return;
    shell::BoxKeepingCursor(window,
                            tool.Mode == roommode::kOutsideWalls
                                ? "the click was probably outside the external walls"
                                : "one of the measuring walls was angled",
                            "NO SELECTION", MB_OK);
    tool.Mode = roommode::kIdle;
}

void MarkModified() {
    if (SaveState == 0) SaveState = 1;
}

// While the left button is held the window scrolls toward a pointer outside it; every message that
// arrives meanwhile is handled in full by its own handler.
void RunPressLoop(TChild& window) {
    window.SetCapture();
    MSG msg;
    for (;;) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (msg.message == WM_LBUTTONUP) break;
            if (msg.message == WM_MOUSEMOVE && !(msg.wParam & MK_LBUTTON)) break;
        }
        TScroller* scroller = window.Scroller;
        if (!scroller) break;
        scroller->AutoScroll();
        // A range of 0 leaves the bars at 0 rather than dividing by it.
        const int hpos =
            window.HScrollFactor != 0.0f ? static_cast<int>(scroller->XPos / window.HScrollFactor) : 0;
        const int vpos =
            window.VScrollFactor != 0.0f ? static_cast<int>(scroller->YPos / window.VScrollFactor) : 0;
        window.SetScrollPos(SB_HORZ, hpos, true);
        window.SetScrollPos(SB_VERT, vpos, true);
        ScrollOriginX = static_cast<int32_t>(static_cast<float>(scroller->XPos) * PenScaleF *
                                             static_cast<float>(scroller->XUnit));
        ScrollOriginY = static_cast<int32_t>(static_cast<float>(window.ScrollRangeY - scroller->YPos) *
                                             PenScaleF * static_cast<float>(scroller->YUnit));
    }
    window.ReleaseCapture();
    if (TApplication* app = window.GetApplication()) app->ResumeThrow();
}

// The DATUM reference at a clicked point.
void SetDatumAt(TChild& window, const POINT& logical) {
    window.DatumX = logical.x * ZoomDivisor;
    window.DatumY = logical.y * ZoomDivisor;
}

// The steps every left press ends with that got that far.
void ClosingSteps(TChild& window, int32_t entryMode) {
    // A dialog opened by the press has had the button's release: no loop then waits for it, or the
    // next click elsewhere would be taken for this press's end and the view scrolled toward it.
    if (window.Scroller && window.Scroller->IsAutoMode() && LeftButtonHeld()) RunPressLoop(window);
    TClient& client = window.Client();
    if (entryMode == roommode::kMoveByStep || entryMode == roommode::kMoveFine)
        client.Tool->Mode = toolmode::kIdle;
    const bool roomLayout = CurrentView >= kRoomLayout && CurrentView <= kLastLayoutView;
    if (roomLayout && (entryMode == roommode::kRotate || entryMode == roommode::kDelete)) {
        if (tools::Failed(tools::SaveWorkingFile())) return;
        client.Tool->Mode = toolmode::kIdle;
        window.Invalidate(true);
        if (LayoutGridFlag == 1) window.LayoutGridRefresh();
    }
}

// The windows-and-doors tool acts only in the centre-aid modes; the room layout's view 45 ignores
// every press.
bool PressIgnoredByOpeningView(Press& press) {
    return (press.kind == toolkind::kOpening && !aidmode::IsAid(press.mode)) || CurrentView == kWallMarking;
}

bool DesignRoomTakesPress(int32_t mode) {
    return mode < roommode::kDragSnapped || mode == roommode::kEnlarge || mode == roommode::kShrink ||
           mode == roommode::kRotate || mode == roommode::kDelete || mode == roommode::kMove ||
           mode == roommode::kMeasure || mode == roommode::kAlter;
}

// The design-room tool's own press: it picks (or re-opens, or measures) a room, and a rotation or
// deletion is merged at once.
bool PressWithDesignRoomTool(Press& press) {
    if (!IsDesignRoomKind(press.kind)) return false;
    TChild& window = press.window;
    window.SetDatum(datummode::kOff);
    if (press.Tool()->PointPlaced > 0) press.Tool()->PointPlaced = 0;
    if (DesignRoomTakesPress(press.mode)) {
        if (tools::Failed(press.ButtonDown())) return press.Abandon();
        if (press.Tool()->Y1 == kNoObject) {
            shell::BoxKeepingCursor(window, "no room selected", "NO SELECTION", MB_OK);
            press.client.SelectPickTool();
            return press.Abandon();
        }
        if (press.kind == toolkind::kReopenedRoom && press.mode == roommode::kAlter) {
            window.InvalidateArea(invalidatekind::kToolBox);
            window.SetDatum(datummode::kOff);
        }
        ReportFailedMeasure(window, *press.Tool());
    }
    if (press.mode == roommode::kMoveByStep || press.mode == roommode::kMoveFine)
        press.Tool()->Mode = roommode::kIdle;
    if (press.mode == roommode::kRotate || press.mode == roommode::kDelete) {
        if (tools::Failed(tools::SaveWorkingFile())) return press.Abandon();
        press.Tool()->Mode = roommode::kIdle;
        MarkModified();
        window.MergeStep(press.rc);
    }
    return true;
}

// A press on a design room with any other tool takes the room up with the design-room tool.
bool PressOnDesignRoom(Press& press) {
    const int32_t roomKind = ObjectList.RoomKindAt(press.Logical().x, press.Logical().y);
    if (!IsDesignRoomKind(roomKind)) return false;
    press.client.RestoreTool(roomKind);
    press.window.SetDatum(datummode::kOff);
    press.Tool()->Window = &press.window;
    if (tools::Failed(press.ButtonDown())) return true;
    MarkModified();
    return true;
}

bool PressForCentreAid(Press& press) {
    if (press.mode < aidmode::kMidpointFirst || press.mode > aidmode::kLastAidPress) return false;
    // The aid's point is the step's last change: a failed write has been told.
    static_cast<void>(shell::CallTool(press.window, [&](TDC& dc) {
        if (press.mode >= aidmode::kThreePointFirst)
            press.Tool()->ThreePointAid(dc, press.rc, press.point.x, press.point.y);
        else
            press.Tool()->MidpointAid(dc, press.rc, press.point.x, press.point.y);
    }));
    return true;
}

bool PressSetsDatum(Press& press) {
    if (press.window.DatumMode != datummode::kAwaitingClick) return false;
    if (shell::RefusedPastSheet(press.window, press.rc, press.point)) return true;
    SetDatumAt(press.window, press.Logical());
    // The reference the user gives is kept when a step in progress is taken back.
    if (press.window.BeforeStart) press.window.BeforeStart->KeepReference(press.window);
    return true;
}

// While the tool goes on by keys from a point Enter gave, a press (a click, a double click, a drag of
// a few pixels) is nothing: the guide and the DATUM speak of that point, and the next keys draw from
// it as they would with no press. Its release is passed over as well.
bool PressWhileKeysAwaited(Press& press) {
    TDrawingtool& tool = *press.Tool();
    if (tool.KeyedStart == 0) return false;
    if (!shell::WaitsForKeyedStep(tool)) {
        tool.KeyedStart = 0;
        return false;
    }
    press.window.PressPassedOver = true;
    return press.Abandon();
}

// A library symbol's reference point is a click on the symbol; a click elsewhere is nothing, and its
// release with it: the tool still waits for the reference point.
bool PressOffLibrarySymbol(Press& press) {
    const auto* move = dynamic_cast<const TMoveobjtool*>(press.Tool());
    if (!move || press.kind != toolkind::kMove) return false;
    const int32_t z = ZoomDivisor > 0 ? ZoomDivisor : 1;
    const auto leeway = static_cast<int32_t>(PenScaleF * kSymbolLeewayPixels) * z;
    if (!move->ClickOffSymbol(press.Logical().x * z, press.Logical().y * z, leeway)) return false;
    press.window.PressPassedOver = true;
    return press.Abandon();
}

// The base change works by keys alone.
bool PressOnBaseChange(Press& press) {
    return press.kind == toolkind::kBaseChange;
}

// Presses the general path passes over: pick tools and line kinds outside the aids, stairs, the
// keyboard-only modes, the erase tool after its erase and the manual dimension's points.
bool GeneralPathIgnores(int32_t kind, int32_t mode) {
    const bool lineOrPickKind = kind == toolkind::kPickQuiet || kind == toolkind::kPick || kind == 41 ||
                                kind == 60 || kind == 62 || kind == 64;
    return (lineOrPickKind && mode < aidmode::kMidpointFirst) || kind == toolkind::kStairs ||
           linemode::IsKeyboardOnly(mode) || (kind == toolkind::kErase && mode == movestate::kErased) ||
           mode == linemode::kManualFirstPoint || mode == linemode::kManualSecondPoint;
}

// A text tool asks for its text at the press.
void PressPlacesText(Press& press) {
    // Room for 79 characters, the capacity of a text object.
    char text[80] = "text";
    if (tools::Failed(tools::SaveWorkingFile())) return;
    press.client.ShowGuide("GUIDE: maximum of 80 letters/numbers/spaces");
    TInputDialog dialog(nullptr, "Text", "Enter text", text, sizeof text);
    if (dialog.Execute() != IDOK) return;
    if (tools::Failed(shell::CallTool(
            press.window, [&](TDC& dc) { press.Tool()->SetText(dc, press.rc, &press.point, text); })))
        return;
    // The step's last change: a failed write has been told.
    static_cast<void>(tools::SaveWorkingFile());
}

// Every other tool takes the press itself.
void PressWithCurrentTool(Press& press) {
    TChild& window = press.window;
    const int32_t kind = press.kind;
    if (kind == toolkind::kTextAtClick && !window.TextLineEnded && press.Tool()->PointPlaced == 0) {
        DestroyCaret();
        window.SetCursor(nullptr, IDC_IBEAM);
    }
    if (GeneralPathIgnores(kind, press.mode)) return;
    // A drag round objects may start anywhere; every other press gives the tool its point.
    const bool dragsRound = kind == toolkind::kMove || kind == toolkind::kCopy || kind == toolkind::kErase;
    if (!dragsRound && shell::RefusedPastSheet(window, press.rc, press.point)) return;
    if (kind == toolkind::kText) {
        PressPlacesText(press);
    } else if (!(window.TextLineEnded && kind == toolkind::kTextAtClick) && kind != toolkind::kOutline) {
        if (kind == toolkind::kMove || kind == toolkind::kCopy || kind == toolkind::kErase)
            window.SetDatum(datummode::kShownWithBearing);
        if (kind == toolkind::kLine) SetDatumAt(window, press.Logical());
        // The press is the step's last change: a failed write has been told.
        static_cast<void>(press.ButtonDown());
    }
    if (press.mode == toolmode::kPicked) press.client.ShowGuide("GUIDE: Selected");
    // Which tool follows the erase is left open; the pen width has always served as the kind, which
    // with the usual width 1 gives the line tool again.
    if (press.mode == movestate::kErased) press.client.RestoreTool(::PenWidth);
    if (kind == toolkind::kFixedRoom) window.RoomStep();
}

} // namespace

void TChild::EvLButtonDown(uint, const TPoint& point) {
    // The Zoom UP rectangle takes the button; the tool never sees it.
    if (ZoomWait) {
        ZoomWait->Press(*this, point);
        return;
    }
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    Press press(*this, point);
    press.Tool()->Window = this;
    DownScrollX = ScrollOriginX;
    DownScrollY = ScrollOriginY;
    const bool taken = PressIgnoredByOpeningView(press) || PressWithDesignRoomTool(press) ||
                       PressOnDesignRoom(press) || PressForCentreAid(press) || PressSetsDatum(press) ||
                       PressWhileKeysAwaited(press) || PressInWallEdit(press) || PressPicksEndToEdit(press) ||
                       PressOnBaseChange(press) || PressOffLibrarySymbol(press);
    if (!taken) PressWithCurrentTool(press);
    if (press.closing) ClosingSteps(*this, press.mode);
}
