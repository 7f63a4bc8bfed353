// The site plan starts from the ground floor's footprint: a copy of each of its external walls.
#pragma once

class TList;

// Appends to the document a site-plan copy of every external wall of the ground floor, then rewrites
// the working file. False when the write failed: the user has been told and the document is the file
// again, without the copies.
[[nodiscard]] bool CopyGroundWallsToSitePlan(TList& list);
