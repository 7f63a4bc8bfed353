// The doorways of a partition. A door or opening cut into a partition marks its stretch with lines
// in the background colour over the wall's two faces, but a line of the background drawn over a face
// only hides it where the two fall on the same pixels, which a turned wall or a wide pen defeats; so
// the faces, the hatch strokes and the solid band leave that stretch out themselves, in every style.
// The wall's record holds no mark of its openings, so the stretches are found at paint time from the
// opening's pieces: drawings stored before show their doorways too, and the file stays as it was.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/objects.h"
#include "platform/dc.h"

namespace render {

// A face gap of an opening: a line of the wall's own id, in the background colour, along the wall
// and between its faces. Its ends, in stored units or as placed on the device.
struct FaceGap {
    POINT a{};
    POINT b{};
};

// A face-gap line drawn in by `reach` stored units at both ends for as long as it lives: its pen's round
// ends reach that far past them, and would wipe a face's end beyond the jamb's ink (the faces leave
// their doorways out themselves, so nothing of the wall is left for it to hide there). Any other
// object is left as it is.
class FaceGapDrawnIn {
public:
    FaceGapDrawnIn(TObject& object, double reach);
    ~FaceGapDrawnIn();
    FaceGapDrawnIn(const FaceGapDrawnIn&) = delete;
    FaceGapDrawnIn& operator=(const FaceGapDrawnIn&) = delete;

private:
    TObject& object_;
    POINT a_, b_;
};

// The face-gap lines of a whole drawing, gathered in one pass and grouped by wall id and view, so
// that a paint of many partitions does not search the drawing once for each of them. It holds copies
// of the lines' ends, never the objects, and lives for one paint.
class FaceGapIndex {
public:
    explicit FaceGapIndex(const TList& drawing);

    // Every face gap of the partition in the drawing the index was gathered from.
    std::vector<FaceGap> Of(const TIntwallobj& wall) const;

private:
    struct Candidate {
        int32_t view;
        int32_t id;
        FaceGap gap;
    };
    std::vector<Candidate> candidates_; // by view, then id; in document order within each
};

// The doorways along a partition's first face as placed on the device, and the drawing of wall
// ink around them. Without doorways every call draws exactly what it would draw uncut.
class DoorwayCut {
public:
    DoorwayCut() = default;
    DoorwayCut(POINT faceStart, POINT faceEnd, const std::vector<FaceGap>& placedGaps);

    bool Empty() const { return doorways_.empty(); }
    // The same doorways, each `reach` wider at both jambs along the first face: the cut for a pen whose
    // round ends reach that far past the ends of its segments, so that they stop at the jambs.
    DoorwayCut Widened(double reach) const;

    // The segment (a)-(b) without its parts across a doorway.
    void Segment(TDC& dc, int64_t ax, int64_t ay, int64_t bx, int64_t by) const;
    // The first face (a)-(b) and the second (qa)-(qb), drawn with the selected pen, `penWidth` wide, whose
    // round ends reach half that past a segment's end: none across a doorway, each reaching its jambs.
    void Faces(TDC& dc, POINT a, POINT b, POINT qa, POINT qb, int32_t penWidth) const;
    // The band {first face start, first face end, second face end, second face start} filled with the
    // selected brush and outlined with the selected pen, `penWidth` wide, in one piece between each two
    // doorways.
    void Band(TDC& dc, const POINT band[4], int32_t penWidth) const;

private:
    // A stretch without wall ink, as fractions of the first face: 0 at its start, 1 at its end.
    struct Stretch {
        double from;
        double to;
    };

    double Fraction(double x, double y) const;
    // Appends a stretch that starts no earlier than the last one, joined with it where they overlap.
    void Add(Stretch s);
    // The kept stretches of [0, 1] once the doorways are taken out.
    std::vector<Stretch> Kept() const;

    POINT start_{};
    POINT end_{};
    std::vector<Stretch> doorways_; // in order, apart, inside [0, 1]
};

// The doorways of a partition placed by the transform of the drawing step, looked up in the index of
// the paint pass, or found in the drawing where the partition is painted on its own (`index` null).
template <class T> DoorwayCut DoorwaysOf(const TIntwallobj& wall, const T& t, const FaceGapIndex* index) {
    std::vector<FaceGap> gaps = index != nullptr ? index->Of(wall) : FaceGapIndex(ObjectList).Of(wall);
    if (gaps.empty()) return {};
    for (FaceGap& g : gaps) {
        g.a = {t.X(g.a.x), t.Y(g.a.y)};
        g.b = {t.X(g.b.x), t.Y(g.b.y)};
    }
    return DoorwayCut({t.X(wall.x1), t.Y(wall.y1)}, {t.X(wall.x2), t.Y(wall.y2)}, gaps);
}

} // namespace render
