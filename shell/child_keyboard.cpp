// The key-down handler of the drawing window: the keys that act whatever tool is current (F1 help,
// Insert layout grid, Tab DATUM), and the keys of a tool that is still idle, for which Enter places
// the start point at the mouse cursor after any prompt the tool needs first. The keys of an engaged
// tool are in shell/child_length_entry.cpp.
#include <cstdlib>

#include "dialogs/help_commands.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "platform/virtual_keys.h"
#include "shell/child.h"
#include "shell/child_escape.h"
#include "shell/child_length_entry.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/keyed_start.h"
#include "shell/length_prompt.h"
#include "shell/move_family_steps.h"
#include "shell/wall_edit_steps.h"
#include "tools/drawing_tool.h"
#include "tools/extwall_edit_modes.h"
#include "tools/line_modes.h"
#include "tools/move_tool.h"
#include "tools/shape_tools.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

bool IsArrow(uint key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

tools::WriteResult KeyDownOnTool(TChild& window, TRect& rc, uint key, TPoint& cursor, int32_t step) {
    return shell::CallTool(window,
                           [&](TDC& dc) { window.Client().Tool->KeyDown(dc, rc, key, &cursor, step); });
}

bool HasObjectOfKindOnView(int32_t kind) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->kind == kind && o->view == CurrentView) return true;
    }
    return false;
}

// A radius prompt: OK with a value from 1 to the limit gives it, anything else nothing.
std::optional<int32_t> AskRadius(const char* prompt, const char* preset, int32_t limit) {
    const auto value = shell::AskNumber("RADIUS", prompt, preset, 9);
    // A radius of 0 or below draws nothing sensible, so it is refused like one over the limit.
    if (!value || *value < 1 || *value > limit) return std::nullopt;
    return value;
}

// Whether the arc tool holds its first keyed point. The tool's own phase tells, not the point's
// coordinates: drawing coordinates left of or below the sheet's centre are negative.
bool HasArcStart(const TDrawingtool& tool) {
    const auto* arc = dynamic_cast<const TArctool*>(&tool);
    return arc && arc->ArcPhase == 1;
}

