// The colour dialog on one colour setting, and the printer calibration command.
#include <array>
#include <string>

#include "dialogs/calibration_dialogs.h"
#include "dialogs/new_drawing_dialog.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/colour_dialog.h"
#include "platform/file_io.h"
#include "platform/gadget_window.h"
#include "platform/message_box.h"
#include "render/print_settings.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/colour_settings.h"

namespace {

void Hint(TClient& client, const char* text) {
    if (client.StatusBar) client.StatusBar->SetText(text);
}

void ReportUnsaved(TClient& client, const char* what) {
    const std::string text = std::string("The ") + what + " could not be saved";
    ::MessageBox(client.GetHandle(), text.c_str(), "SETTINGS", MB_OK | MB_ICONEXCLAMATION);
}

// A new background shows at once in every open drawing window, so that a wipe drawn in it never
// leaves a ghost on the old one.
void ApplyBackground(TClient& client) {
    client.SetBkgndColor(BackgroundColour);
    for (TMDIChild* window : client.GetChildren()) {
        window->SetClassBackground(BackgroundColour);
        window->Invalidate(true);
    }
}

} // namespace

void TClient::ChooseColour(int32_t which) {
    if (which < 1 || which > 8) return;
    HelpContextId = 310;
    // The dialog opens on the colour it changes; the grid and room colours live in their own files.
    LayoutGridSettings grid;
    std::array<COLORREF, 3> rooms{};
    COLORREF initial = PenColour;
    if (which == 2) initial = BackgroundColour;
    if (which == 5) initial = SelectColour;
    if (which == 4) {
        grid = ReadLayoutGridSettings(MetricUnits);
        initial = grid.colour;
    }
    if (which >= 6) {
        rooms = ReadRoomFillColours();
        initial = rooms[which - 6];
    }
    // Custom colours made in one call are offered in the next, for the whole run.
    static TColor customColours[16] = {};
    TChooseColorDialog::TData data;
    data.Flags = CC_RGBINIT;
    data.Color = TColor(initial);
    data.CustColors = customColours;
    const COLORREF colour = TChooseColorDialog(GetHandle(), data).Execute() == IDOK && data.Error == 0
                                ? data.Color.GetValue()
                                : initial;
    // A cancelled dialog gives back the colour it started from, so nothing changes.
    if (which == 1 || which == 3) PenColour = colour;
    if (which == 2 && colour != BackgroundColour) {
        BackgroundColour = colour;
        ApplyBackground(*this);
    }
    if (which == 5) SelectColour = colour;
    // The pen colour of choice 1 lasts for this run only; the others are kept for the next.
    if ((which == 3 || which == 5) && !shell::WriteScreenColours()) ReportUnsaved(*this, "colours");
    if (which == 4) {
        grid.colour = colour;
        if (!WriteLayoutGridSettings(MetricUnits, grid)) ReportUnsaved(*this, "layout grid colour");
    }
    if (which >= 6) {
        rooms[which - 6] = colour;
        if (!WriteRoomFillColours(rooms)) ReportUnsaved(*this, "room colours");
    }
    Hint(*this, DrawingState < 2 ? "Press FILE/NEW or FILE/OPEN" : "GUIDE: press F1 for context help");
}

void TClient::CmCalibratePrinter() {
    HelpContextId = 360;
    const std::string& dir = ObjectList.ProgramDirectory;
    // With a drawing open the drawing window's settings dialogs do the same.
    if (DrawingState >= 2) {
        if (ObjectList.count > 0 && CurrentView < kPrintSetup && !WriteOrTell(ObjectList, filemode::kWorking))
            return;
        if (TChild* child = ActiveDrawingWindow()) child->RunSettingsDialog(11);
        return;
    }
    // The units dialog first: the calibration length is asked for in the units chosen.
    if (TMeasdlg(GetHandle()).Execute() != IDOK) return;
    int32_t entered = 0;
    if (MetricUnits == 1) {
        Hint(*this, "GUIDE: Enter your scaled size for 15000 m.m. printed at 100:1 scale/landscape");
        TPrntcalmdlg dialog(nullptr, dir);
        if (dialog.Execute() != IDOK) return;
        entered = pl::atoi(dialog.LengthText);
    } else {
        Hint(*this, "GUIDE: Enter your scaled size for 52 feet printed at 96:1 scale/landscape");
        TPrntcalidlg dialog(GetHandle(), dir);
        if (dialog.Execute() != IDOK) return;
        entered = (pl::atoi(dialog.FeetText) * 12 + pl::atoi(dialog.InchesText)) * 24;
    }
    if (!render::WriteCalibration(MetricUnits, entered)) ReportUnsaved(*this, "printer calibration");
}
