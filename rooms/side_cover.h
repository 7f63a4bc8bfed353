// Which parts of a room's side the walls already standing close. Every wall face lying on the side's
// edge covers its stretch of the side, whichever wall it belongs to: an external wall's face toward the
// inside of the house, either face of a partition. A new partition goes only along the parts no face
// covers, so it never lies inside a wall or over another partition. The fixed room and the finishing
// of design rooms both build by this rule.
#pragma once

#include <cstdint>
#include <vector>

// A wall face lying on a side's edge: its extent along the side (y for a vertical side, x for a
// horizontal one) and the kind of its wall.
struct SideFace {
    int32_t low = 0;
    int32_t high = 0;
    int32_t wallKind = 0;
    bool operator==(const SideFace&) const = default;
};

// One end of a part of a side that no face covers: at a room corner, or at a wall face's end. A
// partition ending at a face's end gets a mask line there when it meets a face line to hide: always
// at an internal wall's, and at an external wall's only where the wall stands within the side, so
// that both of its ends meet new partitions.
struct OpenEnd {
    int32_t at = 0;
    bool corner = false;
    bool masked = false;
};

struct OpenPart {
    OpenEnd low, high;
};

// The parts of the side from low to high that no face covers, in order of growing coordinate. Only
// the stretch of a face within the side counts; a face touching the side at one point covers nothing.
std::vector<OpenPart> OpenParts(const std::vector<SideFace>& faces, int32_t low, int32_t high);

// Whether a face covers the point of the side (a room corner): the neighbouring side's partition then
// stops on the corner line there.
bool CoveredAt(const std::vector<SideFace>& faces, int32_t at);
// Whether an internal wall's face covers the point: a partition running into that wall at the corner
// meets its face line.
bool InternalFaceAt(const std::vector<SideFace>& faces, int32_t at);
