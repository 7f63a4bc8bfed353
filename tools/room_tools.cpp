#include "tools/room_tools.h"

#include "document/program_state.h"

// The free-space measurement, building the room and its size annotations come with the rooms.
void TRoomobjtool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TRoomobjtool::BuildRoom(TDC&, TRect&, int32_t, int32_t) {}
void TRoomobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TRoomobjtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}

// The design-room tool: tools/design_room_tool.cpp (picking and dragging), tools/design_room_edits.cpp
// (new rooms, keys, deleting), tools/design_room_pending.cpp (what later work fills in).
