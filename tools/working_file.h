// Rewriting the working drawing file after an edit, with the failure told to the user: the file on
// disk then stays the previous version and the drawing counts as not saved.
#pragma once

namespace tools {

// Writes the document to the working file (mode 1) after an edit and marks a saved drawing
// modified; returns false (after a message) on failure. The caller's step then ends there: it
// changes nothing further and shows no second message.
[[nodiscard]] bool SaveWorkingFile();

// How many writes have failed so far. A step that hands an edit to a tool compares the count before
// and after: when it rose, the tool's write failed and was told, and the step ends there too.
[[nodiscard]] int FailedWrites();

} // namespace tools
