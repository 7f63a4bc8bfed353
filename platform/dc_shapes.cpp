// Device context: closed shapes, arcs and rectangle fills. Boxes exclude their right and bottom
// edge; one-pixel outlines go through the fixed pixel path so that exclusive-or erases them.
#include <algorithm>
#include <cmath>
#include <limits>
#include <QPainter>
#include <QPolygon>

#include "platform/dc.h"
#include "platform/pixel_path.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

struct DeviceBox {
    int32_t left, top, right, bottom;
    bool Empty() const { return right <= left || bottom <= top; }
    QRectF Centres() const { return QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1); }
    QRect Pixels() const { return QRect(left, top, right - left, bottom - top); }
};

DeviceBox Normalised(POINT a, POINT b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// Past this size a one-pixel curve is left to the painter, which clips before it rasterises.
bool TooLargeForPixelPath(const DeviceBox& box, const QRect& device) {
    const int64_t limitX = 4 * int64_t(std::max(device.width(), 1024));
    const int64_t limitY = 4 * int64_t(std::max(device.height(), 1024));
    return int64_t(box.right) - box.left > limitX || int64_t(box.bottom) - box.top > limitY ||
           box.left < -limitX || box.top < -limitY || box.right > limitX || box.bottom > limitY;
}

} // namespace

// Where a one-pixel outline can show: the clip for a solid pen; everywhere for a styled one, whose
// dashes count every pixel of the whole outline, and on a painter whose transform moves the pixels.
QRect TDC::OutlineReach() const {
    if (!painterPlain_ || !DashPatternOf(pen_.Style()).IsSolid())
        return QRect(std::numeric_limits<int32_t>::min() / 2, std::numeric_limits<int32_t>::min() / 2,
                     std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());
    return clipped_ ? clip_.boundingRect().intersected(deviceRect_) : deviceRect_;
}

bool TDC::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (Diverts()) return Record([=](TDC& dc) { dc.Rectangle(left, top, right, bottom); });
    if (!Active()) return false;
    const DeviceBox box = Normalised(ToDevice(left, top), ToDevice(right, bottom));
    if (box.Empty()) return true;
    const bool outlined = pen_.Style() != PS_NULL;
    if (!brush_.IsHollow()) {
        // The brush fills inside the outline; without a pen it stops one pixel short as well.
        const QRect inside =
            outlined ? box.Pixels().adjusted(1, 1, -1, -1) : box.Pixels().adjusted(0, 0, -1, -1);
        if (!inside.isEmpty()) {
            ApplyRop();
            painter_->fillRect(inside, ToQColor(Ink(brush_.Colour())));
        }
    }
    if (outlined) {
        const bool pixelwise = DrawsPixelwise() && !TooLargeForPixelPath(box, deviceRect_);
        if (pixelwise && OutsideClip(box.Pixels())) {
            // Nothing of the outline would land inside the clip.
        } else if (pixelwise) {
            const int32_t r = box.right - 1, b = box.bottom - 1;
            const std::vector<POINT> corners{{box.left, box.top}, {r, box.top}, {r, b}, {box.left, b}};
            std::vector<POINT> path;
            AppendPathPixels(corners, true, false, OutlineReach(), path);
            StrokeOutline(path);
        } else {
            PreparePen(true);
            painter_->setBrush(Qt::NoBrush);
            painter_->drawRect(box.Centres());
        }
    }
    const int32_t reach =
        DrawsPixelwise() ? 0 : int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(box.Pixels().adjusted(-reach, -reach, reach, reach));
    return true;
}

bool TDC::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (Diverts()) return Record([=](TDC& dc) { dc.Ellipse(left, top, right, bottom); });
    const DeviceBox box = Normalised(ToDevice(left, top), ToDevice(right, bottom));
    return DrawCurve(box.left, box.top, box.right, box.bottom, box.right - box.left, box.bottom - box.top,
                     true);
}

bool TDC::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height) {
    if (Diverts()) return Record([=](TDC& dc) { dc.RoundRect(left, top, right, bottom, width, height); });
    const DeviceBox box = Normalised(ToDevice(left, top), ToDevice(right, bottom));
    return DrawCurve(box.left, box.top, box.right, box.bottom, mapping_.WidthToDevice(width),
                     mapping_.HeightToDevice(height), true);
}

// An ellipse (corner sizes as large as the box) or a rounded rectangle, in device pixels.
bool TDC::DrawCurve(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                    int32_t cornerH, bool fill) {
    if (!Active()) return false;
    const DeviceBox box{left, top, right, bottom};
    if (box.Empty()) return true;
    const bool ellipse = cornerW >= right - left && cornerH >= bottom - top;
    const bool outlined = pen_.Style() != PS_NULL;
    const bool pixelwise = DrawsPixelwise() && !TooLargeForPixelPath(box, deviceRect_);
    if (fill && !brush_.IsHollow()) {
        ApplyRop();
        painter_->setPen(Qt::NoPen);
        PrepareBrush();
        if (ellipse)
            painter_->drawEllipse(box.Centres());
        else
            painter_->drawRoundedRect(box.Centres(), cornerW / 2.0, cornerH / 2.0);
    }
    if (outlined) {
        if (pixelwise && OutsideClip(box.Pixels())) {
            // Nothing of the outline would land inside the clip.
        } else if (pixelwise) {
            std::vector<POINT> path;
            CurvePixels(left, top, right, bottom, cornerW, cornerH, 0.0, 2.0 * kPi, true, OutlineReach(),
                        path);
            StrokeOutline(path);
        } else {
            PreparePen(true);
            painter_->setBrush(Qt::NoBrush);
            if (ellipse)
                painter_->drawEllipse(box.Centres());
            else
                painter_->drawRoundedRect(box.Centres(), cornerW / 2.0, cornerH / 2.0);
        }
    }
    const int32_t reach = pixelwise ? 0 : int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(box.Pixels().adjusted(-reach, -reach, reach, reach));
    return true;
}

