#include "shell/tool_preview.h"

#include "document/coordinate_mapping.h"
#include "document/program_state.h"
#include "platform/window_dc.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace shell {

namespace {

// The drawing window the tool last drew in, when it is still open.
TChild* WindowOfTool(TClient& client, const TDrawingtool& tool) {
    if (!tool.Window) return nullptr;
    for (TMDIChild* child : client.GetChildren())
        if (static_cast<TWindow*>(child) == tool.Window) return dynamic_cast<TChild*>(child);
    return nullptr;
}

} // namespace

void WipeToolPreview(TClient& client, TDrawingtool& tool) {
    TChild* window = WindowOfTool(client, tool);
    if (!window) return;
    if (tool.EndingNeedsRepaint()) {
        window->Invalidate(true);
        return;
    }
    const TRect rc = window->GetClientRect();
    // Inside a tool call the window's context is in use; a second one would not draw.
    if (window->InputDC) {
        SetDrawingMapping(nullptr, *window->InputDC, rc);
        tool.RedrawPreview(*window->InputDC);
        return;
    }
    TClientDC dc(window);
    SetDrawingMapping(nullptr, dc, rc);
    tool.RedrawPreview(dc);
}

void RepaintWhatWaits(TClient& client) {
    if (!client.Tool || !client.Tool->HoldsUnwrittenEdits()) return;
    if (TChild* window = WindowOfTool(client, *client.Tool)) window->Invalidate(true);
}

tools::WriteResult PlaceWhatWaits(TClient& client) {
    if (DrawingState <= 1 || !client.Tool || !client.Tool->EndingPlacesEdits()) return tools::WriteResult::Ok;
    if (!WindowOfTool(client, *client.Tool)) return tools::WriteResult::Ok;
    return tools::SaveWorkingFile();
}

void RestoreToolPreview(TChild& window, TDC& dc, const TRect& client) {
    TDrawingtool* tool = window.CurrentTool();
    if (!tool || tool->Window != &window) return;
    SetDrawingMapping(nullptr, dc, client);
    tool->RedrawPreview(dc);
}

} // namespace shell
