// The pictures of the control-bar buttons and the frame's icon, drawn in code: 16 x 16 glyphs
// keyed by their bitmap resource number.
#pragma once

#include <cstdint>
#include <QImage>

namespace res {

constexpr int32_t kGlyphSize = 16;
constexpr int32_t kProgramIconId = 1;

// The glyph of a control-bar bitmap resource; a transparent 16 x 16 image for a number that has
// no picture.
QImage Glyph(int32_t bitmapId);

// The frame's small icon: a little house plan.
QImage ProgramIcon();

} // namespace res
