// The second face of a new partition. A free end gets a plain perpendicular offset of the partition's
// thickness; an end joined to another partition gets a mitred corner, and the joined partition's own
// second face is re-cornered to meet it (written back into the document; the caller's rewrite of the
// working file stores it).
#pragma once

#include <cstdint>

#include "walls/partition_draft.h"

class TList;

// Which ends a free-end computation writes.
constexpr int32_t kBothEnds = 0;
constexpr int32_t kStartEnd = 1;
constexpr int32_t kEndEnd = 2;

// Join codes: the new partition's start or end, or the joined wall's end (met at the new start) or
// start (met at the new end).
constexpr int32_t kJoinAtStart = 1;
constexpr int32_t kJoinAtEnd = 2;
constexpr int32_t kJoinedWallEnd = 10;
constexpr int32_t kJoinedWallStart = 20;

// a: the partition snapped at the start, b: the one snapped at the end (document indices, or
// kNoObject).
void ComputeOutline(PartitionDraft& draft, TList& document, int32_t a, int32_t b);

// Free ends of a square partition; with a joined wall the side is taken from that wall.
void OutlineOrthoFree(PartitionDraft& draft, TList& document, int32_t ends, int32_t wall);
// Free ends of an oblique partition.
void OutlineObliqueFree(PartitionDraft& draft, TList& document, int32_t ends, int32_t wall);
// Mitre of two square partitions.
void OutlineOrthoJoin(PartitionDraft& draft, TList& document, int32_t wall, int32_t code);
// Mitre where one partition at least is oblique.
void OutlineObliqueJoin(PartitionDraft& draft, TList& document, int32_t wall, int32_t code);
