#include "dialogs/overlay_dialogs.h"

#include "dialogs/dialog_building.h"
#include "document/document.h"
#include "document/overlay_file.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "resources/dialogs/display_templates.h"

namespace {

// Both dialogs share one help page.
void ShowViewHelp(QWidget* dialog) {
    if (HelpMode == helpmode::kPages) {
        HtmlHelpA(dialog, "tvhelp.chm::/view.htm>wind", HH_DISPLAY_TOPIC, 0);
    } else {
        WinHelpA(dialog, "tvwhlp.hlp", HELP_CONTEXT, 210);
    }
}

int32_t Checked(const TCheckBox* box) {
    return box->GetCheck() == BF_CHECKED ? 1 : 0;
}

} // namespace

TOverdlg::TOverdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterDisplayDialogTemplates>(resId)) {
    Ground = new TCheckBox(this, kOverlayGround);
    First = new TCheckBox(this, kOverlayFirst);
    Second = new TCheckBox(this, kOverlaySecond);
    Dimensions = new TCheckBox(this, kOverlayDimensions);
}

void TOverdlg::SetupWindow() {
    TDialog::SetupWindow();
    const OverlayFlags flags = ReadOverlayFile(ObjectList.ProgramDirectory);
    Ground->SetCheck(flags.ground == 1 ? BF_CHECKED : BF_UNCHECKED);
    First->SetCheck(flags.first == 1 ? BF_CHECKED : BF_UNCHECKED);
    Second->SetCheck(flags.second == 1 ? BF_CHECKED : BF_UNCHECKED);
    const bool withDimensions = PlanDisplayMode == displaymode::kPlain ||
                                PlanDisplayMode == displaymode::kWallsNormal + displaymode::kOverlay;
    Dimensions->SetCheck(withDimensions ? BF_CHECKED : BF_UNCHECKED);
}

void TOverdlg::CmOk() {
    OverlayFlags flags;
    flags.ground = Checked(Ground);
    flags.first = Checked(First);
    flags.second = Checked(Second);
    // With nothing ticked the ground floor is overlaid.
    if (flags.ground == 0 && flags.first == 0 && flags.second == 0) flags.ground = 1;
    // The display mode changes only with the file: a mode pointing at flags that were never written
    // would show the wrong floors.
    if (!WriteOverlayFile(ObjectList.ProgramDirectory, flags)) {
        MessageBox(this, "The overlay settings could not be saved in CFG/OVERLAY.CFG.", "OVERLAYS",
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PlanDisplayMode = displaymode::kWallsNormal +
                      (Checked(Dimensions) ? displaymode::kOverlay : displaymode::kOverlayNoDimensions);
    CloseWindow(IDOK);
}

void TOverdlg::CmHelp() {
    ShowViewHelp(this);
}

TDisplandlg::TDisplandlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterDisplayDialogTemplates>(resId)) {
    AllDimensions = new TCheckBox(this, kDisplayAllDimensions);
    Normal = new TRadioButton(this, kDisplayNormal);
    Hatched = new TRadioButton(this, kDisplayHatched);
    Solid = new TRadioButton(this, kDisplaySolid);
}

void TDisplandlg::SetupWindow() {
    TDialog::SetupWindow();
    const int32_t mode = PlanDisplayMode;
    const int32_t units = displaymode::Units(mode);
    const bool allDimensions = mode >= displaymode::kPlain && mode < displaymode::kWallsHidden &&
                               (units == displaymode::kEverything || units == displaymode::kOverlay);
    AllDimensions->SetCheck(allDimensions ? BF_CHECKED : BF_UNCHECKED);
    if (mode < displaymode::kWallsHatched) {
        Normal->Check();
    } else if (mode < displaymode::kWallsSolid) {
        Hatched->Check();
    } else if (mode < displaymode::kWallsHidden) {
        Solid->Check();
    }
}

void TDisplandlg::CmOk() {
    const int32_t d = Checked(AllDimensions) ? displaymode::kEverything : displaymode::kNoDimensions;
    // Any overlay in the units digit is dropped: confirming this dialog turns overlays off.
    if (Checked(Hatched)) {
        PlanDisplayMode = displaymode::kWallsHatched + d;
    } else if (Checked(Solid)) {
        PlanDisplayMode = displaymode::kWallsSolid + d;
    } else {
        PlanDisplayMode = displaymode::kWallsNormal + d;
    }
    CloseWindow(IDOK);
}

void TDisplandlg::CmHelp() {
    ShowViewHelp(this);
}
