// Turning a partition laid out in an internal-wall tool into an internal wall of the drawing.
#pragma once

class TIntwallobjtool;

// Appends the internal wall the tool's fields describe to the document and rewrites the working file;
// false (after the user was told) when the file could not be written.
[[nodiscard]] bool CreateIntwallObject(TIntwallobjtool& tool);
// The same wall appended without writing the file.
void AppendIntwallObject(TIntwallobjtool& tool);
