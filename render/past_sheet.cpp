#include "render/past_sheet.h"

#include <algorithm>

#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/gdi_objects.h"

namespace render {

namespace {

constexpr int32_t kStep = 0x30;

int32_t Toward(int32_t channel, bool light) {
    return light ? std::max(channel - kStep, 0) : std::min(channel + kStep, 255);
}

} // namespace

COLORREF PastSheetColour() {
    const int32_t r = GetRValue(BackgroundColour), g = GetGValue(BackgroundColour),
                  b = GetBValue(BackgroundColour);
    const bool light = r + g + b > 3 * 128;
    return RGB(Toward(r, light), Toward(g, light), Toward(b, light));
}

void PaintPastSheet(TDC& dc) {
    // The view in logical units, a unit wider on every side so that no pixel at its border is missed.
    const int32_t left = ScrollOriginX - 1, bottom = ScrollOriginY - 1;
    const int32_t right = ScrollOriginX + ViewExtentX + 1, top = ScrollOriginY + ViewExtentY + 1;
    const TBrush past(PastSheetColour());
    if (left < 0) dc.FillRect(left, top, 0, bottom, past);
    if (right > SheetWidth) dc.FillRect(SheetWidth + 1, top, right, bottom, past);
    const int32_t from = std::max(left, 0), to = std::min(right, SheetWidth + 1);
    if (bottom < 0) dc.FillRect(from, 0, to, bottom, past);
    if (top > SheetHeight) dc.FillRect(from, top, to, SheetHeight + 1, past);
}

} // namespace render
