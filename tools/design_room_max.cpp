// The design-room tool's measuring of the largest free room at a click, for the drawing window to
// offer as a new room.
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "rooms/design_room_modes.h"
#include "rooms/free_room.h"
#include "rooms/room_settings.h"
#include "tools/room_tools.h"
#include "tools/tool_geometry.h"

void TDRoomobjtool::MeasureMaxRoom(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    LastX = p.x;
    LastY = p.y;
    const std::optional<FreeRoomExtent> extent = MeasureFreeRoomExtent(ObjectList, CurrentView, LastX, LastY);
    if (!extent) {
        Mode = roommode::kOutsideWalls;
        return;
    }
    PartitionThickness = RoomPartitionThickness(CurrentView, MetricUnits, 0);
    const std::optional<FreeRoomSize> size =
        MeasureFreeRoom(ObjectList, CurrentView, LastX, LastY, PartitionThickness, *extent);
    if (!size) {
        Mode = roommode::kOutsideWalls;
        return;
    }
    if (WriteMaxRoom(RoomSize{size->width, size->length})) return;
    // The file would still hold the last measurement: offering that size would be wrong, so the step
    // ends here with the reason.
    MessageBox(Window ? Window->GetHandle() : nullptr, "The free size could not be written to CFG/MAX.CFG.",
               "MAXIMUM AVAILABLE ROOM", MB_OK | MB_ICONEXCLAMATION);
    Mode = roommode::kIdle;
}
