// The MDI client window: the one object every menu and control-bar command reaches. It owns the
// current drawing tool, the printer object and the font-dialog data, keeps the frame, the status
// bar and the two text gadgets, and its constructor carries out the program's own start-up.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/command_enabler.h"
#include "platform/font_dialog.h"
#include "platform/mdi_client.h"
#include "platform/printer.h"
#include "platform/tcolor.h"
#include "tools/drawing_tool.h"

class TChild;
class TDecoratedMDIFrame;
class TStatusBar;
class TTextGadget;
namespace shell {
class ChosenTool;
}

class TClient : public TMDIClient {
public:
    // The program directory is taken from the executable's own path.
    TClient();
    // The same start-up on a given program directory (ends in a separator); used by tests.
    explicit TClient(const std::string& programDirectory);
    ~TClient() override;

    void SetupWindow() override;

    // Commands: the client's own table first, then the base. A command the table lists without a
    // handler is not handled, so its item and button stay disabled.
    bool ProcessCommand(int32_t id) override;
    bool EnableCommand(TCommandEnabler& ce) override;
    // True when the table has a handler for the command.
    static bool HasHandler(int32_t id);

    // Replaces the current tool; the old one is destroyed first, so the client never holds two.
    void InstallTool(std::unique_ptr<TDrawingtool> tool);

    // The active drawing window, or null when none is open.
    TChild* ActiveDrawingWindow() const;

    // Installs a fresh tool of the kind (the line tool for 1, the move tool for 78, the pick tool
    // for 21, each other kind its own tool).
    void RestoreTool(int32_t kind);
    // Installs the pick tool.
    void SelectPickTool();

    // Command handlers (one file per concern).
    void CmExit();

    // File.
    void CmFileNew();
    void CmFileOpen();
    void CmFileSave();
    void CmFileSaveAs();
    void CmAutoSave();
    void CeFileSave(TCommandEnabler& ce);
    void CeFileSaveAs(TCommandEnabler& ce);
    void CeAutoSave(TCommandEnabler& ce);
    // The save question asked before a drawing is left (when it holds more than its four floor
    // records and SaveState is above 0). False when saving was asked for and failed: the user was
    // told, the drawing stays modified and the caller should not leave it.
    bool SaveIfModified();
    // Opens a drawing window titled DrawingName + extension on CurrentView of the current drawing.
    // Flag 0 also installs the pick tool, 1 to 99 keep the current tool, 100 and above only close
    // surplus windows and empty the document.
    void OpenViewWindow(int32_t flag, const char* extension);

    // Line tools, the centre aids, the DATUM and undo.
    void CmLine();
    void CmLineText();
    void CmManualDimension();
    void CmCentre();
    void CmCentreCentre();
    void CmDatum();
    void CmUndo();

    // Shape and text tools, multi-lines, the pen colour and the tool's line style.
    void CmText();
    void CmArc();
    void CmEllipse();
    void CmCircle();
    void CmRectangle();
    void CmRoundRect();
    void CmChangeText();
    void CmMultiline();
    void CmChangeColour();
    void CmToolLineStyle();

    // Internal walls: draw, delete, and move, extend or shorten one end of a picked partition.
    void CmInternalWall();
    void CmDeleteInternalWall();
    void CmMoveInternalWall();
    void CmExtendInternalWall();
    void CmShortenInternalWall();

    // Doors, windows and wall openings: the dialog, then the tool waits for a wall to be marked.
    void CmWindows();
    void CmDoors();

    // External walls: pick one wall of the floor to lengthen, shorten, delete, split or re-type.
    void CmLengthenWall();
    void CmAlterBase();
    void CmDeleteExternalWall();
    void CmSplitWall();
    void CmChangeWallType();

    // Editing tools: select and move or turn, copy to the paste file, paste, erase.
    void CmMoveRotate();
    void CmCopy();
    void CmPaste();
    void CmErase();

