// Design rooms on the room layout: which objects are design rooms, where a new room is put, which room
// a click takes, what an arrow key with a step does to a room, and the feet-and-inches entry of room
// sizes. Plain geometry over the document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "document/objects.h"

class TList;

// Kind 29000 (design room) or 29001 (a finished room re-opened for altering).
bool IsDesignRoom(const TObject* object);
// Any design room of the view.
bool HasDesignRoomOn(const TList& list, int32_t view);
// Any design, re-opened or finished room of the view: the first room of a view asks for the
// partition thickness first.
bool HasAnyRoomOn(const TList& list, int32_t view);
// An object of the kind on the view.
bool HasKindOn(const TList& list, int32_t kind, int32_t view);

// Top-left corner of a new room of the given length and width, 2 x ZoomDivisor logical units right of
// and above the visible window's lower-left corner; where that would put the room past the sheet (a
// view showing past its edge, a room taller or wider than the sheet left in sight), the least move
// that puts it on the sheet. The program chooses the spot: a new room is never refused for it.
struct RoomCorner {
    int32_t x = 0;
    int32_t y = 0;
};
RoomCorner NewRoomSpot(int32_t length, int32_t width = 0);
// A room still at that spot: made and not yet placed.
bool AtNewRoomSpot(const TObject& room);

// The identifier base of the rooms of a view: 10000 below 51 (the layouts and the ground floor),
// 11000 on 51, 12000 on 52, 13000 on 53, 14000 on 54.
int32_t FloorBase(int32_t view);

// The first room of the view that strictly contains the point (drawing units), in list order:
// finished rooms (29500) when `finished`, else design rooms of both kinds. kNoObject when none.
int32_t RoomAt(const TList& list, int32_t view, int32_t x, int32_t y, bool finished);
// A press within 60 x ZoomDivisor of the room's centre on both axes (strictly): the room is then
// dragged without snapping.
bool InCentreSquare(const TRoomobj& room, int32_t x, int32_t y);

// Room sides and arrow directions: 1 top (up), 2 right, 3 bottom (down), 4 left.
int32_t SideOfArrow(uint32_t key);
constexpr int32_t kFineStep = 25; // units per arrow key in state 65
// What a key step did to the room.
enum class RoomKeyResult { Nothing, Moved, LengthChanged, WidthChanged, Refused };
// Applies one arrow key with its step to the room in a tool state (roommode). Shrinking by the whole size or
// more is refused: the room would vanish or turn inside out.
RoomKeyResult ApplyRoomKey(TRoomobj& room, int32_t state, int32_t side, int32_t step);

// Feet, inches and a fraction of an inch in 1/24 inch. The fraction counts only when it is a half,
// quarter or eighth-like fraction: numerator above 0, below the denominator, and the denominator none
// of 3, 5, 6, 7.
int32_t FeetInchesUnits(int32_t feet, int32_t inches, int32_t numerator, int32_t denominator);
// A length in 1/24 inch split for the dialogs' edits; numerator and denominator 0 when the remainder
// is no eighth.
struct FeetInches {
    int32_t feet = 0;
    int32_t inches = 0;
    int32_t numerator = 0;
    int32_t denominator = 0;
    bool hasRemainder = false;
};
FeetInches SplitFeetInches(int32_t length);

// The name a new room gets from the one typed: nothing (no room) above 16 characters, "none" for a
// single character.
std::optional<std::string> RoomNameFrom(const std::string& typed);
