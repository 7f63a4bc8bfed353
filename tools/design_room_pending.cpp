// PENDING: the design-room operations that come with the finishing of design rooms (altering a
// finished room and moving its contents along). Each does nothing yet; whoever builds one moves it
// into a file of its own and deletes it here.
#include "tools/room_tools.h"

void TDRoomobjtool::Command(int32_t) {}
void TDRoomobjtool::ListRoomContents() {}
void TDRoomobjtool::TransformContents(int32_t, int32_t, int32_t) {}
