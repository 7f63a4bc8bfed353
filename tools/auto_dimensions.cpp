// The automatic dimension of each external wall: two arrows on a line set off on the wall's outer
// side and the wall's length in the middle. Every run rebuilds all of them for the view.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

#include "document/coordinate_mapping.h"
#include "document/dimension_figure.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/house_outline.h"
#include "document/program_state.h"
#include "tools/dimension_texts.h"
#include "tools/dimensions.h"
#include "tools/drawing_tool.h"
#include "tools/length_text.h"
#include "tools/line_modes.h"
#include "tools/round_hundredths.h"
#include "tools/working_file.h"

namespace {

// Tenths of a degree to radians, with the constant the wall geometry has always used.
constexpr double kRadiansPerTenth = 0.001745;

int32_t Trunc(double v) {
    return static_cast<int32_t>(v);
}

std::unique_ptr<TArrowobj> MakeArrow(const TDrawingtool& tool, int32_t kind, int32_t id, POINT tip,
                                     POINT tail, POINT barb1, POINT barb2, POINT witness1, POINT witness2) {
    return std::make_unique<TArrowobj>(CurrentView, kind, 1, 0, id, tool.SegmentLength, tip.x, 0, tail.x, 0,
                                       tip.y, tail.y, PenColour, barb1.x, barb1.y, barb2.x, barb2.y,
                                       witness1.x, witness1.y, witness2.x, witness2.y);
}

// The sines and cosines of the two angles an angled arrow's pieces are measured with.
struct ArrowBasis {
    int32_t quadrant;
    double sinR, cosR; // r = 900 q - b: across the wall
    double sinS, cosS; // s = b - 900 (q - 1): along it
};

// Across the wall, outward, L long: each component truncated on its own.
POINT Across(const ArrowBasis& k, int32_t length) {
    const int32_t s = Trunc(length * k.sinR);
    const int32_t c = Trunc(length * k.cosR);
    switch (k.quadrant) {
    case 1:
        return {-s, c};
    case 2:
        return {c, s};
    case 3:
        return {s, -c};
    default:
        return {-c, -s};
    }
}

// Along the wall from its start towards its end, L long.
POINT Along(const ArrowBasis& k, int32_t length) {
    const int32_t s = Trunc(length * k.sinS);
    const int32_t c = Trunc(length * k.cosS);
    switch (k.quadrant) {
    case 1:
        return {s, c};
    case 2:
        return {c, -s};
    case 3:
        return {-s, -c};
    default:
        return {-c, s};
    }
}

POINT Plus(POINT a, POINT b, int32_t sign = 1) {
    return {a.x + sign * b.x, a.y + sign * b.y};
}

int32_t QuadrantOf(int32_t b) {
    return b < 900 ? 1 : b < 1800 ? 2 : b < 2700 ? 3 : 4;
}

// A wall's own direction is trusted unless it lies on a square bearing or outside a turn, which an
// angled wall cannot have: then its ends tell, kept strictly inside the quadrant they point into.
int32_t AngledWallBearing(const TExtwallobj& wall) {
    const int32_t d = wall.direction;
    const bool usable = d >= 0 && d < 3600 && d != 900 && d != 1800 && d != 2700;
    if (usable) return d;
    const int32_t b = BearingFromEnds(wall.x1, wall.y1, wall.x2, wall.y2);
    const bool right = wall.x2 > wall.x1;
    const bool up = wall.y2 > wall.y1;
    if (right && up) return std::clamp(b, 1, 899);
    if (right) return std::clamp(b, 901, 1799);
    if (!up) return std::clamp(b, 1801, 2699);
    return std::clamp(b, 2701, 3599);
}

void AddWallText(TDrawingtool& tool, const DimensionSettings& s, int32_t length, int32_t x, int32_t y) {
    const DimensionFigure figure = OutsideFigure(tool.Angle, s.textOrientation > 0);
    ObjectList.Add(MakeDimensionText({.kind = kAutoDimensionText,
                                      .id = tool.ObjectId,
                                      .group = tool.SegmentLength,
                                      .x = x,
                                      .y = y,
                                      .bearing = tool.Angle,
                                      .angle = figure.angle,
                                      .style = figure.style,
                                      .height = s.dimensionTextHeight},
                                     LengthText(length)));
    tool.X0 = x;
    tool.Y0 = y;
}

void DimensionSquareWall(TDrawingtool& tool, const TExtwallobj& w, const DimensionSettings& s) {
    const int32_t off = s.externalOffset;
    const int32_t length = w.group; // external walls keep their length in the group field
    if (w.y1 == w.y2) {
        const bool right = w.x1 < w.x2;
        const int32_t y = right ? w.y1 + off : w.y1 - off;
        const int32_t lo = std::min(w.x1, w.x2);
        const int32_t hi = std::max(w.x1, w.x2);
        tool.Angle = right ? 900 : 2700;
        AddArrow(tool, kAutoArrow, lo, y, 'l');
        AddArrow(tool, kAutoArrow, hi, y, 'r');
        AddWallText(tool, s, length, lo + (hi - lo) / 2, y);
        return;
    }
    const bool up = w.y1 < w.y2;
    const int32_t x = up ? w.x1 - off : w.x1 + off;
    const int32_t lo = std::min(w.y1, w.y2);
    const int32_t hi = std::max(w.y1, w.y2);
    tool.Angle = up ? 0 : 1800;
    AddArrow(tool, kAutoArrow, x, up ? hi : lo, up ? 't' : 'b');
    AddArrow(tool, kAutoArrow, x, up ? lo : hi, up ? 'b' : 't');
    AddWallText(tool, s, length, x, lo + (hi - lo) / 2);
}

// The outward offset of an angled wall's text: the wall's left-hand normal, off long, as the
// quadrant's own formula truncates it.
POINT AngledTextOffset(int32_t q, int32_t b, int32_t off) {
    auto rad = [](int32_t tenths) { return tenths * kRadiansPerTenth; };
    switch (q) {
    case 1:
        return {-Trunc(off * std::cos(rad(b))), Trunc(off * std::sin(rad(b)))};
    case 2:
        return {Trunc(off * std::cos(rad(1800 - b))), Trunc(off * std::sin(rad(1800 - b)))};
    case 3:
        return {Trunc(off * std::sin(rad(2700 - b))), -Trunc(off * std::cos(rad(2700 - b)))};
    default:
        return {-Trunc(off * std::cos(rad(3600 - b))), -Trunc(off * std::sin(rad(3600 - b)))};
    }
}

void DimensionAngledWall(TDrawingtool& tool, const TExtwallobj& w, const DimensionSettings& s) {
    const int32_t b = AngledWallBearing(w);
    const int32_t q = QuadrantOf(b);
    const int32_t off = s.externalOffset;
    tool.Angle = b;
    AddAngledArrow(tool, w.x1, w.y1, b, q, 1, off);
    AddAngledArrow(tool, w.x2, w.y2, b, q, 2, off);

    const double dx = static_cast<double>(w.x2) - w.x1;
    const double dy = static_cast<double>(w.y2) - w.y1;
    const bool shortWall = std::sqrt(dx * dx + dy * dy) < kShortWallZooms * ZoomDivisor;
    const POINT o = AngledTextOffset(q, b, off);
    const int32_t times = shortWall ? 2 : 1;
    const int32_t x = w.x1 + times * o.x + (w.x2 - w.x1) / 2;
    const int32_t y = w.y1 + times * o.y + (w.y2 - w.y1) / 2;
    AddWallText(tool, s, w.group, x, y);
}

void DimensionWall(TDrawingtool& tool, const TExtwallobj& wall, const DimensionSettings& s) {
    // A wall of no length has no line to set a dimension against.
    if (wall.x1 == wall.x2 && wall.y1 == wall.y2) return;
    if (wall.x1 == wall.x2 || wall.y1 == wall.y2)
        DimensionSquareWall(tool, wall, s);
    else
        DimensionAngledWall(tool, wall, s);
}

} // namespace

