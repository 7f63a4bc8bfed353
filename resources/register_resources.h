// Hands the program's menu, string table, glyphs and icon to the layer, which looks them up by
// identifier when the frame and its bars are built.
#pragma once

namespace res {

// Safe to call more than once.
void RegisterProgramResources();

} // namespace res
