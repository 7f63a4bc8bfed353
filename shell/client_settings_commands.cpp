// The Customise commands. While a drawing is open each hands its work to the drawing window's
// settings dialogs, which also repaint the window; without a drawing the client runs the same
// dialogs itself, asking for the unit system first where the setting has two files.
#include "dialogs/dimension_dialogs.h"
#include "dialogs/door_defaults_dialog.h"
#include "dialogs/new_drawing_dialog.h"
#include "dialogs/title_dialog.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "shell/settings_steps.h"

namespace {

constexpr int32_t kSettingsHelp = 310;
constexpr int32_t kLayoutGridHelp = 260;
constexpr int32_t kDoorsDialog = 5400;

// Settings kinds of TChild::RunSettingsDialog.
constexpr int32_t kDoorsKind = 1;
constexpr int32_t kDimensionsKind = 2;
constexpr int32_t kFontKind = 3;
constexpr int32_t kColoursKind = 5;
constexpr int32_t kArrowStyleKind = 7;
constexpr int32_t kRoomColoursKind = 13;
constexpr int32_t kRoomMergeKind = 14;

bool DrawingOpen() {
    return DrawingState > 1;
}

void RunOnDrawing(TClient& client, int32_t kind) {
    if (TChild* child = client.ActiveDrawingWindow()) child->RunSettingsDialog(kind);
}

// The working file holds what the window shows before a dialog may repaint from it.
[[nodiscard]] bool WriteShownDrawing() {
    return ObjectList.count == 0 || WriteOrTell(ObjectList, filemode::kWorking);
}

void AskUnits(TClient& client) {
    // The dialog stores the units; Cancel keeps those in force.
    TMeasdlg(client.GetHandle()).Execute();
}

} // namespace

void TClient::CmDefaultDoors() {
    HelpContextId = kSettingsHelp;
    if (DrawingOpen())
        RunOnDrawing(*this, kDoorsKind);
    else
        TConfigdlg(GetHandle(), kDoorsDialog).Execute();
}

void TClient::CmDefaultDimensions() {
    HelpContextId = kSettingsHelp;
    if (DrawingOpen()) return RunOnDrawing(*this, kDimensionsKind);
    AskUnits(*this);
    if (MetricUnits == 1)
        TOffsetdlg(GetHandle()).Execute();
    else
        TOffsetimpdlg(GetHandle()).Execute();
}

void TClient::CmDefaultFont() {
    HelpContextId = kSettingsHelp;
    if (DrawingState > 0) {
        if (ObjectList.count > 0 && CurrentView < kPrintSetup && !WriteOrTell(ObjectList, filemode::kWorking))
            return;
        return RunOnDrawing(*this, kFontKind);
    }
    // At start-up the dialog must show the stored style, not the program's reset values.
    LoadTextStyle(*this);
    shell::RunFontSteps(*this, GetHandle());
}

void TClient::CmDefaultColours() {
    HelpContextId = kSettingsHelp;
    if (DrawingOpen())
        RunOnDrawing(*this, kColoursKind);
    else
        shell::RunScreenColourChoices(*this, false);
}

void TClient::CmDefaultLayoutGrid() {
    if (!DrawingOpen())
        AskUnits(*this);
    else if (!WriteShownDrawing())
        return;
    HelpContextId = kLayoutGridHelp;
    shell::RunLayoutGridSteps(*this, GetHandle());
}

void TClient::CmInternalArrowStyle() {
    HelpContextId = kSettingsHelp;
    if (DrawingOpen()) return RunOnDrawing(*this, kArrowStyleKind);
    AskUnits(*this);
    TArrowdlg(GetHandle()).Execute();
}

void TClient::CmDesignRoomColours() {
    HelpContextId = kSettingsHelp;
    if (!DrawingOpen()) return shell::RunRoomColourChoices(*this, "GUIDE: Select OTHER ROOMS COLOUR");
    if (WriteShownDrawing()) RunOnDrawing(*this, kRoomColoursKind);
}

void TClient::CmDesignRoomMerge() {
    HelpContextId = kSettingsHelp;
    if (DrawingOpen()) {
        if (WriteShownDrawing()) RunOnDrawing(*this, kRoomMergeKind);
        return;
    }
    AskUnits(*this);
    shell::RunMergeSteps(*this, GetHandle(), shell::kClientMergeTexts);
}

// A command kept for the control bar's layout: it has nothing to do.
void TClient::CmCentreDrawing() {}

void TClient::CmFloorPlanTitles() {
    HelpContextId = kSettingsHelp;
    // The titles belong to the drawing: changing them (or only looking) marks it modified.
    if (SaveState == 0) SaveState = 1;
    TTitle2Ddlg(GetHandle(), ObjectList.ProgramDirectory).Execute();
}
