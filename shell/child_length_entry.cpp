#include "shell/child_length_entry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/cursor.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "platform/virtual_keys.h"
#include "rooms/design_room_modes.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/chosen_tool.h"
#include "shell/client.h"
#include "shell/datum_readout.h"
#include "shell/held_start.h"
#include "shell/length_prompt.h"
#include "tools/cancelled_line.h"
#include "tools/drawing_tool.h"
#include "tools/extwall_edit_modes.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/picked_end.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace shell {

namespace {

constexpr int32_t kAreaChanged = 30000;
constexpr int32_t kArrowNudge = 50; // StartX of the internal-wall tool while arrows only nudge

bool IsDesignRoom(int32_t kind) {
    return kind == toolkind::kDesignRoom || kind == toolkind::kReopenedRoom;
}

// A shrink by a room's whole size or more changed nothing, so nothing is saved or repainted.
bool RoomKeyRefused(const TDrawingtool& tool) {
    const auto* room = dynamic_cast<const TDRoomobjtool*>(&tool);
    return room && room->KeyRefused;
}

bool IsOutline(int32_t kind) {
    return kind == toolkind::kOutline || kind == toolkind::kExtWall;
}

int32_t ArrowCode(uint key) {
    return key == VK_UP ? 1 : key == VK_RIGHT ? 2 : key == VK_DOWN ? 3 : 4;
}

const char* ArrowPrompt(uint key) {
    return key == VK_DOWN ? "DOWN:" : key == VK_LEFT ? "LEFT:" : key == VK_UP ? "UP:" : "RIGHT:";
}

const char* PromptTitle(const TDrawingtool& tool) {
    switch (tool.Kind) {
    case toolkind::kRectangle:
        return "RECTANGLE";
    case toolkind::kRoundRect:
        return "ROUNDED RECTANGLE";
    case toolkind::kBaseChange:
        return tool.Mode == extwallmode::kExpandBase   ? "EXPAND BASE BY"
               : tool.Mode == extwallmode::kShrinkBase ? "SHRINK BASE BY"
                                                       : "LINE";
    case toolkind::kIntWall:
        return tool.PointPlaced == 4 ? "OPEN UP" : "WALL TO";
    default:
        break;
    }
    if (IsDesignRoom(tool.Kind) && (tool.Mode == roommode::kEnlarge || tool.Mode == roommode::kShrink ||
                                    tool.Mode == roommode::kMoveByStep))
        return "ADJUST ROOM";
    // A design-room tool in another mode has no title of its own; it asks like the line tool.
    return "LINE";
}

// The move, extend or shorten of the end of a line or partition picked with a click.
bool EditsPickedEnd(const TDrawingtool& tool) {
    return tool.Mode >= intwall::kMoveEnd && tool.Mode <= intwall::kShortenEnd;
}

// A keyed line is drawn from its first point, not from the pointer, which a dialog's OK click may
// have moved: the multi-line's copies go from the pointer, and the step after a line was picked for
// an end edit moves that line's end, not a line from a first point.
bool LineMeasuresFromStart(const TDrawingtool& tool) {
    return tool.Kind == toolkind::kLine && tool.Mode != linemode::kMultilineCopies && !EditsPickedEnd(tool);
}

// A rectangle's sides go from the corner placed with Enter, and an ellipse keyed by arrows from its
// placed point, wherever the pointer was moved since.
bool ShapeMeasuresFromCorner(const TDrawingtool& tool) {
    return tool.Kind == toolkind::kRectangle || tool.Kind == toolkind::kRoundRect ||
           tool.Kind == toolkind::kEllipse;
}

// An outline goes on from the end of its last wall (or its start, snapped onto a wall end near it).
bool OutlineMeasuresFromLastEnd(const TDrawingtool& tool) {
    return tool.Kind == toolkind::kExtWall;
}

// A chain of partitions goes on from the end of the last one, or from its start snapped onto the
// face it begins on. Once an end was moved the arrows draw nothing, and the pointer stays the measure.
bool PartitionMeasuresFromLastEnd(const TDrawingtool& tool) {
    return tool.Kind == toolkind::kIntWall && tool.PointPlaced == 1 && !EditsPickedEnd(tool);
}

// Where a step starts, in drawing units, for the check that it stays on the sheet. An edit of a
// picked end that moves no end (a line or partition shortened by its length or more, extended
// across itself, or moved) leaves nothing to check: it is never refused by where the pointer
// happens to be.
std::optional<POINT> StepStart(const TDrawingtool& tool, POINT pointer) {
    const bool fromToolsPoint = LineMeasuresFromStart(tool) || ShapeMeasuresFromCorner(tool) ||
                                OutlineMeasuresFromLastEnd(tool) || PartitionMeasuresFromLastEnd(tool);
    if (fromToolsPoint) return POINT{tool.X0, tool.Y0};
    if (EditsPickedEnd(tool)) return std::nullopt;
    const int32_t z = ZoomDivisor > 0 ? ZoomDivisor : 1;
    return POINT{pointer.x * z, pointer.y * z};
}

// The start of the sheet check in drawing units, and the arrow key of the way it goes from there.
struct StepPath {
    POINT from;
    uint key;
};

// The sheet check goes from where the step starts, the way its key points; for an extended or
// shortened line or wall it follows the end that moves, from where it stands, and a shortened end
// goes back against the arrow. Nothing when the step has nothing to check.
std::optional<StepPath> SheetCheckPath(const TDrawingtool& tool, POINT pointer, uint key, int32_t step) {
    const auto* picks = dynamic_cast<const TLineobjtool*>(&tool);
    const auto travel = picks ? picks->EditedEndTravel(key, step) : std::nullopt;
    if (travel) return StepPath{travel->from, travel->towards};
    const auto from = StepStart(tool, pointer);
    if (!from) return std::nullopt;
    return StepPath{*from, key};
}

// A typed length is whole millimetres from 1 to 69999, or feet and inches below 300000 units of 1/24
// inch. Cancel or 0 asks for nothing; any other length outside the limits is told, and draws nothing.
std::optional<int32_t> WithinLimits(TChild& window, std::optional<int32_t> value, const char* caption) {
    if (!value || *value == 0) return std::nullopt;
    if (*value >= 1 && *value <= (MetricUnits == 1 ? 69999 : 299999)) return value;
    BoxKeepingCursor(window,
                     MetricUnits == 1 ? "The length must be from 1 to 69999 mm - nothing has been drawn"
                                      : "The length must be less than 1041' 8\" - nothing has been drawn",
                     caption, MB_OK | MB_ICONEXCLAMATION);
    return std::nullopt;
}

void SetDistanceGadget(TClient& client, const char* text) {
    if (client.DistanceGadget) client.DistanceGadget->SetText(text);
}

// One key of an engaged tool, with what it needs of the window.
class EngagedStep {
public:
    EngagedStep(TChild& window, uint key, TPoint& cursor, TRect& client)
        : window_(window), client_(window.Client()), key_(key), cursor_(cursor), rc_(client) {}

