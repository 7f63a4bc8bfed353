#include "tools/room_tools.h"

#include "document/program_state.h"

// The free-space measurement, building the room and its size annotations come with the rooms.
void TRoomobjtool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TRoomobjtool::BuildRoom(TDC&, TRect&, int32_t, int32_t) {}
void TRoomobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TRoomobjtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}

TDRoomobjtool::TDRoomobjtool() {
    Kind = toolkind::kDesignRoom;
    LineStyle = 0;
    FillColour = BackgroundColour;
}

// Picking, dragging, resizing and making design rooms come with the room layout.
void TDRoomobjtool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TDRoomobjtool::ButtonUp(TDC&, TRect&, TPoint*) {}
void TDRoomobjtool::Button2Down(TDC&, TRect&, TPoint*) {}
void TDRoomobjtool::Button2Up(TDC&, TRect&, TPoint*) {}
void TDRoomobjtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TDRoomobjtool::Draw(TDC&, int32_t) {}
void TDRoomobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TDRoomobjtool::CreateObject(TDC&, TRect&) {}
void TDRoomobjtool::Command(int32_t) {}
void TDRoomobjtool::Start(int32_t, int32_t, int32_t) {}
