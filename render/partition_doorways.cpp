#include "render/partition_doorways.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/program_state.h"
#include "render/screen_units.h"

namespace {

// The pieces of an opening are turned into the wall's direction by whole degrees, so a gap line may
// lean off a wall whose direction has tenths; past this sine it is some other line.
constexpr double kMaxLean = 0.1;
// How far past a face the ends of a gap line may lie: half the wall's thickness, and never less
// than the rounding of the turned pieces.
constexpr double kMinMargin = 4.0;

double Cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// A line that may be the face gap of some wall's opening: its id and view still have to be the wall's.
bool MayBeFaceGap(const TObject& o) {
    return o.kind == kOutlineLine && o.colour == BackgroundColour;
}

// Whether the line runs along the wall with both ends between its faces (or just past them).
bool LiesAlongWall(const TIntwallobj& w, const render::FaceGap& line) {
    const double dx = double(w.x2) - w.x1, dy = double(w.y2) - w.y1;
    const double ex = double(line.b.x) - line.a.x, ey = double(line.b.y) - line.a.y;
    const double length = std::hypot(dx, dy), lineLength = std::hypot(ex, ey);
    if (length == 0 || lineLength == 0) return false;
    if (std::fabs(Cross(dx, dy, ex, ey)) > kMaxLean * length * lineLength) return false;
    // Signed distances from the first face, positive on the second face's side when it lies there.
    const auto across = [&](double x, double y) { return Cross(dx, dy, x - w.x1, y - w.y1) / length; };
    const double second = (across(w.q1x, w.q1y) + across(w.q2x, w.q2y)) / 2;
    const double margin = std::max(std::fabs(second) / 2, kMinMargin);
    const double lo = std::min(0.0, second) - margin, hi = std::max(0.0, second) + margin;
    const double a = across(line.a.x, line.a.y), b = across(line.b.x, line.b.y);
    return a >= lo && a <= hi && b >= lo && b <= hi;
}

// How far along the wall a cut's end can move as it is rounded to whole units: half a unit in x and
// half in y.
constexpr double kRoundedReach = 0.71;

// How much wider than its doorway a face is cut for a pen `penWidth` wide, whose round ends reach half
// that past a segment's end: half the pen, so that the face stops at the jamb. A pen whose half is two
// rounding reaches or more is cut a rounding reach less, so that an end rounded to whole units never
// falls short of the jamb (on paper, where a unit spans more than a pixel, that leaves a white gap) yet
// reaches no more than half a pen past it, under the ink of a jamb as wide.
double FaceCutReach(int32_t penWidth) {
    const double half = penWidth / 2.0;
    return half >= 2 * kRoundedReach ? half - kRoundedReach : half;
}

POINT Rounded(double x, double y) {
    return {render::Saturate(std::llround(x)), render::Saturate(std::llround(y))};
}

void Line(TDC& dc, POINT a, POINT b) {
    dc.MoveToEx(a.x, a.y);
    dc.LineTo(b.x, b.y);
}

// Whether the selected pen draws one pixel wide on the screen, where a line leaves out its end pixel
// (paper keeps its own ends).
bool OnePixelOnScreen(const TDC& dc) {
    POINT w[2] = {{0, 0}, {std::max(dc.GetPen().Width(), int32_t{0}), 0}};
    return CurrentView < kPrintSetup && dc.LPtoDP(w, 2) && std::abs(w[1].x - w[0].x) <= 1;
}

// A one-pixel line leaves out its end pixel, so that a chain of lines meets each vertex once; a face
// that stops at a doorway would then end a pixel short of its jamb. The end is shown by a line from
// it to the pixel next to it back along the face, which draws that one pixel (under an exclusive-or
// pen too, where drawing a pixel twice would take it away).
void ShowEndPixel(TDC& dc, POINT from, POINT end) {
    POINT d[2] = {from, end};
    if (!dc.LPtoDP(d, 2)) return;
    const int64_t n = std::max(std::llabs(int64_t(d[1].x) - d[0].x), std::llabs(int64_t(d[1].y) - d[0].y));
    if (n == 0) return;
    for (double steps = 1; steps <= 2; steps += 0.5) {
        const double t = std::min(steps / double(n), 1.0);
        const POINT back =
            Rounded(end.x + t * (double(from.x) - end.x), end.y + t * (double(from.y) - end.y));
        POINT b = back;
        if (!dc.LPtoDP(&b, 1)) return;
        const int64_t apart = std::max(std::llabs(int64_t(b.x) - d[1].x), std::llabs(int64_t(b.y) - d[1].y));
        if (apart == 0) continue;
        if (apart == 1) Line(dc, end, back);
        return;
    }
}

// How many times finer than the context's own the units of a cut's ends are. Where a unit of a
// window spans several pixels (zoomed up far), an end rounded to whole units stops up to most of a
// unit short of its jamb or runs as far past it; there the ends are placed in units this much finer,
// to the pixel, as paper places them, and a cut reaches exactly half its pen past a doorway.
constexpr int32_t kFiner = 8;

int32_t FinerFactor(const TDC& dc) {
    // Paper places its ends finely already and keeps its own units.
    if (dc.GetDeviceCaps(TECHNOLOGY) != DT_RASDISPLAY || dc.GetMapMode() != MM_ISOTROPIC) return 1;
    POINT p[2] = {{0, 0}, {1000, 1000}};
    if (!dc.LPtoDP(p, 2)) return 1;
    return std::max(std::abs(p[1].x - p[0].x), std::abs(p[1].y - p[0].y)) > 1000 ? kFiner : 1;
}

// While it lives, the context's units are `k` times finer and the selected pen as much wider, so
// that what it draws keeps its size.
class FinerUnits {
public:
    FinerUnits(TDC& dc, int32_t k) : dc_(dc), k_(k) {
        if (k_ == 1) return;
        ext_ = dc.GetWindowExt(), org_ = dc.GetWindowOrg(), viewport_ = dc.GetViewportExt();
        dc.SetWindowExtEx(ext_.cx * k_, ext_.cy * k_);
        dc.SetViewportExtEx(viewport_.cx, viewport_.cy);
        dc.SetWindowOrgEx(org_.x * k_, org_.y * k_);
        const TPen& pen = dc.GetPen();
        pen_ = dc.SelectObject(TPen(pen.Colour(), pen.Width() * k_, pen.Style()));
    }
    ~FinerUnits() {
        if (k_ == 1) return;
        dc_.SelectObject(pen_);
        dc_.SetWindowExtEx(ext_.cx, ext_.cy);
        dc_.SetViewportExtEx(viewport_.cx, viewport_.cy);
        dc_.SetWindowOrgEx(org_.x, org_.y);
    }
    FinerUnits(const FinerUnits&) = delete;
    FinerUnits& operator=(const FinerUnits&) = delete;

