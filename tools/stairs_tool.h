// The stairs tool: a dotted outline of the stairs' footprint follows the pointer until Enter places
// the flights on the floor shown and the stairwell on the floor above, as plain lines sharing one
// identifier.
#pragma once

#include <string>

#include "tools/line_tool.h"
#include "tools/stairs_geometry.h"

// Whether the stairs could be prepared, and why not.
enum class StairsStart { Ready, NoFloorAbove, NoFlight };

class TStepobjtool : public TLineobjtool {
public:
    TOOL_STATE_COPIES(TStepobjtool)
    TStepobjtool() { Kind = toolkind::kStairs; }

    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void RedrawPreview(TDC& dc) override;
    // Enter places the stairs at the pointer; other keys do nothing.
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void Start(int32_t width, int32_t stairwell, int32_t flight) override;

    // Reads the riser and going, checks that the floor shown has a floor above and works out the
    // treads and the run from the storey height (set first). Anything but Ready leaves the tool
    // unprepared.
    [[nodiscard]] StairsStart NewStairs(int32_t width, int32_t stairwell, int32_t flight);
    // Appends one stair line on the current view.
    void AddLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

    int32_t& StoreyHeight() { return Angle; }
    int32_t& FlightKind() { return Count; }
    int32_t& TopTread() { return PickKind; }
    int32_t& StairwellLength() { return CursorX; } // a straight flight's opening above; 0 the full run

    int32_t StairWidth = 0;
    int32_t RunLength = 0;
    int32_t TreadCount = 0;
    int32_t PreviewShown = 0;
    int32_t RiserHeight = 0;
    int32_t TreadGoing = 0;

private:
    void PlaceFlights(int32_t x, int32_t y, int32_t length);
};

// The message for a refused start (empty for Ready).
std::string StairsRefusalText(StairsStart start);
