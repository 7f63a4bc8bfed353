#include "editing/selection_turn.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "document/objects.h"
#include "editing/object_points.h"

namespace editing {

namespace {

constexpr int32_t kFullTurn = 3600;   // tenths of a degree
constexpr int32_t kQuarterTurn = 900; // tenths of a degree
constexpr int32_t kThreeQuarters = 2700;
constexpr int32_t kLargestTextStep = 355; // a larger step leaves texts' angle words as they are
constexpr int32_t kCentred = 1;
constexpr int32_t kLeftAligned = 3;

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Brings a value into range by one full turn at most, as the angle words have always been kept.
int32_t CorrectOnce(int64_t a, int32_t highest) {
    if (a > highest) return Clamp32(a - kFullTurn);
    if (a < 0) return Clamp32(a + kFullTurn);
    return Clamp32(a);
}

RepaintPen OwnPen(const TObject& o) {
    return RepaintPen{true, o.colour, o.penStyle};
}

void TurnCorners(TObject& o, const SelectionTurn& t) {
    t.ApplyInPlace(o.x1, o.y1);
    t.ApplyInPlace(o.x2, o.y2);
}

// A circle or ellipse is kept by its level box: a quarter turn turns the box's corners, any other
// step turns its centre and keeps its width and height, where turning the two corners would squash
// it toward the turned diagonal.
void TurnRound(TObject& o, const SelectionTurn& t) {
    if (t.ExactQuarter()) {
        TurnCorners(o, t);
        return;
    }
    const int32_t cx = Clamp32((int64_t{o.x1} + o.x2) / 2);
    const int32_t cy = Clamp32((int64_t{o.y1} + o.y2) / 2);
    const POINT c = t.Apply(cx, cy);
    const int64_t dx = int64_t{c.x} - cx, dy = int64_t{c.y} - cy;
    o.x1 = Clamp32(o.x1 + dx);
    o.x2 = Clamp32(o.x2 + dx);
    o.y1 = Clamp32(o.y1 + dy);
    o.y2 = Clamp32(o.y2 + dy);
}

// All six ends of an external wall's layer lines, whether the wall uses them or not; like an external
// wall's direction, an internal wall's angle word stays.
void TurnWithOwnPoints(TObject& o, const SelectionTurn& t) {
    TurnCorners(o, t);
    ForEachOwnPoint(o, WallLayers::All, [&t](int32_t& x, int32_t& y) { t.ApplyInPlace(x, y); });
}

// The points in use only: a polygon's corner words and heights stay.
void TurnPolygonPoints(TObject& o, const SelectionTurn& t) {
    ForEachOwnPoint(o, WallLayers::All, [&t](int32_t& x, int32_t& y) { t.ApplyInPlace(x, y); });
}

void TurnDimension(TObject& o, const SelectionTurn& t) {
    TurnWithOwnPoints(o, t);
    if (auto* d = dynamic_cast<TDimensobj*>(&o)) {
        const int64_t advanced = int64_t{d->value2} + int64_t{10} * (360 - int64_t{t.Step()});
        d->value2 = advanced > kFullTurn - 1 ? Clamp32(advanced - kFullTurn) : Clamp32(advanced);
    }
}

// A centred horizontal text turns about its left end from now on; then its angle words advance and
// its anchor turns. Its second point is an angle word, not a position.
void TurnText(TObject& o, const SelectionTurn& t, int32_t& textStep, const TextHalfWidth& halfWidth) {
    auto* text = dynamic_cast<TTextobj*>(&o);
    if (!text) return;
    if (text->style == kCentred && text->angle == 0) {
        text->x1 = Clamp32(int64_t{text->x1} - (halfWidth ? halfWidth(*text) : 0));
        text->style = kLeftAligned;
    }
    if (textStep > kLargestTextStep) textStep = 0;
    text->angle = TurnedTextAngle(text->angle, textStep);
    text->x2 = TurnedTextWord(text->x2, textStep);
    t.ApplyInPlace(text->x1, text->y1);
}

} // namespace

SelectionTurn::SelectionTurn(int32_t stepDegrees, int32_t cx, int32_t cy)
    : step_(stepDegrees), cx_(cx), cy_(cy) {
    const int32_t clockwise = ((stepDegrees % 360) + 360) % 360;
    exactQuarter_ = clockwise % 90 == 0;
    quarter_ = clockwise / 90;
    // The drawing's y axis points up: a clockwise step on the screen is a counter-clockwise turn by
    // the rest of the full circle.
    const double theta = (360.0 - clockwise) * std::numbers::pi / 180.0;
    cos_ = std::cos(theta);
    sin_ = std::sin(theta);
}

POINT SelectionTurn::Apply(int32_t x, int32_t y) const {
    const int64_t dx = int64_t{x} - cx_;
    const int64_t dy = int64_t{y} - cy_;
    int64_t tx = dx;
    int64_t ty = dy;
    if (exactQuarter_) {
        switch (quarter_) {
        case 1:
            tx = dy, ty = -dx;
            break;
        case 2:
            tx = -dx, ty = -dy;
            break;
        case 3:
            tx = -dy, ty = dx;
            break;
        default:
            break;
        }
    } else {
        const double fx = static_cast<double>(dx);
        const double fy = static_cast<double>(dy);
        tx = std::llround(fx * cos_ - fy * sin_);
        ty = std::llround(fx * sin_ + fy * cos_);
    }
    return POINT{Clamp32(cx_ + tx), Clamp32(cy_ + ty)};
}

void SelectionTurn::ApplyInPlace(int32_t& x, int32_t& y) const {
    const POINT p = Apply(x, y);
    x = p.x;
    y = p.y;
}

int32_t TurnedTextAngle(int32_t angle, int32_t textStep) {
    const int64_t dT = (360 - int64_t{textStep}) * 10;
    const int64_t a = angle;
    // An angle that passes the upright position is turned a further half turn, so that the text
    // never reads upside down.
    const int64_t turned = a <= kQuarterTurn && (kFullTurn - dT) + a > kQuarterTurn
                               ? (kFullTurn - dT) - (kQuarterTurn - a) + kThreeQuarters
                               : a - dT;
    return CorrectOnce(turned, kFullTurn - 1);
}

int32_t TurnedTextWord(int32_t word, int32_t textStep) {
    const int64_t dT = (360 - int64_t{textStep}) * 10;
    return CorrectOnce(int64_t{word} - dT, kFullTurn);
}

RepaintPen TurnObject(TObject& o, const SelectionTurn& t, int32_t& textStep, const TextHalfWidth& halfWidth) {
    const int32_t kind = o.kind;
    if (kind == kArc || kind == kExtWall || kind == kIntWall || IsArrowKind(kind)) {
        TurnWithOwnPoints(o, t);
    } else if (IsPolygonKind(kind) || kind == kMarkerPolygon) {
        TurnPolygonPoints(o, t);
        const auto* poly = dynamic_cast<const TPolyobj*>(&o);
        return RepaintPen{true, poly ? static_cast<COLORREF>(poly->p6) : o.colour, o.penStyle};
    } else if (IsDimensionKind(kind)) {
        TurnDimension(o, t);
    } else if (kind == kOpening) {
        TurnPolygonPoints(o, t);
        return RepaintPen{}; // shown again by the next full repaint, as a move leaves it
    } else if (IsTextKind(kind)) {
        TurnText(o, t, textStep, halfWidth);
        return RepaintPen{true, o.colour, 0};
    } else if (kind == kEllipse || kind == kCircle) {
        TurnRound(o, t);
    } else {
        TurnCorners(o, t);
    }
    return OwnPen(o);
}

} // namespace editing
