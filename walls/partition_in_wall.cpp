#include "walls/partition_in_wall.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "document/document.h"

namespace {

// A start this close to a face counts as lying on it.
constexpr double kOnFace = 30.0;

struct Corner {
    double x, y;
};

// The body of an external wall: its drawn face and its innermost face line, end to end.
bool BodyOf(const TObject& o, std::array<Corner, 4>& body) {
    const auto* w = dynamic_cast<const TExtwallobj*>(&o);
    if (!w || o.kind != kExtWall) return false;
    const bool twoLines = w->thickness2 < 1;
    const Corner innerStart{double(twoLines ? w->p1x : w->p5x), double(twoLines ? w->p1y : w->p5y)};
    const Corner innerEnd{double(twoLines ? w->p2x : w->p6x), double(twoLines ? w->p2y : w->p6y)};
    body = {Corner{double(w->x1), double(w->y1)}, Corner{double(w->x2), double(w->y2)}, innerEnd, innerStart};
    return true;
}

double Cross(const Corner& a, const Corner& b, const Corner& p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// Inside the body or on its outline. A body with no area (a wall of no thickness) holds nothing.
bool Holds(const std::array<Corner, 4>& body, const Corner& p) {
    bool below = false, above = false, any = false;
    for (size_t i = 0; i < body.size(); ++i) {
        const Corner& a = body[i];
        const Corner& b = body[(i + 1) % body.size()];
        if (a.x == b.x && a.y == b.y) continue;
        const double c = Cross(a, b, p);
        below = below || c < 0;
        above = above || c > 0;
        any = true;
    }
    double area = 0;
    for (size_t i = 0; i < body.size(); ++i)
        area += Cross(body[0], body[i], body[(i + 1) % body.size()]);
    return any && area != 0 && !(below && above);
}

} // namespace

bool StartsInsideWall(const TList& doc, int32_t view, int32_t x0, int32_t y0, int32_t fx, int32_t fy,
                      int32_t x1, int32_t y1) {
    const double length = std::hypot(double(x1 - x0), double(y1 - y0));
    if (length == 0) return false;
    // The middle of the start cap, a little way along the partition.
    const double depth = std::min(kOnFace, length / 2);
    const Corner probe{(x0 + fx) / 2.0 + (x1 - x0) / length * depth,
                       (y0 + fy) / 2.0 + (y1 - y0) / length * depth};
    for (int32_t i = 0; i < doc.count; ++i) {
        const TObject* o = doc[i];
        std::array<Corner, 4> body{};
        if (o && o->view == view && BodyOf(*o, body) && Holds(body, probe)) return true;
    }
    return false;
}
