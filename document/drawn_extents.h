// The rectangle the stored points of a set of objects cover, in drawing units, and the bitmap
// export's size taken from it: one pixel per 25 mm (or per inch), with a margin round the drawing.
#pragma once

#include <algorithm>
#include <cstdint>

#include "document/objects.h"
#include "document/program_state.h"

struct DrawnExtents {
    static constexpr int32_t kNone = 300000;
    // Pixels added to the bitmap's width on each side, and to its height in all.
    static constexpr int32_t kSideMargin = 10;
    static constexpr int32_t kHeightMargin = 10;

    int32_t minX = kNone, maxX = 0, minY = kNone, maxY = 0;

    bool Empty() const { return minX == kNone && maxX == 0; }
    void NoteX(int32_t x) { minX = std::min(minX, x), maxX = std::max(maxX, x); }
    void NoteY(int32_t y) { minY = std::min(minY, y), maxY = std::max(maxY, y); }

    void Note(const TObject& o) {
        const int32_t k = o.kind;
        if (IsTextKind(k)) {
            NoteX(o.x1), NoteY(o.y1);
        } else if (IsPolygonKind(k) || k == kMarkerPolygon) {
            if (const auto* p = dynamic_cast<const TPolyobj*>(&o)) {
                const int32_t n = std::clamp<int32_t>(p->count, 0, TPolyobj::kMaxPoints);
                for (int32_t i = 0; i < n; ++i)
                    NoteX(p->px[i]), NoteY(p->py[i]);
            }
        } else if (IsLineKind(k) || k == kExtWall || IsArrowKind(k) || IsDimensionKind(k) || k == kArc ||
                   (k >= kEllipse && k <= kRoundRect)) {
            NoteX(o.x1), NoteX(o.x2), NoteY(o.y1), NoteY(o.y2);
            if (const auto* a = k == kArc ? dynamic_cast<const TArcobj*>(&o) : nullptr)
                NoteX(a->sx), NoteX(a->ex), NoteY(a->sy), NoteY(a->ey);
        }
    }

    // Drawing units per bitmap pixel.
    static int32_t BitmapDivisor() { return MetricUnits != 0 ? 25 : 24; }

    void SetPrintExtents() const {
        const int32_t k = BitmapDivisor();
        PrintMinX = minX / k - kSideMargin;
        PrintMaxX = maxX / k + kSideMargin;
        PrintHeight = static_cast<int32_t>((int64_t{maxY} - minY) / k + kHeightMargin);
    }
};