// Counter-clockwise as seen on the device, from the radial through the start point to the radial
// through the end point; equal radials give the whole ellipse.
bool TDC::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart, int32_t yStart,
              int32_t xEnd, int32_t yEnd) {
    if (Diverts())
        return Record([=](TDC& dc) { dc.Arc(left, top, right, bottom, xStart, yStart, xEnd, yEnd); });
    if (!Active()) return false;
    const DeviceBox box = Normalised(ToDevice(left, top), ToDevice(right, bottom));
    if (box.Empty() || pen_.Style() == PS_NULL) return true;
    double sx, sy, ex, ey;
    mapping_.ToDevice(xStart, yStart, sx, sy);
    mapping_.ToDevice(xEnd, yEnd, ex, ey);
    const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
    const double rx = std::max(0.5, (box.right - box.left - 1) / 2.0);
    const double ry = std::max(0.5, (box.bottom - box.top - 1) / 2.0);
    // Parametric angles of the points where the radials cut the ellipse; device y points down.
    const double startAngle = std::atan2(-(sy - cy) / ry, (sx - cx) / rx);
    const double endAngle = std::atan2(-(ey - cy) / ry, (ex - cx) / rx);
    double sweep = endAngle - startAngle;
    while (sweep <= 1e-12)
        sweep += 2.0 * kPi;
    if (std::fabs(sweep - 2.0 * kPi) < 1e-12) sweep = 2.0 * kPi;
    if (DrawsPixelwise() && !TooLargeForPixelPath(box, deviceRect_)) {
        if (OutsideClip(box.Pixels())) return true; // nothing of it would land inside the clip
        std::vector<POINT> path;
        CurvePixels(box.left, box.top, box.right, box.bottom, box.right - box.left, box.bottom - box.top,
                    startAngle, sweep, false, OutlineReach(), path);
        StrokeOutline(path);
        Drawn(box.Pixels());
        return true;
    }
    PreparePen(false);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawArc(box.Centres(), int(std::lround(startAngle * 180.0 / kPi * 16.0)),
                      int(std::lround(sweep * 180.0 / kPi * 16.0)));
    const int32_t reach = int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(box.Pixels().adjusted(-reach, -reach, reach, reach));
    return true;
}

bool TDC::Polygon(const POINT* points, int32_t count) {
    if (!points || count < 2 || !Active()) return false;
    if (Diverts())
        return Record([kept = std::vector<POINT>(points, points + count)](TDC& dc) {
            dc.Polygon(kept.data(), int32_t(kept.size()));
        });
    QPolygon polygon;
    std::vector<POINT> device(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        device[size_t(i)] = ToDevice(points[i].x, points[i].y);
        polygon.append(QPoint(device[size_t(i)].x, device[size_t(i)].y));
    }
    if (!brush_.IsHollow()) {
        ApplyRop();
        painter_->setPen(Qt::NoPen);
        PrepareBrush();
        painter_->drawPolygon(polygon, Qt::OddEvenFill);
    }
    const QRect outer = polygon.boundingRect();
    const bool pixelwise = DrawsPixelwise() && !TooLargeForPixelPath({outer.left(), outer.top(),
                                                                      outer.right() + 1, outer.bottom() + 1},
                                                                     deviceRect_);
    if (pen_.Style() != PS_NULL) {
        if (pixelwise && OutsideClip(outer)) {
            // Nothing of the outline would land inside the clip.
        } else if (pixelwise) {
            std::vector<POINT> path;
            AppendPathPixels(device, true, false, OutlineReach(), path);
            StrokeOutline(path);
        } else {
            PreparePen(true);
            painter_->setBrush(Qt::NoBrush);
            QPolygonF centres;
            for (const POINT& p : device)
                centres.append(QPointF(p.x + 0.5, p.y + 0.5));
            painter_->drawPolygon(centres);
        }
    }
    const int32_t reach = pixelwise ? 1 : int32_t(std::max<double>(DevicePenWidth(), hairline_)) / 2 + 1;
    Drawn(polygon.boundingRect().adjusted(-reach, -reach, reach, reach));
    return true;
}

bool TDC::FillRect(const RECT& r, const TBrush& brush) {
    return FillRect(r.left, r.top, r.right, r.bottom, brush);
}

// Fills without a pen and whatever the raster operation, right and bottom edge excluded.
bool TDC::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const TBrush& brush) {
    if (Diverts()) return Record([=](TDC& dc) { dc.FillRect(left, top, right, bottom, brush); });
    if (!Active()) return false;
    const DeviceBox box = Normalised(ToDevice(left, top), ToDevice(right, bottom));
    if (box.Empty() || brush.IsHollow()) return true;
    ApplyCopy();
    painter_->fillRect(box.Pixels(), ToQColor(Ink(brush.Colour())));
    Drawn(box.Pixels());
    return true;
}
