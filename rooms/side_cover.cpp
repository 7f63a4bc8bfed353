#include "rooms/side_cover.h"

#include <algorithm>

#include "document/objects.h"

namespace {

bool OnSide(const SideFace& f, int32_t low, int32_t high) {
    return f.low < high && f.high > low;
}

// An external wall's end where it meets the house's corner has no face line across the new
// partition; one standing within the side has its end faced toward both new pieces.
bool MasksItsEnds(const SideFace& f, int32_t low, int32_t high) {
    return f.wallKind == kIntWall || (f.low > low && f.high < high);
}

// The end of an open part at `at` where faces of the side end: lowEnd when the part begins there
// (the faces end below it), else the part ends there (the faces begin above it).
OpenEnd WallEnd(const std::vector<SideFace>& faces, int32_t low, int32_t high, int32_t at, bool partBegins) {
    OpenEnd e{at, false, false};
    for (const SideFace& f : faces)
        if (OnSide(f, low, high) && (partBegins ? f.high : f.low) == at && MasksItsEnds(f, low, high))
            e.masked = true;
    return e;
}

} // namespace

std::vector<OpenPart> OpenParts(const std::vector<SideFace>& faces, int32_t low, int32_t high) {
    std::vector<SideFace> on;
    for (const SideFace& f : faces)
        if (OnSide(f, low, high)) on.push_back(f);
    std::sort(on.begin(), on.end(), [](const SideFace& a, const SideFace& b) { return a.low < b.low; });
    std::vector<OpenPart> parts;
    int32_t reached = low; // everything below is covered or already in a part
    for (const SideFace& f : on) {
        if (f.low > reached) {
            const OpenEnd from =
                reached == low ? OpenEnd{low, true, false} : WallEnd(faces, low, high, reached, true);
            parts.push_back({from, WallEnd(faces, low, high, f.low, false)});
        }
        reached = std::max(reached, f.high);
    }
    if (reached < high) {
        const OpenEnd from =
            reached == low ? OpenEnd{low, true, false} : WallEnd(faces, low, high, reached, true);
        parts.push_back({from, OpenEnd{high, true, false}});
    }
    return parts;
}

bool CoveredAt(const std::vector<SideFace>& faces, int32_t at) {
    return std::any_of(faces.begin(), faces.end(),
                       [&](const SideFace& f) { return f.low <= at && at <= f.high; });
}

bool InternalFaceAt(const std::vector<SideFace>& faces, int32_t at) {
    return std::any_of(faces.begin(), faces.end(), [&](const SideFace& f) {
        return f.wallKind == kIntWall && f.low <= at && at <= f.high;
    });
}
