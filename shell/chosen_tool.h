// The tool as the user chose it: kept beside the current tool so that Escape can take back the step
// in progress and leave the same tool, with its settings, name and guide, waiting for a new start.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/child_tool_call.h"

class TClient;
class TChild;

namespace shell {

class ChosenTool {
public:
    explicit ChosenTool(const TClient& client);

    // True while the current tool stands in a step that this tool had not begun: a point,
    // band or pick held, a mode or stage moved on, edits in memory.
    [[nodiscard]] bool StepInProgress(const TClient& client) const;
    // True while the current tool stands as this one was kept, edits in memory or none alike.
    [[nodiscard]] bool StandsAsKept(const TClient& client) const;
    // This tool comes back as it was kept; what the current one showed or held in memory
    // goes with it.
    void Reinstate(TClient& client, TChild& window) const;

private:
    ToolStand stand_;
    int32_t helpContextId_;
};

// After a command, given the tool as the command found it: a tool the command installed or changed
// is the tool chosen, and so is the current tool while no step is in progress; the Pick tool is no
// choice.
void KeepChosenTool(TClient& client, const ChosenTool& before);
// At the start of a step, a tool installed outside the menus, with none kept, is kept as it stands.
void KeepToolIfNoneKept(TClient& client);

} // namespace shell
