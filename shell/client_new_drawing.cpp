// File New: a fresh drawing under a client name, with one record per floor, opened in its drawing
// window with the first tool the user chose.
#include <memory>
#include <string>

#include "dialogs/help_context.h"
#include "dialogs/new_drawing_dialog.h"
#include "document/checked_file.h"
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

// `what` names the file for the user: the drawing file, or its saved copy.
void ReportWriteFailure(TClient& client, const char* what, const std::string& path) {
    const std::string text = "The new drawing " + std::string(ObjectList.DrawingName) +
                             " was not started: " + what + " " + path + " could not be written" +
                             WhyNotWritten(path) + ".";
    MessageBox(client.GetHandle(), text.c_str(), "New drawing", MB_OK | MB_ICONEXCLAMATION);
}

// Asks for the new drawing's name; false when the user cancels or declines to replace a drawing of
// that name. The name becomes the document's and the choice of first tool is given back.
bool ChooseNewDrawing(TClient& client, int32_t& start) {
    if (!LeaveCurrentDrawing(client)) return false;
    if (client.DistanceGadget) client.DistanceGadget->SetText("cursor distance");
    client.ShowGuide("GUIDE: type up to 24 letters but NO file extension");

    TNewdlg dialog(client.GetHandle(), kNewDrawingDialogId);
    if (dialog.Execute() != IDOK) return false;

    const std::optional<std::string> typed = DrawingNameFrom(dialog.ClientName);
    if (!typed) return false;
    const std::string& name = *typed;
    // A drawing already under this name is the user's work: it is replaced only when they say so.
    if (DrawingExists(name) && !ConfirmReplaceDrawing(client, name)) return false;
    ObjectList.SetDrawingName(name);
    ObjectList.ForgetSelection();
    start = dialog.StartChoice;
    return true;
}

// The first tool the user chose, on a drawing state reset for a fresh drawing. Gives the extension
// of the window's title.
const char* StartFreshDrawing(TClient& client, int32_t start) {
    client.Tool.reset();
    const char* extension = ".PLN";
    if (start == kStartDesignRooms) {
        extension = ".LYT";
        client.Tool = std::make_unique<TDRoomobjtool>();
        LayoutGridFlag = 1;
    } else {
        LayoutGridFlag = 0;
        client.Tool = std::make_unique<TExtwallobjtool>();
        client.Tool->PointPlaced = 0;
    }
    client.Tool->Colour = PenColour;

    ResetDrawingGlobals();
    DrawingState = 0;
    IdCounter = 1;
    if (SaveState == 1) SaveState = 0;

    client.Tool->Kind = toolkind::kExtWall;
    client.Tool->PickKind = 1;
    client.Tool->Mode = toolmode::kIdle;
    return extension;
}

// Writes the empty saved copy, opens the drawing window and writes the working file with one record
// per floor. Nothing when a file could not be written (the user has been told).
TChild* OpenNewDrawingWindow(TClient& client) {
    // The saved copy of a new drawing is empty: declining to save it later removes it again.
    if (ObjectList.WriteDrawingFile(filemode::kScratch) != FileResult::Ok) {
        ReportWriteFailure(client, "its saved copy", ObjectList.DrawingFilePath(filemode::kScratch));
        return nullptr;
    }

    auto* child = new TChild(client, ObjectList.DrawingTitle);
    child->Create();

    LoadTextStyle(client);
    WriteNoOverlays();

    SeedFloorRecords(client);
    if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok) {
        ReportWriteFailure(client, "its drawing file", ObjectList.DrawingFilePath(filemode::kWorking));
        ObjectList.Flush();
        DrawingState = 0;
        client.CloseChildren();
        return nullptr;
    }
    return child;
}

// The first step of the new drawing: the room layout with a design room, or the ground floor with
// the external-wall dialog and the cursor near the window's corner.
void BeginFirstStep(TClient& client, TChild& child, int32_t start) {
    if (start == kStartDesignRooms) {
        CurrentView = kRoomLayout;
        child.NewDesignRoom();
        client.ShowGuide("GUIDE: Assemble your design rooms - add using the Design Room Icon");
        return;
    }
    CurrentView = kGroundFloor;
    child.RunPlanDialog(kExternalWallDialog);
    // A cancelled dialog has put the Pick tool in place and named it: the outline's guide and help
    // would describe a tool that is no longer current.
    if (client.Tool->Kind != toolkind::kExtWall) return;
    HelpContextId = kExternalWallHelp;
    const int32_t corner = MetricUnits == 1 ? 25 : 24;
    TPoint p(corner, corner);
    client.ClientToScreen(p);
    SetCursorPos(p.x, p.y);
    client.ShowGuide(
        "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
}

} // namespace

void TClient::CmFileNew() {
    int32_t start = 0;
    if (!ChooseNewDrawing(*this, start)) return;
    SetDrawingTitle(StartFreshDrawing(*this, start));
    TChild* child = OpenNewDrawingWindow(*this);
    if (!child) return;

    SetNormalScale();
    child->SetupScrolling();
    DrawingState = 2;
    BeginFirstStep(*this, *child, start);

    WriteZoomFiles();
    if (SaveState == 0) SaveState = 1;
    // The window was created before the drawing existed: show it now.
    child->Invalidate(true);
}
