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
    // 1.
    if (ObjectList.count == 0) {
        ::MessageBox(GetHandle(), "There is no drawing loaded - use File/Open", "ROTATE/MIRROR", MB_OK);
        return;
    }
    // 2.
    if (DrawingState <= 1 || CurrentView < kGroundFloor || CurrentView > kFourthLevel) return;
    // 3.
    HelpContextId = kFileHelp;
    if (SaveState == 2 && !WriteOrTell(ObjectList, 1)) return;
    if (SaveState == 0) SaveState = 1;
    // 4.
    if (::MessageBox(GetHandle(),
                     "All your floors must be completely finished before using this function\n"
                     "Do you wish to continue ?",
                     "DRAWINGS COMPLETED ?", MB_YESNO) != IDYES)
        return;
    // 5. to 7.
    InstallPickTool(*this);
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    child->RotateMirrorDrawings(1);
    child->SetDatum(1);
}

void TClient::CmSaveBitmap() {
    // 1.
    if (DrawingState <= 1 || ObjectList.count <= 1) return;
    // 2.
    if (CurrentView < kGroundFloor || CurrentView > 59) {
        ::MessageBox(GetHandle(), "This function works on plan views only - not room layouts", "SAVE AS .BMP",
                     MB_OK);
        return;
    }
    // 3. to 5.
    HelpContextId = kFileHelp;
    InstallPickTool(*this);
    if (TChild* child = ActiveDrawingWindow()) child->SaveAsBitmap(0);
}
