#include "rooms/partition_pieces.h"

#include <initializer_list>

namespace {

using namespace sidecode;

constexpr int32_t kBearingUp = 0;
constexpr int32_t kBearingRight = 900;
constexpr int32_t kBearingDown = 1800;
constexpr int32_t kBearingLeft = 2700;

bool OneOf(int32_t code, std::initializer_list<int32_t> codes) {
    for (int32_t c : codes)
        if (code == c) return true;
    return false;
}

// A partition's end at a room corner needs a mask line where the neighbouring side is wholly closed
// by an internal wall: the partition then runs into that wall's face.
bool CornerMasked(const RoomSide& neighbour) {
    return neighbour.code == kCovered && neighbour.wallKind == kIntWall;
}

// Where a piece stops at the side's own wall, a mask line hides that wall's face across the joint. The
// external codes get none; a wall in the middle of a side has no external code, so it is always masked.
bool WallEndMasked(int32_t code) {
    return OneOf(code, {kLowerCovered, kUpperCovered, kMiddleV, kRightCovered, kLeftCovered, kMiddleH});
}

// One side of the room as the pieces see it: where its edge is, which way is out, and what lies at
// its two ends ("start" is the upper end of a vertical side, the left end of a horizontal one).
struct SideFrame {
    const RoomSide& side;
    int32_t edge;       // x of a vertical side, y of a horizontal one
    int32_t outward;    // -1 or +1
    int32_t start, end; // the room's extent along the side: yT, yB or xL, xR
    int32_t startOut;   // the corner lines moved outward by T
    int32_t endOut;
    bool startClosed, endClosed;
    bool startMasked, endMasked;
    bool vertical;
    int32_t fullAngle, startPieceAngle, endPieceAngle;
};

class Planner {
public:
    Planner(int32_t thickness, int32_t inset) : t_(thickness), k_(inset) {}

    void Side(const SideFrame& f, std::vector<PartitionPiece>& out) const {
        const int32_t code = f.side.code;
        const bool ownMask = WallEndMasked(code);
        // The wall's end nearer the side's start (upper y or left x) and the one nearer its end.
        const int32_t wallStart = f.vertical ? f.side.high : f.side.low;
        const int32_t wallEnd = f.vertical ? f.side.low : f.side.high;
        if (code == kFree) {
            out.push_back(Piece(f, Corner(f, true), f.start, Corner(f, false), f.end, f.fullAngle,
                                f.startMasked, f.endMasked));
            return;
        }
        if (OneOf(code, {kLowerCovered, kRightCovered, kMiddleV, kMiddleH, kExternalLower, kExternalRight}))
            out.push_back(Piece(f, Corner(f, true), f.start, wallStart, wallStart, f.startPieceAngle,
                                f.startMasked, ownMask));
        if (OneOf(code, {kUpperCovered, kLeftCovered, kMiddleV, kMiddleH, kExternalUpper, kExternalLeft}))
            out.push_back(
                Piece(f, wallEnd, wallEnd, Corner(f, false), f.end, f.endPieceAngle, ownMask, f.endMasked));
    }

private:
    // The first face's end at a corner: on the corner line when the neighbour closes it, else T beyond.
    static int32_t Corner(const SideFrame& f, bool atStart) {
        if (atStart) return f.startClosed ? f.start : f.startOut;
        return f.endClosed ? f.end : f.endOut;
    }

    // The piece whose first face runs from firstFrom to firstTo and whose second face from secondFrom
    // to secondTo, along the side.
    PartitionPiece Piece(const SideFrame& f, int32_t firstFrom, int32_t secondFrom, int32_t firstTo,
                         int32_t secondTo, int32_t angle, bool maskStart, bool maskEnd) const {
        PartitionPiece p;
        const int32_t outer = f.edge + f.outward * t_;
        p.first = Along(f, outer, firstFrom, firstTo);
        p.second = Along(f, f.edge, secondFrom, secondTo);
        p.angle = angle;
        if (maskStart) p.masks.push_back(Across(f, secondFrom));
        if (maskEnd) p.masks.push_back(Across(f, secondTo));
        return p;
    }