TExtwallobj KeyedClockwise(const HouseOutline& house, const TExtwallobj& wall) {
    TExtwallobj w = wall;
    if (!house.OnLeft(wall)) return w;
    std::swap(w.x1, w.x2);
    std::swap(w.y1, w.y2);
    // A direction the wall's own rules would not trust stays untrusted, so its ends tell.
    const int32_t d = wall.direction;
    w.direction = d >= 0 && d < 3600 && d % 900 != 0 ? (d + 1800) % 3600 : -1;
    return w;
}

namespace {} // namespace

int32_t BearingFromEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const double dx = std::abs(static_cast<double>(x2) - x1);
    const double dy = std::abs(static_cast<double>(y2) - y1);
    const int32_t a = RoundHundredths(std::atan(dx / dy) * 572.9578);
    const bool right = x2 > x1;
    const bool up = y2 > y1;
    if (right && up) return a;
    if (right) return 1800 - a;
    if (!up) return 1800 + a;
    return 3600 - a;
}

void RemoveAutoDimensions() {
    bool removed = false;
    for (int32_t i = ObjectList.count - 1; i >= 0; --i) {
        const TObject* o = ObjectList[i];
        if (o && o->view == CurrentView && (o->kind == kAutoArrow || o->kind == kAutoDimensionText)) {
            ObjectList.RemoveAt(i);
            removed = true;
        }
    }
    if (removed) ObjectList.ForgetSelection();
}

