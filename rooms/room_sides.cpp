#include "rooms/room_sides.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/house_outline.h"

namespace {

bool IsVertical(const FaceBox& f) {
    return f.left == f.right && f.top != f.bottom;
}
bool IsHorizontal(const FaceBox& f) {
    return f.top == f.bottom && f.left != f.right;
}

FaceBox Ordered(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return {std::min(x1, x2), std::max(x1, x2), std::max(y1, y2), std::min(y1, y2)};
}

// The faces of a wall that can close a room side: an external wall's face toward the inside of the
// house, or both faces of a partition. An oblique face closes none.
std::vector<std::pair<FaceBox, int32_t>> FacesOf(const TObject& o, const HouseOutline& house) {
    if (o.kind == kExtWall) {
        if (const auto* w = dynamic_cast<const TExtwallobj*>(&o)) return {{house.InnerFaceBox(*w), kExtWall}};
    } else if (o.kind == kIntWall) {
        if (const auto* w = dynamic_cast<const TIntwallobj*>(&o))
            return {{Ordered(w->x1, w->y1, w->x2, w->y2), kIntWall},
                    {Ordered(w->q1x, w->q1y, w->q2x, w->q2y), kIntWall}};
    }
    return {};
}

// An edge within the tolerance of an external wall's inner face moves onto it: the room was meant
// to stand against the wall. Later walls test the moved edges.
void SnapToExternalWalls(RoomEdges& e, const TList& list, int32_t view, const HouseOutline& house,
                         int32_t tolerance) {
    const auto near = [&](int32_t edge, int32_t face) {
        return face - tolerance < edge && edge < face + tolerance;
    };
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o || o->view != view || o->kind != kExtWall) continue;
        for (const auto& [f, kind] : FacesOf(*o, house)) {
            if (IsVertical(f)) {
                if (near(e.left, f.left))
                    e.left = f.left;
                else if (near(e.right, f.right))
                    e.right = f.right;
            } else if (IsHorizontal(f)) {
                if (near(e.top, f.top))
                    e.top = f.top;
                else if (near(e.bottom, f.bottom))
                    e.bottom = f.bottom;
            }
        }
    }
}

// The side code that names the open parts' shape; the pieces themselves come from the parts.
int32_t CodeOf(const RoomSide& side, int32_t low, int32_t high, bool vertical) {
    using namespace sidecode;
    if (side.faces.empty()) return kFree;
    const std::vector<OpenPart> parts = OpenParts(side.faces, low, high);
    if (parts.empty()) return kCovered;
    // A vertical side runs from its top (high) corner, a horizontal one from its left (low) corner.
    const OpenPart& first = vertical ? parts.back() : parts.front();
    const OpenPart& last = vertical ? parts.front() : parts.back();
    const bool startOpen = vertical ? first.high.corner : first.low.corner;
    const bool endOpen = vertical ? last.low.corner : last.high.corner;
    if (startOpen && endOpen) return vertical ? kMiddleV : kMiddleH;
    const auto external = [&](int32_t at) { return !InternalFaceAt(side.faces, at); };
    if (startOpen) {
        const int32_t at = vertical ? first.low.at : first.high.at;
        if (vertical) return external(at) ? kExternalLower : kLowerCovered;
        return external(at) ? kExternalRight : kRightCovered;
    }
    if (endOpen) {
        const int32_t at = vertical ? last.high.at : last.low.at;
        if (vertical) return external(at) ? kExternalUpper : kUpperCovered;
        return external(at) ? kExternalLeft : kLeftCovered;
    }
    return kOpenBetween;
}

// The box a square wall fills: between its faces (or its keyed line and last layer line). An oblique
// wall has none.
std::optional<FaceBox> BandOf(const TObject& o) {
    std::vector<FaceBox> lines;
    if (o.kind == kExtWall) {
        if (const auto* w = dynamic_cast<const TExtwallobj*>(&o)) {
            lines.push_back(Ordered(w->x1, w->y1, w->x2, w->y2));
            lines.push_back(w->thickness2 > 0 ? Ordered(w->p5x, w->p5y, w->p6x, w->p6y)
                                              : Ordered(w->p1x, w->p1y, w->p2x, w->p2y));
        }
    } else if (o.kind == kIntWall) {
        if (const auto* w = dynamic_cast<const TIntwallobj*>(&o)) {
            lines.push_back(Ordered(w->x1, w->y1, w->x2, w->y2));
            lines.push_back(Ordered(w->q1x, w->q1y, w->q2x, w->q2y));
        }
    }
    if (lines.empty()) return std::nullopt;
    for (const FaceBox& l : lines)
        if (!IsVertical(l) && !IsHorizontal(l)) return std::nullopt;
    return FaceBox{std::min(lines[0].left, lines[1].left), std::max(lines[0].right, lines[1].right),
                   std::max(lines[0].top, lines[1].top), std::min(lines[0].bottom, lines[1].bottom)};
}

// A wall that reaches from a side's edge out into the strip a partition there would fill covers its
// stretch of the side: the partition would lie inside the wall. A wall standing clear of the edge
// leaves the side open.
void AddBandCovers(RoomSides& sides, const FaceBox& b, int32_t kind) {
    const RoomEdges& e = sides.edges;
    if (b.top > e.bottom && b.bottom < e.top) {
        const SideFace along{std::max(b.bottom, e.bottom), std::min(b.top, e.top), kind};
        if (b.left < e.left && b.right >= e.left) sides.left.faces.push_back(along);
        if (b.right > e.right && b.left <= e.right) sides.right.faces.push_back(along);
    }
    if (b.right > e.left && b.left < e.right) {
        const SideFace along{std::max(b.left, e.left), std::min(b.right, e.right), kind};
        if (b.top > e.top && b.bottom <= e.top) sides.top.faces.push_back(along);
        if (b.bottom < e.bottom && b.top >= e.bottom) sides.bottom.faces.push_back(along);
    }
}

} // namespace

int32_t EdgeSnapTolerance(int32_t metricUnits, float penScale) {
    return static_cast<int32_t>((metricUnits == 0 ? 6.0 : 5.0) * penScale + 1.0);
}

RoomSides SurveyRoomSides(const TList& list, int32_t view, const RoomEdges& room, int32_t tolerance) {
    const HouseOutline house(list, view);
    RoomSides sides;
    sides.edges = room;
    RoomEdges& e = sides.edges;
    SnapToExternalWalls(e, list, view, house, tolerance);
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o || o->view != view) continue;
        for (const auto& [f, kind] : FacesOf(*o, house)) {
            // Every face lying on an edge and sharing a stretch with the side covers that stretch.
            if (IsVertical(f) && f.top > e.bottom && f.bottom < e.top) {
                if (f.left == e.left) sides.left.faces.push_back({f.bottom, f.top, kind});
                if (f.left == e.right) sides.right.faces.push_back({f.bottom, f.top, kind});
            } else if (IsHorizontal(f) && f.right > e.left && f.left < e.right) {
                if (f.top == e.top) sides.top.faces.push_back({f.left, f.right, kind});
                if (f.top == e.bottom) sides.bottom.faces.push_back({f.left, f.right, kind});
            }
        }
        if (const auto band = BandOf(*o)) AddBandCovers(sides, *band, o->kind);
    }
    sides.left.code = CodeOf(sides.left, e.bottom, e.top, true);
    sides.right.code = CodeOf(sides.right, e.bottom, e.top, true);
    sides.top.code = CodeOf(sides.top, e.left, e.right, false);
    sides.bottom.code = CodeOf(sides.bottom, e.left, e.right, false);
    return sides;
}
