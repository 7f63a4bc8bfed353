// A cheap raster of a glyph's outline (internal to the layer): the exact share of each pixel its
// outline covers, the curves cut into short lines. It is near, not equal to, Qt's smoothed fill of
// the same outline, and costs a small part of it: a turned glyph made again from its kept choice
// takes this raster and puts right the few pixels where its inking differs, kept when it was found.
#pragma once

#include <cstdint>
#include <QPainterPath>
#include <QSize>
#include <QTransform>

namespace glyph_ink {

// Sets bit i % 64 of word i / 64 of `words` for each pixel i, row by row, of a box of `size` that
// `outline` placed by `place` covers at least `share` out of 255. False, and nothing set, where the
// outline reaches out of the box or the transform is not a turn, scale or shear.
bool OrCoveredBits(const QPainterPath& outline, const QTransform& place, QSize size, uint8_t share,
                   uint64_t* words);

} // namespace glyph_ink
