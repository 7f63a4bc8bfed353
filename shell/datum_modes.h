// States of the DATUM read-out of a drawing window (its DatumMode), also what SetDatum is asked for.
#pragma once

#include <cstdint>

namespace datummode {
constexpr int32_t kOff = 1;              // no reference: the read-out shows 0
constexpr int32_t kAwaitingClick = 2;    // the next left click gives the reference point
constexpr int32_t kShown = 3;            // the distance from the reference is shown
constexpr int32_t kShownWithBearing = 4; // ... with its bearing
} // namespace datummode
