// The drawing window's steps that serve the drawing tools: the refresh and the dialogs a tool needs
// before it starts (line text, partition side), the start of the multi-line and stairs tools, the
// check before a selection is rotated, the text placement start and the tool's line style.
#include <cstdio>
#include <cstdlib>

#include "dialogs/line_style_dialog.h"
#include "dialogs/line_text_dialog.h"
#include "dialogs/partition_dialogs.h"
#include "dialogs/text_details_dialog.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "platform/cursor.h"
#include "platform/file_io.h"
#include "platform/gadgets.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/window_dc.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "shell/child.h"
#include "shell/child_stairs_start.h"
#include "shell/client.h"
#include "tools/cancelled_line.h"
#include "tools/line_modes.h"
#include "tools/line_text_file.h"
#include "tools/tool_names.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kRefresh = 3;
constexpr int32_t kLineTextKind = 8;
constexpr int32_t kPartitionKind = 9;
constexpr int32_t kMultilineKind = 8;
constexpr int32_t kStairsKind = 10;
constexpr int32_t kMinLines = 2;
constexpr int32_t kMaxLines = 100;

// The cursor's screen position, kept around a message box so the user's pointer stays put.
struct CursorKeeper {
    POINT Where{};
    CursorKeeper() { GetCursorPos(&Where); }
    void PutBack() const { SetCursorPos(Where.x, Where.y); }
};

// The thickness of the internal walls to come (written by the dialog) and the side of their second
// face, which the internal-wall tool keeps. Cancelled, the command ends with the pick tool: a tool
// without a side would draw partitions without a second face.
void RunPartitionDialog(TChild& window) {
    TClient& client = window.Client();
    int result = IDCANCEL;
    int32_t side = 0;
    if (MetricUnits == 1) {
        TDbledlg dialog(client.GetHandle(), kPartitionDialogId);
        result = dialog.Execute();
        side = dialog.SideCode;
    } else {
        TDbleimpdlg dialog(client.GetHandle(), kPartitionImpDialogId);
        result = dialog.Execute();
        side = dialog.SideCode;
    }
    if (result != IDOK) {
        window.Invalidate(false);
        client.SelectPickTool();
        return;
    }
    if (client.Tool) client.Tool->CursorX = side;
    client.ShowGuide("GUIDE: select the spacing to and relative position of second line");
    if (MetricUnits == 0) {
        window.DatumMode = datummode::kOff;
        if (client.DistanceGadget) client.DistanceGadget->SetText("0");
    }
}

} // namespace

