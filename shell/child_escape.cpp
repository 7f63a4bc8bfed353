#include "shell/child_escape.h"

#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "shell/child.h"
#include "shell/chosen_tool.h"
#include "shell/client.h"
#include "shell/held_start.h"
#include "tools/text_tool.h"
#include "tools/working_file.h"

namespace shell {

namespace {

constexpr uint32_t kEnterChar = '\r';

// Letters typed at the pointer become the text they are, as Enter twice makes it.
bool EscapeEndsTypedText(TChild& window) {
    const auto* text = dynamic_cast<const TTexttool*>(window.Client().Tool.get());
    if (!text || text->Kind != toolkind::kTextAtClick) return false;
    if (text->TypedCount == 0 && !window.TextLineEnded) return false;
    if (text->TypedCount > 0) window.EvChar(kEnterChar, 1, 0);
    // A text that could not be written keeps its letters, and the tool waits as it did.
    if (window.TextLineEnded) window.EvChar(kEnterChar, 1, 0);
    return true;
}

bool HasObjectOfKindOnView(int32_t kind) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->kind == kind && o->view == CurrentView) return true;
    }
    return false;
}

// An outline being drawn keeps its sides and waits for its next one: there is nothing to take back.
bool EscapeKeepsOutline(TChild& window) {
    const TDrawingtool& tool = *window.Client().Tool;
    return (tool.Kind == toolkind::kExtWall || tool.Kind == toolkind::kOutline) && tool.PointPlaced != 0 &&
           HasObjectOfKindOnView(tool.Kind);
}

// A paste or a symbol moved and waiting for Enter stays where the user put it, as Enter leaves it.
bool EscapePlacesWhatWaits(TChild& window) {
    TClient& client = window.Client();
    if (!client.Tool->EndingPlacesEdits()) return false;
    if (tools::Failed(tools::SaveWorkingFile())) return true;
    window.Invalidate(true);
    client.SelectPickTool();
    return true;
}

bool EscapeTakesBackStep(TChild& window) {
    TClient& client = window.Client();
    if (!client.Chosen || !client.Chosen->StepInProgress(client)) return false;
    window.TextLineEnded = false;
    // A text's click took the typing cursor; the text waits for a click again, under the cross.
    if (client.Tool->Kind == toolkind::kTextAtClick) window.SetCursor(nullptr, IDC_CROSS);
    client.Chosen->Reinstate(client, window);
    // The start taken back stored nothing: the read-out measures from where it did before it.
    if (window.BeforeStart) window.BeforeStart->PutBackDatum(window);
    return true;
}

void EscapeEndsTool(TChild& window) {
    window.TextLineEnded = false;
    TClient& client = window.Client();
    // Escape is no tool chosen: on the Pick tool it takes back a pick, and the undos made in a row
    // go on counting, so the sixth still only suggests the erase tool.
    const int32_t undos = client.Tool->Kind == toolkind::kPick ? client.Tool->UndosInARow : 0;
    client.SelectPickTool();
    client.Tool->UndosInARow = undos;
}

} // namespace

void EscapeKey(TChild& window) {
    window.Client().Tool->Window = &window;
    // An external-wall edit's keyed line is painted but never stored: it goes with the tool.
    const bool drewUnstored = window.Client().Tool->Kind == toolkind::kExtWallEdit;
    if (!(EscapeEndsTypedText(window) || EscapeKeepsOutline(window) || EscapePlacesWhatWaits(window) ||
          EscapeTakesBackStep(window)))
        EscapeEndsTool(window);
    if (drewUnstored) window.Invalidate(true);
}

} // namespace shell
