// Turning one selected object about a centre by a step of whole degrees measured clockwise on the
// screen. Quarter turns are exact; any other step rounds each turned offset to the nearest unit, so
// that repeated turns do not drift toward the centre.
#pragma once

#include <cstdint>
#include <functional>

#include "editing/selection_shift.h"
#include "platform/win_types.h"

class TObject;
class TTextobj;

namespace editing {

class SelectionTurn {
public:
    // A step of `stepDegrees` clockwise about (cx, cy), drawing units.
    SelectionTurn(int32_t stepDegrees, int32_t cx, int32_t cy);

    // A whole number of full turns (a step of 0 or 360, or a cancelled prompt) moves nothing.
    bool MovesNothing() const { return quarter_ == 0 && exactQuarter_; }
    // The step is a whole number of quarter turns, which keeps a box's sides level and upright.
    bool ExactQuarter() const { return exactQuarter_; }
    POINT Apply(int32_t x, int32_t y) const;
    void ApplyInPlace(int32_t& x, int32_t& y) const;

    // The step the turn was made with, for the angle words it advances.
    int32_t Step() const { return step_; }

private:
    int32_t step_;
    int32_t cx_;
    int32_t cy_;
    bool exactQuarter_ = false; // the step is a multiple of 90
    int32_t quarter_ = 0;       // quarter turns clockwise, 0 to 3, when exact
    double cos_ = 1.0;
    double sin_ = 0.0;
};

// The half width, in drawing units, of a text measured in its own font; only asked of centred
// horizontal texts.
using TextHalfWidth = std::function<int32_t(const TTextobj&)>;

// Turns the object's points by its kind and advances the angle words that go with them. `textStep`
// is the tool's step as the text rule sees it: a step above 355 becomes 0 at the first text and stays
// 0 for the rest of the pass. Says how to repaint the object in its own colour.
RepaintPen TurnObject(TObject& object, const SelectionTurn& turn, int32_t& textStep,
                      const TextHalfWidth& halfWidth);

// A text's angle and its x2 word after a turn by `textStep` (the step the text rule allows).
int32_t TurnedTextAngle(int32_t angle, int32_t textStep);
int32_t TurnedTextWord(int32_t word, int32_t textStep);

} // namespace editing
