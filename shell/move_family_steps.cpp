#include "shell/move_family_steps.h"

#include "document/document.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/move_tool.h"

namespace shell {

namespace {

bool MovePending(const TDrawingtool* tool) {
    const auto* move = dynamic_cast<const TMoveobjtool*>(tool);
    return move && move->MovePending();
}

} // namespace

bool ReloadForPaint(const TDrawingtool* tool) {
    if (MovePending(tool)) return false;
    ObjectList.Flush();
    // A damaged file has been reported when the drawing was opened; the repaint shows what it read.
    (void)ObjectList.ReadDrawingFile(filemode::kWorking);
    return true;
}

void DropLayoutGrid(int32_t countBeforeGrid, const TDrawingtool* tool) {
    if (ReloadForPaint(tool)) return;
    while (ObjectList.count > countBeforeGrid)
        ObjectList.RemoveAt(ObjectList.count - 1);
}

bool RightPressDuringDrag(const TDrawingtool* tool) {
    const auto* move = dynamic_cast<const TMoveobjtool*>(tool);
    return move && move->DraggingRectangle();
}

void RepaintAfterErase(TChild& window) {
    window.Client().SelectPickTool();
    // Texts and opening pieces reach beyond the rectangle that listed them by their anchors.
    window.Invalidate(true);
}

} // namespace shell
