// The edit of a picked end: the move, extend and shorten edits shift one end of a picked square line
// or partition by an arrow key. Here: which end goes, which way and by how much, and the box about
// the object that the repaint after the edit draws whole. The line-object tool's members for its pick
// (TLineobjtool::PickedForEndEdit, EditedEndTravel, EndingNeedsRepaint) are defined in
// tools/picked_end.cpp too.
#pragma once

#include <cstdint>
#include <optional>

class TDrawingtool;
class TObject;

namespace tools {

// Drawing units the repaint box of an edited end reaches beyond the object's ends and either side of
// its own line.
constexpr int32_t kEditBoxMargin = 100;

// Which end of an object's own line an arrow key moves, and by how much along its axis.
struct EndShift {
    bool horizontal;
    bool startMoves;
    int32_t by;
};

// Only square lines move, and only along their own axis: the end the arrow points to moves out by
// a positive amount and back by a negative one. A line is never shortened to nothing or reversed.
std::optional<EndShift> ShiftOfEnd(const TObject& picked, uint32_t key, int32_t amount);
// Why ShiftOfEnd gives no shift, in words for the user; null when it gives one.
const char* WhyEndStays(const TObject& picked, uint32_t key, int32_t amount);

// The coordinate of the object's own line that the shift moves.
int32_t& ShiftedEnd(TObject& picked, const EndShift& shift);

// Takes the object's own line, with the margin about it, into the tool's repaint box.
void WidenBoxToLine(TDrawingtool& tool, const TObject& picked);

} // namespace tools
