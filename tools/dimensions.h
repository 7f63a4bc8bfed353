// Dimensions: the automatic ones every external wall carries (arrows of kind 25000 and length texts of
// kind 34, rebuilt from the walls whenever they change), the overall ones of each side of a building
// of more than four walls, and the manual dimension (kind 26100 with its kind-35 text) measured
// between two points the user gives. Bearings are tenths of a degree clockwise from up.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class HouseOutline;
class TDC;
class TDrawingtool;
class TExtwallobj;

// Wall ends closer than this many ZoomDivisors count as a short wall, whose text sits twice as far out.
constexpr int32_t kShortWallZooms = 10;
// Pull distance of the manual dimension's points onto wall faces and room edges, in drawing units.
constexpr int32_t kFaceSnap = 30;
// "Nothing found" preset of FindWallAtPoint's results.
constexpr int32_t kNoFace = 300000;

// Removes every automatic arrow (25000) and dimension text (34) of CurrentView; the rest keep their
// order.
void RemoveAutoDimensions();

// One square arrow of the kind with its tip at (x, y); dir 'l', 'r', 't' or 'b' is the end of the
// dimension line it sits on. Identifier: the tool's ObjectId; group: its SegmentLength.
void AddArrow(TDrawingtool& tool, int32_t kind, int32_t x, int32_t y, char dir);

// One arrow of kind 25000 at the end (x, y) of an angled wall of the bearing, quadrant 1 to 4; end 1
// is the wall's start, 2 its end; offset is the distance of the tip from the wall, on its outer side.
void AddAngledArrow(TDrawingtool& tool, int32_t x, int32_t y, int32_t bearing, int32_t quadrant, int32_t end,
                    int32_t offset);

// The wall as the same house keyed clockwise runs it: reversed when the house lies on its left. The
// dimension rules set a dimension off on a wall's left, which is then outside the house.
TExtwallobj KeyedClockwise(const HouseOutline& house, const TExtwallobj& wall);

// The overall dimension of each side whose run holds two or more external walls of CurrentView.
void AddDimensionTexts(TDrawingtool& tool, TDC& dc, const RECT& client, int32_t overallOffset,
                       int32_t textOrientation, int32_t textHeight);

// Throws the automatic dimensions of CurrentView away and builds them again from its external walls,
// then writes the working file.
void AutoDimensionWalls(TDrawingtool& tool, TDC& dc, const RECT& client);

// One step of a manual dimension by the tool's Mode: 20 takes the first point at the window position
// (x, y), 21 the second and builds the dimension, 22 adds its text and writes the working file.
void AddDimension(TDrawingtool& tool, TDC& dc, const RECT& client, int32_t x, int32_t y,
                  int32_t textOrientation, int32_t textHeight);

// Looks for the first wall face or design-room edge of CurrentView within kFaceSnap of (x, y) (drawing
// units): a vertical one stores its x in outX, a horizontal one its y in outY. Both stay as they are
// when nothing is near.
void FindWallAtPoint(TDrawingtool& tool, int32_t x, int32_t y, int32_t& outX, int32_t& outY);

// The bearing of an angled line from its ends: the arctangent of its run over its rise, rounded
// through hundredths, turned into the quadrant the line runs into. Square lines are not its business.
int32_t BearingFromEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