void TChild::RunToolDialog(int32_t kind) {
    TDrawingtool* tool = CurrentTool();
    if (kind == kRefresh) {
        const int32_t view = CurrentView;
        if (LayoutGridFlag != 1) {
            Invalidate(true);
            return;
        }
        TRect client = GetClientRect();
        // Reading back what was written gives the document the painters may have changed; a failed
        // write has read the file back already.
        const tools::WriteResult written = tools::SaveWorkingFile();
        InputDC = std::make_unique<TClientDC>(this);
        ObjectList.Paint(*InputDC, client);
        InputDC.reset();
        CurrentView = view;
        // The grid lines of a layout view go over the document.
        LayoutGridRefresh();
        if (!tools::Failed(written)) {
            ObjectList.Flush();
            (void)ReadOrTell(ObjectList,
                             filemode::kWorking); // the last step: the user is told, nothing follows
        }
        return;
    }
    if (kind == kLineTextKind) {
        // A failed write has been told; the line's step ends as if its text were cancelled.
        if (tools::Failed(tools::SaveWorkingFile())) {
            if (tool) MarkLineCancelled(*tool);
            return;
        }
        TLtxtdlg dialog(Client().GetHandle(), kLineTextDialogId);
        if (dialog.Execute() != IDOK) {
            if (tool) MarkLineCancelled(*tool);
            return;
        }
        // An empty entry keeps the text the file already holds.
        if (dialog.Text[0] == '\0') return;
        if (!WriteLineTextFile(dialog.Side, dialog.Text))
            ::MessageBox(GetHandle(), "The line text could not be saved in CFG/LTEXT.CFG.", "LINE TEXT",
                         MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (kind == kPartitionKind) RunPartitionDialog(*this);
}

void TChild::StartMultilines(int32_t kind) {
    TDrawingtool* tool = CurrentTool();
    if (!tool) return;
    CursorKeeper cursor;
    Client().ShowGuide("GUIDE: press Dialogue Box HELP button if you have any queries");
    if (kind == kMultilineKind) {
        if (tools::Failed(tools::SaveWorkingFile())) {
            Client().SelectPickTool();
            cursor.PutBack();
            return;
        }
        Client().ShowGuide(
            "press Enter then arrow key or movecursor,press Enter on line end, press Enter on final "
            "line FIRST endpt");
        tool->Mode = linemode::kMultilineModel;
        // The box offers the fewest lines it takes, so that Enter alone starts the tool.
        char buffer[17] = {};
        std::snprintf(buffer, sizeof buffer, "%d", kMinLines);
        TInputDialog input(GetHandle(), "Number of Lines", "", buffer, sizeof buffer);
        if (input.Execute() != IDOK) {
            Invalidate(true);
            Client().SelectPickTool();
            cursor.PutBack();
            return;
        }
        const int32_t n = pl::atol(buffer);
        // Fewer than two lines leave nothing to space out; more than a hundred are not offered. The
        // tool keeps its previous count and the user picks the command again.
        if (n < kMinLines || n > kMaxLines) {
            ::MessageBox(GetHandle(), "Number of Lines must be from 2 to 100", "Number of Lines",
                         MB_OK | MB_ICONEXCLAMATION);
            cursor.PutBack();
            return;
        }
        Invalidate(false);
        tool->Count = n;
        if (LayoutGridFlag == 1) RunToolDialog(kRefresh);
    } else if (kind == kStairsKind && shell::StartStairs(*this)) {
        cursor = CursorKeeper(); // where the pointer was when the dialog closed
    }
    cursor.PutBack();
}

int32_t TChild::CheckRotateSelection() {
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return 1;
    bool rectangle = false;
    for (const SelectionEntry& e : *entries) {
        const int32_t kind = ObjectList[e.index]->kind;
        if (kind == kRectangle || kind == kRoundRect) rectangle = true;
    }
    if (!rectangle) return 0;
    CursorKeeper cursor;
    ::MessageBox(GetHandle(), "RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments",
                 "ROTATE", MB_OK | MB_ICONEXCLAMATION);
    cursor.PutBack();
    return 1;
}

void TChild::StartText() {
    TDrawingtool* tool = CurrentTool();
    if (!tool || tools::Failed(tools::SaveWorkingFile())) return;
    TTextdlg dialog(GetHandle(), kTextDetailsDialogId);
    if (dialog.Execute() != IDOK) return;
    int32_t style = dialog.TextAlignment;
    const int32_t angle = dialog.TextAngle;
    if (style == 1) {
        Client().ShowGuide("GUIDE: click LEFT button on TEXT centre point - press Enter when fnished ");
    } else if (style == 2) {
        tool->Kind = toolkind::kTextAtClick;
        Client().ShowGuide(
            "click LEFT button on TEXT starting point - then type away - press Enter when finished ");
    }
    Invalidate(false);
    if (style == 1 && angle == 2700) style = 6;
    tool->CursorX = style;
    tool->PickKind = angle;
    tool->X1 = 0;
}

void TChild::ToolLineStyle() {
    TDrawingtool* tool = CurrentTool();
    if (!tool) return;
    TLinedlg dialog(GetHandle(), kLineStyleDialogId);
    if (dialog.Execute() == IDOK) {
        PenWidth = dialog.ToolPenWidth;
        tool->LineStyle = dialog.ToolPenStyle;
    }
    Client().ShowToolName(PenAndName(PenWidth, ToolStyleName(tool->Kind)).c_str());
}
