#include "document/coordinate_mapping.h"

#include "document/program_state.h"
#include "platform/dc.h"

void SetDrawingMapping(const void*, TDC& dc, const RECT& client) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExtEx(ViewExtentX, ViewExtentY);
    // The negative y extent turns the y axis up.
    dc.SetViewportExtEx(client.right, -client.bottom);
    dc.SetWindowOrgEx(ScrollOriginX, ScrollOriginY);
    dc.SetViewportOrgEx(0, client.bottom);
}

namespace {

int32_t Convert(TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX, int32_t* outY,
                bool toLogical) {
    SetDrawingMapping(nullptr, dc, client);
    POINT p{x, y};
    const bool ok = toLogical ? dc.DPtoLP(&p) : dc.LPtoDP(&p);
    if (!ok) p = POINT{x, y};
    if (outX) *outX = p.x;
    if (outY) *outY = p.y;
    return ok ? 1 : 0;
}

} // namespace

int32_t ClientToDrawing(const void*, TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX,
                        int32_t* outY) {
    return Convert(dc, client, x, y, outX, outY, true);
}

int32_t DrawingToClient(const void*, TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX,
                        int32_t* outY) {
    return Convert(dc, client, x, y, outX, outY, false);
}
