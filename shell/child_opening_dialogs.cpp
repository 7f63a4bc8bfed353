// The window and door requests of the drawing window's plan dialogs: the dialogs' choice is handed to
// the door and window tool, which then waits for the wall to be marked from the walls' corner.
#include "dialogs/opening_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "tools/window_tool.h"
#include "walls/opening.h"
#include "walls/wall_corner.h"

namespace shell {

namespace {

using namespace openingkind;

constexpr int32_t kLoadWindow = 1;
constexpr int32_t kLoadDoor = 2;
constexpr int32_t kDatumAtWallCorner = 3;

int32_t TypedLength(const char* text) {
    const int32_t value = pl::atoi(text);
    return MetricUnits == 0 ? value * 24 : value;
}

void CancelToPick(TChild& window) {
    window.Client().SelectPickTool();
    window.Invalidate(true);
}

// The DATUM read-out measures from the top-left corner of the external walls.
void DatumAtWallCorner(TChild& window) {
    FindWallCorner(ObjectList, window.DatumX, window.DatumY);
    window.DatumMode = kDatumAtWallCorner;
}

bool IsWallOpening(int32_t kind) {
    return InEitherSeries(kind, kWallOpening);
}

// One follow-up step of the door request: false when the request ends there.
struct DoorChoice {
    TChild& window;
    TWindowobjtool& tool;
    int32_t kind;
    int32_t count;
};

bool Cancelled(TChild& window, bool eraseFirst) {
    if (eraseFirst) {
        CancelToPick(window);
    } else {
        window.Invalidate(false);
        window.Client().SelectPickTool();
    }
    return false;
}

bool SwingStep(DoorChoice& c) {
    TDoordlg dialog(c.window.GetHandle(), kDoorSwingDialogId);
    if (dialog.Execute() != IDOK) return Cancelled(c.window, true);
    c.tool.Mode = dialog.SwingType;
    return true;
}

// A frame with side lights or sliders; an entry frame with one door also asks its swing. A cancelled
// frame drops back to the Pick tool as every other cancel does.
bool FrameStep(DoorChoice& c) {
    c.window.Invalidate(false);
    if (TEntrydlg(c.window.GetHandle(), kEntryFrameDialogId).Execute() != IDOK)
        return Cancelled(c.window, true);
    if (InEitherSeries(c.kind, kEntryFrame) && c.count == 1) return SwingStep(c);
    return true;
}

bool FoldingStep(DoorChoice& c) {
    if (TFoldingdlg(c.window.GetHandle(), kFoldingDialogId).Execute() != IDOK)
        return Cancelled(c.window, false);
    return true;
}

bool SlidingStep(DoorChoice& c) {
    TSdoordlg dialog(c.window.GetHandle(), kSlidingDoorDialogId);
    if (dialog.Execute() != IDOK) return Cancelled(c.window, false);
    c.tool.Mode = dialog.SlideType;
    c.tool.PickKind = dialog.IntoWall;
    return true;
}

// Sliders passing each other: the dialog refuses an opening wider than the doors together.
bool RobeStep(DoorChoice& c) {
    TRobedlg dialog(c.window.GetHandle(), kRobeDialogId);
    if (dialog.Execute() != IDOK) return Cancelled(c.window, true);
    c.tool.PickKind = dialog.IntoWall;
    return true;
}

bool DoorFollowUp(DoorChoice c) {
    const int32_t kind = c.kind;
    if (IsWallOpening(kind)) {
        c.window.Invalidate(false);
        return true;
    }
    if (IsHinged(kind) && c.count == 1) {
        c.window.Invalidate(false);
        return SwingStep(c);
    }
    if (InEitherSeries(kind, kSlidingFramed) || InEitherSeries(kind, kEntryFrame)) return FrameStep(c);
    if (kind == kFolding) return FoldingStep(c);
    if (kind == kIntoWall) return SlidingStep(c);
    if (kind == kIntoWallPair || kind == kWardrobe) return RobeStep(c);
    return true;
}

const char* DoorGuide(int32_t kind, int32_t count) {
    const bool hingeSide = InEitherSeries(kind, kDoubleDoor) || kind == kEntryFrame ||
                           kind == kIntoWallPair || (kind == kEntryFrame + kSecondSeries && count > 1);
    if (hingeSide) return "GUIDE: press ENTER with cursor cross on HINGE side of wall";
    if (IsWallOpening(kind)) return "GUIDE: press ENTER with cursor on either LINE of the wall to open";
    if (kind == kIntoWall) return "GUIDE: ENTER slide side jamb on wall where door will go";
    return "GUIDE: press ENTER with cursor on wall";
}

} // namespace

void RunWindowDialog(TChild& window) {
    auto* tool = dynamic_cast<TWindowobjtool*>(window.Client().Tool.get());
    TWindlg dialog(window.GetHandle(), kWindowDialogId);
    if (dialog.Execute() != IDOK || !tool) {
        CancelToPick(window);
        return;
    }
    const int32_t width = TypedLength(dialog.WidthText);
    if (IsWallOpening(dialog.WindowKind)) window.Invalidate(false);
    tool->DialogSpareWord() = dialog.SpareWord;
    tool->DialogOpeningKind() = dialog.WindowKind;
    if (tools::Failed(CallTool(window.Client(), [&] { tool->Start(width, kLoadWindow, 0); }))) return;
    DatumAtWallCorner(window);
    window.Client().ShowGuide("GUIDE: press ENTER with cursor between lines of the wall");
}

void RunDoorDialogs(TChild& window) {
    auto* tool = dynamic_cast<TWindowobjtool*>(window.Client().Tool.get());
    TExtdoordlg dialog(window.GetHandle(), kExtDoorDialogId);
    if (dialog.Execute() != IDOK || !tool) {
        CancelToPick(window);
        return;
    }
    const int32_t kind = dialog.DoorKind;
    const int32_t width = dialog.DoorWidth;
    const int32_t count = pl::atoi(dialog.NumberText);
    if (!DoorFollowUp({window, *tool, kind, count})) return;
    tool->DialogOpeningKind() = kind;
    if (tools::Failed(CallTool(window.Client(), [&] { tool->Start(width, kLoadDoor, 0); }))) return;
    DatumAtWallCorner(window);
    window.Client().ShowGuide(DoorGuide(kind, count));
}

} // namespace shell