    // A point in the context's own units, placed in the finer ones.
    POINT At(double x, double y) const { return Rounded(x * k_, y * k_); }

private:
    TDC& dc_;
    int32_t k_;
    SIZE ext_{}, viewport_{};
    POINT org_{};
    TPen pen_;
};

} // namespace

namespace render {

FaceGapDrawnIn::FaceGapDrawnIn(TObject& object, double reach)
    : object_(object), a_{object.x1, object.y1}, b_{object.x2, object.y2} {
    if (!MayBeFaceGap(object) || reach <= 0) return;
    const double dx = double(b_.x) - a_.x, dy = double(b_.y) - a_.y, length = std::hypot(dx, dy);
    if (length == 0) return;
    // A line no longer than its pen shrinks to its middle.
    const double f = std::min(reach / length, 0.5);
    const POINT a = Rounded(a_.x + f * dx, a_.y + f * dy), b = Rounded(b_.x - f * dx, b_.y - f * dy);
    object.x1 = a.x, object.y1 = a.y, object.x2 = b.x, object.y2 = b.y;
}

FaceGapDrawnIn::~FaceGapDrawnIn() {
    object_.x1 = a_.x, object_.y1 = a_.y, object_.x2 = b_.x, object_.y2 = b_.y;
}

FaceGapIndex::FaceGapIndex(const TList& drawing) {
    for (int32_t i = 0; i < drawing.count; ++i) {
        const TObject* o = drawing[i];
        if (o != nullptr && MayBeFaceGap(*o))
            candidates_.push_back({o->view, o->id, {{o->x1, o->y1}, {o->x2, o->y2}}});
    }
    std::stable_sort(candidates_.begin(), candidates_.end(), [](const Candidate& l, const Candidate& r) {
        return l.view != r.view ? l.view < r.view : l.id < r.id;
    });
}

std::vector<FaceGap> FaceGapIndex::Of(const TIntwallobj& wall) const {
    const auto before = [](const Candidate& c, const TIntwallobj& w) {
        return c.view != w.view ? c.view < w.view : c.id < w.id;
    };
    std::vector<FaceGap> gaps;
    for (auto c = std::lower_bound(candidates_.begin(), candidates_.end(), wall, before);
         c != candidates_.end() && c->view == wall.view && c->id == wall.id; ++c) {
        if (LiesAlongWall(wall, c->gap)) gaps.push_back(c->gap);
    }
    return gaps;
}

DoorwayCut::DoorwayCut(POINT faceStart, POINT faceEnd, const std::vector<FaceGap>& placedGaps)
    : start_(faceStart), end_(faceEnd) {
    if (start_.x == end_.x && start_.y == end_.y) return; // no direction to measure along
    std::vector<Stretch> stretches;
    for (const FaceGap& g : placedGaps) {
        const double a = Fraction(g.a.x, g.a.y), b = Fraction(g.b.x, g.b.y);
        const double from = std::max(std::min(a, b), 0.0), to = std::min(std::max(a, b), 1.0);
        if (from < to) stretches.push_back({from, to});
    }
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& l, const Stretch& r) { return l.from < r.from; });
    // The gaps of the two faces of one opening overlap: one stretch each.
    for (const Stretch& s : stretches)
        Add(s);
}

