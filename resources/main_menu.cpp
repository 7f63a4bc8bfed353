#include "resources/main_menu.h"

#include "resources/command_ids.h"

namespace res {

namespace {

constexpr MenuItem kSeparator{0, ""};

constexpr MenuItem kFile[] = {
    {cmd::kFileNew, "New..."},
    {cmd::kFileOpen, "Open..."},
    {cmd::kFileSave, "Save"},
    {cmd::kFileSaveAs, "Save As..."},
    kSeparator,
    {cmd::kRotateMirror, "Rotate/Mirror Drawings..."},
    {cmd::kSaveBitmap, "Save as a bitmap .BMP"},
    kSeparator,
    {cmd::kPrint, "Print..."},
    {cmd::kPrinterSetup, "Printer Setup..."},
    kSeparator,
    {cmd::kAutoSave, "Auto Save (toggle on/off)"},
    kSeparator,
    {cmd::kExit, "Exit"},
};

constexpr MenuItem kEdit[] = {
    {cmd::kCopy, "Copy"},
    {cmd::kPaste, "Paste"},
    {cmd::kMoveRotate, "Move or Rotate"},
    {cmd::kChangeText, "Change text/number"},
    {cmd::kAlterRoom, "Alter Finished Room"},
    kSeparator,
    {cmd::kErase, "Erase/Delete"},
};

constexpr MenuItem kTools[] = {
    {cmd::kLine, "Line"},
    {cmd::kLineText, "Line + Text"},
    {cmd::kMultiline, "Draw Multilines"},
    {cmd::kText, "Text"},
    {cmd::kArc, "Arc"},
    {cmd::kEllipse, "Ellipse"},
    {cmd::kCircle, "Circle"},
    {cmd::kRectangle, "Rectangle"},
    {cmd::kRoundRect, "RoundRect"},
    kSeparator,
    {cmd::kChangeColour, "Change Colour"},
    {cmd::kToolLineStyle, "Tool Line Style"},
    {cmd::kTextSize, "Textsize"},
    {cmd::kChangeText, "Change text/number"},
};

constexpr MenuItem kViews[] = {
    {cmd::kDisplayMode, "Display Mode..."},
    {cmd::kOverlays, "Show Overlays..."},
    kSeparator,
    {cmd::kGroundFloor, "Ground Floor"},
    {cmd::kFirstFloor, "First Floor"},
    {cmd::kSecondFloor, "Second Floor"},
    {cmd::kRoomLayout, "Room Layout"},
    {cmd::kSitePlan, "Site Plan"},
    kSeparator,
    {cmd::kFloorArea, "Floor Area"},
};

constexpr MenuItem kZoom[] = {
    {cmd::kZoomUp, "Zoom UP"},
    {cmd::kNormalSize, "Back to Normal"},
    {cmd::kHalfSize, "Shrink by Half"},
    {cmd::kFitScreen, "Fit on Screen"},
};

constexpr MenuItem kWalls[] = {
    {cmd::kDoors, "Doors/Openings"},
    kSeparator,
    {cmd::kInternalWall, "Draw Internal Wall"},
    {cmd::kExtendInternalWall, "EXTEND Internal Wall"},
    {cmd::kShortenInternalWall, "SHORTEN Internal Wall"},
    kSeparator,
    {cmd::kDeleteExternalWall, "DELETE External Wall"},
    {cmd::kExpandBase, "EXPAND Floorplan Base"},
    {cmd::kShrinkBase, "SHRINK Floorplan Base"},
    {cmd::kSplitWall, "Split External Wall"},
    {cmd::kChangeWallType, "Change External wall type"},
};

constexpr MenuItem kDesignRooms[] = {
    {cmd::kMarkExternalWalls, "Mark External Walls on LAYOUT"},
    kSeparator,
    {cmd::kNewDesignRoom, "New DESIGN Room"},
    {cmd::kMaxRoomSize, "Max DESIGN Room Size"},
    {cmd::kDeleteDesignRoom, "Delete Room"},
    {cmd::kExpandRoom, "Expand Room"},
    {cmd::kMoveRoom, "Move Room"},
    {cmd::kRotateRoom, "Rotate Room"},
    {cmd::kShrinkRoom, "Shrink Room"},
    kSeparator,
    {cmd::kFinishDesignRooms, "FINISH Design Rooms"},
    {cmd::kAlterRoom, "ALTER Finished Room"},
    kSeparator,
    {cmd::kLayoutGrid, "Toggle Layout Grid"},
};

constexpr MenuItem kOther[] = {
    {cmd::kManualDimension, "Manual Dimension"},
    {cmd::kStairs, "Stairs..."},
    {cmd::kWindows, "Windows"},
    {cmd::kDoors, "Doors, Wall Openings"},
    {cmd::kNewRoom, "New Room (fixed)"},
};

constexpr MenuItem kLibraries[] = {
    {cmd::kAddToLibrary, "ADD to a library"}, kSeparator,
    {cmd::kLibraryPlumbing, "Plumbing"},      {cmd::kLibraryElectrical, "Electrical"},
    {cmd::kLibraryFurniture, "Furniture"},    {cmd::kLibraryMisc, "Miscellaneous"},
};

constexpr MenuItem kCustomise[] = {
    {cmd::kDefaultDoors, "Default Doors"},
    {cmd::kDefaultDimensions, "Default Dimensions"},
    {cmd::kDefaultLayoutGrid, "Default Layout Grid"},
    {cmd::kDefaultFont, "Default Font"},
    {cmd::kDefaultColours, "Default Colours"},
    kSeparator,
    {cmd::kDesignRoomColours, "DESIGN Room Colours"},
    {cmd::kDesignRoomMerge, "DESIGN Room Merge"},
    kSeparator,
    {cmd::kFloorPlanTitles, "Floor Plan Titles"},
    {cmd::kCalibratePrinter, "Calibrate Printer"},
};

constexpr MenuItem kHelp[] = {
    {cmd::kHelpContents, "Contents"},
    {cmd::kQuickStart, "Quick start"},
    {cmd::kHints, "Hints,reminders"},
    {cmd::kHowTo, "How to....."},
    {cmd::kAbout, "About"},
    {cmd::kExamples, "Examples"},
    {cmd::kContextHelp, "Context help"},
    {cmd::kHelpSearch, "Search for"},
    {cmd::kHelpIntro, "Introduction"},
};

// Popups in the order a user meets them: the file, then editing and drawing, the views, the
// building itself, and the settings and help last.
constexpr MenuPopup kMenu[] = {
    {"File", kFile},
    {"Edit", kEdit},
    {"Tools", kTools},
    {"Views", kViews},
    {"Zoom", kZoom},
    {"Walls && Base", kWalls}, // "&&" shows a plain "&"
    {"Design Rooms", kDesignRooms},
    {"Other", kOther},
    {"Libraries", kLibraries},
    {"Customise", kCustomise},
    {"Help", kHelp},
};

} // namespace

std::span<const MenuPopup> MainMenu() {
    return kMenu;
}

} // namespace res
