// The drawing window's steps around the move tool family (move, copy and erase),
// kept out of the window's handlers so that each handler only calls them.
#pragma once

#include <cstdint>

class TChild;
class TDrawingtool;

namespace shell {

// Before a repaint: the document as the working file holds it, unless a move is pending (moved in
// memory, not yet locked with Enter), whose objects a reload would put back on screen. True when the
// document was read from the file.
[[nodiscard]] bool ReloadForPaint(const TDrawingtool* tool);
// The document as the working file holds it again: what a tool ending without Enter had moved in
// memory is dropped.
void DropUnwrittenEdits();
// After the layout grid was painted with the document: the grid's objects leave it again.
void DropLayoutGrid(int32_t countBeforeGrid, const TDrawingtool* tool);

// A right-button press while a rectangle is being dragged belongs to the drag: no rotation.
bool RightPressDuringDrag(const TDrawingtool* tool);

// After a press or key of the move tool: the sheet message when it refused to carry the selection
// past the sheet's edge.
void TellIfLeftSheet(TChild& window);

// After the erase tool's release: the Pick tool, and a repaint of the window.
void RepaintAfterErase(TChild& window);

} // namespace shell