    void Run();

private:
    TDrawingtool& Tool() const { return *client_.Tool; }
    tools::WriteResult KeyDown(uint key, int32_t step) {
        return CallTool(window_, [&](TDC& dc) { Tool().KeyDown(dc, rc_, key, &cursor_, step); });
    }
    tools::WriteResult AutoDimension() {
        return CallTool(window_, [&](TDC& dc) { Tool().AutoDimension(dc, rc_, 0, 0, 0, 111); });
    }
    // Start and Command draw nothing; a failed write in them ends the step.
    tools::WriteResult Start(int32_t a, int32_t b, int32_t c) {
        return CallTool(client_, [&] { Tool().Start(a, b, c); });
    }
    tools::WriteResult Command(int32_t code) {
        return CallTool(client_, [&] { Tool().Command(code); });
    }
    void Toggled() {
        window_.SetCapture();
        window_.ReleaseCapture();
    }

    void Arrow();
    bool RefusedOnAxis(bool enter);
    void RefuseStartOnAxis();
    bool WallEndRefusedOnAxis(std::optional<int32_t> step) const;
    void EndStartWithNothingBuilt();
    bool LineHasNoStart() const;
    void WaitForLineStart();
    std::optional<int32_t> AskLength(int32_t preset);
    void BaseDistance();
    void CommonStep(uint key, int32_t step);
    void InternalWallFollowUp(uint key, bool stored);
    void LineTextStep();
    void StartPointReadout();
    void ClosingTest();
    void ParkCursor();
    void ShowPickedWhole();

