// File Open, and the opening of a drawing window on a view of the current drawing that many commands
// share.
#include <memory>
#include <string>

#include "dialogs/help_context.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/framework_error.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"
#include "shell/auto_save_setting.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "shell/normal_scale.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kMaxChildren = 8;
constexpr int32_t kKeepToolFlags = 100;
constexpr int32_t kFloorRecordKinds = 32000;
// A drawing named without its extension, as File > New asks for it, is the drawing's file.
constexpr const char* kDrawingExtension = "DB0";

void InstallPickTool(TClient& client) {
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = toolkind::kPick;
    client.InstallTool(std::move(pick));
}

// A drawing has a ground floor when something other than a floor record lies on view 50; a file
// with fewer than the four floor records counts as one too.
bool HasGroundFloor() {
    if (ObjectList.count < 4) return true;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->kind < kFloorRecordKinds && o->view == kGroundFloor) return true;
    }
    return false;
}

// Asks for the drawing to open; the name of the picked file becomes the document's. False when the
// user cancels or the name cannot be a drawing's.
bool ChooseDrawingToOpen(TClient& client) {
    client.ShowGuide("GUIDE: select Client name");
    const std::string initialDir = ObjectList.ProgramDirectory + "DWGS";
    TOpenSaveDialog::TData data(
        OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_LONGNAMES,
        "Plan files(*.DB0)|*.DB0|Allfiles(*.*)||", nullptr, initialDir.c_str(), kDrawingExtension);
    // A dialog that reports an error is treated as cancelled.
    if (TFileOpenDialog(client.GetHandle(), data).Execute() != IDOK || data.Error != 0) return false;

    if (!TakePickedDrawingName(client, data.FileName, "Open")) return false;
    ObjectList.ForgetSelection();
    return true;
}

// Builds the drawing window, which reads the working file, and writes the saved copy of the drawing
// as opened. Nothing when either failed (the user has been told and nothing read is kept).
std::unique_ptr<TChild> ReadDrawingIntoWindow(TClient& client) {
    std::unique_ptr<TChild> child;
    try {
        child = std::make_unique<TChild>(client, ObjectList.DrawingTitle);
    } catch (const TXOwl& error) {
        ::MessageBox(client.GetHandle(), error.what(), "Error", MB_OK | MB_ICONHAND);
        // What was read of a damaged file must never be written back over it.
        ObjectList.Flush();
        DrawingState = 0;
        return nullptr;
    }
    // The saved copy is the drawing as opened: declining to save later brings exactly this back.
    if (ObjectList.WriteDrawingFile(filemode::kScratch) != FileResult::Ok) {
        const std::string path = ObjectList.DrawingFilePath(filemode::kScratch);
        const std::string text = "The saved copy " + path + " could not be written" + WhyNotWritten(path) +
                                 ", so the drawing was not opened.";
        ::MessageBox(client.GetHandle(), text.c_str(), "Open", MB_OK | MB_ICONEXCLAMATION);
        child.reset();
        ObjectList.Flush();
        DrawingState = 0;
        return nullptr;
    }
    return child;
}

} // namespace

void TClient::CmFileOpen() {
    if (!LeaveCurrentDrawing(*this)) return;
    InstallPickTool(*this);
    ResetDrawingGlobals();
    LayoutGridFlag = 0;
    if (!ChooseDrawingToOpen(*this)) return;
    SetDrawingTitle(".PLN");
    DrawingState = 1;

    LoadTextStyle(*this);
    WriteNoOverlays();

    std::unique_ptr<TChild> read = ReadDrawingIntoWindow(*this);
    if (!read) return;
    const bool groundFloor = HasGroundFloor();
    ObjectList.Flush();
    SetNormalScale();
    DrawingState = 2;
    read.release()->Create(); // the frame owns the window from here on

    if (DistanceGadget) DistanceGadget->SetText("cursor distance");
    ShowGuide("GUIDE: press F1 for HELP");
    ShowToolName("GUIDE: Pick Tool");

    WriteZoomFiles();
    SaveState = shell::ReadAutoSave();

    if (!groundFloor) {
        LayoutGridFlag = 1;
        CurrentView = kRoomLayout;
        SetDrawingTitle(".LYT");
        OpenViewWindow(0, ".LYT");
    }

    // The document ends holding the working file, whichever window painted last.
    ObjectList.Flush();
    if (ReadOrTell(ObjectList, filemode::kWorking))
        (void)WriteOrTell(ObjectList, filemode::kScratch); // the last step: told, nothing after
}

void TClient::OpenViewWindow(int32_t flag, const char* extension) {
    if (NumChildren() > kMaxChildren) (void)CloseChildren();
    ObjectList.Flush();
    if (DistanceGadget) DistanceGadget->SetText("0");
    if (flag >= kKeepToolFlags) return;
    if (flag == 0) InstallPickTool(*this);

    SetDrawingTitle(extension ? extension : "");
    TChild* child = nullptr;
    try {
        child = new TChild(*this, ObjectList.DrawingTitle);
    } catch (const TXOwl& error) {
        ::MessageBox(GetHandle(), error.what(), "Error", MB_OK | MB_ICONHAND);
        return;
    }

    // The window paints nothing while it is created; the invalidation below paints the view.
    DrawingState = 0;
    child->Create();
    ShowGuide("GUIDE: press F1 for HELP");
    ShowToolName("Pick Tool");
    DrawingState = 2;
    child->SetupScrolling();
    child->InvalidateArea(invalidatekind::kWhole);
}
