// Texts of the tool-name gadget that depend on the pen: "%d,Arc" and the like, and the name the
// line-style step shows for the current tool.
#pragma once

#include <cstdint>
#include <string>

// The tool's name as the line-style step shows it, by kind: "Line", "Multiline" (also the arc
// tool), "Text", "Ellipse", "Circle", "Pick tool"; any other kind has no name.
const char* ToolStyleName(int32_t kind);

// "%d,%s" with the pen width and a name, e.g. "2,Line", "1,Circle", "3," for a nameless tool.
std::string PenAndName(int32_t penWidth, const char* name);