    TChild& window_;
    TClient& client_;
    uint key_;
    TPoint& cursor_;
    TRect& rc_;
};

void EngagedStep::Run() {
    const int32_t kind = Tool().Kind;
    // A design room takes only the arrow keys.
    if (IsDesignRoom(kind) && key_ != VK_LEFT && key_ != VK_UP && key_ != VK_RIGHT && key_ != VK_DOWN) return;
    if (key_ == VK_LEFT || key_ == VK_UP || key_ == VK_RIGHT || key_ == VK_DOWN) {
        Arrow();
    } else if (key_ == VK_RETURN) {
        if (kind == toolkind::kBaseChange)
            BaseDistance();
        else if (!RefusedOnAxis(true) && !WallEndRefusedOnAxis(std::nullopt))
            CommonStep(key_, 0);
    } else if (key_ == 0x41 || key_ == VK_NUMPAD1) {
        int32_t& mode = Tool().Mode;
        if (kind == toolkind::kExtWall &&
            (mode == extwalldraw::kArrowsDraw || mode == extwalldraw::kArrowsNudge)) {
            mode = mode == extwalldraw::kArrowsNudge ? extwalldraw::kArrowsDraw : extwalldraw::kArrowsNudge;
            Toggled();
        } else if (kind == toolkind::kIntWall && (window_.StartX == 0 || window_.StartX == kArrowNudge)) {
            window_.StartX = kArrowNudge - window_.StartX;
            Toggled();
        } else {
            CommonStep(key_, 0);
        }
    } else if (key_ == VK_ADD && kind == toolkind::kIntWall) {
        CommonStep(key_, 0);
    }
}

void EngagedStep::Arrow() {
    const int32_t kind = Tool().Kind;
    const bool nudge = (kind == toolkind::kExtWall && Tool().Mode == extwalldraw::kArrowsNudge) ||
                       (kind == toolkind::kIntWall && window_.StartX == kArrowNudge) ||
                       kind == toolkind::kOutline;
    if (nudge) {
        window_.NudgeCursor(key_);
        return;
    }
    if (IsDesignRoom(kind) && !roommode::TakesArrowKeys(Tool().Mode)) return;
    if (IsDesignRoom(kind) && Tool().Mode == roommode::kMoveFine) {
        CommonStep(key_, 0); // a fixed 25 units a key, no step asked
        return;
    }
    // The length box opens with 0 in either unit, unless the tool measured a length to offer: a
    // rounded rectangle's count is its radius, never a side.
    int32_t offered = 0;
    const int32_t chainState = Tool().ChainState;
    if (kind == toolkind::kExtWall) {
        Tool().ChainState = ArrowCode(key_);
        if (tools::Failed(Command(2))) return;
        offered = Tool().Count;
        window_.SetCursor(nullptr, IDC_CROSS);
    } else if (kind == toolkind::kIntWall && Tool().PointPlaced == 1) {
        window_.StartX = 0;
        // The arrow moves the chain's end, which the pointer's band is drawn from.
        if (auto* wall = dynamic_cast<TIntwallobjtool*>(&Tool()))
            static_cast<void>(CallTool(window_, [&](TDC& dc) { wall->TakeBandOff(dc, rc_); }));
        const auto held = Tool().Clone();
        if (tools::Failed(Start(ArrowCode(key_), 0, 0))) return;
        if (Tool().Y0 == kNoObject) {
            // The refusal changed the start the band is drawn from: the tool as it stood takes its
            // band off when it ends. The copy is of this very tool, so it is always taken back.
            static_cast<void>(Tool().TakeState(*held));
            const char* text =
                key_ == VK_RIGHT
                    ? "Wrong Arrow key for second line position - re select Internal Wall icon and try again"
                    : "Wrong Arrow key for second line position - re select internal wall icon and try again";
            BoxKeepingCursor(window_, text, key_ == VK_DOWN ? "INTERNAL WALLS" : "INTERNAL WALL", MB_OK);
            PutBackStart(window_);
            client_.SelectPickTool();
            return;
        }
        offered = Tool().Count;
        // A partition whose second face would begin past the sheet's edge has no length to ask.
        if (const auto* wall = dynamic_cast<const TIntwallobjtool*>(&Tool());
            wall && !OnSheet(wall->SecondFaceStart.x, wall->SecondFaceStart.y)) {
            BoxKeepingCursor(window_, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
            EndStartWithNothingBuilt();
            return;
        }
    }
    if (RefusedOnAxis(false)) return;
    const auto step = AskLength(offered);
    // A length box given nothing to draw (0 offered, or cancelled) stored nothing.
    if (!step) {
        EndStartWithNothingBuilt();
        return;
    }
    if (LineHasNoStart()) {
        WaitForLineStart();
        return;
    }
    if (WallEndRefusedOnAxis(*step)) {
        Tool().ChainState = chainState;
        return;
    }
    CommonStep(key_, *step);
}

// An outline's wall is stored from the end its outward side puts first, and no wall starts on the
// sheet's left or bottom edge: a wall keyed onto that edge (an arrow's length, or Enter at the
// pointer there) would be dropped, and the outline could go on from it no further. It is refused with
// the sheet message once its end is given; nothing is stored and the outline holds the end it had.
bool EngagedStep::WallEndRefusedOnAxis(std::optional<int32_t> step) const {
    const auto* wall = dynamic_cast<const TExtwallobjtool*>(&Tool());
    // Enter gives an end only once the outline holds a point; before, it is the outline's start.
    if (!wall || Tool().Kind != toolkind::kExtWall || (!step && Tool().PointPlaced != 1)) return false;
    int64_t x = 0, y = 0;
    if (step) {
        const POINT from = wall->KeyedSegmentStart();
        x = int64_t{from.x} - (key_ == VK_LEFT ? *step : 0) + (key_ == VK_RIGHT ? *step : 0);
        y = int64_t{from.y} - (key_ == VK_DOWN ? *step : 0) + (key_ == VK_UP ? *step : 0);
    } else {
        // The end at the pointer, squared as the tool squares an end within ten units of square.
        const POINT p = PixelToLogical(window_, rc_, cursor_);
        const int64_t z = ZoomDivisor > 0 ? ZoomDivisor : 1, square = 10 * z;
        x = p.x * z, y = p.y * z;
        if (std::abs(x - wall->X0) < square)
            x = wall->X0;
        else if (std::abs(y - wall->Y0) < square)
            y = wall->Y0;
    }
    if (!StartsOnAnAxis(x, y)) return false;
    BoxKeepingCursor(window_, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

// A line or wall never starts on the sheet's left or bottom edge. The next piece of a chain whose
// last piece ended there, or a start that snapping moved there, is refused before its length is
// asked, told once; the start is let go, so the next Enter starts afresh. The pieces stored stay.
// An Enter that gives a line a new start there is refused the same way.
bool EngagedStep::RefusedOnAxis(bool enter) {
    const TDrawingtool& tool = Tool();
    const bool goesOnFromStart = LineMeasuresFromStart(tool) || OutlineMeasuresFromLastEnd(tool) ||
                                 tool.Kind == toolkind::kOutline || PartitionMeasuresFromLastEnd(tool);
    const auto* line = dynamic_cast<const TLinetool*>(&tool);
    const bool lineTool = line && tool.Kind == toolkind::kLine;
    const POINT pointer = PixelToLogical(window_, rc_, cursor_);
    const POINT start = lineTool && enter && KeyEntryPhase == 1
                            ? POINT{pointer.x * ZoomDivisor, pointer.y * ZoomDivisor}
                        : lineTool && !enter ? line->KeyedSegmentStart()
                                             : POINT{tool.X0, tool.Y0};
    if (!goesOnFromStart || LineHasNoStart() || !StartsOnAnAxis(start.x, start.y)) return false;
    RefuseStartOnAxis();
    return true;
}

void EngagedStep::RefuseStartOnAxis() {
    BoxKeepingCursor(window_, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
    PutBackStart(window_);
    // After a stored piece the start kept is that piece's end: the tool goes back as chosen.
    if (client_.Chosen && client_.Chosen->StepInProgress(client_))
        client_.Chosen->Reinstate(client_, window_);
}

// A start that stored nothing leaves nothing behind: no point held, no band, and the DATUM the next
// start is placed by reads from where it did before Enter gave this one (or, in a chain, from the end
// of the last piece stored). A line or wall picked for an edit of its end is let go and drawn whole.
void EngagedStep::EndStartWithNothingBuilt() {
    const TDrawingtool& tool = Tool();
    const bool holdsStart = (tool.Kind == toolkind::kIntWall || tool.Kind == toolkind::kLine ||
                             tool.Kind == toolkind::kBaseChange) &&
                            tool.PointPlaced == 1;
    if (holdsStart || EditsPickedEnd(tool))
        PutBackStart(window_);
    else
        ShowPickedWhole();
}

// A line with text whose first point holds the cancelled-line mark (a click that drew nothing) has
// no start to measure a keyed length from.
bool EngagedStep::LineHasNoStart() const {
    return Tool().Kind == toolkind::kLine && linemode::IsLineText(Tool().Mode) && IsLineCancelled(Tool());
}

// Nothing is drawn; the tool waits for a start as when it was chosen, and the guide asks for one.
void EngagedStep::WaitForLineStart() {
    Tool().PointPlaced = 0;
    client_.ShowLineStartGuide();
}

// The typed length of one step; nothing for a cancelled prompt or a length outside the limits.
std::optional<int32_t> EngagedStep::AskLength(int32_t preset) {
    const char* title = PromptTitle(Tool());
    return WithinLimits(window_,
                        MetricUnits == 1
                            ? AskNumber(title, ArrowPrompt(key_), std::to_string(preset).c_str(), 9)
                            : AskFeetInches(window_, preset),
                        title);
}

void EngagedStep::BaseDistance() {
    const POINT logical = PixelToLogical(window_, rc_, cursor_);
    int32_t preset = 0;
    if (Tool().Mode == extwallmode::kShrinkBase) {
        Tool().Count = logical.x;
        Tool().CursorY = logical.y;
        if (tools::Failed(Command(1))) return;
        preset = Tool().Count;
    }
    const char* title = PromptTitle(Tool());
    std::optional<int32_t> step = MetricUnits == 1 ? AskNumber(title, "", std::to_string(preset).c_str(), 9)
                                                   : AskFeetInches(window_, preset);
    const bool cancelled = !step;
    step = WithinLimits(window_, step, title);
    // A cancelled distance lets the line chosen by the arrow go: the next arrow chooses afresh.
    if (cancelled) {
        EndStartWithNothingBuilt();
        return;
    }
    if (!step) {
        client_.SelectPickTool();
        window_.Invalidate(true);
        return;
    }
    // The base moves, its walls and dimensions are made and the title follows, all or nothing.
    if (tools::Failed(Start(*step, logical.x * ZoomDivisor, logical.y * ZoomDivisor))) return;
    const auto* walls = dynamic_cast<const TExtwallobjtool*>(&Tool());
    const bool refused = walls && walls->BaseChangeRefused;
    Toggled();
    if (tools::Failed(Command(5)) || tools::Failed(AutoDimension())) return;
    const tools::WriteWatch watch;
    const int32_t record = ObjectList.FindKind(CurrentView + kFloorRecordBase);
    if (auto* info = dynamic_cast<TInfoobj*>(ObjectList[record])) info->value = ObjectList.GetFloorArea();
    ObjectList.MakeTitleBlock();
    if (tools::Failed(watch.Result())) return;
    window_.Invalidate(true);
    // A plan the change could not take (shrunk past its walls or rooms) stayed as it was.
    if (refused)
        BoxKeepingCursor(window_,
                         "The floor plan cannot be shrunk by that length there - nothing has been moved",
                         title, MB_OK);
}

void EngagedStep::CommonStep(uint key, int32_t step) {
    window_.SetCapture();
    struct Release {
        TChild& window;
        ~Release() { window.ReleaseCapture(); }
    } release{window_};

    const int32_t kind = Tool().Kind;
    const auto path = SheetCheckPath(Tool(), PixelToLogical(window_, rc_, cursor_), key, step);
    const bool keepsInView = path && kind != toolkind::kBaseChange && kind < toolkind::kDesignRoom;
    const int32_t view = keepsInView ? window_.KeepCursorInView(step, path->key, path->from.x, path->from.y)
                                     : cursorview::kInView;
    // A step off the sheet was refused with a warning: the tool never sees it, so nothing is made,
    // written or drawn.
    if (view == cursorview::kOffSheet) {
        EndStartWithNothingBuilt();
        return;
    }
    // An extend or shorten of a picked end that the arrow cannot make is told, and changes nothing.
    const auto* picks = dynamic_cast<const TLineobjtool*>(&Tool());
    const TObject* picked =
        picks && (Tool().Mode == intwall::kExtendEnd || Tool().Mode == intwall::kShortenEnd)
            ? picks->PickedForEndEdit()
            : nullptr;
    const bool shortens = Tool().Mode == intwall::kShortenEnd;
    if (const char* why = picked ? tools::WhyEndStays(*picked, key, shortens ? -step : step) : nullptr) {
        BoxKeepingCursor(window_, why, shortens ? "SHORTEN" : "EXTEND", MB_OK);
        EndStartWithNothingBuilt();
        return;
    }
    const int32_t objectsBefore = ObjectList.count;
    const tools::WriteResult written = KeyDown(key, step);
    if (view == cursorview::kScrolled) window_.Invalidate(true);
    // The tool's write failed and was told: the step ends with nothing further made or written.
    if (tools::Failed(written)) return;

    TDrawingtool& tool = Tool();
    if (IsOutline(kind)) {
        window_.DatumX = tool.X1;
        window_.DatumY = tool.Y1;
        window_.Invalidate(true);
        window_.DatumMode = datummode::kShownWithBearing;
        client_.ShowGuide("Continue - if same details use arrow keys or Enter endpoint - click Extwall icon "
                          "if changing detail");
    } else if (kind == toolkind::kLine && tool.Mode == linemode::kMultilineCopies) {
        window_.DatumMode = datummode::kOff;
        SetDistanceGadget(client_, "0");
    } else if (kind == toolkind::kLine && tool.PointPlaced == intwall::kEdited) {
        // The picked line's end was moved: the line is drawn whole where it now stands.
        window_.InvalidateArea(invalidatekind::kToolBox);
        client_.SelectPickTool();
        return;
    } else if (kind == toolkind::kLine) {
        client_.ShowGuide("ENTER start point,then arrow direction (then ENTER/ARROW/INPUT to continue on), "
                          "OR press LeftButton & DRAG");
        tool.PointPlaced = 0;
    } else if (IsDesignRoom(kind)) {
        if (RoomKeyRefused(tool)) {
            tool.Mode = roommode::kIdle;
            return;
        }
        if (tools::Failed(tools::SaveWorkingFile())) return;
        if (tool.Mode == roommode::kMoveFine) {
            // Drawing the room where it now stands writes nothing.
            static_cast<void>(CallTool(window_, [&](TDC& dc) { Tool().Draw(dc, 1); }));
        } else {
            tool.Mode = roommode::kIdle;
            window_.MergeStep(rc_);
        }
    }

    if (kind == toolkind::kIntWall)
        InternalWallFollowUp(key, ObjectList.count > objectsBefore);
    else if (Tool().Mode == linemode::kLineTextDrawing && Tool().Kind == toolkind::kLine &&
             Tool().Y0 < kCancelledLineMark)
        LineTextStep();

    if (IsOutline(kind)) {
        StartPointReadout();
        ClosingTest();
    }
}

// An edit of a picked line's or wall's end that was refused or cancelled: the pick blanked the
// line or wall, which is drawn whole again; the tool still waits for the arrow key.
void EngagedStep::ShowPickedWhole() {
    if (EditsPickedEnd(Tool())) window_.Invalidate(true);
}

// The client centre on the screen: where the cursor waits when internal walls are finished.
void EngagedStep::ParkCursor() {
    TPoint centre(rc_.right / 2, rc_.bottom / 2);
    window_.ClientToScreen(centre);
    SetCursorPos(centre.x, centre.y);
}

void EngagedStep::InternalWallFollowUp(uint key, bool stored) {
    TDrawingtool& tool = Tool();
    // Refused for lying inside an external wall, or an Enter where the start lies: nothing was built.
    const auto* wall = dynamic_cast<const TIntwallobjtool*>(&tool);
    if ((wall && wall->RefusedInsideWall) || (key == VK_RETURN && !stored && tool.PointPlaced == 1)) {
        EndStartWithNothingBuilt();
        return;
    }
    window_.DatumX = tool.X1;
    window_.DatumY = tool.Y1;
    window_.DatumMode = datummode::kShownWithBearing;
    if ((tool.PointPlaced == 1 || tool.PointPlaced == 3 || key == VK_RETURN) &&
        tools::Failed(tools::SaveWorkingFile()))
        return;
    if (ZoomDivisor == 0) return;
    if (tool.PointPlaced == 1) {
        auto finish = [this] {
            client_.SelectPickTool();
            client_.ShowToolName("Pick Tool");
            window_.DatumMode = datummode::kOff;
            window_.StartX = 0;
            SetDistanceGadget(client_, "0");
        };
        if (tool.Count == kAreaChanged) {
            const POINT a =
                LogicalToPixel(window_, rc_, tool.BoxLeft / ZoomDivisor, tool.BoxTop / ZoomDivisor);
            const POINT b =
                LogicalToPixel(window_, rc_, tool.BoxRight / ZoomDivisor, tool.BoxBottom / ZoomDivisor);
            const TRect area(std::max(a.x, int32_t{0}), std::max(a.y, int32_t{0}), std::min(b.x, rc_.right),
                             std::min(b.y, rc_.bottom));
            ParkCursor();
            window_.InvalidateRect(area, true);
            finish();
            return;
        }
        for (int32_t back = 1; back <= 3; ++back) {
            const auto* wall = dynamic_cast<const TIntwallobj*>(ObjectList[ObjectList.count - back]);
            if (!wall || wall->kind != kIntWall) continue;
            const POINT p = LogicalToPixel(window_, rc_, wall->x1 / ZoomDivisor, wall->y1 / ZoomDivisor);
            const int32_t half = wall->thickness / 2;
            window_.InvalidateRect(TRect(p.x - half, p.y - half, p.x + half, p.y + half), true);
            break;
        }
        if (tool.Count == kNoObject) {
            finish();
            ParkCursor();
            return;
        }
        const POINT p = LogicalToPixel(window_, rc_, tool.X0 / ZoomDivisor, tool.Y0 / ZoomDivisor);
        TPoint screen(p.x, p.y);
        window_.ClientToScreen(screen);
        SetCursorPos(screen.x, screen.y);
        tool.Dragging = 1;
    } else if (tool.PointPlaced == 4) {
        window_.InvalidateArea(invalidatekind::kToolBox);
        client_.SelectPickTool();
    }
}

void EngagedStep::LineTextStep() {
    const int32_t endX = Tool().X1;
    const int32_t endY = Tool().Y1;
    window_.RunToolDialog(8);
    if (IsLineCancelled(Tool())) {
        client_.SelectPickTool();
        return;
    }
    if (tools::Failed(CallTool(window_, [&](TDC& dc) { Tool().ShowLengthLabel(dc, rc_, 0, 0); }))) return;
    if (CurrentView == kSitePlan) {
        Tool().Mode = linemode::kLineTextDrawing;
        Tool().PointPlaced = 1;
        Tool().X0 = endX;
        Tool().Y0 = endY;
    } else if (CurrentView < kSitePlan) {
        client_.SelectPickTool();
    }
    // The step's last change: a failed write has been told.
    static_cast<void>(tools::SaveWorkingFile());
}

void EngagedStep::StartPointReadout() {
    if (window_.DatumMode != datummode::kShownWithBearing) return;
    const std::string text =
        shell::StartPointReadout(Tool().X1 - window_.StartX, Tool().Y1 - window_.StartY, MetricUnits == 1);
    if (!text.empty()) client_.ShowGuide(text.c_str());
}

void EngagedStep::ClosingTest() {
    const int32_t kind = Tool().Kind;
    const TObject* first = nullptr;
    int32_t count = 0;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (!o || o->kind != kind || o->view != CurrentView) continue;
        if (!first) first = o;
        ++count;
    }
    if (count < 3) return;
    const TObject* last = ObjectList[ObjectList.count - 1];
    auto near = [](int32_t a, int32_t b) { return std::abs(a - b) < ZoomDivisor; };
    auto meetsAnother = [&](int32_t x, int32_t y) {
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* o = ObjectList[i];
            if (!o || o == last || o->kind != kind || o->view != CurrentView) continue;
            if ((near(o->x1, x) && near(o->y1, y)) || (near(o->x2, x) && near(o->y2, y))) return true;
        }
        return false;
    };
    // Walls may also close on a wall other than the first: a short wall slipped in at the start of
    // the outline leaves the house's first corner on the wall after it.
    const bool closed =
        (near(first->x1, last->x2) && near(first->y1, last->y2)) ||
        (near(first->x2, last->x1) && near(first->y2, last->y1)) ||
        (kind == toolkind::kExtWall && meetsAnother(last->x1, last->y1) && meetsAnother(last->x2, last->y2));
    if (!closed) return;

    const tools::WriteWatch step;
    Tool().PointPlaced = 0;
    // The outline's walls, dimensions, area and title are one step: a failed write leaves the tool
    // on the last wall, where the same keys close the outline again.
    if (kind == toolkind::kExtWall) {
        if (tools::Failed(Command(5)) || tools::Failed(AutoDimension())) return;
        window_.ShowBuildingArea(2);
        if (tools::Failed(step.Result())) return;
        window_.DatumMode = datummode::kOff;
        SetDistanceGadget(client_, "0");
        client_.SelectPickTool();
    } else {
        window_.DatumMode = datummode::kOff;
        SetDistanceGadget(client_, "0");
        client_.RestoreTool(toolkind::kExtWall);
        Tool().Window = &window_;
        if (tools::Failed(Command(7)) || tools::Failed(AutoDimension())) return;
        window_.DatumMode = datummode::kOff;
        SetDistanceGadget(client_, "0");
        client_.RestoreTool(toolkind::kIntWall);
        Tool().Window = &window_;
        Tool().Mode = intwall::kFinishRooms;
        if (tools::Failed(Start(0, 0, 2))) return;
        client_.SelectPickTool();
        if (tools::Failed(Command(1))) return;
    }
    ObjectList.MakeTitleBlock();
    if (kind == toolkind::kOutline) window_.ShowBuildingArea(2);
    if (tools::Failed(step.Result())) return;
    PlanDisplayMode = displaymode::kPlain;
    if (CurrentView == kGroundFloor) window_.SyncScrollOrigin(0);
    window_.Invalidate(true);
}

} // namespace

void EngagedKey(TChild& window, uint key, TPoint& cursor, TRect& client) {
    EngagedStep(window, key, cursor, client).Run();
}

} // namespace shell
