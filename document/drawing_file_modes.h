// Which drawing file a read or write of the document means, and how a pick finds an object.
#pragma once

#include <cstdint>

namespace filemode {
constexpr int32_t kScratch = 0;    // CFG/tmp.cfg: the copy a step sets aside and reads back
constexpr int32_t kWorking = 1;    // DWGS/<name>.DB0: the working file of the drawing
constexpr int32_t kRoomLayout = 2; // CFG/inroom.cfg: the room layout handed between steps
} // namespace filemode

namespace pickmode {
constexpr int32_t kWall = 1; // an internal or external wall under the point
constexpr int32_t kText = 4; // a text object anchored near the point
} // namespace pickmode
