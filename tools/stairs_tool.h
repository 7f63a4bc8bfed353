// The stairs tool: a stairwell outline that follows the pointer until Enter places the flights.
#pragma once

#include "tools/line_tool.h"

class TStepobjtool : public TLineobjtool {
public:
    TStepobjtool() { Kind = toolkind::kStairs; }

    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void Start(int32_t width, int32_t runLength, int32_t flight) override;

    // Reads the stairs settings and prepares the outline (the step behind Start).
    void NewStairs(int32_t width, int32_t runLength, int32_t flight);

    int32_t& StoreyHeight() { return Angle; }
    int32_t& FlightKind() { return Count; }  // 1 halfway return landing, 2 straight flight
    int32_t& TopTread() { return PickKind; } // 1 top, 2 right, 3 bottom, 4 left of the screen

    int32_t StairWidth = 0;
    int32_t RunLength = 0;
    int32_t TreadCount = 0;
    int32_t PreviewShown = 0;
    int32_t RiserHeight = 0;
    int32_t TreadGoing = 0;
};
