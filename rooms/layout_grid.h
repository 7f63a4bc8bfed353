// The grid drawn over the room layout views while they are painted.
#pragma once

class TList;

// Replaces the list with the grid of the layout view shown, for a list the working file already
// holds (a repaint has just read it), so no write comes first. TList::MakeLayoutGrid writes the
// rooms before it empties the list.
void MakeLayoutGridOfFileRooms(TList& list);
