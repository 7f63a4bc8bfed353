// The program's shared state: set by the shell and the tools, read everywhere down to the document.
// Start values are those the program has before any command runs; colours and the auto-save state
// are then read from CFG/.
#pragma once

#include <cstdint>

#include "document/help_modes.h"
#include "document/plan_display_modes.h"
#include "platform/win_types.h"

// Colours.
extern COLORREF PenColour;        // 0, then CFG/CLR.CFG
extern COLORREF BackgroundColour; // white, then CFG/CLR.CFG
extern COLORREF SelectColour;     // white, then CFG/CLR.CFG

// The sheet, in logical units (drawing units / ZoomDivisor).
extern int32_t SheetWidth;
extern int32_t SheetHeight;

// 1: lengths in millimetres; 0: in 1/24 inch (feet, inches and eighths).
extern int32_t MetricUnits;

// Zoom and scroll state of the drawing window, in logical units.
extern int32_t ScrollOriginX;
extern int32_t ScrollOriginY;
extern int32_t ViewExtentX;
extern int32_t ViewExtentY;
extern int32_t ZoomDivisor;
extern float PenScaleF; // logical units per screen pixel
extern int32_t PenScale;
extern int32_t TextScale;

// Text defaults.
extern int32_t DefaultTextHeight;
extern int32_t DefaultTextWeight;

// View codes: 40 room layout, 50 ground, 51 first, 52 second floor, 59 site plan;
// the printed floor's code + 1000 while a page prints.
extern int32_t CurrentView;

extern int32_t HelpContextId;
extern int32_t HelpMode; // helpmode (help_modes.h)

// Commands act on a drawing only above 1.
extern int32_t DrawingState;

// 0 saved, 1 modified, 2 auto save.
extern int32_t SaveState;

// Tens digit: walls normal (0-9), cross-hatched (10-19), solid (20-29), hidden (30+).
// Units digit: 0 everything, 1 dimensions hidden, 2 and 4 other floors overlaid, 3 overlays
// without dimensions (displaymode, plan_display_modes.h).
extern int32_t PlanDisplayMode;

extern int32_t LayoutGridFlag;
extern int32_t PenWidth;

// The next object identifier.
extern int32_t IdCounter;

// Keyed entry of the line tools: 1 = the next Enter places a start point, 2 = an end point.
extern int32_t KeyEntryPhase;
// End of the last keyed or entered external-wall segment, where the mouse cursor is put back.
extern int32_t LastOutlineEndX;
extern int32_t LastOutlineEndY;

// Puts every global and the document back to their start state (tests start from a known state).
void ResetGlobals();

// Set by the drawing-file writer and readers: the range of point heights of polygons, openings and
// external walls (never above 0 at the low end), and the print extents in printed-page units.
extern int32_t PolyHeightMin;
extern int32_t PolyHeightMax;
extern int32_t PrintMinX;
extern int32_t PrintMaxX;
extern int32_t PrintHeight;
