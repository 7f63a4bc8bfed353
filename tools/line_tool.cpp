#include "tools/line_tool.h"

#include "document/coordinate_mapping.h"
#include "document/dimension_settings.h"
#include "document/program_state.h"
#include "tools/dimensions.h"
#include "tools/line_modes.h"

// Line input, the rubber band, keyed lines and the cross-hair are in tools/line_input.cpp; object
// creation in tools/object_creation.cpp; the line label in tools/line_label.cpp; Command and Start in
// tools/line_object_commands.cpp; the members for the pick of an end to edit in tools/picked_end.cpp.

// In the manual-dimension modes the operation takes the window position (x, y) as the next point of
// the dimension; otherwise it rebuilds the automatic dimensions of the view.
void TLineobjtool::AutoDimension(TDC& dc, TRect& client, int32_t x, int32_t y, int32_t, int32_t) {
    if (linemode::IsManualDimension(Mode)) {
        const DimensionSettings s = ReadDimensionSettings(MetricUnits);
        SetDrawingMapping(nullptr, dc, client);
        AddDimension(*this, dc, client, x, y, s.textOrientation, s.roomDimensionTextHeight);
        return;
    }
    AutoDimensionWalls(*this, dc, client);
}