DoorwayCut DoorwayCut::Widened(double reach) const {
    DoorwayCut wider = *this;
    if (doorways_.empty() || reach <= 0) return wider;
    const double f = reach / std::hypot(double(end_.x) - start_.x, double(end_.y) - start_.y);
    wider.doorways_.clear();
    for (const Stretch& d : doorways_)
        wider.Add({std::max(d.from - f, 0.0), std::min(d.to + f, 1.0)});
    return wider;
}

void DoorwayCut::Add(Stretch s) {
    if (!doorways_.empty() && s.from <= doorways_.back().to)
        doorways_.back().to = std::max(doorways_.back().to, s.to);
    else
        doorways_.push_back(s);
}

double DoorwayCut::Fraction(double x, double y) const {
    const double dx = double(end_.x) - start_.x, dy = double(end_.y) - start_.y;
    return ((x - start_.x) * dx + (y - start_.y) * dy) / (dx * dx + dy * dy);
}

std::vector<DoorwayCut::Stretch> DoorwayCut::Kept() const {
    std::vector<Stretch> kept;
    double at = 0;
    for (const Stretch& d : doorways_) {
        if (d.from > at) kept.push_back({at, d.from});
        at = d.to;
    }
    if (at < 1) kept.push_back({at, 1});
    return kept;
}

