#include "shell/view_switching.h"

#include "document/objects.h"
#include "document/program_state.h"
#include "shell/client.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kCentreSitePlan = 59;

} // namespace

namespace shell {

bool LeaveSitePlan(TClient& client) {
    if (CurrentView != kSitePlan) return true;
    client.RestoreTool(toolkind::kPick);
    client.Tool->Command(kCentreSitePlan);
    return tools::SaveWorkingFile();
}

int32_t WithoutOverlay(int32_t mode) {
    const int32_t units = displaymode::Units(mode);
    if (units == displaymode::kOverlay || units == displaymode::kOverlayFloorBelow) return mode - units;
    if (units == displaymode::kOverlayNoDimensions) return mode - units + displaymode::kNoDimensions;
    return mode;
}

} // namespace shell
