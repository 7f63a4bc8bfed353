#include "shell/drawing_start.h"

#include <cstdio>
#include <memory>
#include <string>

#include "dialogs/help_context.h"
#include "document/cfg_files.h"
#include "document/document.h"
#include "document/objects.h"
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "shell/client.h"
#include "shell/view_switching.h"

namespace {

constexpr int32_t kFloors = 4;
constexpr int32_t kFirstFloorRecord = 32000;

} // namespace

bool LeaveCurrentDrawing(TClient& client) {
    shell::ReturnLayoutRoomsOnLeaving();
    // A save that failed has been told and stops the command as Cancel would: the drawing stays
    // open in its window, for the user to try again.
    if (ObjectList.count > 4 && SaveState > 0 && !client.SaveIfModified()) return false;
    // Declining brought back the saved copy, which may have been saved on the layout.
    shell::ReturnLayoutRoomsOnLeaving();
    // A window that refuses to close keeps its drawing exactly as it is.
    if (DrawingState > 1 && !client.CloseChildren()) return false;
    HelpContextId = kFileContext;
    ObjectList.Flush();
    // No window is open and the document is empty: nothing may write it over a drawing now.
    DrawingState = 0;
    return true;
}

void ResetDrawingGlobals() {
    DefaultTextHeight = 10;
    DefaultTextWeight = 400;
    PlanDisplayMode = displaymode::kPlain;
    CurrentView = kGroundFloor;
    HelpContextId = kFileContext;
    PenWidth = 1;
    PenScale = 1;
    TextScale = 0;
    ViewExtentX = 624;
    ViewExtentY = 346;
    ScrollOriginX = 0;
    ScrollOriginY = 0;
}

void SetDrawingTitle(const char* extension) {
    std::snprintf(ObjectList.DrawingTitle, sizeof ObjectList.DrawingTitle, "%s%s", ObjectList.DrawingName,
                  extension);
}

void SeedFloorRecords(TClient&) {
    ObjectList.Flush();
    for (int32_t i = 0; i < kFloors; ++i)
        ObjectList.Add(std::make_unique<TInfoobj>(kGroundFloor + i, kFirstFloorRecord + i, 1, 0, 0, 0, 0, 0,
                                                  0, 0, 0, 0, PenColour, 0));
}

void WriteZoomFiles() {
    // A normal extent that could not be kept makes the half-size zoom take the window's own.
    (void)pl::WriteTextFile(CfgPath("ZOOM.CFG"), pl::Format("%d %d", ViewExtentX, ViewExtentY));
    WriteZoomState();
}

void WriteZoomState() {
    // No step of the program reads the zoom state back.
    (void)pl::WriteTextFile(CfgPath("ZSTAT.CFG"),
                            pl::Format("%d %d %d %d %d %f", 0, ViewExtentX, ViewExtentY, ScrollOriginX,
                                       ScrollOriginY, static_cast<double>(PenScaleF)));
}

void WriteNoOverlays() {
    (void)WriteOverlayFile(ObjectList.ProgramDirectory, OverlayFlags{});
}

bool DrawingExists(std::string_view name) {
    return pl::FileExists(ObjectList.ProgramDirectory + "DWGS/" + std::string(name) + ".DB0");
}

bool TakePickedDrawingName(TClient& client, const std::string& path, const char* caption) {
    constexpr size_t kMaxNameLength = 24;
    // Whatever folder the file was picked in, the drawing is the one of that name in DWGS/.
    const std::string name = pl::fnsplit(path).name;
    if (name.empty() || name.size() > kMaxNameLength) {
        const std::string text = "\"" + name + "\" cannot be opened: a drawing name has 1 to 24 characters.";
        MessageBox(client.GetHandle(), text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // A name with an extension typed into it would read and write "<name>.DB0.DB0", a drawing of its
    // own that no one meant; New refuses such names too.
    if (name.find_first_of(".:") != std::string::npos) {
        const std::string text =
            "\"" + name + "\" cannot be opened: a drawing name has no \".\" or \":\" in it.";
        MessageBox(client.GetHandle(), text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ObjectList.SetDrawingName(name);
    return true;
}

bool ConfirmReplaceDrawing(TClient& client, std::string_view name) {
    const std::string text = "A drawing named " + std::string(name) +
                             " already exists.\nReplace it? Everything in it will be lost.";
    return MessageBox(client.GetHandle(), text.c_str(), "Drawing exists",
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}
