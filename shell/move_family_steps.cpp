#include "shell/move_family_steps.h"

#include <utility>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
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
    DropUnwrittenEdits();
    return true;
}

void DropUnwrittenEdits() {
    ObjectList.Flush();
    // A damaged file has been reported when the drawing was opened; memory holds what was read.
    (void)ObjectList.ReadDrawingFile(filemode::kWorking);
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

void TellIfLeftSheet(TChild& window) {
    auto* move = dynamic_cast<TMoveobjtool*>(window.Client().Tool.get());
    if (!move || !std::exchange(move->LeftSheet, false)) return;
    window.MessageBox("Distance would take you outside the programme's total drawing sizes", "DRAWING SIZE",
                      MB_OK | MB_ICONEXCLAMATION);
}

} // namespace shell
