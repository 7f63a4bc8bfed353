// The design-room tool's snapping of a dropped room: to walls and neighbouring rooms after a left
// drag, to the block of the other rooms after a right drag.
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/room_settings.h"
#include "rooms/room_snapping.h"
#include "tools/room_tools.h"
#include "tools/tool_geometry.h"

namespace {

void TakePointer(TDRoomobjtool& tool, TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    tool.LastX = p.x;
    tool.LastY = p.y;
}

} // namespace

void TDRoomobjtool::SnapToWalls(TDC& dc, TRect& client, int32_t x, int32_t y) {
    TakePointer(*this, dc, client, x, y);
    const int32_t distance = ReadRoomMergeDistance(MetricUnits);
    PartitionThickness = RoomPartitionThickness(CurrentView, MetricUnits, PartitionThickness);
    SnapRoomToNeighbours(ObjectList, CurrentView, PickedIndex, distance, PartitionThickness);
    // The working rectangle follows the room even when nothing pulled it: the repaint covers it.
    if (const TObject* room = ObjectList[PickedIndex]) {
        RoomX1() = room->x1;
        RoomY1() = room->y1;
        RoomX2() = room->x2;
        RoomY2() = room->y2;
    }
}

void TDRoomobjtool::SnapToRooms(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (PickedIndex == kNoObject) return;
    TakePointer(*this, dc, client, x, y);
    SnapRoomToBlock(ObjectList, CurrentView, PickedIndex, ReadRoomMergeDistance(MetricUnits));
    // The working rectangle keeps the dropped place: the repaint's margin holds the merging distance,
    // which covers the snap.
}
