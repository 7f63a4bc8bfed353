// PENDING: the design-room operations that come with the placement aids (snapping a dropped room,
// the largest free room, the quarter turn) and with the finishing of design rooms (altering a
// finished room and moving its contents along). Each does nothing yet; whoever builds one moves it
// into a file of its own and deletes it here.
#include "tools/room_tools.h"

void TDRoomobjtool::SnapToWalls(TDC&, TRect&, int32_t, int32_t) {}
void TDRoomobjtool::SnapToRooms(TDC&, TRect&, int32_t, int32_t) {}
void TDRoomobjtool::MeasureMaxRoom(TDC&, TRect&, int32_t, int32_t) {}
void TDRoomobjtool::RotateRoom() {}
