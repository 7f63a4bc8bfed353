// File New: a fresh drawing under a client name, with one record per floor, opened in its drawing
// window with the first tool the user chose.
#include <memory>
#include <string>

#include "dialogs/help_context.h"
#include "dialogs/new_drawing_dialog.h"
#include "document/document.h"
#include "document/drawing_name.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "shell/normal_scale.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kStartDesignRooms = 1;
constexpr int32_t kExternalWallDialog = 4;
constexpr int32_t kExternalWallHelp = 251;

void ReportWriteFailure(TClient& client, const std::string& path) {
    const std::string text =
        "The drawing file " + path + " could not be written.\nThe new drawing was not started.";
    MessageBox(client.GetHandle(), text.c_str(), "New drawing", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void TClient::CmFileNew() {
    if (!LeaveCurrentDrawing(*this)) return;
    if (DistanceGadget) DistanceGadget->SetText("cursor distance");
    ShowGuide("GUIDE: type up to 24 letters but NO file extension");

    TNewdlg dialog(GetHandle(), kNewDrawingDialogId);
    if (dialog.Execute() != IDOK) return;

    const std::optional<std::string> typed = DrawingNameFrom(dialog.ClientName);
    if (!typed) return;
    const std::string& name = *typed;
    // A drawing already under this name is the user's work: it is replaced only when they say so.
    if (DrawingExists(name) && !ConfirmReplaceDrawing(*this, name)) return;
    ObjectList.SetDrawingName(name);
    ObjectList.ForgetSelection();
    const int32_t start = dialog.StartChoice;

    Tool.reset();
    const char* extension = ".PLN";
    if (start == kStartDesignRooms) {
        extension = ".LYT";
        Tool = std::make_unique<TDRoomobjtool>();
        LayoutGridFlag = 1;
    } else {
        LayoutGridFlag = 0;
        Tool = std::make_unique<TExtwallobjtool>();
        Tool->PointPlaced = 0;
    }
    Tool->Colour = PenColour;

    ResetDrawingGlobals();
    DrawingState = 0;
    IdCounter = 1;
    if (SaveState == 1) SaveState = 0;

    Tool->Kind = toolkind::kExtWall;
    Tool->PickKind = 1;
    Tool->Mode = toolmode::kIdle;

    SetDrawingTitle(extension);

    // The saved copy of a new drawing is empty: declining to save it later removes it again.
    if (ObjectList.WriteDrawingFile(filemode::kScratch) != FileResult::Ok) {
        ReportWriteFailure(*this, ObjectList.DrawingFilePath(filemode::kScratch));
        return;
    }

    auto* child = new TChild(*this, ObjectList.DrawingTitle);
    child->Create();

    LoadTextStyle(*this);
    WriteNoOverlays();

    SeedFloorRecords(*this);
    if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok) {
        ReportWriteFailure(*this, ObjectList.DrawingFilePath(filemode::kWorking));
        ObjectList.Flush();
        DrawingState = 0;
        CloseChildren();
        return;
    }

    SetNormalScale();

    child->SetupScrolling();
    DrawingState = 2;

    if (start == kStartDesignRooms) {
        CurrentView = kRoomLayout;
        child->NewDesignRoom();
        ShowGuide("GUIDE: Assemble your design rooms - add using the Design Room Icon");
    } else {
        CurrentView = kGroundFloor;
        child->RunPlanDialog(kExternalWallDialog);
        HelpContextId = kExternalWallHelp;
        const int32_t corner = MetricUnits == 1 ? 25 : 24;
        TPoint p(corner, corner);
        ClientToScreen(p);
        SetCursorPos(p.x, p.y);
        ShowGuide(
            "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
    }

    WriteZoomFiles();
    if (SaveState == 0) SaveState = 1;
    // The window was created before the drawing existed: show it now.
    child->Invalidate(true);
}
