#include "tools/drawing_tool.h"

#include "tools/cancelled_line.h"

namespace {

// A y that holds a mark rather than a point ("no object", a line left without its label) stays.
void ShiftPoint(int32_t& x, int32_t& y, int32_t dx, int32_t dy) {
    if (y == kNoObject || y == kCancelledLineMark) return;
    x += dx;
    y += dy;
}

} // namespace

// The base leaves these operations empty: a tool that does not override one ignores that input.
void TDrawingtool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TDrawingtool::ButtonUp(TDC&, TRect&, TPoint*) {}
void TDrawingtool::Button2Down(TDC&, TRect&, TPoint*) {}
void TDrawingtool::Button2Up(TDC&, TRect&, TPoint*) {}
void TDrawingtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TDrawingtool::Draw(TDC&, int32_t) {}
void TDrawingtool::RedrawPreview(TDC&) {}
bool TDrawingtool::EndingNeedsRepaint() const {
    return false;
}
bool TDrawingtool::HoldsUnwrittenEdits() const {
    return false;
}
bool TDrawingtool::EndingPlacesEdits() const {
    return false;
}
void TDrawingtool::BuildRoom(TDC&, TRect&, int32_t, int32_t) {}
void TDrawingtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TDrawingtool::SetText(TDC&, TRect&, TPoint*, const char*) {}
void TDrawingtool::Char(TDC&, TRect&, uint32_t) {}
tools::WriteResult TDrawingtool::CreateObject(TDC&, TRect&) {
    return tools::WriteResult::Ok;
}
void TDrawingtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}
void TDrawingtool::ShowLengthLabel(TDC&, TRect&, int32_t, int32_t) {}
void TDrawingtool::Command(int32_t) {}
void TDrawingtool::Start(int32_t, int32_t, int32_t) {}

// The centre aids are in tools/centre_aids.cpp.

void TDrawingtool::ShiftHeld(int32_t dx, int32_t dy) {
    ShiftPoint(X0, Y0, dx, dy);
    ShiftPoint(X1, Y1, dx, dy);
}

std::unique_ptr<TDrawingtool> TDrawingtool::Clone() const {
    return std::make_unique<TDrawingtool>(*this);
}

bool TDrawingtool::TakeState(const TDrawingtool& copy) {
    if (typeid(*this) != typeid(TDrawingtool) || typeid(copy) != typeid(TDrawingtool)) return false;
    *this = copy;
    return true;
}
