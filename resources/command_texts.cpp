#include "resources/command_texts.h"

#include <cstring>

#include "resources/command_ids.h"

namespace res {

namespace {

// The texts of the control-bar buttons are the program's own, odd spacing and typos included.
constexpr CommandText kTexts[] = {
    // File
    {cmd::kFileNew, "Start a new drawing\nNew Drawing"},
    {cmd::kFileOpen, "Open a drawing from the DWGS folder\nOpen Drawing"},
    {cmd::kFileSave, "Save the drawing\nSave"},
    {cmd::kFileSaveAs, "Save the drawing under a new name\nSave As"},
    {cmd::kRotateMirror, "Rotate or mirror the whole drawing\nRotate/Mirror Drawing"},
    {cmd::kSaveBitmap, "Save the views of the drawing as .BMP pictures\nSave as Bitmap"},
    {cmd::kPrint, "Print floors of the drawing to scale\nPrint"},
    {cmd::kPrinterSetup, "Choose and set up the printer\nPrinter Setup"},
    {cmd::kAutoSave, "Turn saving after every change on or off\nAuto Save"},
    {cmd::kExit, "Leave the program\nExit"},
    // Tools
    {cmd::kLine, "Draw lines with the mouse or the arrow keys\nLine"},
    {cmd::kLineText, "Draw a line with a text beside it\nLine + Text"},
    {cmd::kMultiline, "***MULTILINES*** - Draws multiple lines\nDraw Multiple Lines"},
    {cmd::kText, "***TEXT*** - Write text using current Font\nText Style"},
    {cmd::kArc, "Draw an arc between two points\nArc"},
    {cmd::kEllipse, "Draw an ellipse\nEllipse"},
    {cmd::kCircle, "Draw a circle from its centre\nCircle"},
    {cmd::kRectangle, "Draw a rectangle\nRectangle"},
    {cmd::kRoundRect, "Draw a rectangle with rounded corners\nRounded Rectangle"},
    {cmd::kChangeColour, "Change the pen colour of new objects\nChange Colour"},
    {cmd::kToolLineStyle, "Choose the line style and width of the tools\nTool Line Style"},
    {cmd::kTextSize, "Choose the font and size of new text\nText Size"},
    // Control-bar buttons without a menu item
    {cmd::kCentre,
     "***CENTRE*** - Finds centre of a line, (must have a tool selected first)\nFind Centre of Line"},
    {cmd::kCentreCentre,
     "***CENTRE CENTRE*** - Finds centre of a rectangle or room\nFind Centre of Rectangle"},
    {cmd::kDatum, "***DATUM*** - Marks datum - measureent reference point\nSet Datum Reference Point"},
    {cmd::kUndo,
     "***UNDO*** - Deletes last drawn object - unless external wall (use Delete Wall)\nUndo Last Object"},
    // Further commands without a menu item
    {cmd::kInternalArrowStyle, "Choose the style of the arrows\nArrow Style"},
    {cmd::kDeleteInternalWall, "Delete an internal wall\nDelete Internal Wall"},
    {cmd::kCentreDrawing, "Centre the floor on the sheet\nCentre Drawing"},
    {cmd::kMoveInternalWall, "Move an internal wall\nMove Internal Wall"},
    {cmd::kLengthenWall, "Lengthen or shorten an external wall\nLengthen Wall"},
    {cmd::kAlterBase, "Alter the floor-plan base\nAlter Base"},
    // Edit
    {cmd::kCopy, "Copy objects to paste them elsewhere\nCopy"},
    {cmd::kPaste, "Insert the objects copied last\nPaste"},
    {cmd::kMoveRotate, "Move or rotate the objects you drag over\nMove or Rotate"},
    {cmd::kChangeText, "Replace a text or number of the drawing\nChange Text"},
    {cmd::kAlterRoom, "***ALTER ROOMS*** - change to design rooms and adjust "},
    {cmd::kErase, "***ERASE/DELETE*** - Delete 1 or more items\nDelete"},
    // Zoom
    {cmd::kZoomUp, "Drag a rectangle to enlarge\nZoom Up"},
    {cmd::kNormalSize, "Show the drawing at its normal size\nNormal Size"},
    {cmd::kHalfSize, "Show twice as much of the drawing\nShrink by Half"},
    {cmd::kFitScreen, "Fit the whole drawing on the screen\nFit on Screen"},
    // Customise
    {cmd::kDefaultDoors, "Set the door size and swing\nDefault Doors"},
    {cmd::kDefaultDimensions, "Set the dimension offsets and text sizes\nDefault Dimensions"},
    {cmd::kDefaultLayoutGrid, "Set the spacing of the room-layout grid\nDefault Layout Grid"},
    {cmd::kDefaultFont, "Choose the font and size of new text\nDefault Font"},
    {cmd::kDefaultColours, "Choose the colours of the drawing\nDefault Colours"},
    {cmd::kDesignRoomColours, "Choose the fill colours of design rooms\nDesign Room Colours"},
    {cmd::kDesignRoomMerge, "Set how near design rooms snap together\nDesign Room Merge"},
    {cmd::kFloorPlanTitles, "Set the titles printed under each floor\nFloor Plan Titles"},
    {cmd::kCalibratePrinter, "Correct the printer's scale\nCalibrate Printer"},
    // Views
    {cmd::kDisplayMode,
     "***DISPLAY MODE*** - Show walls hatched, solid or normal, and dimensions on/off\nDisplay Mode"},
    {cmd::kOverlays, "***OVERLAYS*** - Overlay this floor with other floors\nOverlays"},
    {cmd::kGroundFloor, "Show the ground floor plan\nGround Floor"},
    {cmd::kFirstFloor, "Show the first floor plan\nFirst Floor"},
    {cmd::kSecondFloor, "Show the second floor plan\nSecond Floor"},
    {cmd::kRoomLayout, "Show the room layout of the floor\nRoom Layout"},
    {cmd::kSitePlan, "Show the site plan\nSite Plan"},
    {cmd::kFloorArea, "Show the floor areas\nFloor Area"},
    // Other
    {cmd::kManualDimension, "Dimension between two points you choose\nManual Dimension"},
    {cmd::kStairs, "Draw stairs and their stairwell\nStairs"},
    {cmd::kWindows, "***WINDOWS*** - Draws windows on external walls\nWindows"},
    {cmd::kNewRoom, "Build a finished room in an enclosed area\nNew Room (fixed)"},
    // Walls and base
    {cmd::kDoors, "***DOORS and WALL OPENINGS*** - Draws all type of doors and cuts in wall openings\nDoors, "
                  "Wall Openings"},
    {cmd::kInternalWall, "***INTERNAL WALL*** - Draws an internal wall\nInternal Wall"},
    {cmd::kExtendInternalWall, "Extend an internal wall to the next wall\nExtend Internal Wall"},
    {cmd::kShortenInternalWall, "Shorten an internal wall\nShorten Internal Wall"},
    {cmd::kDeleteExternalWall, "Delete an external wall\nDelete External Wall"},
    {cmd::kExpandBase, "Expand the floor-plan base in one direction\nExpand Base"},
    {cmd::kShrinkBase, "Shrink the floor-plan base in one direction\nShrink Base"},
    {cmd::kSplitWall, "Split an external wall in two\nSplit Wall"},
    {cmd::kChangeWallType, "Change the construction of an external wall\nChange Wall Type"},
    // Help
    {cmd::kHelpContents, "Show the contents of the help\nHelp Contents"},
    {cmd::kQuickStart, "Show how to start quickly\nQuick Start"},
    {cmd::kHints, "Show hints and reminders\nHints"},
    {cmd::kHowTo, "Show how to do common tasks\nHow To"},
    {cmd::kAbout, "Show the program's version\nAbout"},
    {cmd::kExamples, "Show worked examples\nExamples"},
    {cmd::kContextHelp, "Show help on the current step\nContext Help"},
    {cmd::kHelpSearch, "Search the help\nSearch Help"},
    {cmd::kHelpIntro, "Show the introduction\nIntroduction"},
    // Libraries
    {cmd::kAddToLibrary, "Add the objects you drag over to a library\nAdd to Library"},
    {cmd::kLibraryPlumbing, "Insert a plumbing symbol\nPlumbing"},
    {cmd::kLibraryElectrical, "Insert an electrical symbol\nElectrical"},
    {cmd::kLibraryFurniture, "Insert a furniture symbol\nFurniture"},
    {cmd::kLibraryMisc, "Insert a miscellaneous symbol\nMiscellaneous"},
    // Design rooms
    {cmd::kMarkExternalWalls,
     "***MARK EXTERNAL WALL*** - Marke external wall corners for ROOM LAYOUT\nMark External Walls on LAYOUT"},
    {cmd::kNewDesignRoom, "NEW DESIGN ROOM - Add a new mobile (DESIGN) room\nNew DESIGN Room"},
    {cmd::kMaxRoomSize,
     "***MAX ROOM SIZE*** - Give the maximum size for a design room\nMax Design Room Size"},
    {cmd::kDeleteDesignRoom, "Delete a design room\nDelete Room"},
    {cmd::kExpandRoom, "Move one side of a design room out\nExpand Room"},
    {cmd::kMoveRoom, "Move a design room\nMove Room"},
    {cmd::kRotateRoom, "Turn a design room a quarter turn\nRotate Room"},
    {cmd::kShrinkRoom, "Move one side of a design room in\nShrink Room"},
    {cmd::kFinishDesignRooms, "FINISH DESIGN ROOMS -  Changes DESIGN rooms to  permanent rooms"},
    {cmd::kLayoutGrid, "***LAYOUT GRID*** - Toggles ROOM LAYOUT grid on/off\nLayout Grid Toggle"},
};

} // namespace

std::span<const CommandText> CommandTexts() {
    return kTexts;
}

const char* CommandString(int32_t id) {
    for (const auto& text : kTexts)
        if (text.Id == id) return text.HintAndTip;
    return nullptr;
}

std::string CommandHint(int32_t id) {
    const char* text = CommandString(id);
    if (!text) return {};
    const char* feed = std::strchr(text, '\n');
    return feed ? std::string(text, feed) : std::string(text);
}

std::string CommandTip(int32_t id) {
    const char* text = CommandString(id);
    if (!text) return {};
    const char* feed = std::strchr(text, '\n');
    return feed ? std::string(feed + 1) : std::string();
}

} // namespace res