// The arc's height, after the end point was found level or plumb with the first point.
// The cursor point is moved onto the first point's level or plumb line, so that the arc tool, which
// reads the point again with its own narrower tolerance, finds the chord the user was told it has.
std::optional<int32_t> AskArcHeight(TChild& window, TRect& rc, TPoint& cursor) {
    TDrawingtool& tool = *window.Client().Tool;
    const POINT logical = shell::PixelToLogical(window, rc, cursor);
    int32_t x = logical.x * ZoomDivisor;
    int32_t y = logical.y * ZoomDivisor;
    if (std::abs(x - tool.X0) < 75) x = tool.X0;
    if (std::abs(y - tool.Y0) < 75) y = tool.Y0;
    if (x != tool.X0 && y != tool.Y0) {
        shell::BoxKeepingCursor(window, "Endpoint not horizontal or vertical", "NO ARC DRAWN",
                                MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    if (ZoomDivisor != 0) {
        const POINT snapped = shell::LogicalToPixel(window, rc, x / ZoomDivisor, y / ZoomDivisor);
        cursor = TPoint(snapped.x, snapped.y);
    }
    const char* text = "Use minus number for Arcs Below or Right of Endpts.";
    if (MetricUnits == 0) {
        const auto value = shell::AskNumber("ARC HEIGHT, INCHES", text, "24", 7);
        if (!value || *value > 1400) return std::nullopt;
        return *value * 24;
    }
    const auto value = shell::AskNumber("ARC HEIGHT", text, "600", 7);
    if (!value || *value > 32000) return std::nullopt;
    return value;
}

// Split an external wall at the point under the cursor.
void SplitWallAtCursor(TChild& window, TRect& rc, const TPoint& cursor) {
    TClient& client = window.Client();
    const POINT logical = shell::PixelToLogical(window, rc, cursor);
    const int32_t index = ObjectList.FindObject(pickmode::kWall, logical.x, logical.y);
    const TObject* picked = ObjectList[index];
    if (index == kNoObject || !picked) {
        shell::BoxKeepingCursor(window, "No valid object selected - please restart", "NO SELECTION", MB_OK);
        return;
    }
    const int32_t kind = picked->kind;
    client.RestoreTool(kind);
    client.Tool->Window = &window;
    client.Tool->PickKind = index;
    client.Tool->Mode = extwallmode::kSplit;
    if (kind != kOutlineLine && kind != kExtWall) {
        client.SelectPickTool();
        return;
    }
    if (!shell::SplitPickedWall(window, rc, logical.x * ZoomDivisor, logical.y * ZoomDivisor)) return;
    window.Invalidate(true);
    client.SelectPickTool();
    client.ShowGuide("GUIDE: Pick Tool");
}

// Enter with the internal-wall delete tool: the partition under the cursor goes with its group.
void DeletePartitionAtCursor(TChild& window, TRect& rc, TPoint& cursor) {
    KeyDownOnTool(window, rc, VK_RETURN, cursor, intwall::kDeletePickStep);
    if (window.Client().Tool->Y0 == intwall::kRefused) {
        shell::BoxKeepingCursor(window,
                                "No internal wall selected - press ENTER on a line of an internal wall",
                                "NO SELECTION", MB_OK);
        return;
    }
    window.Invalidate(true);
}

// What a shape tool asks before an Enter places its point: the arc's height (the step of the key),
// the radius of a circle or rounded rectangle (kept in the tool). Nothing when the user cancelled.
std::optional<int32_t> AskShapeStep(TChild& window, TRect& rc, TPoint& cursor) {
    TClient& client = window.Client();
    TDrawingtool& tool = *client.Tool;
    const int32_t kind = tool.Kind;
    if (kind == toolkind::kArc && HasArcStart(tool)) return AskArcHeight(window, rc, cursor);
    if (kind == toolkind::kCircle) {
        const auto radius =
            MetricUnits == 0 ? AskRadius("in inches", "4", 1400) : AskRadius("in millimetres", "100", 32000);
        if (!radius) return std::nullopt;
        tool.Count = MetricUnits == 0 ? *radius * 24 : *radius;
    } else if (kind == toolkind::kRectangle) {
        client.ShowGuide("GUIDE: Now use arrow direction keys for horizontal & vertical inputs");
    } else if (kind == toolkind::kRoundRect) {
        const auto radius = MetricUnits == 0 ? AskRadius("in inches", "2", 1400) : AskRadius("", "50", 32000);
        if (!radius) return std::nullopt;
        tool.Count = MetricUnits == 0 ? *radius * 24 : *radius;
        client.ShowGuide("GUIDE: Now use arrow direction keys for input");
    }
    return 0;
}

// One Enter of an idle drawing window as its handlers see it.
struct IdleEnterKey {
    TChild& window;
    TRect& rc;
    TPoint& cursor;
    int32_t kind;
    int32_t mode;
    int32_t step;

    TClient& Client() const { return window.Client(); }
    TDrawingtool* Tool() const { return window.Client().Tool.get(); }
    tools::WriteResult ToTool(int32_t keyStep) {
        return KeyDownOnTool(window, rc, VK_RETURN, cursor, keyStep);
    }
};

bool EnterPlacesOpening(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kOpening) return false;
    if (tools::Failed(enter.ToTool(enter.step))) return true;
    if (enter.Tool()->Y0 != 1 &&
        tools::Failed(shell::CallTool(enter.Client(), [&] { enter.Tool()->Command(100); })))
        return true;
    enter.Client().SelectPickTool();
    // The preview was drawn by exclusive-or; a repaint under it (a scroll) leaves the tool's own
    // erase drawing it back. Placed or refused, only a repaint is sure to take it off.
    enter.window.Invalidate(true);
    return true;
}

// The manual dimension's two points, each followed by its measurement. Only the line tool has these
// modes: another tool's mode of the same number (a design room being shrunk) makes no dimension.
bool EnterGivesDimensionPoint(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kLine ||
        !(enter.mode == linemode::kManualFirstPoint || enter.mode == linemode::kManualSecondPoint))
        return false;
    enter.Tool()->PointPlaced = 0;
    enter.window.MeasurementInput(enter.cursor);
    enter.Tool()->Mode += 1;
    return true;
}

