#include "tests/render/render_fixture.h"

#include <algorithm>

#include "render/window_setup.h"

namespace rendertest {

namespace {

COLORREF FromRgb(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace

Canvas::Canvas(int32_t width, int32_t height, int32_t originX, int32_t originY)
    : width_(width), height_(height), originX_(originX), originY_(originY),
      image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    dc_ = std::make_unique<TDC>(image_);
}

void Canvas::SetUpWindow() {
    render::SetUpDrawingWindow(*dc_, Client());
}

COLORREF Canvas::At(int32_t x, int32_t y) const {
    const int32_t col = x - originX_;
    const int32_t row = height_ - (y - originY_);
    if (col < 0 || row < 0 || col >= width_ || row >= height_) return CLR_INVALID;
    return FromRgb(image_.pixel(col, row));
}

int32_t Canvas::Count(COLORREF colour, int32_t x0, int32_t y0, int32_t x1, int32_t y1) const {
    int32_t n = 0;
    for (int32_t x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        for (int32_t y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            if (At(x, y) == colour) ++n;
    return n;
}

int32_t Canvas::CountAll(COLORREF colour) const {
    int32_t n = 0;
    for (int32_t row = 0; row < height_; ++row)
        for (int32_t col = 0; col < width_; ++col)
            if (FromRgb(image_.pixel(col, row)) == colour) ++n;
    return n;
}

int32_t Canvas::InkCount() const {
    return width_ * height_ - CountAll(kWhite);
}

bool Canvas::InkBounds(int32_t& left, int32_t& bottom, int32_t& right, int32_t& top) const {
    bool any = false;
    for (int32_t row = 0; row < height_; ++row) {
        for (int32_t col = 0; col < width_; ++col) {
            if (FromRgb(image_.pixel(col, row)) == kWhite) continue;
            const int32_t x = col + originX_, y = height_ - row + originY_;
            if (!any) {
                left = right = x;
                bottom = top = y;
                any = true;
            }
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    }
    return any;
}

int32_t Canvas::RunsAlongRow(COLORREF colour, int32_t y, int32_t x0, int32_t x1) const {
    int32_t runs = 0;
    bool inside = false;
    for (int32_t x = x0; x <= x1; ++x) {
        const bool hit = At(x, y) == colour;
        if (hit && !inside) ++runs;
        inside = hit;
    }
    return runs;
}

void Canvas::Save(const std::string& path) const {
    image_.save(QString::fromStdString(path));
}

void ResetForCanvas(int32_t width, int32_t height, int32_t originX, int32_t originY) {
    ResetGlobals();
    ObjectList.Flush();
    ViewExtentX = width;
    ViewExtentY = height;
    ScrollOriginX = originX;
    ScrollOriginY = originY;
    ZoomDivisor = 1;
    PenScale = 1;
    PenScaleF = 1.0f;
    TextScale = 0;
    PenColour = kBlack;
    BackgroundColour = kWhite;
    SelectColour = kSelect;
    CurrentView = kGroundFloor;
    PlanDisplayMode = 0;
    std::snprintf(ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName, "%s", "Arial");
}

std::unique_ptr<TLineobj> MakeLine(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                   COLORREF colour, int32_t kind) {
    return std::make_unique<TLineobj>(view, kind, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, colour, 0, 0);
}

std::unique_ptr<TTextobj> MakeText(int32_t view, int32_t kind, int32_t x, int32_t y, const char* text,
                                   COLORREF colour, int32_t style, int32_t height, int32_t angle,
                                   int32_t weight) {
    return std::make_unique<TTextobj>(view, kind, 1, 0, 0, 0, x, 0, 0, 0, y, 0, colour, text, "Arial", angle,
                                      style, weight, height);
}

std::unique_ptr<TIntwallobj> MakeIntWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                         int32_t dx, int32_t dy, int32_t thickness, int32_t direction,
                                         COLORREF colour) {
    const int32_t attr[4] = {};
    return std::make_unique<TIntwallobj>(view, kIntWall, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, colour, thickness,
                                         0, 0, 0, 0, 1, direction, x1 + dx, 0, y1 + dy, x2 + dx, y2 + dy,
                                         attr, 0, 0);
}

std::unique_ptr<TExtwallobj> MakeExtWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                         int32_t t1, int32_t t2, int32_t t3, int32_t direction,
                                         COLORREF colour) {
    // Layers lie below a wall along x, to the right of a wall along y.
    const bool vertical = x1 == x2 && y1 != y2;
    const auto at = [&](int32_t offset, int32_t& ax, int32_t& ay, int32_t& bx, int32_t& by) {
        ax = vertical ? x1 + offset : x1;
        bx = vertical ? x2 + offset : x2;
        ay = vertical ? y1 : y1 - offset;
        by = vertical ? y2 : y2 - offset;
    };
    int32_t p[12];
    at(t1, p[0], p[1], p[2], p[3]);
    at(t1 + t2, p[4], p[5], p[6], p[7]);
    at(t1 + t2 + t3, p[8], p[9], p[10], p[11]);
    const int32_t attr[4] = {};
    return std::make_unique<TExtwallobj>(view, kExtWall, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, colour, t1, t2, t3,
                                         0, 0, 1, direction, p, 0, 0, attr);
}

std::unique_ptr<TDimensobj> MakeDimension(int32_t view, int32_t kind, int32_t x1, int32_t y1, int32_t x2,
                                          int32_t y2, int32_t d1x, int32_t d1y, int32_t d2x, int32_t d2y,
                                          int32_t direction, int32_t style, COLORREF colour) {
    return std::make_unique<TDimensobj>(view, kind, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, colour, style, d1x, d1y,
                                        d2x, d2y, direction);
}

std::unique_ptr<TRoomobj> MakeRoom(int32_t view, int32_t kind, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom, const char* name, COLORREF fill, int32_t textSize) {
    return std::make_unique<TRoomobj>(view, kind, 1, 0, 0, 0, left, 0, right, 0, top, bottom, kBlack, 0,
                                      textSize, right - left, top - bottom, fill, name, "", "");
}

std::unique_ptr<TPolyobj> MakePolygon(int32_t view, int32_t kind, std::initializer_list<POINT> points,
                                      COLORREF colour, COLORREF fill) {
    int32_t px[17] = {}, py[17] = {};
    int32_t n = 0;
    for (const POINT& p : points) {
        px[n] = p.x;
        py[n] = p.y;
        ++n;
    }
    const int32_t attr[4] = {};
    // The filled kinds 200 to 249 take their y from the heights array: give it the same values.
    return std::make_unique<TPolyobj>(view, kind, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, colour, px, py, py, attr, n,
                                      0, 0, 0, 0, 0, fill);
}

} // namespace rendertest