void AddArrow(TDrawingtool& tool, int32_t kind, int32_t x, int32_t y, char dir) {
    const int32_t z = ZoomDivisor;
    const int32_t h = (10 * z) / 2;
    const bool horizontal = dir == 'l' || dir == 'r';
    // The shaft runs inward from the tip: right of a left end, below a top end, and so on.
    const int32_t sign = (dir == 'l' || dir == 'b') ? 1 : -1;
    POINT tail, barb1, barb2, w1, w2;
    if (horizontal) {
        tail = {x + sign * 40 * z, y};
        barb1 = {x + sign * 20 * z, y + h};
        barb2 = {x + sign * 20 * z, y - h};
        w1 = {x, y + 20 * z};
        w2 = {x, y - 20 * z};
    } else {
        tail = {x, y + sign * 40 * z};
        barb1 = {x - h, y + sign * 20 * z};
        barb2 = {x + h, y + sign * 20 * z};
        w1 = {x - 20 * z, y};
        w2 = {x + 20 * z, y};
    }
    ObjectList.Add(MakeArrow(tool, kind, tool.ObjectId, {x, y}, tail, barb1, barb2, w1, w2));
    tool.X0 = x;
    tool.Y0 = y;
    tool.X1 = tail.x;
    tool.Y1 = tail.y;
    tool.LineStyle = 0;
}

void AddAngledArrow(TDrawingtool& tool, int32_t x, int32_t y, int32_t bearing, int32_t quadrant, int32_t end,
                    int32_t offset) {
    const int32_t z = ZoomDivisor;
    const double r = (900 * quadrant - bearing) * kRadiansPerTenth;
    const double s = (bearing - 900 * (quadrant - 1)) * kRadiansPerTenth;
    const ArrowBasis k{quadrant, std::sin(r), std::cos(r), std::sin(s), std::cos(s)};
    // The first witness end and the first barb lie on the outer or the inner side by quadrant.
    const int32_t witnessSide = (quadrant == 1 || quadrant == 4) ? 1 : -1;
    const int32_t barbSide = quadrant <= 2 ? 1 : -1;
    const int32_t shaftSign = end == 1 ? 1 : -1;

    const POINT tip = Plus({x, y}, Across(k, offset));
    const POINT tail = Plus(tip, Along(k, 40 * z), shaftSign);
    const POINT base = Plus(tip, Along(k, 20 * z), shaftSign);
    const POINT witness = Across(k, 20 * z);
    const POINT barb = Across(k, 5 * z);
    ObjectList.Add(MakeArrow(tool, kAutoArrow, 0, tip, tail, Plus(base, barb, barbSide),
                             Plus(base, barb, -barbSide), Plus(tip, witness, witnessSide),
                             Plus(tip, witness, -witnessSide)));
    tool.X0 = tip.x;
    tool.Y0 = tip.y;
    tool.X1 = tail.x;
    tool.Y1 = tail.y;
    tool.LineStyle = 0;
}

void AutoDimensionWalls(TDrawingtool& tool, TDC& dc, const RECT& client) {
    const DimensionSettings s = ReadDimensionSettings(MetricUnits);
    SetDrawingMapping(nullptr, dc, client);
    RemoveAutoDimensions();
    tool.Kind = toolkind::kAfterAutoDimensions;
    const HouseOutline house(ObjectList, CurrentView);
    int32_t walls = 0;
    const int32_t count = ObjectList.count;
    for (int32_t i = 0; i < count; ++i) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(ObjectList[i]);
        if (!wall || wall->kind != kExtWall || wall->view != CurrentView) continue;
        ++walls;
        tool.SegmentLength = NextCompositeId();
        DimensionWall(tool, KeyedClockwise(house, *wall), s);
    }
    if (walls > 4)
        AddDimensionTexts(tool, dc, client, s.overallOffset, s.textOrientation, s.dimensionTextHeight);
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(tools::SaveWorkingFile());
}