void DoorwayCut::Segment(TDC& dc, int64_t ax, int64_t ay, int64_t bx, int64_t by) const {
    if (doorways_.empty()) {
        dc.MoveToEx(Saturate(ax), Saturate(ay));
        dc.LineTo(Saturate(bx), Saturate(by));
        return;
    }
    const double ta = Fraction(double(ax), double(ay)), tb = Fraction(double(bx), double(by));
    const double lo = std::min(ta, tb), hi = std::max(ta, tb);
    // Only the doorways the segment's span along the wall reaches (a damaged record may hold many).
    auto d = std::lower_bound(doorways_.begin(), doorways_.end(), lo,
                              [](const Stretch& s, double t) { return s.to <= t; });
    const FinerUnits finer(dc, FinerFactor(dc));
    if (lo == hi) {
        // Square to the wall: wholly inside a doorway or wholly outside.
        if (d == doorways_.end() || d->from >= lo)
            Line(dc, finer.At(double(ax), double(ay)), finer.At(double(bx), double(by)));
        return;
    }
    std::vector<Stretch> cuts; // along the segment: 0 at a, 1 at b
    for (; d != doorways_.end() && d->from < hi; ++d) {
        const double u0 = (d->from - ta) / (tb - ta), u1 = (d->to - ta) / (tb - ta);
        cuts.push_back({std::max(std::min(u0, u1), 0.0), std::min(std::max(u0, u1), 1.0)});
    }
    if (ta > tb) std::reverse(cuts.begin(), cuts.end());
    const auto at = [&](double u) { return finer.At(ax + u * double(bx - ax), ay + u * double(by - ay)); };
    const bool onePixel = OnePixelOnScreen(dc);
    double from = 0;
    for (const Stretch& c : cuts) {
        if (c.from > from) {
            Line(dc, at(from), at(c.from));
            if (onePixel) ShowEndPixel(dc, at(from), at(c.from));
        }
        from = std::max(from, c.to);
    }
    if (from < 1) Line(dc, at(from), at(1));
}

void DoorwayCut::Faces(TDC& dc, POINT a, POINT b, POINT qa, POINT qb, int32_t penWidth) const {
    // A one-pixel pen has no round end to reach past a segment's end: its faces are cut at the jambs.
    const double reach = FinerFactor(dc) > 1    ? penWidth / 2.0
                         : OnePixelOnScreen(dc) ? 0
                                                : FaceCutReach(penWidth);
    const DoorwayCut cut = Widened(reach);
    cut.Segment(dc, a.x, a.y, b.x, b.y);
    cut.Segment(dc, qa.x, qa.y, qb.x, qb.y);
}

void DoorwayCut::Band(TDC& dc, const POINT band[4], int32_t penWidth) const {
    if (doorways_.empty()) {
        dc.Polygon(band, 4);
        return;
    }
    // The outline reaches half its pen past the cut. Where the ends are placed to the pixel, the cut is
    // that much wider, so that the outline stops at the jamb. Elsewhere it stops under the jamb's ink
    // where the jamb is as wide, and a pen wide enough for it is cut a rounding reach wider, so that a
    // rounded corner does not carry the outline past that ink.
    const bool toThePixel = FinerFactor(dc) > 1;
    if (penWidth > 0 && (toThePixel || penWidth / 2.0 >= kRoundedReach)) {
        Widened(toThePixel ? penWidth / 2.0 : kRoundedReach).Band(dc, band, 0);
        return;
    }
    const POINT p1 = band[0], p2 = band[1], q2 = band[2], q1 = band[3];
    const double s1 = Fraction(q1.x, q1.y), s2 = Fraction(q2.x, q2.y);
    const FinerUnits finer(dc, FinerFactor(dc));
    const auto first = [&](double f) {
        return finer.At(p1.x + f * double(p2.x - p1.x), p1.y + f * double(p2.y - p1.y));
    };
    // Where the line square to the first face at f meets the second face.
    const auto second = [&](double f) {
        if (s1 == s2) return finer.At(q1.x + f * double(p2.x - p1.x), q1.y + f * double(p2.y - p1.y));
        const double s = (f - s1) / (s2 - s1);
        return finer.At(q1.x + s * double(q2.x - q1.x), q1.y + s * double(q2.y - q1.y));
    };
    const auto corner = [&](POINT p) { return finer.At(p.x, p.y); };
    for (const Stretch& k : Kept()) {
        const POINT piece[4] = {k.from == 0 ? corner(p1) : first(k.from),
                                k.to == 1 ? corner(p2) : first(k.to), k.to == 1 ? corner(q2) : second(k.to),
                                k.from == 0 ? corner(q1) : second(k.from)};
        dc.Polygon(piece, 4);
    }
}

} // namespace render
