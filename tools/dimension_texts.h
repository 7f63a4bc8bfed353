// The text object every dimension carries: its length (or the user's measurement) at an anchor, in
// the document's default font and the default weight.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "document/objects.h"

struct DimensionTextSpec {
    int32_t kind = kAutoDimensionText;
    int32_t id = 0;
    int32_t group = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t bearing = 0; // kept in the text's second x
    int32_t angle = 0;
    int32_t style = 6; // 6 centred on the baseline, 4 centred hanging from the top
    int32_t height = 0;
};

std::unique_ptr<TTextobj> MakeDimensionText(const DimensionTextSpec& spec, const std::string& text);
