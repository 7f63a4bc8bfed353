// Steps every view-switching command shares: leaving the site plan, which is re-centred and written
// first, and dropping the overlay from the display mode when a single floor is shown.
#pragma once

#include <cstdint>

class TClient;

namespace shell {

// On the site plan: the pick tool re-centres it and the working file is rewritten; elsewhere nothing.
[[nodiscard]] bool LeaveSitePlan(TClient& client);

// The display mode without its overlay: the tens digit (wall rendering) stays, a units digit of 2 or
// 4 becomes 0 and one of 3 becomes 1.
int32_t WithoutOverlay(int32_t mode);

} // namespace shell
