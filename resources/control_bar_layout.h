// The control bar's gadgets from left to right: buttons with their glyph and command, separators
// with their width, and the cursor-distance text gadget.
#pragma once

#include <cstdint>
#include <span>

namespace res {

enum class GadgetKind { Button, Separator, DistanceText };

struct BarGadget {
    GadgetKind Kind;
    int32_t Bitmap;  // glyph resource of a button
    int32_t Command; // command of a button
    int32_t Size;    // pixels of a separator; characters of the text gadget
};

std::span<const BarGadget> ControlBarLayout();

} // namespace res
