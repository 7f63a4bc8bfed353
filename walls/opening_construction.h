// Cutting an opening into a wall: the opening itself (a polygon filled with the background on an
// external wall, face gaps and jambs on a partition), the line across it for some kinds, and the
// window's size label. Every piece is laid out with the wall along x and the reference face at
// y = P.y, then turned about P into the wall's direction and appended to the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "walls/opening.h"

class TList;
class TObject;

// Appends one piece, carried from its local layout onto the wall (see walls/opening_frame.h).
void AddOpeningPiece(const Opening& opening, TList& document, std::unique_ptr<TObject> piece);

// The opening and the line across it.
void BuildOpening(const Opening& opening, TList& document);

// After the opening: a size label for windows that show their sizes, a door symbol for the other
// kinds but plain wall openings and garage doors, or nothing.
enum class OpeningFinish { Label, Symbol, Nothing };
OpeningFinish FinishOf(const Opening& opening);

struct LabelPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t angle = 0; // of the text
    int32_t style = 0; // its alignment
};
// Where a window's size label stands: beside the outer face, one step further with the cill.
LabelPlacement OpeningLabelPlacement(const Opening& opening, int32_t metricUnits);
// Whether the kind takes a size label at all (windows only).
bool KindTakesLabel(int32_t kind);
// Appends the label (not turned): kind 35, group the opening's.
void AddOpeningLabel(const Opening& opening, TList& document, const LabelPlacement& at, const std::string& text,
                     int32_t height, const char* fontName, int32_t weight);

// Rounds a real length to whole units through hundredths, half up.
int32_t OpeningRound(double x);
