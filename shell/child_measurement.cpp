// The manual dimension's Enter steps: each Enter hands its point to the tool; after the second point
// the user states the real measurement, which the dimension's text then shows.
#include <optional>
#include <string>

#include "document/program_state.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/length_prompt.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/working_file.h"

namespace {

// The measurement as the user states it: millimetres taken as typed, or feet, inches and a fraction,
// of which nothing below one unit is accepted. Nothing when the user cancels.
std::optional<int32_t> AskMeasurement(TChild& window, int32_t measured) {
    if (MetricUnits == 1) return shell::AskNumber("Measurement", "", std::to_string(measured).c_str(), 8);
    if (MetricUnits != 0) return std::nullopt;
    const auto value = shell::AskFeetInches(window, measured);
    if (!value || *value < 1) return std::nullopt;
    return value;
}

} // namespace

void TChild::MeasurementInput(TPoint point) {
    TClient& client = Client();
    auto* tool = dynamic_cast<TLineobjtool*>(client.Tool.get());
    if (!tool) return;
    TRect rc = GetClientRect();
    if (tools::Failed(
            shell::CallTool(*this, [&](TDC& dc) { tool->AutoDimension(dc, rc, point.x, point.y, 1, 122); })))
        return;
    if (tool->Mode != linemode::kManualSecondPoint) return;

    const auto measurement = AskMeasurement(*this, tool->MeasuredLength());
    if (!measurement) {
        // The dimension just drawn stays, without a text; it is written now so that the next repaint,
        // which reads the file back, does not lose it. A failed write has been told; the tool ends
        // either way.
        static_cast<void>(tools::SaveWorkingFile());
        client.SelectPickTool();
        return;
    }
    tool->MeasuredLength() = *measurement;
    tool->Mode = linemode::kManualText;
    if (tools::Failed(shell::CallTool(*this, [&](TDC& dc) { tool->AutoDimension(dc, rc, 0, 0, 0, 122); })))
        return;
    client.SelectPickTool();
}
