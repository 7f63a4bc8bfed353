// Device context: pens and the line primitives. One-pixel pens are rasterised here with the fixed
// pixel path; wider pens, and thin pens on a printer, are stroked by the painter: solid ones with
// round ends, styled ones with flat ends and their pattern stretched to the width.
#include <algorithm>
#include <iterator>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include "platform/dc.h"
#include "platform/draw_record.h"
#include "platform/line_spans.h"
#include "platform/pixel_path.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

QPointF Centre(POINT p) {
    return QPointF(p.x + 0.5, p.y + 0.5);
}

} // namespace

// Width in logical units scaled by the mapping's x scale; 0 and anything thinner give one pixel.
int32_t TDC::DevicePenWidth() const {
    if (pen_.Width() <= 0) return 1;
    const int32_t width = mapping_.WidthToDevice(pen_.Width());
    return width < 1 ? 1 : width;
}

// A device that records primitives rather than pixels (a picture, a custom engine) gets them as
// the painter's own lines and shapes.
bool TDC::DrawsPixelwise() const {
    return hairline_ <= 1.0 && DevicePenWidth() <= 1 && !recording_;
}

namespace {

// A dash pattern in units of the pen's width, each run `unit` device pixels long per pattern step.
void SetDashes(QPen& pen, const TDashPattern& pattern, double unit, double width) {
    QList<qreal> dashes;
    for (int32_t i = 0; i < pattern.count; ++i)
        dashes.append(pattern.runs[i] * unit / width);
    pen.setDashPattern(dashes);
    // Round or square ends would grow into the gaps.
    pen.setCapStyle(Qt::FlatCap);
}

} // namespace

void TDC::PreparePen(bool forShape) const {
    const int32_t width = DevicePenWidth();
    QPen pen(ToQColor(Ink(pen_.Colour())));
    if (width <= 1) {
        // A thin pen on a printer: at least the printed minimum wide, keeping its dash pattern.
        pen.setWidthF(hairline_);
        const TDashPattern pattern = DashPatternOf(pen_.Style(), patternScale_);
        if (!pattern.IsSolid()) {
            SetDashes(pen, pattern, 1.0, hairline_);
        } else {
            pen.setCapStyle(Qt::SquareCap);
        }
        pen.setJoinStyle(forShape ? Qt::MiterJoin : Qt::RoundJoin);
    } else {
        // No printed line is thinner than the minimum. A styled pen keeps its style at any width,
        // its pattern stretched with the width so that dashes stay dashes and dots stay dots.
        const double drawn = std::max<double>(width, hairline_);
        pen.setWidthF(drawn);
        const TDashPattern pattern = DashPatternOf(pen_.Style());
        if (!pattern.IsSolid()) {
            SetDashes(pen, pattern, std::max(drawn, patternScale_), drawn);
        } else {
            pen.setCapStyle(Qt::RoundCap);
        }
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(pen);
    ApplyRop();
}

void TDC::PrepareBrush() const {
    if (brush_.IsHollow())
        painter_->setBrush(Qt::NoBrush);
    else
        painter_->setBrush(ToQColor(Ink(brush_.Colour())));
}

bool TDC::MoveToEx(int32_t x, int32_t y, POINT* old) {
    if (old) *old = current_;
    current_ = {x, y};
    patternPhase_ = 0; // dash patterns restart at every move
    if (record_ && record_->KeepsCalls() && Diverts()) Record([x, y](TDC& dc) { dc.MoveToEx(x, y); });
    return true;
}

bool TDC::LineTo(int32_t x, int32_t y) {
    if (Diverts()) {
        Record([x, y](TDC& dc) { dc.LineTo(x, y); });
        current_ = {x, y};
        return true;
    }
    const POINT from = ToDevice(current_.x, current_.y);
    const POINT to = ToDevice(x, y);
    current_ = {x, y};
    if (!Active()) return false;
    StrokeLine(from, to);
    return true;
}

void TDC::StrokeLine(POINT from, POINT to) {
    if (pen_.Style() == PS_NULL) return;
    if (DrawsPixelwise()) {
        const TDashPattern pattern = DashPatternOf(pen_.Style());
        if (pattern.IsSolid() && image_ && SpanWritable(from, to)) {
            WriteSolidLine(from, to);
            return;
        }
        const QRect clip = clipped_ ? clip_.boundingRect().intersected(deviceRect_) : deviceRect_;
        pixels_.clear();
        gaps_.clear();
        const int64_t phase = patternPhase_;
        const int64_t length = ForEachLinePixel(from, to, clip, [&](int32_t px, int32_t py, int64_t k) {
            if (pattern.IsOn(phase + k))
                pixels_.push_back({px, py});
            else
                gaps_.push_back({px, py});
        });
        if (!pattern.IsSolid()) patternPhase_ = int32_t((phase + length) % pattern.period);
        if (bkMode_ == OPAQUE) PutPixels(gaps_.data(), gaps_.size(), bkColour_, true);
        PutPixels(pixels_.data(), pixels_.size(), pen_.Colour(), true);
        Drawn(QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                    QPoint(std::max(from.x, to.x), std::max(from.y, to.y))));
        return;
    }
    PreparePen(false);
    painter_->drawLine(Centre(from), Centre(to));
    const int32_t reach = int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                QPoint(std::max(from.x, to.x), std::max(from.y, to.y)))
              .adjusted(-reach, -reach, reach, reach));
}

