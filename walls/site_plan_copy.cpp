#include "walls/site_plan_copy.h"

#include <memory>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "document/working_file_step.h"

bool CopyGroundWallsToSitePlan(TList& list) {
    // Only the walls present at the start are visited: the copies themselves are never copied.
    const int32_t n = list.count;
    for (int32_t i = 0; i < n; ++i) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(list[i]);
        if (!wall || wall->kind != kExtWall || wall->view != kGroundFloor) continue;
        auto copy = std::make_unique<TExtwallobj>(*wall);
        copy->view = kSitePlan;
        copy->penWidth = 1;
        copy->penStyle = 0;
        copy->state = 1;
        for (int32_t& word : copy->attr)
            word = 0;
        list.Add(std::move(copy));
    }
    // Written also when nothing was copied: the new site plan starts from the file as it stands.
    if (!WriteWorkingFile(list)) {
        SaveState = 1;
        return false;
    }
    if (SaveState == 0) SaveState = 1;
    return true;
}
