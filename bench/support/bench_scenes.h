// The drawings the benchmarks paint, read and edit, built in code so every run sees the same ones.
#pragma once

#include <cstdint>

namespace bench {

constexpr int32_t kScreenWidth = 1920, kScreenHeight = 1080;

// A run that only proves each benchmark works, as ctest's is: every scene of a given count is built
// with at most kSmallSceneCount objects, so a whole bench costs seconds, not minutes. Set by the
// command line's --small-scenes.
constexpr int32_t kSmallSceneCount = 300;
void UseSmallScenes(bool small);
bool SmallScenes();

// The bench house: three floors of room cells (partitions, a room, a dimension with arrows and its
// length, symbols, texts, lines and a door swing in each) inside external walls, padded to 10,000
// objects with lines on another view; about 3,400 on the ground floor. Replaces the document.
void BuildHouse();

// `count` lines on the ground floor between random points of the house's area, so most of them
// cross much of the screen. Replaces the document.
void BuildLongLines(int32_t count);

// `count` objects of every kind on the ground floor, at random places over the house's area and of
// sizes from a few units to the whole of it: lines, texts turned to any angle, walls, arrows,
// dimensions, symbols, rooms, arcs, ellipses, circles, rectangles and rounded rectangles. Replaces
// the document.
void BuildEveryKind(int32_t count);

// `count` small texts (room names, sizes and lengths of 10 to 16 pixels) spread over the house's
// area, each at its own angle when `turned` (a whole turn in tenths of a degree, then again at
// another size) and all level otherwise, so the two paint side by side. Replaces the document.
void BuildTexts(int32_t count, bool turned);

// `count` texts of `least` to `most` pixels spread over the house's area: room names, sizes and
// lengths when `letters` is 0, else notes of that many letters. Each is at its own angle when
// `turned` (a whole turn in tenths of a degree, then again at another size) and all are level
// otherwise. A `varied` note holds as many different letters, so that notes share few glyphs.
// Replaces the document.
void BuildSizedTexts(int32_t count, int32_t least, int32_t most, int32_t letters, bool turned,
                     bool varied = false);

// A drawing of `count` objects of the kinds a plan holds most (walls, lines, texts, symbols,
// dimensions, rooms) spread over the sheet, for reading and writing. Replaces the document.
void BuildMixed(int32_t count);

// Shows the ground floor's house area on a kScreenWidth x kScreenHeight view, magnified `zoom`
// times about its centre, without a window (the view globals the painter reads).
void FrameHouse(int32_t zoom);

} // namespace bench
