// A design room's quarter turn about its centre.
#pragma once

class TRoomobj;

// Lays the room out anew round the same centre with width and length exchanged. Every half is
// truncated toward zero, so a room of odd size ends one unit off its size fields, which stay the
// room's size. The size texts are not touched.
void QuarterTurn(TRoomobj& room);
