#include "render/window_setup.h"

#include "document/program_state.h"
#include "platform/dc.h"

namespace render {

void SetUpDrawingWindow(TDC& dc, const RECT& client) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExtEx(ViewExtentX, ViewExtentY);
    dc.SetViewportExtEx(client.right, -client.bottom);
    dc.SetWindowOrgEx(ScrollOriginX, ScrollOriginY);
    dc.SetViewportOrgEx(0, client.bottom);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(BackgroundColour);
    dc.SetROP2(R2_COPYPEN);
}

} // namespace render
