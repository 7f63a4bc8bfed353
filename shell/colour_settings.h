// The screen colours, CFG/CLR.CFG: background, drawing pen and selection, read as the program starts
// and as each drawing window is set up.
#pragma once

namespace shell {

// Sets BackgroundColour, PenColour and SelectColour from the file; a colour missing or outside
// 0 to 16777215 reads as shipped.
void ReadScreenColours();
// Writes BackgroundColour, PenColour and SelectColour.
[[nodiscard]] bool WriteScreenColours();

} // namespace shell
