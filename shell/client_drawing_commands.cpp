// The two whole-drawing commands of the File menu: Rotate/Mirror and Save as bitmap.
#include <memory>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kFileHelp = 200;
constexpr int32_t kPickKind = 21;

void InstallPickTool(TClient& client) {
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = kPickKind;
    client.InstallTool(std::move(pick));
}

} // namespace

void TClient::CmRotateMirror() {
    if (ObjectList.count == 0) {
        ::MessageBox(GetHandle(), "There is no drawing loaded - use File/Open", "ROTATE/MIRROR", MB_OK);
        return;
    }
    // Only the floor plans can be turned.
    if (DrawingState <= 1 || CurrentView < kGroundFloor || CurrentView > kFourthLevel) return;
    HelpContextId = kFileHelp;
    if (SaveState == 2 && !WriteOrTell(ObjectList, filemode::kWorking)) return;
    if (SaveState == 0) SaveState = 1;
    // Every floor is turned together: one left half done would no longer match the others.
    if (::MessageBox(GetHandle(),
                     "All your floors must be completely finished before using this function\n"
                     "Do you wish to continue ?",
                     "DRAWINGS COMPLETED ?", MB_YESNO) != IDYES)
        return;
    // The pick tool first, so no half-made object of another tool is turned with the drawing.
    InstallPickTool(*this);
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    child->RotateMirrorDrawings(1);
    child->SetDatum(datummode::kOff);
}

void TClient::CmSaveBitmap() {
    if (DrawingState <= 1 || ObjectList.count <= 1) return;
    if (CurrentView < kGroundFloor || CurrentView > kSitePlan) {
        ::MessageBox(GetHandle(), "This function works on plan views only - not room layouts", "SAVE AS .BMP",
                     MB_OK);
        return;
    }
    // The pick tool first, so no half-made object of another tool is saved in the picture.
    HelpContextId = kFileHelp;
    InstallPickTool(*this);
    if (TChild* child = ActiveDrawingWindow()) child->SaveAsBitmap(0);
}
