// The client window's command table: every command of the menu and the control bar, in menu
// order, with its handler and, for three of them, an enabler. An entry whose handler is still null
// is not handled yet: its menu item and button stay disabled. Each command's handler is filled in
// where it is written.
#include <algorithm>
#include <iterator>

#include "document/document.h"
#include "platform/command_enabler.h"
#include "resources/command_ids.h"
#include "shell/child_tool_call.h"
#include "shell/chosen_tool.h"
#include "shell/client.h"
#include "shell/tool_preview.h"
#include "tools/working_file.h"

namespace {

using Table = TCommandTable<TClient>;

const Table& CommandTable() {
    static const Table table = {
        // File
        {cmd::kFileNew, &TClient::CmFileNew},
        {cmd::kFileOpen, &TClient::CmFileOpen},
        {cmd::kFileSave, &TClient::CmFileSave, &TClient::CeFileSave},
        {cmd::kFileSaveAs, &TClient::CmFileSaveAs, &TClient::CeFileSaveAs},
        {cmd::kRotateMirror, &TClient::CmRotateMirror},
        {cmd::kSaveBitmap, &TClient::CmSaveBitmap},
        {cmd::kPrint, &TClient::CmPrint},
        {cmd::kPrinterSetup, &TClient::CmPrinterSetup},
        {cmd::kAutoSave, &TClient::CmAutoSave, &TClient::CeAutoSave},
        {cmd::kExit, &TClient::CmExit},
        // Tools
        {cmd::kLine, &TClient::CmLine},
        {cmd::kLineText, &TClient::CmLineText},
        {cmd::kMultiline, &TClient::CmMultiline},
        {cmd::kText, &TClient::CmText},
        {cmd::kArc, &TClient::CmArc},
        {cmd::kEllipse, &TClient::CmEllipse},
        {cmd::kCircle, &TClient::CmCircle},
        {cmd::kRectangle, &TClient::CmRectangle},
        {cmd::kRoundRect, &TClient::CmRoundRect},
        {cmd::kChangeColour, &TClient::CmChangeColour},
        {cmd::kToolLineStyle, &TClient::CmToolLineStyle},
        {cmd::kTextSize, &TClient::CmDefaultFont},
        // Control-bar buttons without a menu item
        {cmd::kCentre, &TClient::CmCentre},
        {cmd::kCentreCentre, &TClient::CmCentreCentre},
        {cmd::kDatum, &TClient::CmDatum},
        {cmd::kUndo, &TClient::CmUndo},
        // Further commands without a menu item
        {cmd::kInternalArrowStyle, &TClient::CmInternalArrowStyle},
        {cmd::kDeleteInternalWall, &TClient::CmDeleteInternalWall},
        {cmd::kCentreDrawing, &TClient::CmCentreDrawing},
        {cmd::kMoveInternalWall, &TClient::CmMoveInternalWall},
        {cmd::kLengthenWall, &TClient::CmLengthenWall},
        {cmd::kAlterBase, &TClient::CmAlterBase},
        // Edit
        {cmd::kCopy, &TClient::CmCopy},
        {cmd::kPaste, &TClient::CmPaste},
        {cmd::kMoveRotate, &TClient::CmMoveRotate},
        {cmd::kChangeText, &TClient::CmChangeText},
        {cmd::kAlterRoom, &TClient::CmAlterRoom},
        {cmd::kErase, &TClient::CmErase},
        // Zoom
        {cmd::kZoomUp, &TClient::CmZoomUp},
        {cmd::kNormalSize, &TClient::CmNormalSize},
        {cmd::kHalfSize, &TClient::CmHalfSize},
        {cmd::kFitScreen, &TClient::CmFitScreen},
        // Customise
        {cmd::kDefaultDoors, &TClient::CmDefaultDoors},
        {cmd::kDefaultDimensions, &TClient::CmDefaultDimensions},
        {cmd::kDefaultLayoutGrid, &TClient::CmDefaultLayoutGrid},
        {cmd::kDefaultFont, &TClient::CmDefaultFont},
        {cmd::kDefaultColours, &TClient::CmDefaultColours},
        {cmd::kDesignRoomColours, &TClient::CmDesignRoomColours},
        {cmd::kDesignRoomMerge, &TClient::CmDesignRoomMerge},
        {cmd::kFloorPlanTitles, &TClient::CmFloorPlanTitles},
        {cmd::kCalibratePrinter, &TClient::CmCalibratePrinter},
        // Views
        {cmd::kDisplayMode, &TClient::CmDisplayMode},
        {cmd::kOverlays, &TClient::CmOverlays},
        {cmd::kGroundFloor, &TClient::CmGroundFloor},
        {cmd::kFirstFloor, &TClient::CmFirstFloor},
        {cmd::kSecondFloor, &TClient::CmSecondFloor},
        {cmd::kRoomLayout, &TClient::CmRoomLayout},
        {cmd::kSitePlan, &TClient::CmSitePlan},
        {cmd::kFloorArea, &TClient::CmFloorArea},
        // Other
        {cmd::kManualDimension, &TClient::CmManualDimension},
        {cmd::kStairs, &TClient::CmStairs},
        {cmd::kWindows, &TClient::CmWindows},
        {cmd::kNewRoom, &TClient::CmNewRoom},
        // Walls and base
        {cmd::kDoors, &TClient::CmDoors},
        {cmd::kInternalWall, &TClient::CmInternalWall},
        {cmd::kExtendInternalWall, &TClient::CmExtendInternalWall},
        {cmd::kShortenInternalWall, &TClient::CmShortenInternalWall},
        {cmd::kDeleteExternalWall, &TClient::CmDeleteExternalWall},
        {cmd::kExpandBase, &TClient::CmExpandBase},
        {cmd::kShrinkBase, &TClient::CmShrinkBase},
        {cmd::kSplitWall, &TClient::CmSplitWall},
        {cmd::kChangeWallType, &TClient::CmChangeWallType},
        // Help
        {cmd::kHelpContents, &TClient::CmHelpContents},
        {cmd::kQuickStart, &TClient::CmQuickStart},
        {cmd::kHints, &TClient::CmHints},
        {cmd::kHowTo, &TClient::CmHowTo},
        {cmd::kAbout, &TClient::CmAbout},
        {cmd::kExamples, &TClient::CmExamples},
        {cmd::kContextHelp, &TClient::CmContextHelp},
        {cmd::kHelpSearch, &TClient::CmHelpSearch},
        {cmd::kHelpIntro, &TClient::CmHelpIntro},
        // Libraries
        {cmd::kAddToLibrary, &TClient::CmAddToLibrary},
        {cmd::kLibraryPlumbing, &TClient::CmLibraryPlumbing},
        {cmd::kLibraryElectrical, &TClient::CmLibraryElectrical},
        {cmd::kLibraryFurniture, &TClient::CmLibraryFurniture},
        {cmd::kLibraryMisc, &TClient::CmLibraryMisc},
        // Design rooms
        {cmd::kMarkExternalWalls, &TClient::CmMarkExternalWalls},
        {cmd::kNewDesignRoom, &TClient::CmNewDesignRoom},
        {cmd::kMaxRoomSize, &TClient::CmMaxRoomSize},
        {cmd::kDeleteDesignRoom, &TClient::CmDeleteDesignRoom},
        {cmd::kExpandRoom, &TClient::CmExpandRoom},
        {cmd::kMoveRoom, &TClient::CmMoveRoom},
        {cmd::kRotateRoom, &TClient::CmRotateRoom},
        {cmd::kShrinkRoom, &TClient::CmShrinkRoom},
        {cmd::kFinishDesignRooms, &TClient::CmFinishDesignRooms},
        {cmd::kLayoutGrid, &TClient::CmLayoutGrid},
    };
    return table;
}

// The Help menu's commands.
bool IsHelpCommand(int32_t id) {
    constexpr int32_t kHelpMenu[] = {cmd::kHelpContents, cmd::kQuickStart, cmd::kHints,
                                     cmd::kHowTo,        cmd::kAbout,      cmd::kExamples,
                                     cmd::kContextHelp,  cmd::kHelpSearch, cmd::kHelpIntro};
    return std::find(std::begin(kHelpMenu), std::end(kHelpMenu), id) != std::end(kHelpMenu);
}

} // namespace

bool TClient::ProcessCommand(int32_t id) {
    // A Zoom UP still waiting for its rectangle gives way to whatever the user chose instead; help
    // is asked about the wait itself and leaves it waiting.
    if (TChild* child = ActiveDrawingWindow(); child && !IsHelpCommand(id)) child->EndZoomWait();
    // The command is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(*this);
    if (tools::Failed(shell::PlaceWhatWaits(*this))) return HasHandler(id);
    const shell::ChosenTool before(*this);
    const bool handled = DispatchCommand(id);
    shell::KeepChosenTool(*this, before);
    shell::RepaintWhatWaits(*this);
    return handled;
}

bool TClient::DispatchCommand(int32_t id) {
    return CommandTable().Process(*this, id) || TMDIClient::ProcessCommand(id);
}

bool TClient::EnableCommand(TCommandEnabler& ce) {
    if (CommandTable().Enable(*this, ce)) return true;
    return TMDIClient::EnableCommand(ce);
}

bool TClient::HasHandler(int32_t id) {
    const auto* entry = CommandTable().Find(id);
    return entry && entry->Handler;
}
