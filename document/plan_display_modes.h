// PlanDisplayMode: its tens digit says how walls are drawn, its units digit what else shows.
#pragma once

#include <cstdint>

namespace displaymode {

// Tens digit.
constexpr int32_t kWallsNormal = 0;
constexpr int32_t kWallsHatched = 10;
constexpr int32_t kWallsSolid = 20;
constexpr int32_t kWallsHidden = 30;

// Units digit.
constexpr int32_t kEverything = 0;
constexpr int32_t kNoDimensions = 1;
constexpr int32_t kOverlay = 2; // the other floors overlaid
constexpr int32_t kOverlayNoDimensions = 3;
constexpr int32_t kOverlayFloorBelow = 4; // the floor below overlaid, with its dimensions

// Walls drawn normally and everything shown: the mode of every fresh drawing and view.
constexpr int32_t kPlain = kWallsNormal + kEverything;

constexpr int32_t Units(int32_t mode) {
    return mode % 10;
}

constexpr bool ShowsOverlay(int32_t mode) {
    return Units(mode) >= kOverlay && Units(mode) <= kOverlayFloorBelow;
}

} // namespace displaymode
