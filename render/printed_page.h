// The printout of one floor at a chosen scale: every copy is a page, and every page reloads the
// drawing, adds the scale caption, maps the floor's extents centred on the paper at the scale
// (corrected by the printer calibration) and paints the floor.
#pragma once

#include <cstdint>

#include "platform/print_dialog.h"
#include "platform/printout.h"

class TPrinter;

class THDPrintout : public TPrintout {
public:
    // view: the printed floor's code plus 1000 (1050, 1051, 1052, 1059); scale: the n of 1 : n.
    THDPrintout(const char* title, int32_t view, int32_t scale, int32_t copies, int32_t showScale,
                int32_t lineWeight, int32_t textSize, TPrinter& printer);

    void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) override;
    bool HasPage(int pageNumber) override;
    void PrintPage(int pageNumber, TRect& band, unsigned flags) override;

    TPrintDialog::TData& Data;
    int32_t Copies;
    int32_t Scale;
    int32_t View;
    int32_t ShowScale;
    int32_t LineWeight;
    int32_t TextSize;
};

namespace render {

// Paper length in inches of one drawing unit at 1 : 1: the reciprocal of 25.3994 in metric drawings,
// 1/24 in feet and inches.
double InchesPerDrawingUnit(int32_t metric);
// ZoomDivisor and PenScale while a page prints.
int32_t PrintZoomDivisor(int32_t metric);
int32_t PrintPenScale(int32_t metric);

// PenScale and TextScale on paper for the chosen scale (the n of 1 : n, above 0), line weight and
// text size (1, 2 or 3): the weight times n / 100 (n / 96 in feet and inches), truncated, at least 1.
struct PrintMultipliers {
    int32_t pen;
    int32_t text;
};
PrintMultipliers PrintMultipliersFor(int32_t metric, int32_t scale, int32_t lineWeight, int32_t textSize);

} // namespace render
