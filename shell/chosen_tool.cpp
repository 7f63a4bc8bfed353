#include "shell/chosen_tool.h"

#include <typeinfo>

#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/keyed_start.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"

namespace shell {

namespace {

bool IsPickTool(const TDrawingtool& tool) {
    return tool.Kind == toolkind::kPick || tool.Kind == toolkind::kPickQuiet;
}

bool HoldsChainEnd(const TDrawingtool& tool) {
    const auto* line = dynamic_cast<const TLinetool*>(&tool);
    return line && line->HoldsChainEnd();
}

// Whether two tools stand at the same stage. The pointer's place is no stage: a preview that follows
// it moves the tool's points while the tool still waits as it was.
bool SameStage(const TDrawingtool& now, const TDrawingtool& chosen) {
    return typeid(now) == typeid(chosen) && now.Kind == chosen.Kind && now.Mode == chosen.Mode &&
           now.PointPlaced == chosen.PointPlaced && now.Dragging == chosen.Dragging &&
           now.PickKind == chosen.PickKind && WaitsForKeyedStep(now) == WaitsForKeyedStep(chosen) &&
           HoldsChainEnd(now) == HoldsChainEnd(chosen);
}

} // namespace

ChosenTool::ChosenTool(const TClient& client) : stand_(client), helpContextId_(HelpContextId) {}

bool ChosenTool::StepInProgress(const TClient& client) const {
    const TDrawingtool* chosen = stand_.Copy();
    const TDrawingtool* now = client.Tool.get();
    if (!chosen || !now || IsPickTool(*now)) return false;
    return now->HoldsUnwrittenEdits() || !SameStage(*now, *chosen);
}

bool ChosenTool::StandsAsKept(const TClient& client) const {
    const TDrawingtool* chosen = stand_.Copy();
    const TDrawingtool* now = client.Tool.get();
    if (!chosen || !now || IsPickTool(*now)) return true;
    return now->HoldsUnwrittenEdits() == chosen->HoldsUnwrittenEdits() && SameStage(*now, *chosen);
}

void ChosenTool::Reinstate(TClient& client, TChild& window) const {
    stand_.Reinstall(client);
    client.Tool->Window = &window;
    HelpContextId = helpContextId_;
}

void KeepChosenTool(TClient& client, const ChosenTool& before) {
    if (!client.Tool || IsPickTool(*client.Tool)) {
        client.Chosen.reset();
        return;
    }
    // A command that leaves the tool as it found it in a step (a zoom, a save) leaves the choice as
    // it was, a move waiting for Enter included.
    if (before.StandsAsKept(client) && client.Chosen && client.Chosen->StepInProgress(client)) return;
    client.Chosen = std::make_unique<ChosenTool>(client);
}

void KeepToolIfNoneKept(TClient& client) {
    if (client.Chosen || !client.Tool || IsPickTool(*client.Tool)) return;
    client.Chosen = std::make_unique<ChosenTool>(client);
}

} // namespace shell
