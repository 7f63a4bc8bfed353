#include "dialogs/wall_type_dialogs.h"

#include <array>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "resources/dialogs/wall_templates.h"
#include "tools/custom_wall_settings.h"
#include "tools/extwall_settings.h"

namespace {

// In the order the choices are asked for: the first checked one counts.
constexpr std::array<WallTypeChoice, 8> kMetricChoices{{
    {kPlanCustom, 1, 0, 0, 0},
    {kPlanCavity275, 275, 110, 55, 110},
    {kPlanSolid230, 230, 230, 0, 0},
    {kPlanVeneer240, 240, 110, 55, 75},
    {kPlanWalling200, 200, 200, 0, 0},
    {kPlanWalling150, 150, 150, 0, 0},
    {kPlanWalling100, 100, 100, 0, 0},
    {kPlanWalling75, 75, 75, 0, 0},
}};

// 1/24 inch: 11", 9", 9 1/2", 8", 6", 4", 3"; the four-line walls split 4 1/2" + 2" + the rest.
constexpr std::array<WallTypeChoice, 8> kImperialChoices{{
    {kPlanImpCustom, 1, 0, 0, 0},
    {kPlanImpCavity264, 264, 108, 48, 108},
    {kPlanImpSolid216, 216, 216, 0, 0},
    {kPlanImpVeneer228, 228, 108, 48, 72},
    {kPlanImpWalling192, 192, 192, 0, 0},
    {kPlanImpWalling144, 144, 144, 0, 0},
    {kPlanImpWalling96, 96, 96, 0, 0},
    {kPlanImpWalling72, 72, 72, 0, 0},
}};

constexpr const char* kWallHelpPage = "tvhelp.chm::/extwall.htm>wind";
constexpr int32_t kWallHelpContext = 251;

// The choice new walls are built with now: the custom wall where its sizes give the stored layers,
// else the fixed construction with those layers, else the custom wall.
std::size_t StoredChoice(std::span<const WallTypeChoice> choices) {
    const int32_t metric = choices.data() == kMetricChoices.data() ? 1 : 0;
    const ExtWallSettings s = ReadExtWallSettings(metric);
    const CustomWall c = ReadCustomWall(metric);
    const bool fourLines = c.lines > 2;
    const std::array<int32_t, 3> custom = {fourLines ? c.outside : c.total, fourLines ? c.cavity : 0,
                                           fourLines ? c.total - (c.outside + c.cavity) : 0};
    const std::array<int32_t, 3> stored = {s.layer1, s.layer2, s.layer3};
    if (stored == custom) return 0;
    for (std::size_t i = 1; i < choices.size(); ++i)
        if (stored == std::array{choices[i].Layer1, choices[i].Layer2, choices[i].Layer3}) return i;
    return 0;
}

bool Checked(const TCheckBox* box) {
    return box->GetCheck() == BF_CHECKED;
}

} // namespace

int32_t WithWallTemplates(int32_t resId) {
    return dialogs::WithTemplates<RegisterWallDialogTemplates>(resId);
}

TWalltypedlg::TWalltypedlg(QWidget* parent, int32_t resId, std::span<const WallTypeChoice> choices)
    : TDialog(parent, WithWallTemplates(resId)), choices_(choices) {
    for (std::size_t i = 0; i < choices_.size() && i < 8; ++i)
        radios_[i] = new TRadioButton(this, choices_[i].RadioId);
}

// The construction new walls are built with is offered, so that OK on the offer keeps it.
void TWalltypedlg::SetupWindow() {
    TDialog::SetupWindow();
    const std::size_t offered = StoredChoice(choices_);
    if (offered < 8 && radios_[offered]) radios_[offered]->Check();
}

void TWalltypedlg::CmOk() {
    Layer1 = Layer2 = Layer3 = 0;
    for (std::size_t i = 0; i < choices_.size() && i < 8; ++i) {
        if (!radios_[i] || !Checked(radios_[i])) continue;
        const WallTypeChoice& choice = choices_[i];
        WallTypeCode = choice.Code;
        Layer1 = choice.Layer1;
        Layer2 = choice.Layer2;
        Layer3 = choice.Layer3;
        break;
    }
    CloseWindow(IDOK);
}

void TWalltypedlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kWallHelpPage, kWallHelpContext);
}

TPlandlg::TPlandlg(QWidget* parent, int32_t resId) : TWalltypedlg(parent, resId, kMetricChoices) {}

TPlanimpdlg::TPlanimpdlg(QWidget* parent, int32_t resId) : TWalltypedlg(parent, resId, kImperialChoices) {}

TExtsidedlg::TExtsidedlg(QWidget* parent, int32_t resId) : TDialog(parent, WithWallTemplates(resId)) {
    Below = new TRadioButton(this, kExtSideBelow);
    Above = new TRadioButton(this, kExtSideAbove);
    Left = new TRadioButton(this, kExtSideLeft);
    Right = new TRadioButton(this, kExtSideRight);
}

// Every run starts on "BELOW main line".
void TExtsidedlg::SetupWindow() {
    TDialog::SetupWindow();
    Below->Check();
}

void TExtsidedlg::CmOk() {
    if (Checked(Below))
        SideCode = 1;
    else if (Checked(Above))
        SideCode = 3;
    else if (Checked(Left))
        SideCode = 2;
    else if (Checked(Right))
        SideCode = 4;
    CloseWindow(IDOK);
}

void TExtsidedlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/other.htm>wind", 280);
}
