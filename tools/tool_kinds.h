// Kind codes of the tools. A tool's kind equals the kind of the objects it creates, so those kinds
// are taken from the document's own codes; the rest name tools that create no object of their own
// kind (editing tools, the opening tool whose openings are stored under another kind).
#pragma once

#include <cstdint>

#include "document/objects.h"

namespace toolkind {

constexpr int32_t kLine = ::kLine;
constexpr int32_t kArc = ::kArc;
constexpr int32_t kText = ::kText;
constexpr int32_t kEllipse = ::kEllipse;
constexpr int32_t kCircle = ::kCircle;
constexpr int32_t kRectangle = ::kRectangle;
constexpr int32_t kRoundRect = ::kRoundRect;
constexpr int32_t kOutline = ::kOutlineLine; // outline lines marked on the room layout
constexpr int32_t kMove = 14;
constexpr int32_t kCopy = 15;
constexpr int32_t kErase = 19;
constexpr int32_t kPickQuiet = 20; // the pick tool left by a cancelled library insertion
constexpr int32_t kPick = 21;
constexpr int32_t kTextAtClick = ::kDialogText;
constexpr int32_t kChangeText = 25;
constexpr int32_t kStairs = 57;
constexpr int32_t kIntWallDelete = 65; // the internal-wall tool picking a partition to delete
constexpr int32_t kFixedRoom = 71;
constexpr int32_t kExtWallEdit = 999;
constexpr int32_t kExtWall = ::kExtWall;
constexpr int32_t kExtWallAlt = 1001;
constexpr int32_t kBaseChange = 1100;
constexpr int32_t kIntWall = ::kIntWall;
constexpr int32_t kOpening = 2000;
constexpr int32_t kDesignRoom = ::kDesignRoom;
constexpr int32_t kReopenedRoom = ::kReopenedRoom;
// Asked of TClient::RestoreTool: a line tool made without the Line command's name, guide and help.
constexpr int32_t kLineQuiet = 85;

} // namespace toolkind

namespace toolmode {
// The mode every tool starts in and returns to when a step of its own is over; the other modes
// belong to each tool's family (line, move, design room, ...).
constexpr int32_t kIdle = 0;
constexpr int32_t kPicked = 1;         // a press of the general path picked: the guide says so
constexpr int32_t kRenewOnRelease = 7; // the release repaints and gives a fresh tool of its kind
} // namespace toolmode

namespace textmode {
constexpr int32_t kAwaitingClick = 0; // text at the click: the next press places the anchor
constexpr int32_t kPlaced = 1;        // ... the anchor is placed: the keys type the text
} // namespace textmode
