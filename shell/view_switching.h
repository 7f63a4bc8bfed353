// Steps every view-switching command shares: leaving the site plan, which is re-centred and written
// first, returning the room layout's rooms to the ground floor, and dropping the overlay from the
// display mode when a single floor is shown.
#pragma once

#include <cstdint>

#include "tools/working_file.h"

class TClient;

namespace shell {

// On the site plan: the pick tool re-centres it and the working file is rewritten; elsewhere nothing.
[[nodiscard]] tools::WriteResult LeaveSitePlan(TClient& client);

// The room layout of a finished drawing only shows the ground floor's finished rooms as design rooms
// for altering: with the ground floor drawn, every design room of the layout becomes a finished room
// of the ground floor again and the working file is rewritten, before anything can ask to save or
// save. Returning them changes nothing of the drawing, so an unmodified drawing stays unmodified and
// its saved copy is rewritten too. Does nothing while the ground floor is empty (a layout still being
// designed). False when a write failed (the user was told).
bool ReturnLayoutRooms();

// The same while on the room layout, as another view or drawing takes its place; elsewhere nothing.
void ReturnLayoutRoomsOnLeaving();

// Every room of one kind and view becomes a room of the other, in memory only; false when none was.
bool SwapRooms(int32_t fromKind, int32_t fromView, int32_t toKind, int32_t toView);

// The display mode without its overlay: the tens digit (wall rendering) stays, a units digit of 2 or
// 4 becomes 0 and one of 3 becomes 1.
int32_t WithoutOverlay(int32_t mode);

} // namespace shell
