// Kind codes of the tools. A tool's kind equals the kind of the objects it creates, so these are
// also the kinds the drawing window compares against the current tool.
#pragma once

#include <cstdint>

namespace toolkind {

constexpr int32_t kLine = 1;
constexpr int32_t kArc = 3;
constexpr int32_t kText = 4;
constexpr int32_t kEllipse = 5;
constexpr int32_t kCircle = 6;
constexpr int32_t kRectangle = 7;
constexpr int32_t kRoundRect = 8;
constexpr int32_t kOutline = 11; // outline lines marked on the room layout
constexpr int32_t kMove = 14;
constexpr int32_t kCopy = 15;
constexpr int32_t kErase = 19;
constexpr int32_t kPick = 21;
constexpr int32_t kTextAtClick = 24;
constexpr int32_t kChangeText = 25;
constexpr int32_t kStairs = 57;
constexpr int32_t kFixedRoom = 71;
constexpr int32_t kExtWallEdit = 999;
constexpr int32_t kExtWall = 1000;
constexpr int32_t kExtWallAlt = 1001;
constexpr int32_t kBaseChange = 1100;
constexpr int32_t kIntWall = 1500;
constexpr int32_t kOpening = 2000;
constexpr int32_t kDesignRoom = 29000;
constexpr int32_t kReopenedRoom = 29001;

} // namespace toolkind
