// The steps of the default-settings dialogs that the Customise commands run the same way with or
// without a drawing open: the default font, the colour choices, the printer calibration, the
// room-merge distance and the layout-grid spacing, with the files they keep.
#pragma once

#include <cstdint>
#include <string>

class QWidget;
class TClient;

namespace shell {

// Writes CFG/TEXT.CFG from DefaultTextHeight, DefaultTextWeight and the document's default font.
[[nodiscard]] bool WriteTextStyle();

// The font dialog on the default text style. OK stores the choice and TEXT.CFG; Cancel leaves the
// client's font data as it was. True on OK.
bool RunFontSteps(TClient& client, QWidget* parent);

// The background, drawing and overlay colours, each announced by a message; with keepCursor the
// mouse is put back after each message.
void RunScreenColourChoices(TClient& client, bool keepCursor);
// The three design-room fill colours; lastGuide is the guide shown for the third.
void RunRoomColourChoices(TClient& client, const char* lastGuide);

// The calibration dialog of the units in force; OK writes the calibration file.
void RunCalibrationSteps(TClient& client, QWidget* parent);

// The texts of the merge-distance input: they differ between the drawing window and the client.
struct MergeTexts {
    const char* MetricGuide;
    const char* MetricTitle;
    const char* MetricPrompt;
};
inline constexpr MergeTexts kDrawingMergeTexts{"GUIDE: Select Merging distance for room alignment",
                                               "Merge Distance", "Millimetres"};
inline constexpr MergeTexts kClientMergeTexts{"GUIDE: input Merging distance for room alignment",
                                              "Merging Distance", "millimetres"};
// Asks for the merge distance and writes it back, raised to its minimum, also on Cancel.
void RunMergeSteps(TClient& client, QWidget* parent, const MergeTexts& texts);

// Asks for the layout-grid spacing, writes it with the colour kept, then offers the grid colour.
void RunLayoutGridSteps(TClient& client, QWidget* parent);

} // namespace shell
