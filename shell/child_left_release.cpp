// The left button's release in the drawing window: the end of a drag (a line, a move, a selection
// rectangle, a design room dropped), the change-text pick and the label of a line with text.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include "dialogs/atolib_dialog.h"
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/gadgets.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "rooms/design_room_modes.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/held_start.h"
#include "shell/move_family_steps.h"
#include "tools/cancelled_line.h"
#include "tools/centre_aid_modes.h"
#include "tools/drawing_tool.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/move_tool.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "shell/left_press.h"

namespace {

using shell::IsDesignRoomKind;

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
    // A click that gave the line a new start on the sheet's left or bottom edge is refused as Enter
    // there is: the tool lets go of it before any length is asked.
    if (const auto* line = dynamic_cast<const TLinetool*>(release.Tool());
        line && line->ClickGaveNewStart() && StartsOnAnAxis(line->X0, line->Y0)) {
        shell::BoxKeepingCursor(*this, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
        shell::PutBackStart(*this);
    }
}
