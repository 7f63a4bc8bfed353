// The sheet's corner at drawing point (0, 0) is where a tool's cleared point lies: a point there was
// never given by the user, and an object stored with one is a fault.
#pragma once

#include "document/objects.h"

// True when one of the object's corner points (and, for a partition, of its second face) lies at the
// sheet's corner. Not on the file's path: the tests ask it of what the tools stored.
[[nodiscard]] bool HoldsSheetCornerPoint(const TObject& object);
