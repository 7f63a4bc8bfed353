// Turning a partition laid out in an internal-wall tool into an internal wall of the drawing.
#pragma once

#include "tools/working_file.h"

class TIntwallobjtool;

// Appends the internal wall the tool's fields describe to the document and rewrites the working file.
[[nodiscard]] tools::WriteResult CreateIntwallObject(TIntwallobjtool& tool);
// The same wall appended without writing the file.
void AppendIntwallObject(TIntwallobjtool& tool);
