// The site plan starts from the ground floor's footprint: a copy of each of its external walls.
#pragma once

class TList;

// Appends to the document a site-plan copy of every external wall of the ground floor, then rewrites
// the working file.
void CopyGroundWallsToSitePlan(TList& list);
