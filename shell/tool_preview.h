// The current tool's preview on the drawing window it was drawn in: wiped when the tool ends (or the
// window repainted whole, when only that takes it off), and drawn again by a repaint, which paints
// only the document, so that what the tool believes to be on screen always is.
#pragma once

#include "tools/working_file.h"

class TChild;
class TClient;
class TDC;
class TDrawingtool;
class TRect;

namespace shell {

// Takes the preview of a tool that is ending off the window that shows it.
void WipeToolPreview(TClient& client, TDrawingtool& tool);

// After a command that leaves current a tool whose edits wait for Enter (a selection moved, a paste
// or a symbol being placed): its moves wiped whatever lay under the selection, which a command such
// as Save paints nowhere back; the window is repainted whole from memory, which holds the edits.
void RepaintWhatWaits(TClient& client);

// Before a command: a paste or symbol that waits for Enter is written where the user put it, as
// Enter would write it, so that a command that ends the tool, or reads the drawing back, finds it
// there. The tool keeps waiting for Enter. Failed: the user has been told and the step ends there.
[[nodiscard]] tools::WriteResult PlaceWhatWaits(TClient& client);

// Draws the current tool's preview again over a repaint of the window it belongs to.
void RestoreToolPreview(TChild& window, TDC& dc, const TRect& client);

} // namespace shell
