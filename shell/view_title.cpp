#include "shell/view_title.h"

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/window.h"
#include "shell/drawing_start.h"

namespace shell {

const char* ViewTitleExtension(int32_t view) {
    if (view >= kRoomLayout && view <= kLastLayoutView) return ".LYT";
    switch (view) {
    case kGroundFloor:
        return ".PLN";
    case kFirstFloor:
        return ".PL1";
    case kSecondFloor:
        return ".PL2";
    case kFourthLevel:
        return ".SF";
    case kSitePlan:
        return ".STE";
    default:
        return nullptr;
    }
}

void TitleForView(TWindow& window) {
    const char* extension = ViewTitleExtension(CurrentView);
    if (!extension || ObjectList.DrawingName[0] == '\0') return;
    SetDrawingTitle(extension);
    if (window.GetCaption() != ObjectList.DrawingTitle) window.SetCaption(ObjectList.DrawingTitle);
}

} // namespace shell
