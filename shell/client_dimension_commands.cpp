// Manual Dimension: the line tool in its manual-dimension mode; the drawing window's Enter steps do
// the rest (shell/child_measurement.cpp).
#include <memory>

#include "shell/client.h"
#include "document/program_state.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kDimensionHelp = 280;

} // namespace

void TClient::CmManualDimension() {
    if (DrawingState <= 1) return;
    HelpContextId = kDimensionHelp;
    if (SaveState == 0) SaveState = 1;
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kLine;
    tool->Mode = linemode::kManualFirstPoint;
    // The dimension takes the tool's colour: the pen the user draws with.
    tool->Colour = PenColour;
    InstallTool(std::move(tool));
    ShowToolName("Dimension - Manual");
    ShowGuide("Press ENTER on 1st & 2nd points,NOTE 1st mark will be the arrow offset position");
}
