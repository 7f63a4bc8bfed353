#include "tools/dimension_texts.h"

#include "document/document.h"
#include "document/program_state.h"

std::unique_ptr<TTextobj> MakeDimensionText(const DimensionTextSpec& s, const std::string& text) {
    return std::make_unique<TTextobj>(CurrentView, s.kind, 1, 0, s.id, s.group, s.x, 0, s.bearing, 0, s.y, 0,
                                      PenColour, text.c_str(), ObjectList.DefaultFontName, s.angle, s.style,
                                      DefaultTextWeight, s.height);
}