bool EnterDrawsMultilineCopies(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kLine || enter.mode != linemode::kMultilineCopies) return false;
    // Copies that cannot be written leave the tool waiting for the same Enter again.
    if (tools::Failed(enter.ToTool(enter.step))) return true;
    enter.Client().SelectPickTool();
    return true;
}

bool EnterPlacesMovedSelection(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kMove) return false;
    // The Pick tool that follows brings its own topic: F1 then opens the contents, on the site plan as
    // on the upper floors.
    enter.ToTool(0);
    // The move is written before the tool ends: a move tool ending without its edits written drops them.
    if (tools::Failed(tools::SaveWorkingFile())) return true;
    // Each step of the move wiped the selection with whatever lay under it, and openings move
    // unpainted: the placed selection is shown by a full repaint.
    enter.window.Invalidate(true);
    enter.Client().SelectPickTool();
    enter.window.SetDatum(datummode::kShownWithBearing);
    return true;
}

bool EnterDeletesPartition(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kIntWallDelete) return false;
    DeletePartitionAtCursor(enter.window, enter.rc, enter.cursor);
    return true;
}

bool EnterSplitsWall(IdleEnterKey& enter) {
    if (enter.kind != toolkind::kExtWallEdit || enter.mode != extwallmode::kSplit) return false;
    SplitWallAtCursor(enter.window, enter.rc, enter.cursor);
    return true;
}

// Every other tool takes the Enter as a placed point; the first point of a wall, an outline or the
// multi-line's model also becomes the DATUM reference.
void EnterPlacesPoint(IdleEnterKey& enter) {
    TChild& window = enter.window;
    const int32_t kind = enter.kind;
    if (tools::Failed(enter.ToTool(enter.step))) return;
    TDrawingtool& placed = *enter.Tool();
    placed.PointPlaced = 1;
    if (kind == toolkind::kArc || kind == 18) {
        placed.PointPlaced = 0;
    } else if (kind == toolkind::kLine && enter.mode == linemode::kMultilineModelEnd) {
        window.DatumX = placed.X0;
        window.DatumY = placed.Y0;
        window.DatumMode = datummode::kShownWithBearing;
    } else if (kind == toolkind::kExtWall || kind == toolkind::kOutline) {
        // Only the first Enter of an outline makes its start the DATUM and the start point.
        if (!HasObjectOfKindOnView(kind)) {
            window.DatumX = window.StartX = placed.X0;
            window.DatumY = window.StartY = placed.Y0;
            window.DatumMode = datummode::kShownWithBearing;
        }
    } else if (kind == toolkind::kIntWall) {
        window.DatumX = placed.X0;
        window.DatumY = placed.Y0;
        window.DatumMode = datummode::kShownWithBearing;
        placed.Dragging = 1;
    }
    if (kind == toolkind::kStairs) window.Invalidate(true);
    shell::MarkKeyedStart(placed);
}

void IdleEnter(TChild& window, TRect& rc, TPoint& cursor) {
    const TDrawingtool& tool = *window.Client().Tool;
    if (tool.Kind == toolkind::kBaseChange && tool.PickKind == 0) return;
    // The Enter that places a moved selection takes no point from the pointer.
    if (tool.Kind != toolkind::kMove &&
        shell::RefusedPastSheet(window, rc, cursor, shell::EnterStartsLineOrWall(tool)))
        return;
    IdleEnterKey enter{window, rc, cursor, tool.Kind, tool.Mode, 0};
    const auto step = AskShapeStep(window, rc, cursor);
    if (!step) return;
    enter.step = *step;
    if (!(EnterPlacesOpening(enter) || EnterGivesDimensionPoint(enter) || EnterDrawsMultilineCopies(enter) ||
          EnterPlacesMovedSelection(enter) || EnterDeletesPartition(enter) || EnterSplitsWall(enter)))
        EnterPlacesPoint(enter);
}

