// Command identifiers of the menu and the control bar. Each reaches the client window's command
// table; the same number keys its menu text and its status-bar hint.
#pragma once

#include <cstdint>

namespace cmd {

// File
constexpr int32_t kFileNew = 230;
constexpr int32_t kFileOpen = 231;
constexpr int32_t kFileSave = 237;
constexpr int32_t kFileSaveAs = 232;
constexpr int32_t kRotateMirror = 233;
constexpr int32_t kSaveBitmap = 235;
constexpr int32_t kPrint = 250;
constexpr int32_t kPrinterSetup = 251;
constexpr int32_t kAutoSave = 238;
constexpr int32_t kExit = 24310;

// Tools
constexpr int32_t kLine = 270;
constexpr int32_t kLineText = 287;
constexpr int32_t kMultiline = 272;
constexpr int32_t kText = 274;
constexpr int32_t kArc = 275;
constexpr int32_t kEllipse = 276;
constexpr int32_t kCircle = 277;
constexpr int32_t kRectangle = 278;
constexpr int32_t kRoundRect = 279;
constexpr int32_t kChangeColour = 281;
constexpr int32_t kToolLineStyle = 282;
constexpr int32_t kTextSize = 285;

// Control-bar buttons without a menu item
constexpr int32_t kCentre = 300;
constexpr int32_t kCentreCentre = 301;
constexpr int32_t kDatum = 302;
constexpr int32_t kUndo = 430;

// Further commands without a menu item
constexpr int32_t kInternalArrowStyle = 408;
constexpr int32_t kDeleteInternalWall = 217;
constexpr int32_t kCentreDrawing = 425;
constexpr int32_t kMoveInternalWall = 531;
constexpr int32_t kLengthenWall = 416;
constexpr int32_t kAlterBase = 417;

// Edit
constexpr int32_t kCopy = 310;
constexpr int32_t kPaste = 311;
constexpr int32_t kMoveRotate = 312;
constexpr int32_t kChangeText = 317;
constexpr int32_t kAlterRoom = 318;
constexpr int32_t kErase = 313;

// Zoom
constexpr int32_t kZoomUp = 500;
constexpr int32_t kNormalSize = 501;
constexpr int32_t kHalfSize = 502;
constexpr int32_t kFitScreen = 503;

// Customise
constexpr int32_t kDefaultDoors = 402;
constexpr int32_t kDefaultDimensions = 403;
constexpr int32_t kDefaultLayoutGrid = 406;
constexpr int32_t kDefaultFont = 404;
constexpr int32_t kDefaultColours = 405;
constexpr int32_t kDesignRoomColours = 423;
constexpr int32_t kDesignRoomMerge = 424;
constexpr int32_t kFloorPlanTitles = 471;
constexpr int32_t kCalibratePrinter = 410;

// Views
constexpr int32_t kDisplayMode = 470;
constexpr int32_t kOverlays = 343;
constexpr int32_t kGroundFloor = 330;
constexpr int32_t kFirstFloor = 331;
constexpr int32_t kSecondFloor = 332;
constexpr int32_t kRoomLayout = 344;
constexpr int32_t kSitePlan = 345;
constexpr int32_t kFloorArea = 342;

// Other
constexpr int32_t kManualDimension = 372;
constexpr int32_t kStairs = 382;
constexpr int32_t kWindows = 373;
constexpr int32_t kNewRoom = 379;

// Walls and base
constexpr int32_t kDoors = 383;
constexpr int32_t kInternalWall = 415;
constexpr int32_t kExtendInternalWall = 532;
constexpr int32_t kShortenInternalWall = 533;
constexpr int32_t kDeleteExternalWall = 418;
constexpr int32_t kExpandBase = 419;
constexpr int32_t kShrinkBase = 420;
constexpr int32_t kSplitWall = 422;
constexpr int32_t kChangeWallType = 426;

// Help
constexpr int32_t kHelpContents = 202;
constexpr int32_t kQuickStart = 207;
constexpr int32_t kHints = 204;
constexpr int32_t kHowTo = 206;
constexpr int32_t kAbout = 201;
constexpr int32_t kExamples = 205;
constexpr int32_t kContextHelp = 203;
constexpr int32_t kHelpSearch = 208;
constexpr int32_t kHelpIntro = 529;

// Libraries
constexpr int32_t kAddToLibrary = 350;
constexpr int32_t kLibraryPlumbing = 351;
constexpr int32_t kLibraryElectrical = 352;
constexpr int32_t kLibraryFurniture = 353;
constexpr int32_t kLibraryMisc = 354;

// Design rooms
constexpr int32_t kMarkExternalWalls = 413;
constexpr int32_t kNewDesignRoom = 520;
constexpr int32_t kMaxRoomSize = 521;
constexpr int32_t kDeleteDesignRoom = 522;
constexpr int32_t kExpandRoom = 523;
constexpr int32_t kMoveRoom = 524;
constexpr int32_t kRotateRoom = 525;
constexpr int32_t kShrinkRoom = 526;
constexpr int32_t kFinishDesignRooms = 527;
constexpr int32_t kLayoutGrid = 530;

} // namespace cmd
