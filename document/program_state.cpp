#include "document/program_state.h"

#include "document/document.h"

COLORREF PenColour;
COLORREF BackgroundColour;
COLORREF SelectColour;
int32_t SheetWidth;
int32_t SheetHeight;
int32_t MetricUnits;
int32_t ScrollOriginX;
int32_t ScrollOriginY;
int32_t ViewExtentX;
int32_t ViewExtentY;
int32_t ZoomDivisor;
float PenScaleF;
int32_t PenScale;
int32_t TextScale;
int32_t DefaultTextHeight;
int32_t DefaultTextWeight;
int32_t CurrentView;
int32_t HelpContextId;
int32_t HelpMode;
int32_t DrawingState;
int32_t SaveState;
int32_t PlanDisplayMode;
int32_t LayoutGridFlag;
int32_t PenWidth;
int32_t IdCounter;
int32_t KeyEntryPhase;
int32_t LastOutlineEndX;
int32_t LastOutlineEndY;
int32_t PolyHeightMin;
int32_t PolyHeightMax;
int32_t PrintMinX;
int32_t PrintMaxX;
int32_t PrintHeight;

namespace {

void ResetProgramState() {
    PenColour = 0;
    BackgroundColour = RGB(255, 255, 255);
    SelectColour = RGB(255, 255, 255);
    SheetWidth = 1;
    SheetHeight = 1;
    MetricUnits = 1;
    ScrollOriginX = 0;
    ScrollOriginY = 0;
    ViewExtentX = 624;
    ViewExtentY = 346;
    ZoomDivisor = 1;
    PenScaleF = 1.0f;
    PenScale = 1;
    TextScale = 0;
    DefaultTextHeight = 10;
    DefaultTextWeight = 400;
    CurrentView = 8;
    HelpContextId = 100;
    HelpMode = helpmode::kNotChosen;
    DrawingState = 0;
    SaveState = 0;
    PlanDisplayMode = displaymode::kPlain;
    LayoutGridFlag = 2;
    PenWidth = 1;
    IdCounter = 1;
    KeyEntryPhase = 1;
    LastOutlineEndX = 0;
    LastOutlineEndY = 0;
    PolyHeightMin = 0;
    PolyHeightMax = 0;
    PrintMinX = 0;
    PrintMaxX = 0;
    PrintHeight = 0;
}

// The globals hold their start values before main runs. The document is left alone here: it may not
// be constructed yet, and its constructor gives it its start state.
const bool kGlobalsStarted = (ResetProgramState(), true);

} // namespace

void ResetGlobals() {
    ResetProgramState();
    ObjectList.Reset();
}
