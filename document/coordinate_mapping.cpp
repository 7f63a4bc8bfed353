#include "document/coordinate_mapping.h"

#include "platform/dc.h"
#include "shell/globals.h"

void SetDrawingMapping(TDC& dc, const RECT& client) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExtEx(ViewExtentX, ViewExtentY);
    dc.SetViewportExtEx(client.right, -client.bottom);
    dc.SetWindowOrgEx(ScrollOriginX, ScrollOriginY);
    dc.SetViewportOrgEx(0, client.bottom);
}

int32_t ClientToDrawing(TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX, int32_t* outY) {
    SetDrawingMapping(dc, client);
    POINT p{x, y};
    const bool ok = dc.DPtoLP(&p, 1);
    *outX = ok ? p.x : x;
    *outY = ok ? p.y : y;
    return ok ? 1 : 0;
}

int32_t DrawingToClient(TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX, int32_t* outY) {
    SetDrawingMapping(dc, client);
    POINT p{x, y};
    const bool ok = dc.LPtoDP(&p, 1);
    *outX = ok ? p.x : x;
    *outY = ok ? p.y : y;
    return ok ? 1 : 0;
}