void IdleKey(TChild& window, TRect& rc, uint key, TPoint& cursor) {
    TClient& client = window.Client();
    TDrawingtool& tool = *client.Tool;
    DrawingState = 3;
    if (key == VK_RETURN) {
        IdleEnter(window, rc, cursor);
        return;
    }
    if (IsArrow(key)) {
        if (tool.Kind == toolkind::kMove && tool.Mode == movestate::kMoving) {
            window.NudgeCursor(key);
            KeyDownOnTool(window, rc, key, cursor, 0);
            shell::TellIfLeftSheet(window);
        } else if (tool.Kind == toolkind::kBaseChange) {
            tool.PickKind = key == VK_UP ? 1 : key == VK_RIGHT ? 2 : key == VK_DOWN ? 3 : 4;
            tool.PointPlaced = 1;
            tool.Dragging = 1;
            tool.CrosshairStyle = (key == VK_LEFT || key == VK_RIGHT) ? 1 : 2;
            if (tool.Mode == extwallmode::kExpandBase)
                client.ShowGuide("GUIDE: move cursor,press ENTER when line is at position to expand from");
            if (tool.Mode == extwallmode::kShrinkBase)
                client.ShowGuide("GUIDE: move cursor,press ENTER when line is at position to shrink from");
        } else {
            window.NudgeCursor(key);
        }
        return;
    }
    if ((key == VK_ADD || key == VK_SUBTRACT) && tool.Kind == toolkind::kMove &&
        tool.Mode == movestate::kMoving) {
        if (window.CheckRotateSelection() == 1) return;
        KeyDownOnTool(window, rc, key, cursor, 1);
    }
}

} // namespace

void TChild::EvKeyDown(uint key, uint, uint) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    const int32_t kind = client.Tool->Kind;
    TRect rc = GetClientRect();

    // F1 is asked about what the window waits for: while Zoom UP waits, that is the zoom, and the
    // wait goes on.
    if (key == VK_F1) {
        if ((kind == toolkind::kPickQuiet || kind == toolkind::kPick) && CurrentView == kGroundFloor &&
            !ZoomWait)
            HelpContextId = 210;
        ShowHelp(GetHandle(), KeyHelpRequest(HelpMode, HelpContextId));
        return;
    }
    // A Zoom UP still waiting for its rectangle gives way to the key; an Escape takes back that wait
    // alone.
    const bool zoomWaited = ZoomWait != nullptr;
    EndZoomWait();
    if (key == VK_ESCAPE) {
        if (!zoomWaited) shell::EscapeKey(*this);
        return;
    }
    if (key == VK_INSERT) {
        if (LayoutGridFlag == 1) {
            LayoutGridFlag = 0;
            Invalidate(true);
        } else {
            LayoutGridFlag = 1;
            RunToolDialog(3);
        }
        return;
    }
    if (key == VK_TAB) {
        if (DrawingState <= 0) return;
        HelpContextId = 350;
        if (DatumMode != datummode::kAwaitingClick) {
            client.ShowGuide(
                "DATUM ON - click reference point with Left Btn, click ICON or use TAB key to turn off");
            client.Tool->PointPlaced = 0;
            DatumX = 0;
            DatumY = 0;
            DatumMode = datummode::kAwaitingClick;
        } else {
            client.ShowGuide("GUIDE: press F1 for help");
            SetDatum(datummode::kShownWithBearing);
        }
        return;
    }

    if (kind == toolkind::kPickQuiet && DatumMode < datummode::kAwaitingClick) return;
    // The text typed at a click keeps its own guide, which its letters show.
    const bool quietKind = kind == toolkind::kExtWall || kind == toolkind::kLine ||
                           kind == toolkind::kRectangle || kind == toolkind::kRoundRect ||
                           kind == toolkind::kMove || kind == toolkind::kIntWall ||
                           kind == toolkind::kTextAtClick;
    if (!quietKind && CurrentView != kWallMarking) client.ShowGuide("GUIDE: press F1 for context help");
    TPoint cursor = shell::CursorInClient(*this);
    client.Tool->Window = this;
    if (kind == 2) client.Tool->PointPlaced = 0;
    if (kind == toolkind::kPickQuiet || (kind == toolkind::kPick && key == VK_RETURN)) return;
    if (CurrentView == kRoomLayout && key == VK_RETURN) return;

    const int32_t engaged = client.Tool->PointPlaced;
    if (engaged == 0)
        IdleKey(*this, rc, key, cursor);
    else if (engaged == 1 || engaged == 4)
        shell::EngagedKey(*this, key, cursor, rc);
    shell::ForgetEndedKeyedStart(*client.Tool);
}
