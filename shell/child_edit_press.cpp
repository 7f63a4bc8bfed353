// The presses that pick an object for an edit: the external-wall edit's wall (lengthened, shortened,
// deleted, split or given a new construction) and the square line or partition whose end the arrow
// keys then move, with the blanking of what was picked and the repaint of an edited wall.
#include <algorithm>
#include <optional>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/message_box.h"
#include "shell/left_press.h"
#include "shell/length_prompt.h"
#include "shell/wall_edit_steps.h"
#include "tools/extwall_edit_modes.h"
#include "tools/wall_tools.h"

namespace {

using shell::CursorBackAt;
using shell::Press;

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

} // namespace

namespace shell {

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

// A partition is handed to a tool of its kind, a line stays with the line tool. A click
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

} // namespace shell

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