    // The Design Rooms menu (shell/client_design_room_commands.cpp).
    void CmNewDesignRoom();
    void CmMaxRoomSize();
    void CmDeleteDesignRoom();
    void CmExpandRoom();
    void CmMoveRoom();
    void CmRotateRoom();
    void CmShrinkRoom();
    void CmFinishDesignRooms();
    void CmAlterRoom();
    void CmMarkExternalWalls();
    void CmLayoutGrid();

    // The floor-plan base: an arrow key, the line's place and an amount widen or narrow the floor.
    void CmExpandBase();
    void CmShrinkBase();

    // Shows a guide line in the status bar and a text in the tool-name gadget (either may be null).
    void ShowGuide(const char* guide);
    void ShowToolName(const char* name);
    // The line tools' guide while they wait for the start of a line.
    void ShowLineStartGuide();

    // Display mode and overlays.
    void CmDisplayMode();
    void CmOverlays();

    // Floors and views: each opens its view in a drawing window of its own.
    void CmGroundFloor();
    void CmFirstFloor();
    void CmSecondFloor();
    void CmSitePlan();
    void CmRoomLayout();
    void CmFloorArea();
    // The automatic dimensions and the area of the floor shown, with the pick tool left current.
    void AutoDimensions();
    // Overlays the floor below on the current upper floor and reopens it with the current tool kept.
    void LoadOverlay();

    // Stairs on the floor shown, with their stairwell on the floor above.
    void CmStairs();
    // New Room (fixed): the fixed-room tool waits for a click inside an enclosed area.
    void CmNewRoom();

    // Zoom.
    void CmZoomUp();
    void CmNormalSize();
    void CmHalfSize();
    void CmFitScreen();

    // Printing, calibration and colours.
    void CmPrint();
    void CmPrinterSetup();
    void CmCalibratePrinter();
    // Shows the colour dialog on one colour setting (1 to 8) and stores the choice.
    void ChooseColour(int32_t which);

    // The Customise commands: with a drawing open the drawing window runs the settings dialogs,
    // without one the client runs them itself.
    void CmDefaultDoors();
    void CmDefaultDimensions();
    void CmDefaultFont();
    void CmDefaultColours();
    void CmDefaultLayoutGrid();
    void CmInternalArrowStyle();
    void CmDesignRoomColours();
    void CmDesignRoomMerge();
    void CmCentreDrawing();
    void CmFloorPlanTitles();

    // Symbol libraries: add part of the plan to one, insert a symbol of a group.
    void CmAddToLibrary();
    void CmLibraryPlumbing();
    void CmLibraryElectrical();
    void CmLibraryFurniture();
    void CmLibraryMisc();

    // Whole-drawing commands.
    void CmRotateMirror();
    void CmSaveBitmap();

    // Help.
    void CmHelpIntro();
    void CmHelpContents();
    void CmHelpSearch();
    void CmContextHelp();
    void CmExamples();
    void CmHints();
    void CmHowTo();
    void CmQuickStart();
    void CmAbout();

    std::unique_ptr<TDrawingtool> Tool; // the current tool; never null after construction
    // The tool as the user chose it (shell/chosen_tool.h); null for the Pick tool.
    std::unique_ptr<shell::ChosenTool> Chosen;
    std::unique_ptr<TPrinter> Printer;
    uint32_t HelpCookie = 0; // from the help system's initialisation, handed back at exit
    TDecoratedMDIFrame* Frame = nullptr;
    TStatusBar* StatusBar = nullptr;       // its message text is the one-line guide
    TTextGadget* DistanceGadget = nullptr; // 16 characters on the control bar
    TTextGadget* ToolGadget = nullptr;     // 10 characters on the status bar
    TChooseFontDialog::TData FontData;     // kept between uses of the font dialog
    TColor FontColour;                     // the colour chosen in the font dialog

private:
    void StartUp(const std::string& programDirectory);
    // The command's handler, from the client's own table or the base's; false when neither has one.
    bool DispatchCommand(int32_t id);
};
