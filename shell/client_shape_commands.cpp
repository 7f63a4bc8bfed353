// The commands that install the shape and text tools, the multi-line tool, and the two that change
// the pen: Change Colour and Tool Line Style.
#include <memory>
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/shape_tools.h"
#include "tools/text_tool.h"
#include "tools/tool_names.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kLineHelp = 240;
constexpr int32_t kShapeHelp = 241;
constexpr int32_t kTextHelp = 242;
constexpr int32_t kEditHelp = 230;
constexpr int32_t kPenColourHelp = 10400;
constexpr int32_t kMultilineStart = 8;
constexpr int32_t kPenColourSettings = 6;
constexpr int32_t kPenColourChoice = 1;
constexpr int32_t kPrintingViews = 100;

// The common steps of a tool command after its guard: help, modified, the new tool, the gadget and
// the guide line (either may be null).
void InstallShapeTool(TClient& client, std::unique_ptr<TDrawingtool> tool, int32_t kind, int32_t help,
                      const std::string& name, const char* guide) {
    HelpContextId = help;
    if (SaveState == 0) SaveState = 1;
    tool->Kind = kind;
    tool->Mode = toolmode::kIdle;
    client.InstallTool(std::move(tool));
    client.ShowToolName(name.c_str());
    if (guide) client.ShowGuide(guide);
}

} // namespace

void TClient::CmText() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TTextobjtool>(), toolkind::kText, kTextHelp, "Text", nullptr);
    if (TChild* child = ActiveDrawingWindow()) child->StartText();
}

void TClient::CmArc() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TArcobjtool>(), toolkind::kArc, kShapeHelp,
                     PenAndName(PenWidth, "Arc"),
                     "GUIDE: press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");
}

void TClient::CmEllipse() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TEllipseobjtool>(), toolkind::kEllipse, kShapeHelp,
                     PenAndName(PenWidth, "Ellipse"), "GUIDE: press Left Button on one endpoint and DRAG");
}

void TClient::CmCircle() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TCircleobjtool>(), toolkind::kCircle, kShapeHelp,
                     PenAndName(PenWidth, "Circle"),
                     "GUIDE: ENTER centrepoint, input radius OR press Left Button on centre and DRAG");
}

void TClient::CmRectangle() {
    // The one tool command that works before a drawing is fully open.
    if (DrawingState <= 0) return;
    InstallShapeTool(*this, std::make_unique<TRectangleobjtool>(), toolkind::kRectangle, kTextHelp,
                     PenAndName(PenWidth, "Rectangle"), "GUIDE: Press ENTER on one corner of RECTANGLE");
}

void TClient::CmRoundRect() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TRndrectobjtool>(), toolkind::kRoundRect, kTextHelp,
                     PenAndName(PenWidth, "RoundRect"),
                     "GUIDE: Press ENTER on one corner -as if squared off- of ROUNDED RECTANGLE");
}

void TClient::CmChangeText() {
    if (DrawingState <= 1) return;
    InstallShapeTool(*this, std::make_unique<TTextobjtool>(), toolkind::kChangeText, kEditHelp, "Change text",
                     "GUIDE: click LB on the centre of the number or text to replace");
}

void TClient::CmMultiline() {
    if (DrawingState <= 1) return;
    HelpContextId = kLineHelp;
    if (ObjectList.count > 0 && CurrentView < kPrintingViews && SaveState > 1 &&
        tools::Failed(tools::SaveWorkingFile()))
        return;
    if (SaveState == 0) SaveState = 1;
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kLine;
    tool->Mode = linemode::kMultilineModel;
    tool->PenWidth = PenWidth;
    InstallTool(std::move(tool));
    ShowToolName(PenAndName(PenWidth, "Multiline").c_str());
    child->StartMultilines(kMultilineStart);
}

void TClient::CmChangeColour() {
    if (DrawingState > 1) {
        HelpContextId = kTextHelp;
        if (TChild* child = ActiveDrawingWindow()) child->RunSettingsDialog(kPenColourSettings);
        return;
    }
    HelpContextId = kPenColourHelp;
    ShowGuide("GUIDE: Select PEN COLOUR");
    ChooseColour(kPenColourChoice);
}

void TClient::CmToolLineStyle() {
    if (DrawingState <= 1) return;
    HelpContextId = kTextHelp;
    if (TChild* child = ActiveDrawingWindow()) child->ToolLineStyle();
}
