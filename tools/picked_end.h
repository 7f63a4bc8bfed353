// The end of a picked square line or partition that the move, extend and shorten edits shift by an
// arrow key: which end goes, which way, and by how much.
#pragma once

#include <cstdint>
#include <optional>

class TObject;

namespace tools {

// Which end of an object's own line an arrow key moves, and by how much along its axis.
struct EndShift {
    bool horizontal;
    bool startMoves;
    int32_t by;
};

// Only square lines move, and only along their own axis: the end the arrow points to moves out by
// a positive amount and back by a negative one. A line is never shortened to nothing or reversed.
std::optional<EndShift> ShiftOfEnd(const TObject& picked, uint32_t key, int32_t amount);

// The coordinate of the object's own line that the shift moves.
int32_t& ShiftedEnd(TObject& picked, const EndShift& shift);

} // namespace tools