    static Segment Along(const SideFrame& f, int32_t at, int32_t from, int32_t to) {
        return f.vertical ? Segment{at, from, at, to} : Segment{from, at, to, at};
    }

    // A mask line across the partition at the given end, K short of each face.
    Segment Across(const SideFrame& f, int32_t at) const {
        const int32_t outer = f.edge + f.outward * (t_ - k_);
        const int32_t inner = f.edge + f.outward * k_;
        return f.vertical ? Segment{outer, at, inner, at} : Segment{at, outer, at, inner};
    }

    int32_t t_;
    int32_t k_;
};

} // namespace

std::vector<PartitionPiece> PlanPartitions(const RoomSides& s, int32_t t, int32_t inset) {
    const RoomEdges& e = s.edges;
    const auto closes = [](const RoomSide& n, std::initializer_list<int32_t> partial) {
        return n.code == kCovered || OneOf(n.code, partial);
    };
    const SideFrame left{.side = s.left,
                         .edge = e.left,
                         .outward = -1,
                         .start = e.top,
                         .end = e.bottom,
                         .startOut = e.top + t,
                         .endOut = e.bottom - t,
                         .startClosed = closes(s.top, {kLeftCovered, kExternalLeft}),
                         .endClosed = closes(s.bottom, {kLeftCovered, kExternalLeft}),
                         .startMasked = CornerMasked(s.top),
                         .endMasked = CornerMasked(s.bottom),
                         .vertical = true,
                         .fullAngle = kBearingDown,
                         .startPieceAngle = kBearingUp,
                         .endPieceAngle = kBearingDown};
    const SideFrame right{.side = s.right,
                          .edge = e.right,
                          .outward = +1,
                          .start = e.top,
                          .end = e.bottom,
                          .startOut = e.top + t,
                          .endOut = e.bottom - t,
                          .startClosed = closes(s.top, {kRightCovered, kExternalRight}),
                          .endClosed = closes(s.bottom, {kRightCovered, kExternalRight}),
                          .startMasked = CornerMasked(s.top),
                          .endMasked = CornerMasked(s.bottom),
                          .vertical = true,
                          .fullAngle = kBearingDown,
                          .startPieceAngle = kBearingUp,
                          .endPieceAngle = kBearingUp};
    const SideFrame top{.side = s.top,
                        .edge = e.top,
                        .outward = +1,
                        .start = e.left,
                        .end = e.right,
                        .startOut = e.left - t,
                        .endOut = e.right + t,
                        .startClosed = closes(s.left, {kUpperCovered, kExternalUpper}),
                        .endClosed = closes(s.right, {kUpperCovered, kExternalUpper}),
                        .startMasked = CornerMasked(s.left),
                        .endMasked = CornerMasked(s.right),
                        .vertical = false,
                        .fullAngle = kBearingRight,
                        .startPieceAngle = kBearingRight,
                        .endPieceAngle = kBearingRight};
    const SideFrame bottom{.side = s.bottom,
                           .edge = e.bottom,
                           .outward = -1,
                           .start = e.left,
                           .end = e.right,
                           .startOut = e.left - t,
                           .endOut = e.right + t,
                           .startClosed = closes(s.left, {kLowerCovered, kExternalLower}),
                           .endClosed = closes(s.right, {kLowerCovered, kExternalLower}),
                           .startMasked = CornerMasked(s.left),
                           .endMasked = CornerMasked(s.right),
                           .vertical = false,
                           .fullAngle = kBearingRight,
                           .startPieceAngle = kBearingRight,
                           .endPieceAngle = kBearingLeft};
    std::vector<PartitionPiece> pieces;
    const Planner planner(t, inset);
    for (const SideFrame* f : {&left, &right, &top, &bottom})
        planner.Side(*f, pieces);
    return pieces;
}
