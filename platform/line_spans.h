// One-pixel solid lines written straight into the scan lines of a 32-bit image: the same pixels as
// ForEachLinePixel, but clipped once per line (on both axes, before any pixel is visited) and
// written as horizontal spans, vertical columns and diagonal steps through a row pointer, with no
// call and no bounds test per pixel.
#pragma once

#include <cstdint>
#include <QRect>
#include <QRgb>

#include "platform/win_types.h"

// What a written pixel becomes: the pen's colour, or the destination exclusive-or'ed with it
// (optionally inverted). The alpha byte of an RGB32 image stays opaque either way.
enum class TPixelOp { Copy, Xor, NotXor };

// A 32-bit image's pixels: the first byte and the bytes from one scan line to the next.
struct TScanLines {
    uchar* bits = nullptr;
    qsizetype stride = 0;
};

// True when the span writer handles a line between these device points; beyond that range its
// closed-form clipping could overflow, and the caller keeps to the per-pixel path.
bool SpanWritable(POINT from, POINT to);

// Writes the line's pixels that lie inside clip, end pixel excluded. clip must lie inside the
// image; the line must be SpanWritable.
void WriteLineSpans(const TScanLines& image, POINT from, POINT to, const QRect& clip, QRgb rgb, TPixelOp op);
