#include "walls/opening_construction.h"

#include <cmath>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "walls/opening_frame.h"

namespace {

constexpr int32_t kCillProjection = 50; // drawing units in both unit systems
constexpr int32_t kLabelOffsetMetric = 50;
constexpr int32_t kLabelOffsetImperial = 48; // two inches
constexpr int32_t kLeftAligned = 4;
constexpr int32_t kRightAligned = 6;
constexpr double kRadiansPerTenth = 0.001745;

bool HasMiddleLine(int32_t kind) {
    return kind == 1 || kind == 2 || kind == 9 || kind == 11 || kind == 12 || kind == 19;
}

// A third of the wall in for garage doors, the middle for windows.
int32_t MiddleLineY(const Opening& o) {
    return o.kind == 9 || o.kind == 19 ? o.py + o.thickness / 3 : o.py + o.thickness / 2;
}

bool StandsOutWithCill(const Opening& o) {
    return o.wallClass == kExternalWallClass && o.cillFlag == 1 && o.kind != 9 && o.kind != 19 && o.kind != 20;
}

std::unique_ptr<TObject> Line(const Opening& o, int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour,
                              int32_t penWidth, int32_t aux) {
    return std::make_unique<TLineobj>(o.view, kOutlineLine, penWidth, 0, o.wallId, o.openingId, x1, aux, x2, aux,
                                      y1, y2, colour, 0, 0);
}

struct Box {
    int32_t xl, xr, yf, yb, yOut;
};

void AddPolygon(const Opening& o, TList& document, const Box& b) {
    const int32_t px[4] = {b.xr, b.xl, b.xl, b.xr};
    const int32_t py[4] = {b.yOut, b.yOut, b.yb, b.yb};
    const int32_t h = o.level - o.floorBase;
    const int32_t ph[4] = {h, h, h, h};
    const int32_t attr[4] = {};
    auto polygon = std::make_unique<TPolyobj>(o.view, kOpeningPolygon, 1, 0, o.wallId, o.openingId, 0, 0, 0, 0, 0,
                                              0, o.colour, px, py, ph, attr, 4, 0, 0, 0, 0, 0, BackgroundColour);
    AddOpeningPiece(o, document, std::move(polygon));
}

// On a partition the face lines are painted over in the background and closed by two jambs.
void AddPartitionGap(const Opening& o, TList& document, const Box& b) {
    const int32_t gapWidth = IsSquareAngle(o.angle) ? 1 : 2;
    AddOpeningPiece(o, document, Line(o, b.xr, b.yOut, b.xl, b.yOut, BackgroundColour, gapWidth, 0));
    AddOpeningPiece(o, document, Line(o, b.xl, b.yb, b.xr, b.yb, BackgroundColour, gapWidth, 0));
    AddOpeningPiece(o, document, Line(o, b.xr, b.yOut, b.xr, b.yb, o.colour, 1, 0));
    AddOpeningPiece(o, document, Line(o, b.xl, b.yOut, b.xl, b.yb, o.colour, 1, 0));
}

} // namespace

int32_t OpeningRound(double x) {
    const auto n = static_cast<int64_t>(x * 100.0);
    return static_cast<int32_t>(n % 100 >= 50 ? n / 100 + 1 : n / 100);
}

void AddOpeningPiece(const Opening& opening, TList& document, std::unique_ptr<TObject> piece) {
    PlacePiece(opening, FrameOf(opening, document), *piece);
    document.Add(std::move(piece));
}

void BuildOpening(const Opening& o, TList& document) {
    Box b{o.px - o.width / 2, o.px + o.width / 2, o.py, o.py + o.thickness, o.py};
    if (StandsOutWithCill(o)) b.yOut = o.py - kCillProjection;
    if (o.wallClass == kExternalWallClass)
        AddPolygon(o, document, b);
    else
        AddPartitionGap(o, document, b);
    if (HasMiddleLine(o.kind)) {
        const int32_t ym = MiddleLineY(o);
        AddOpeningPiece(o, document, Line(o, b.xl, ym, b.xr, ym, o.colour, 1, o.level));
    }
}

bool KindTakesLabel(int32_t kind) {
    return kind < 5 || (kind >= 11 && kind <= 14);
}

OpeningFinish FinishOf(const Opening& o) {
    const int32_t k = o.kind;
    const bool window = k == 1 || k == 2 || k == 4 || k == 11 || k == 12 || k == 14;
    if (window && o.sizeLabelFlag == 1) return OpeningFinish::Label;
    if (k == 5 || k == 9 || k == 15) return OpeningFinish::Nothing;
    return OpeningFinish::Symbol;
}

LabelPlacement OpeningLabelPlacement(const Opening& o, int32_t metricUnits) {
    const int32_t step = metricUnits == 1 ? kLabelOffsetMetric : kLabelOffsetImperial;
    const int32_t off = o.cillFlag == 1 ? 2 * step : step;
    const int32_t a = o.angle;
    if (a == 900) return {o.px, o.py + off, 0, kRightAligned};
    if (a == 2700) return {o.px, o.py - off, 0, kLeftAligned};
    if (a == 1800) return {o.px + off, o.py, 2700, kLeftAligned};
    if (a == 0) return {o.px - off, o.py, 2700, kRightAligned};
    const int32_t r = a < 900 ? a : a < 1800 ? a - 900 : a < 2700 ? a - 1800 : a - 2700;
    const double t = r * kRadiansPerTenth;
    const int32_t c = OpeningRound(off * std::cos(t));
    const int32_t s = OpeningRound(off * std::sin(t));
    if (a < 900) return {o.px - c, o.py + s, 2700 + a, kRightAligned};
    if (a < 1800) return {o.px + s, o.py + c, a - 900, kRightAligned};
    if (a < 2700) return {o.px + c, o.py - s, a + 900, kLeftAligned};
    return {o.px - s, o.py - c, a - 2700, kLeftAligned};
}

void AddOpeningLabel(const Opening& o, TList& document, const LabelPlacement& at, const std::string& text,
                     int32_t height, const char* fontName, int32_t weight) {
    document.Add(std::make_unique<TTextobj>(o.view, kSizeLabel, 1, 0, 0, o.openingId, at.x, 0, o.angle, 0, at.y, 0,
                                            o.colour, text.c_str(), fontName, at.angle, at.style, weight, height));
}
