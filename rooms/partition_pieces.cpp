#include "rooms/partition_pieces.h"

#include <algorithm>

namespace {

constexpr int32_t kBearingUp = 0;
constexpr int32_t kBearingRight = 900;
constexpr int32_t kBearingDown = 1800;
constexpr int32_t kBearingLeft = 2700;

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

    // A piece along every part of the side that no wall face covers, from the side's start on.
    void Side(const SideFrame& f, std::vector<PartitionPiece>& out) const {
        const int32_t low = std::min(f.start, f.end), high = std::max(f.start, f.end);
        std::vector<OpenPart> parts = OpenParts(f.side.faces, low, high);
        if (f.vertical) std::reverse(parts.begin(), parts.end());
        for (const OpenPart& part : parts) {
            const OpenEnd& from = f.vertical ? part.high : part.low;
            const OpenEnd& to = f.vertical ? part.low : part.high;
            const int32_t angle =
                from.corner ? (to.corner ? f.fullAngle : f.startPieceAngle) : f.endPieceAngle;
            out.push_back(Piece(f, from.corner ? Corner(f, true) : from.at, from.at,
                                to.corner ? Corner(f, false) : to.at, to.at, angle,
                                from.corner ? f.startMasked : from.masked,
                                to.corner ? f.endMasked : to.masked));
        }
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

// A partition's end at a room corner stops on the corner line where a face of the neighbouring side
// covers the corner; it gets a mask line where that side is wholly closed and an internal wall's face
// runs through the corner, for the partition then runs into that face.
bool Closes(const RoomSide& neighbour, int32_t corner) {
    return CoveredAt(neighbour.faces, corner);
}
bool MasksCorner(const RoomSide& neighbour, int32_t corner) {
    return neighbour.code == sidecode::kCovered && InternalFaceAt(neighbour.faces, corner);
}

} // namespace

std::vector<PartitionPiece> PlanPartitions(const RoomSides& s, int32_t t, int32_t inset) {
    const RoomEdges& e = s.edges;
    const SideFrame left{.side = s.left,
                         .edge = e.left,
                         .outward = -1,
                         .start = e.top,
                         .end = e.bottom,
                         .startOut = e.top + t,
                         .endOut = e.bottom - t,
                         .startClosed = Closes(s.top, e.left),
                         .endClosed = Closes(s.bottom, e.left),
                         .startMasked = MasksCorner(s.top, e.left),
                         .endMasked = MasksCorner(s.bottom, e.left),
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
                          .startClosed = Closes(s.top, e.right),
                          .endClosed = Closes(s.bottom, e.right),
                          .startMasked = MasksCorner(s.top, e.right),
                          .endMasked = MasksCorner(s.bottom, e.right),
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
                        .startClosed = Closes(s.left, e.top),
                        .endClosed = Closes(s.right, e.top),
                        .startMasked = MasksCorner(s.left, e.top),
                        .endMasked = MasksCorner(s.right, e.top),
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
                           .startClosed = Closes(s.left, e.bottom),
                           .endClosed = Closes(s.right, e.bottom),
                           .startMasked = MasksCorner(s.left, e.bottom),
                           .endMasked = MasksCorner(s.right, e.bottom),
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
