// The mouse buttons of the drawing window: the switchboard between the pointer and the current tool.
// From the tool's kind and mode each handler decides which tool operation to call, or which step of
// its own to run (picking an object to edit, asking for an amount, setting the DATUM reference,
// re-creating a tool for what was clicked), and afterwards writes the drawing, repaints and guides.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "dialogs/atolib_dialog.h"
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/selection_list.h"
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
#include "shell/length_prompt.h"
#include "shell/move_family_steps.h"
#include "shell/wall_edit_steps.h"
#include "tools/cancelled_line.h"
#include "tools/centre_aid_modes.h"
#include "tools/drawing_tool.h"
#include "tools/extwall_edit_modes.h"
#include "tools/line_modes.h"
#include "tools/move_tool.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

// The pixels round a library symbol within which a click still takes its reference point.
constexpr float kSymbolLeewayPixels = 3.0f;

bool IsDesignRoomKind(int32_t kind) {
    return kind == toolkind::kDesignRoom || kind == toolkind::kReopenedRoom;
}

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

// A right press turns the selection list, whichever operation left it (a copy, an earlier move):
// only where none left one, or the last selection held nothing, is there nothing to turn.
bool NothingSelected() {
    const auto listed = ReadSelectionList(ObjectList);
    return !listed || listed->empty();
}

void MarkModified() {
    if (SaveState == 0) SaveState = 1;
}

