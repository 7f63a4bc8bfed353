// The commands that install the line tool (Line, Line + Text), the two centre aids that work on
// whatever tool is current, the DATUM button and Undo.
#include <cstdio>
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/cancelled_line.h"
#include "tools/centre_aid_modes.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kLineHelp = 240;
constexpr int32_t kAidHelp = 350;

const char* StyleWord(int32_t style, bool withText) {
    static const char* const plain[] = {"LINE solid", "LINE dash", "LINE dot", "LINE dotdash"};
    static const char* const text[] = {"LINE solid+txt", "LINE dash+txt", "LINE dot+txt", "LINE dotdash+txt"};
    if (style < 0 || style > 3) return "";
    return withText ? text[style] : plain[style];
}

// Line and Line + Text: a fresh line tool that keeps the old tool's line style.
void InstallLineTool(TClient& client, int32_t mode, bool withText) {
    if (DrawingState <= 1) return;
    HelpContextId = kLineHelp;
    if (SaveState == 0) SaveState = 1;
    const int32_t style = client.Tool ? client.Tool->LineStyle : 0;
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kLine;
    tool->Mode = mode;
    tool->PenWidth = PenWidth;
    tool->LineStyle = style;
    if (withText) MarkLineCancelled(*tool);
    client.InstallTool(std::move(tool));
    char name[40];
    std::snprintf(name, sizeof name, withText ? "%d, %s" : "%d,%s", static_cast<int>(PenWidth),
                  StyleWord(style, withText));
    client.ShowToolName(name);
    client.ShowLineStartGuide();
    client.SetCursor(nullptr, IDC_CROSS);
    if (TChild* child = client.ActiveDrawingWindow()) child->DatumMode = datummode::kShownWithBearing;
}

} // namespace

void TClient::ShowGuide(const char* guide) {
    if (StatusBar) StatusBar->SetText(guide);
}

void TClient::ShowToolName(const char* name) {
    if (ToolGadget) ToolGadget->SetText(name);
}

void TClient::ShowLineStartGuide() {
    ShowGuide("ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
}

void TClient::CmLine() {
    InstallLineTool(*this, 0, false);
}

void TClient::CmLineText() {
    InstallLineTool(*this, linemode::kLineText, true);
}

void TClient::CmCentre() {
    if (DrawingState <= 1) return;
    HelpContextId = kAidHelp;
    if (Tool->Mode == linemode::kMultilineModel) {
        MessageBox("Centre is not available to this function", "CENTRE", MB_OK);
        return;
    }
    Tool->SavedMode = Tool->Mode;
    Tool->Mode = aidmode::kMidpointFirst;
    ShowGuide("CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
}

void TClient::CmCentreCentre() {
    if (DrawingState <= 1) return;
    HelpContextId = kAidHelp;
    Tool->SavedMode = Tool->Mode;
    Tool->Mode = aidmode::kThreePointFirst;
    ShowGuide("CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
}

void TClient::CmDatum() {
    if (DrawingState <= 1) return;
    HelpContextId = kAidHelp;
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    if (child->DatumMode != datummode::kAwaitingClick) {
        ShowGuide("DATUM ON - click reference point with Left Btn, click ICON or use TAB key to turn off");
        Tool->PointPlaced = 0;
        Tool->PickKind = 0;
        Tool->Mode = toolmode::kIdle;
        child->DatumMode = datummode::kAwaitingClick;
    } else {
        ShowGuide("GUIDE: press F1 for help");
        child->SetDatum(datummode::kShownWithBearing);
    }
}

void TClient::CmUndo() {
    if (DrawingState <= 1) return;
    HelpContextId = kAidHelp;
    if (SaveState == 0) SaveState = 1;
    if (TChild* child = ActiveDrawingWindow()) child->UndoLastObject();
}
