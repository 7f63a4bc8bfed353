// Rewriting the working drawing file after an edit, with the failure told to the user: the file on
// disk then stays the previous version and the drawing counts as not saved.
#pragma once

namespace tools {

// Writes the document to the working file (mode 1) after an edit and marks a saved drawing
// modified; returns false (after a message) on failure.
bool SaveWorkingFile();

} // namespace tools