// Puts the mouse cursor back on a client point of the window.
void CursorBackAt(TChild& window, const TPoint& point) {
    TPoint screen = point;
    window.ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
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

// One left press as its handlers see it. The tool is fetched afresh each time, since a handler may
// re-create it; the logical point is converted once, on first use.
struct Press {
    TChild& window;
    TClient& client;
    TPoint point;
    TRect rc;
    int32_t kind;
    int32_t mode;
    bool closing = true; // false: the press ends without the closing steps
    std::optional<POINT> logical;

    Press(TChild& w, const TPoint& p)
        : window(w), client(w.Client()), point(p), rc(w.GetClientRect()), kind(client.Tool->Kind),
          mode(client.Tool->Mode) {}

    TDrawingtool* Tool() const { return client.Tool.get(); }
    [[nodiscard]] tools::WriteResult ButtonDown() {
        return shell::CallTool(window, [&](TDC& dc) { Tool()->ButtonDown(dc, rc, &point); });
    }
    const POINT& Logical() {
        if (!logical) logical = shell::PixelToLogical(window, rc, point);
        return *logical;
    }
    // The press is over and the closing steps are skipped.
    bool Abandon() {
        closing = false;
        return true;
    }
};

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

// Asks how far to lengthen or shorten the wall; nothing when the user cancels or the amount is out
// of range (a cancel also gives the pick tool back).
std::optional<int32_t> AskWallEditAmount(Press& press) {
    const bool lengthen = press.mode == extwallmode::kLengthen;
    press.client.ShowGuide(lengthen ? "GUIDE: input amount to lengthen" : "GUIDE: input amount to shorten");
    if (MetricUnits == 0) {
        const auto typed = shell::AskFeetInches(press.window, 0);
        if (!typed || *typed < 1 || *typed >= 300000) {
            press.window.Invalidate(true);
            press.client.SelectPickTool();
            return std::nullopt;
        }
        return typed;
    }
    const auto typed = shell::AskNumber("", "", lengthen ? "lengthen" : "shorten", 10);
    if (!typed) {
        press.window.Invalidate(true);
        press.client.SelectPickTool();
        return std::nullopt;
    }
    if (*typed > 300000) return std::nullopt;
    return typed;
}

// Lengthen or shorten the picked external wall; false when the edit ended early.
bool LengthenOrShortenWall(Press& press, int32_t xd, int32_t yd) {
    const auto amount = AskWallEditAmount(press);
    if (!amount) return false;
    if (tools::Failed(shell::CallTool(press.client, [&] { press.Tool()->Start(*amount, xd, yd); })))
        return false;
    if (shell::WallEditRefused(press.window, press.Tool()->Dragging)) return false;
    press.window.InvalidateWallEdit(press.rc, 1);
    return true;
}

// Runs the external-wall edit of the mode on the picked wall; false when it ended early.
bool RunWallEdit(Press& press, int32_t xd, int32_t yd) {
    TChild& window = press.window;
    TClient& client = press.client;
    switch (press.mode) {
    case extwallmode::kLengthen:
    case extwallmode::kShorten:
        return LengthenOrShortenWall(press, xd, yd);
    case extwallmode::kDelete:
        if (tools::Failed(shell::CallTool(client, [&] { press.Tool()->Start(0, 0, 0); }))) return false;
        window.InvalidateWallEdit(press.rc, 2);
        client.SelectPickTool();
        client.ShowGuide("GUIDE: Pick Tool");
        CursorBackAt(window, press.point);
        return true;
    case extwallmode::kSplit:
        if (!shell::SplitPickedWall(window, press.rc, xd, yd)) return false;
        window.Invalidate(true);
        return true;
    case extwallmode::kChangeType:
        client.ShowGuide("GUIDE: select new wall type");
        window.ExtWallStep();
        window.InvalidateWallEdit(press.rc, 1);
        client.SelectPickTool();
        client.ShowGuide("GUIDE: Pick Tool");
        return true;
    default:
        return true;
    }
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

// The external-wall edit picks the wall under the press and hands it to a tool of its kind.
bool PressInWallEdit(Press& press) {
    if (press.kind != toolkind::kExtWallEdit) return false;
    const POINT logical = press.Logical();
    const int32_t index = ObjectList.FindObject(pickmode::kWall, logical.x, logical.y);
    const TObject* picked = ObjectList[index];
    if (index == kNoObject || !picked) {
        press.window.MessageBox("No valid object selected - please restart", "NO SELECTION", MB_OK);
        CursorBackAt(press.window, press.point);
        return press.Abandon();
    }
    press.client.RestoreTool(picked->kind);
    press.Tool()->Window = &press.window;
    press.Tool()->PickKind = index;
    press.Tool()->Mode = press.mode;
    if (picked->kind != kExtWall) {
        press.client.SelectPickTool();
        return press.Abandon();
    }
    if (!RunWallEdit(press, logical.x * ZoomDivisor, logical.y * ZoomDivisor)) return press.Abandon();
    return true;
}

// The line tool's move, extend and shorten pick a square line or wall whose end the arrow keys
// then move: a partition is handed to a tool of its kind, a line stays with the line tool. A click
// while a pick waits picks again; one that finds nothing leaves the pick held as it was.
bool PressPicksEndToEdit(Press& press) {
    const int32_t mode = press.mode;
    if (!(press.kind == toolkind::kLine || press.kind == toolkind::kIntWall) ||
        !(mode == intwall::kMoveEnd || mode == intwall::kExtendEnd || mode == intwall::kShortenEnd))
        return false;
    const auto held = press.Tool()->Clone();
    // The line or wall picked before is drawn whole again, whatever this click finds.
    if (press.Tool()->EndingNeedsRepaint()) press.window.Invalidate(true);
    if (tools::Failed(press.ButtonDown())) return true;
    if (press.Tool()->Mode == kNoObject) {
        // The copy is of this very tool, so it is always taken back.
        static_cast<void>(press.Tool()->TakeState(*held));
        press.window.MessageBox("No valid horizontal or vertical line or wall object selected ",
                                "NO SELECTION", MB_OK);
        CursorBackAt(press.window, press.point);
        if (held->PointPlaced == 1) {
            press.window.UpdateWindow();
            press.window.LeftButtonStep(press.rc, held->CursorX);
        }
        return press.Abandon();
    }
    const int32_t pickedKind = press.Tool()->PickKind;
    const int32_t pickedIndex = press.Tool()->CursorX;
    if (pickedKind != press.Tool()->Kind) {
        // The picked object's own tool takes the edit over; the status bar and the help still speak
        // of the command that picks.
        press.client.RestoreTool(pickedKind == toolkind::kLine ? toolkind::kLineQuiet : pickedKind);
        press.Tool()->Window = &press.window;
        press.Tool()->Mode = mode;
        press.Tool()->CursorX = pickedIndex;
    }
    press.Tool()->PointPlaced = 1;
    // A repaint still to come would draw the picked object whole over its blanking.
    press.window.UpdateWindow();
    press.window.LeftButtonStep(press.rc, pickedIndex);
    press.client.ShowGuide(mode == intwall::kMoveEnd     ? "select ARROw key direction to MOVE wall / line"
                           : mode == intwall::kExtendEnd ? "select ARROw key direction of end to EXTEND"
                                                         : "select ARROw key direction of end to SHORTEN");
    return true;
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

// One left release as its handlers see it.
struct Release {
    TChild& window;
    TClient& client;
    TPoint point;
    TRect rc;
    int32_t kind;
    int32_t mode;

    Release(TChild& w, const TPoint& p)
        : window(w), client(w.Client()), point(p), rc(w.GetClientRect()), kind(client.Tool->Kind),
          mode(client.Tool->Mode) {}

    TDrawingtool* Tool() const { return client.Tool.get(); }
    // The tool's release, on a freshly read client rectangle.
    [[nodiscard]] tools::WriteResult ButtonUp() {
        rc = window.GetClientRect();
        return shell::CallTool(window, [&](TDC& dc) { Tool()->ButtonUp(dc, rc, &point); });
    }
};

// A view that scrolled while the button was held is repainted before anything else.
void RepaintAfterPressScroll(Release& release) {
    TChild& window = release.window;
    if (CurrentView >= kLastLayoutView ||
        (ScrollOriginX == window.DownScrollX && ScrollOriginY == window.DownScrollY))
        return;
    window.Invalidate(true);
    window.UpdateWindow();
    release.Tool()->Scrolled = 1;
}

// A dragged design room is dropped and merged; a measurement click gives the largest free room.
bool ReleaseWithDesignRoomTool(Release& release) {
    if (!IsDesignRoomKind(release.kind)) return false;
    const int32_t mode = release.mode;
    if (mode == roommode::kDragSnapped || mode == roommode::kDragFree) {
        if (tools::Failed(release.ButtonUp())) return true;
        // A drop that cannot be written leaves the room where the file holds it, and the tool
        // waits for the next press as it did before this one.
        if (tools::Failed(tools::SaveWorkingFile())) {
            release.Tool()->Mode = roommode::kIdle;
            return true;
        }
        release.window.MergeStep(release.rc);
        release.Tool()->Mode = roommode::kIdle;
        if (CurrentView < kGroundFloor) release.window.ExternalRectangleSize(0);
    } else if (mode == roommode::kMeasure) {
        release.window.MaxDesignRoom();
        release.Tool()->Mode = roommode::kIdle;
    } else if (release.kind == toolkind::kReopenedRoom && mode == roommode::kAlter) {
        release.Tool()->Mode = roommode::kIdle;
    }
    return true;
}

// Kinds above the change-text tool, and outline marking on view 45, do nothing on a release.
bool ReleaseIgnoredByKind(Release& release) {
    return release.kind > toolkind::kChangeText ||
           (release.kind == toolkind::kOutline && CurrentView == kWallMarking);
}

// The change-text tool edits the text under the release.
bool ReleaseChangesText(Release& release) {
    if (release.kind != toolkind::kChangeText) return false;
    TChild& window = release.window;
    const TRect& rc = release.rc;
    const POINT logical = shell::PixelToLogical(window, rc, release.point);
    const int32_t index = ObjectList.FindObject(pickmode::kText, logical.x, logical.y);
    auto* text = dynamic_cast<TTextobj*>(ObjectList[index]);
    if (index >= 30000 || !text) return true;
    release.client.ShowGuide("GUIDE: maximum of 24 letters/numbers/spaces");
    // The whole text can be edited: the field holds 79 characters.
    char buffer[80] = {};
    std::snprintf(buffer, sizeof buffer, "%s", text->text);
    TInputDialog dialog(window.GetHandle(), "", "", buffer, sizeof buffer);
    if (dialog.Execute() == IDOK && buffer[0] != '\0') text->SetText(buffer);
    if (tools::Failed(tools::SaveWorkingFile()) || ZoomDivisor == 0) return true;
    const POINT anchor = shell::LogicalToPixel(window, rc, text->x1 / ZoomDivisor, text->y1 / ZoomDivisor);
    const TRect square(anchor.x - 100, anchor.y - 100, anchor.x + 100, anchor.y + 100);
    if (square.left > rc.left && square.top > rc.top && square.right < rc.right && square.bottom < rc.bottom)
        window.InvalidateRect(square, true);
    return true;
}

// The keyboard-only modes and the text tools have nothing to do on a release.
bool ReleaseIgnoredByMode(Release& release) {
    return linemode::IsKeyboardOnly(release.mode) || release.kind == toolkind::kText ||
           release.kind == toolkind::kTextAtClick;
}

bool ReleaseWithPickTool(Release& release) {
    if (release.kind != toolkind::kPickQuiet && release.kind != toolkind::kPick) return false;
    if (release.mode == toolmode::kIdle) release.client.ShowToolName("Pick Tool");
    return true;
}

// An idle tool ends its drag; the line tool's end also sets the DATUM reference.
bool ReleaseInIdleMode(Release& release) {
    if (release.mode > toolmode::kIdle) return false;
    if (release.kind == toolkind::kLine) release.window.SetDatum(datummode::kShownWithBearing);
    // The release is the step's last change: a failed write has been told.
    static_cast<void>(release.ButtonUp());
    // A click of the line tool drew nothing and ended any chain of keyed lines: a start is asked for.
    if (release.kind == toolkind::kLine && release.Tool()->PointPlaced == 0)
        release.client.ShowLineStartGuide();
    return true;
}

// The move tool moves its selection on every release once the anchor is set.
bool ReleaseWithMoveTool(Release& release) {
    if (release.kind != toolkind::kMove ||
        !(release.mode == movestate::kSelected || release.mode == movestate::kMoving))
        return false;
    if (release.mode == movestate::kMoving) {
        static_cast<void>(release.ButtonUp()); // the step's last change: a failed write has been told
        shell::TellIfLeftSheet(release.window);
    } else
        release.Tool()->Mode = movestate::kMoving;
    return true;
}

// The end of a selection rectangle: what follows depends on the tool.
bool ReleaseEndsRectangle(Release& release) {
    if (release.mode != movestate::kSelecting) return false;
    TChild& window = release.window;
    TClient& client = release.client;
    if (tools::Failed(release.ButtonUp())) return true;
    if (release.Tool()->Mode == movestate::kIdle) {
        shell::BoxKeepingCursor(window, "Nothing selected - drag a rectangle round the objects",
                                "NO SELECTION", MB_OK);
        client.ShowGuide("GUIDE: drag a rectangle round the objects");
        return true;
    }
    if (release.kind == toolkind::kCopy && release.Tool()->Count == 1) {
        TAtolibdlg(&window, 16000).Execute();
        client.SelectPickTool();
        window.Invalidate(true);
    } else if (release.Tool()->Kind == toolkind::kCopy) {
        client.ShowGuide("GUIDE: press F1 key for help");
        client.ShowToolName("Pick Tool");
    } else if (release.Tool()->Kind == toolkind::kErase) {
        shell::RepaintAfterErase(window);
    }
    return true;
}

// The manual dimension's points and the centre aids are given by presses alone.
bool ReleaseIgnoredByStep(Release& release) {
    return release.mode == linemode::kManualFirstPoint || release.mode == linemode::kManualSecondPoint;
}

bool ReleaseRenewsTool(Release& release) {
    if (release.mode != toolmode::kRenewOnRelease) return false;
    release.window.Invalidate(true);
    release.client.RestoreTool(release.Tool()->Kind);
    return true;
}

bool ReleaseInCentreAid(Release& release) {
    return aidmode::IsAid(release.mode);
}

// A line drawn with Line + Text asks for its label; a cancelled dialog gives the pick tool back.
bool ReleaseEndsLineText(Release& release) {
    if (!linemode::IsLineText(release.mode)) return false;
    TClient& client = release.client;
    if (tools::Failed(release.ButtonUp())) return true;
    if (release.Tool()->Y0 >= kCancelledLineMark) return true;
    // A click after Enter is a new start for the keys: there is no line to label yet.
    if (const auto* line = dynamic_cast<const TLinetool*>(release.Tool()); line && line->ClickGaveNewStart())
        return true;
    release.window.RunToolDialog(8);
    if (IsLineCancelled(*release.Tool())) {
        client.SelectPickTool();
        return true;
    }
    if (tools::Failed(shell::CallTool(
            release.window, [&](TDC& dc) { release.Tool()->ShowLengthLabel(dc, release.rc, 0, 0); })))
        return true;
    client.SelectPickTool();
    // The step's last change: a failed write has been told.
    static_cast<void>(tools::SaveWorkingFile());
    return true;
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

void TChild::EvLButtonUp(uint, const TPoint& point) {
    if (ZoomWait) {
        ReleaseZoomDrag(point);
        return;
    }
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    Release release(*this, point);
    release.Tool()->Window = this;
    if (std::exchange(PressPassedOver, false)) return;
    RepaintAfterPressScroll(release);
    // The first handler that takes the release ends it; one none takes does nothing.
    static_cast<void>(
        ReleaseWithDesignRoomTool(release) || ReleaseIgnoredByKind(release) || ReleaseChangesText(release) ||
        ReleaseIgnoredByMode(release) || ReleaseWithPickTool(release) || ReleaseInIdleMode(release) ||
        ReleaseWithMoveTool(release) || ReleaseEndsRectangle(release) || ReleaseIgnoredByStep(release) ||
        ReleaseRenewsTool(release) || ReleaseInCentreAid(release) || ReleaseEndsLineText(release));
}

void TChild::EvRButtonDown(uint, const TPoint& pointIn) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    auto tool = [&client]() { return client.Tool.get(); };
    // The right press is the step's last change: a failed write has been told.
    auto button2Down = [&] {
        static_cast<void>(shell::CallTool(*this, [&](TDC& dc) { tool()->Button2Down(dc, rc, &point); }));
        shell::TellIfLeftSheet(*this);
    };
    if (ZoomWait || shell::RightPressDuringDrag(tool())) return;

    const POINT logical = shell::PixelToLogical(*this, rc, point);
    const int32_t roomKind = ObjectList.RoomKindAt(logical.x, logical.y);
    if (IsDesignRoomKind(roomKind)) {
        // Move Room waits for the right press that starts the fine move on the room: a fresh tool
        // would only drag it.
        if (tool()->Kind != roomKind || tool()->Mode != roommode::kMove) client.RestoreTool(roomKind);
        tool()->Window = this;
        SetDatum(datummode::kOff);
    }
    if (IsDesignRoomKind(tool()->Kind)) {
        TDrawingtool& room = *tool();
        if (room.Mode == roommode::kMoveByStep || room.Mode == roommode::kMoveFine)
            room.Mode = roommode::kIdle;
        if (room.Mode == roommode::kIdle || room.Mode == roommode::kMove) {
            button2Down();
            if (tool()->Mode == roommode::kOutsideWalls) tool()->Mode = roommode::kIdle;
        }
        return;
    }
    auto* move = dynamic_cast<TMoveobjtool*>(tool());
    if (tool()->Kind != toolkind::kMove || !move) return;
    // A turn refused at the sheet's edge leaves the tool as it stood before the right press: the
    // reference point, the step and the stage the next click goes on from.
    const auto held = move->Clone();
    auto turned = [&] {
        static_cast<void>(shell::CallTool(*this, [&](TDC& dc) { move->Button2Down(dc, rc, &point); }));
        const bool refused = move->LeftSheet;
        if (refused) static_cast<void>(move->TakeState(*held)); // a copy of this very tool
        move->LeftSheet = refused;
        shell::TellIfLeftSheet(*this);
        return !refused;
    };
    const TObject* last = ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr;
    if (last && last->kind == kMarkerLineFirst) {
        move->RotationStep = 90;
        turned();
        return;
    }
    if (NothingSelected()) {
        shell::BoxKeepingCursor(*this, "Nothing selected - drag a rectangle round the objects",
                                "NO SELECTION", MB_OK);
        client.ShowGuide("GUIDE: drag a rectangle round the objects");
        return;
    }
    client.ShowGuide("input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");
    int32_t angle = 0;
    if (const auto typed = shell::AskNumber("ROTATE", "clockwise", "90", 9)) {
        angle = *typed;
        if (angle < 0 || angle > 360) return;
        if (angle != 90 && angle != 180 && angle != 270 && CheckRotateSelection() == 1) return;
    }
    move->RotationStep = angle;
    move->Mode = movestate::kMoving;
    if (turned()) SetDatum(datummode::kShownWithBearing);
}

void TChild::EvRButtonUp(uint, const TPoint& pointIn) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    if (client.Tool->Mode != roommode::kDragSnapped && client.Tool->Mode != roommode::kDragFree) return;
    if (tools::Failed(shell::CallTool(*this, [&](TDC& dc) { client.Tool->Button2Up(dc, rc, &point); })))
        return;
    if (tools::Failed(tools::SaveWorkingFile())) return;
    MergeStep(rc);
    client.Tool->Mode = roommode::kIdle;
    ExternalRectangleSize(0);
}

void TChild::LeftButtonStep(TRect& client, int32_t index) {
    const TObject* object = ObjectList[index];
    if (!object || ZoomDivisor == 0) return;
    TClientDC dc(this);
    SetDrawingMapping(nullptr, dc, client);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(BackgroundColour);
    dc.SetROP2(R2_COPYPEN);
    dc.SelectObject(TPen(BackgroundColour, 2, PS_DOT));
    dc.MoveTo(object->x1 / ZoomDivisor, object->y1 / ZoomDivisor);
    dc.LineTo(object->x2 / ZoomDivisor, object->y2 / ZoomDivisor);
    if (const auto* wall = dynamic_cast<const TIntwallobj*>(object); wall && object->kind == kIntWall) {
        dc.MoveTo(wall->q1x / ZoomDivisor, wall->q1y / ZoomDivisor);
        dc.LineTo(wall->q2x / ZoomDivisor, wall->q2y / ZoomDivisor);
    }
    dc.RestorePen();
}

void TChild::InvalidateWallEdit(TRect& client, int32_t how) {
    if (ZoomDivisor == 0) return;
    const TDrawingtool& tool = *Client().Tool;
    const int32_t m = 10 * ZoomDivisor;
    int32_t left = tool.BoxLeft / ZoomDivisor;
    int32_t right = tool.BoxRight / ZoomDivisor;
    int32_t top = tool.BoxTop / ZoomDivisor;
    int32_t bottom = tool.BoxBottom / ZoomDivisor;
    if (how == 1) {
        left = std::min({left, tool.X0 / ZoomDivisor, tool.X1 / ZoomDivisor});
        right = std::max({right, tool.X0 / ZoomDivisor, tool.X1 / ZoomDivisor});
        top = std::max({top, tool.Y0 / ZoomDivisor, tool.Y1 / ZoomDivisor});
        bottom = std::min({bottom, tool.Y0 / ZoomDivisor, tool.Y1 / ZoomDivisor});
    }
    const POINT a = shell::LogicalToPixel(*this, client, left - m, top + m);
    const POINT b = shell::LogicalToPixel(*this, client, right + m, bottom - m);
    const TRect area(std::max(a.x, int32_t{0}), std::max(a.y, int32_t{0}), std::min(b.x, client.right),
                     std::min(b.y, client.bottom));
    InvalidateRect(area, true);
}
