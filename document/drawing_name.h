// The one rule for the name of a drawing, wherever the user types it (New, Save As, Rotate/Mirror),
// and the guard the document's own files keep whatever their caller.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The typed text without its outer blanks when what remains is a drawing name: 1 to 24 letters,
// digits, commas and inner blanks. Nothing otherwise.
std::optional<std::string> DrawingNameFrom(std::string_view typed);

// The `n`th name (from 1) for a drawing `name` as it was before a step that could not be undone in
// place: "<name> before <n>", with `name` cut short where the whole would pass the longest name, so
// that File > Open opens it as any drawing. Empty past the last such name.
std::string KeptDrawingName(std::string_view name, int n);

// False for a name holding a path separator or "..": such a name could reach outside its folder.
bool IsSafeInFolder(std::string_view name);
