#include "tools/room_tools.h"

#include "shell/globals.h"

// The free-space measurement, building the room and its size annotations come with the rooms.
void TRoomobjtool::ButtonDown(TDC&, RECT&, POINT*) {}
void TRoomobjtool::BuildRoom(TDC&, RECT&, int32_t, int32_t) {}
void TRoomobjtool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TRoomobjtool::AutoDimension(TDC&, RECT&, int32_t, int32_t, int32_t, int32_t) {}

TDRoomobjtool::TDRoomobjtool() {
    Kind = toolkind::kDesignRoom;
    LineStyle = 0;
    FillColour = BackgroundColour;
}

// Picking, dragging, resizing and making design rooms come with the room layout.
void TDRoomobjtool::ButtonDown(TDC&, RECT&, POINT*) {}
void TDRoomobjtool::ButtonUp(TDC&, RECT&, POINT*) {}
void TDRoomobjtool::Button2Down(TDC&, RECT&, POINT*) {}
void TDRoomobjtool::Button2Up(TDC&, RECT&, POINT*) {}
void TDRoomobjtool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TDRoomobjtool::Draw(TDC&, int32_t) {}
void TDRoomobjtool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TDRoomobjtool::CreateObject(TDC&, RECT&) {}
void TDRoomobjtool::Command(int32_t) {}
void TDRoomobjtool::Start(int32_t, int32_t, int32_t) {}