// A solid one-pixel line on an image: written as spans into the scan lines, clipped to each
// rectangle of the clip region in turn (they do not overlap, so exclusive-or meets no pixel twice).
void TDC::WriteSolidLine(POINT from, POINT to) {
    const TPixelOp op = rop_ == R2_XORPEN      ? TPixelOp::Xor
                        : rop_ == R2_NOTXORPEN ? TPixelOp::NotXor
                                               : TPixelOp::Copy;
    const COLORREF colour = Ink(pen_.Colour());
    const QRgb rgb = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    const TScanLines lines{image_->bits(), image_->bytesPerLine()};
    if (!clipped_) {
        WriteLineSpans(lines, from, to, deviceRect_, rgb, op);
    } else {
        for (const QRect& r : clip_)
            WriteLineSpans(lines, from, to, r.intersected(deviceRect_), rgb, op);
    }
    Drawn(QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                QPoint(std::max(from.x, to.x), std::max(from.y, to.y))));
}

// The pixels of a whole outline, each touched once, with one dash pattern along it.
void TDC::StrokeOutline(std::vector<POINT>& path) {
    const TDashPattern pattern = DashPatternOf(pen_.Style());
    if (pattern.IsSolid()) {
        // Only the exclusive-or operations would show a pixel written twice.
        if (rop_ == R2_XORPEN || rop_ == R2_NOTXORPEN) RemoveDuplicatePixels(path);
        PutPixels(path.data(), path.size(), pen_.Colour(), true);
        return;
    }
    std::vector<POINT> on;
    std::vector<POINT> off;
    for (size_t i = 0; i < path.size(); ++i)
        (pattern.IsOn(int64_t(i)) ? on : off).push_back(path[i]);
    RemoveDuplicatePixels(on);
    RemoveDuplicatePixels(off);
    if (bkMode_ == OPAQUE) {
        std::vector<POINT> gaps;
        std::set_difference(
            off.begin(), off.end(), on.begin(), on.end(), std::back_inserter(gaps),
            [](const POINT& a, const POINT& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        PutPixels(gaps.data(), gaps.size(), bkColour_, true);
    }
    PutPixels(on.data(), on.size(), pen_.Colour(), true);
}

bool TDC::Polyline(const POINT* points, int32_t count) {
    if (!points || count < 2 || !Active()) return false;
    if (Diverts())
        return Record([kept = std::vector<POINT>(points, points + count)](TDC& dc) {
            dc.Polyline(kept.data(), int32_t(kept.size()));
        });
    if (pen_.Style() == PS_NULL) return true;
    std::vector<POINT> device(static_cast<size_t>(count));
    QRect bounds;
    for (int32_t i = 0; i < count; ++i) {
        device[size_t(i)] = ToDevice(points[i].x, points[i].y);
        bounds |= QRect(device[size_t(i)].x, device[size_t(i)].y, 1, 1);
    }
    if (DrawsPixelwise()) {
        std::vector<POINT> path;
        const QRect clip = clipped_ ? clip_.boundingRect().intersected(deviceRect_) : deviceRect_;
        for (int32_t i = 0; i + 1 < count; ++i) {
            const size_t begin = path.size();
            int64_t firstK = -1, lastK = -1;
            ForEachLinePixel(device[size_t(i)], device[size_t(i) + 1], clip,
                             [&](int32_t x, int32_t y, int64_t k) {
                                 if (firstK < 0) firstK = k;
                                 lastK = k;
                                 path.push_back({x, y});
                             });
            // The path runs in drawing order, so the dash pattern does too.
            if (firstK > lastK) std::reverse(path.begin() + std::ptrdiff_t(begin), path.end());
        }
        StrokeOutline(path);
        Drawn(bounds);
        return true;
    }
    PreparePen(false);
    QPolygonF polygon;
    for (const POINT& p : device)
        polygon.append(Centre(p));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPolyline(polygon);
    const int32_t reach = int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(bounds.adjusted(-reach, -reach, reach, reach));
    return true;
}
