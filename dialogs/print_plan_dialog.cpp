#include "dialogs/print_plan_dialog.h"

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "platform/validators.h"
#include "resources/dialogs/print_templates.h"

TTrevprntdlg::TTrevprntdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPrintDialogTemplates>(resId)) {
    const int32_t copyIds[4] = {19501, 19502, 19503, 20006};
    const int32_t scaleIds[4] = {19504, 19505, 19506, 2253};
    for (int i = 0; i < 4; ++i) {
        Copies[i] = new TEdit(this, copyIds[i], 5);
        Scales[i] = new TEdit(this, scaleIds[i], 5);
        // A scale of 0 or less, or not a number, cannot be printed at.
        Scales[i]->SetValidator(new TRangeValidator(kMinScale, kMaxScale));
    }
    for (int i = 0; i < 3; ++i) {
        Weights[i] = new TRadioButton(this, 19512 + i);
        Sizes[i] = new TRadioButton(this, 11519 + i);
        Walls[i] = new TRadioButton(this, 19515 + i);
    }
    NoDimensions = new TCheckBox(this, 19509);
    NoScale = new TCheckBox(this, 19510);
}

void TTrevprntdlg::SetupWindow() {
    TDialog::SetupWindow();
    const char* floorScale = MetricUnits == 1 ? "100" : "96";
    for (int i = 0; i < 3; ++i)
        Scales[i]->SetText(floorScale);
    Scales[3]->SetText(MetricUnits == 1 ? "500" : "480");
    Weights[1]->Check();
    Sizes[1]->Check();
    const int32_t mode = PlanDisplayMode;
    const bool everything = mode >= displaymode::kPlain && mode < displaymode::kWallsHidden &&
                            displaymode::Units(mode) == displaymode::kEverything;
    if (!everything) NoDimensions->Check();
    if (mode < displaymode::kWallsHatched)
        Walls[0]->Check();
    else if (mode < displaymode::kWallsSolid)
        Walls[1]->Check();
    else if (mode < displaymode::kWallsHidden)
        Walls[2]->Check();
}

void TTrevprntdlg::CmOk() {
    if (!Validate()) return;
    for (int i = 0; i < 4; ++i) {
        Copies[i]->GetText(CopiesText[i], 5);
        Scales[i]->GetText(ScaleText[i], 5);
    }
    const auto firstChecked = [](TRadioButton* const* buttons) {
        for (int i = 0; i < 3; ++i)
            if (buttons[i]->GetCheck() == BF_CHECKED) return i + 1;
        return 0;
    };
    if (const int w = firstChecked(Weights)) lineWeight = w;
    if (const int s = firstChecked(Sizes)) textSize = s;
    showScale = 1;
    PlanDisplayMode = displaymode::kWallsNormal + (NoDimensions->GetCheck() == BF_CHECKED
                                                          ? displaymode::kNoDimensions
                                                          : displaymode::kEverything);
    if (NoScale->GetCheck() == BF_CHECKED) showScale = 0;
    if (Walls[0]->GetCheck() != BF_CHECKED) {
        if (Walls[1]->GetCheck() == BF_CHECKED)
            PlanDisplayMode += displaymode::kWallsHatched;
        else if (Walls[2]->GetCheck() == BF_CHECKED)
            PlanDisplayMode += displaymode::kWallsSolid;
    }
    CloseWindow(IDOK);
}

void TTrevprntdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/print.htm>wind", 360);
}
