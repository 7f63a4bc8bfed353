// The wall drawing steps shared by the screen and the bitmap's print operations: face lines, the
// solid band and the cross-hatch strokes. The face and band take a transform as in shape_drawing.h;
// the hatching works on the wall as already placed on the device, with the spacings of its scale.
#pragma once

#include <cstdint>

#include "document/objects.h"
#include "platform/dc.h"
#include "render/partition_doorways.h"
#include "render/shape_drawing.h"

namespace render {

// The two faces of a partition with the pen the caller selected, `penWidth` wide, none across its
// doorways.
template <class T>
void DrawPartitionFaces(TDC& dc, const T& t, const TIntwallobj& w, const DoorwayCut& doorways,
                        int32_t penWidth) {
    doorways.Faces(dc, {t.X(w.x1), t.Y(w.y1)}, {t.X(w.x2), t.Y(w.y2)}, {t.X(w.q1x), t.Y(w.q1y)},
                   {t.X(w.q2x), t.Y(w.q2y)}, penWidth);
}

// The outer face and line A, and lines B and C of a cavity wall.
template <class T> void DrawWallFaces(TDC& dc, const T& t, const TExtwallobj& w) {
    DrawSegment(dc, t, w.x1, w.y1, w.x2, w.y2);
    DrawSegment(dc, t, w.p1x, w.p1y, w.p2x, w.p2y);
    if (w.thickness2 >= 1) {
        DrawSegment(dc, t, w.p3x, w.p3y, w.p4x, w.p4y);
        DrawSegment(dc, t, w.p5x, w.p5y, w.p6x, w.p6y);
    }
}

// The faces with the pen the caller selected, the object's width, and the band between them, filled
// with the stock black brush whatever the colour or selection; both open across the wall's doorways
// (looked up as DoorwaysOf does).
template <class T>
void DrawSolidWall(TDC& dc, const T& t, const TIntwallobj& w, const FaceGapIndex* doorways) {
    const DoorwayCut cut = DoorwaysOf(w, t, doorways);
    dc.SelectStockObject(BLACK_BRUSH);
    DrawPartitionFaces(dc, t, w, cut, w.penWidth);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {
        {t.X(w.x1), t.Y(w.y1)}, {t.X(w.x2), t.Y(w.y2)}, {t.X(w.q2x), t.Y(w.q2y)}, {t.X(w.q1x), t.Y(w.q1y)}};
    cut.Band(dc, band, w.penWidth);
}

// The inner face: line A of a single leaf, line C of a cavity wall.
template <class T> void DrawSolidWall(TDC& dc, const T& t, const TExtwallobj& w) {
    const bool cavity = w.thickness2 >= 1;
    const POINT ia{t.X(cavity ? w.p5x : w.p1x), t.Y(cavity ? w.p5y : w.p1y)};
    const POINT ib{t.X(cavity ? w.p6x : w.p2x), t.Y(cavity ? w.p6y : w.p2y)};
    dc.SelectStockObject(BLACK_BRUSH);
    DrawSegment(dc, t, w.x1, w.y1, w.x2, w.y2);
    DeviceSegment(dc, ia.x, ia.y, ib.x, ib.y);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {{t.X(w.x1), t.Y(w.y1)}, {t.X(w.x2), t.Y(w.y2)}, ib, ia};
    dc.Polygon(band, 4);
}

// The spacings of the hatch on the device: pairs of strokes `gap` apart, counted with the period
// `step`; oblique strokes `oblique` apart in x. A pair advances by oblique + gap, which equals step
// on the screen but differs once all three are divided for a printed scale.
struct HatchPattern {
    int32_t gap, step, oblique;
    int32_t Advance() const { return oblique + gap; }
};

// The screen's spacings, in logical units.
HatchPattern ScreenHatchPattern();
// The spacings of the bitmap, divided by ZoomDivisor (never below one unit for step and oblique).
HatchPattern PrintHatchPattern();

// A wall's points and thicknesses as placed on the device, and the facts its cases are decided on:
// the stored values on the screen, the placed ones in the bitmap (where y runs the other way).
struct PlacedWall {
    int32_t t1 = 0, t2 = 0, t3 = 0; // thickness (internal) or the three layers (external)
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    POINT q1{}, q2{};                         // second face of an internal wall
    POINT p1{}, p2{}, p3{}, p4{}, p5{}, p6{}; // layer-line ends of an external wall
    bool alongX = false, alongY = false;      // the wall's ends share a y, or an x
    int32_t innerLeafDir = 0;                 // +1, -1 or 0 by which way a wall along y runs
    int32_t direction = 0;                    // tenths of a degree, as the wall runs on the device
    DoorwayCut doorways;                      // of a partition: the hatch leaves them out
};

// A bearing as it runs where y is turned the other way, as in the bitmap: a wall rising to the right
// in the drawing falls to the right there, and its oblique strokes must step down with it.
inline int32_t TurnedOver(int32_t direction) {
    return static_cast<int32_t>(((1800 - int64_t{direction}) % 3600 + 3600) % 3600);
}

// The doorways are looked up as DoorwaysOf does.
template <class T>
PlacedWall PlaceWall(const TIntwallobj& w, const T& t, bool casesOnPlacedValues,
                     const FaceGapIndex* doorways) {
    PlacedWall p;
    p.t1 = t.Len(w.thickness);
    p.x1 = t.X(w.x1), p.y1 = t.Y(w.y1), p.x2 = t.X(w.x2), p.y2 = t.Y(w.y2);
    p.q1 = {t.X(w.q1x), t.Y(w.q1y)};
    p.q2 = {t.X(w.q2x), t.Y(w.q2y)};
    p.alongX = casesOnPlacedValues ? p.y1 == p.y2 : w.y1 == w.y2;
    p.alongY = casesOnPlacedValues ? p.x1 == p.x2 : w.x1 == w.x2;
    p.direction = casesOnPlacedValues ? TurnedOver(w.direction) : w.direction;
    p.doorways = DoorwaysOf(w, t, doorways);
    return p;
}

template <class T> PlacedWall PlaceWall(const TExtwallobj& w, const T& t, bool casesOnPlacedValues) {
    PlacedWall p;
    p.t1 = t.Len(w.thickness1), p.t2 = t.Len(w.thickness2), p.t3 = t.Len(w.thickness3);
    p.x1 = t.X(w.x1), p.y1 = t.Y(w.y1), p.x2 = t.X(w.x2), p.y2 = t.Y(w.y2);
    p.p1 = {t.X(w.p1x), t.Y(w.p1y)};
    p.p2 = {t.X(w.p2x), t.Y(w.p2y)};
    p.p3 = {t.X(w.p3x), t.Y(w.p3y)};
    p.p4 = {t.X(w.p4x), t.Y(w.p4y)};
    p.p5 = {t.X(w.p5x), t.Y(w.p5y)};
    p.p6 = {t.X(w.p6x), t.Y(w.p6y)};
    p.alongX = casesOnPlacedValues ? p.y1 == p.y2 : w.y1 == w.y2;
    p.alongY = casesOnPlacedValues ? p.x1 == p.x2 : w.x1 == w.x2;
    const int32_t ya = casesOnPlacedValues ? p.y1 : w.y1, yb = casesOnPlacedValues ? p.y2 : w.y2;
    p.innerLeafDir = ya > yb ? 1 : (ya < yb ? -1 : 0);
    p.direction = casesOnPlacedValues ? TurnedOver(w.direction) : w.direction;
    return p;
}

// The two faces of a partition as placed, as DrawPartitionFaces above.
inline void DrawPartitionFaces(TDC& dc, const PlacedWall& w, int32_t penWidth) {
    w.doorways.Faces(dc, {w.x1, w.y1}, {w.x2, w.y2}, w.q1, w.q2, penWidth);
}
// The strokes inside a wall, drawn with the pen the caller selected, `penWidth` wide, none across its
// doorways.
void HatchInternalWall(TDC& dc, const HatchPattern& pattern, const PlacedWall& wall, int32_t penWidth);
// The outer leaf of an external wall, between the outer face and line A.
void HatchOuterLeaf(TDC& dc, const HatchPattern& pattern, const PlacedWall& wall);
// The inner leaf of a cavity wall, between lines B and C.
void HatchInnerLeaf(TDC& dc, const HatchPattern& pattern, const PlacedWall& wall);

} // namespace render
