#include "dialogs/design_room_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/validators.h"
#include "resources/dialogs/room_templates.h"
#include "rooms/design_room.h"
#include "rooms/room_settings.h"

namespace {

constexpr const char* kHelpPage = "tvhelp.chm::/droom.htm>wind";
constexpr int32_t kHelpContext = 260;
constexpr const char* kNameCharacters = "A-Za-z0-9, ";

struct ImperialRange {
    int32_t limit, low, high;
};
// Feet, inches, numerator and denominator of the width, then of the length.
constexpr ImperialRange kImperialRanges[8] = {{4, 1, 500}, {4, 0, 11}, {4, 0, 7}, {3, 0, 8},
                                              {4, 1, 350}, {4, 0, 11}, {4, 0, 7}, {3, 0, 8}};

int32_t Number(const char* text) {
    return pl::atol(text);
}

} // namespace

TDesignRoomdlgBase::TDesignRoomdlgBase(QWidget* parent, int32_t resId, bool metric,
                                       std::optional<std::pair<long, long>> preset)
    : TDialog(parent, dialogs::WithTemplates<RegisterRoomDialogTemplates>(resId)), Metric(metric),
      Preset(preset.has_value()) {
    using namespace roomdlg;
    if (preset) {
        MaxWidth = preset->first;
        MaxLength = preset->second;
    }
    Name = new TEdit(this, resId + kName, 17);
    Name->SetValidator(new TFilterValidator(kNameCharacters));
    if (Metric) {
        Sizes[0] = dialogs::RangeEdit(this, resId + kHorizontal, 7, 100, 150000);
        Sizes[1] = dialogs::RangeEdit(this, resId + kVertical, 7, 100, 100000);
    } else {
        for (int32_t i = 0; i < 8; ++i) {
            const ImperialRange& r = kImperialRanges[i];
            Sizes[i] = dialogs::RangeEdit(this, resId + kWidthFeet + i, r.limit + 1, r.low, r.high);
        }
    }
    const int32_t colourFirst = resId + (Metric ? kColourFirst : kImpColourFirst);
    const int32_t sizeFirst = resId + (Metric ? kSizeFirst : kImpSizeFirst);
    for (int32_t i = 0; i < 4; ++i) {
        Colours[i] = new TRadioButton(this, colourFirst + i);
        SizeLabels[i] = new TRadioButton(this, sizeFirst + i);
    }
}

void TDesignRoomdlgBase::SetupWindow() {
    TDialog::SetupWindow();
    if (Preset) ShowPreset();
    // Every room starts with no colour, whatever the last one took: the box shows what OK will give
    // the room. The size labels start as the last room had them.
    Colours[0]->Check();
    SelectSizeLabels();
}

void TDesignRoomdlgBase::ShowPreset() {
    if (Metric) {
        Sizes[0]->SetText(std::to_string(MaxWidth));
        Sizes[1]->SetText(std::to_string(MaxLength));
        return;
    }
    const long values[2] = {MaxWidth, MaxLength};
    for (int32_t i = 0; i < 2; ++i) {
        const FeetInches f = SplitFeetInches(static_cast<int32_t>(values[i]));
        Sizes[4 * i]->SetText(std::to_string(f.feet));
        Sizes[4 * i + 1]->SetText(std::to_string(f.inches));
        if (!f.hasRemainder) continue;
        Sizes[4 * i + 2]->SetText(std::to_string(f.numerator));
        Sizes[4 * i + 3]->SetText(std::to_string(f.denominator));
    }
}

void TDesignRoomdlgBase::SelectSizeLabels() {
    const int32_t radio = SizeRadioFor(ReadNewRoomOptions().sizeOption);
    if (radio >= 0) SizeLabels[radio]->Check();
}

void TDesignRoomdlgBase::CmOk() {
    if (!Validate()) return;
    Name->GetText(NameText, sizeof NameText);
    if (Metric) {
        Sizes[0]->GetText(HorizontalText, sizeof HorizontalText);
        Sizes[1]->GetText(VerticalText, sizeof VerticalText);
    } else {
        char* texts[8] = {HorizontalFeet, HorizontalInches, HorizontalNumerator, HorizontalDenominator,
                          VerticalFeet,   VerticalInches,   VerticalNumerator,   VerticalDenominator};
        const int sizes[8] = {5, 5, 5, 4, 5, 5, 5, 4};
        for (int32_t i = 0; i < 8; ++i)
            Sizes[i]->GetText(texts[i], sizes[i]);
    }
    NewRoomOptions options{0, 1};
    for (int32_t i = 3; i >= 0; --i)
        if (Colours[i]->GetCheck() == BF_CHECKED) options.colourOption = i + 1;
    for (int32_t i = 0; i < 4; ++i)
        if (SizeLabels[i]->GetCheck() == BF_CHECKED)
            options.sizeOption = static_cast<int32_t>(kSizeRadioOptions[i]);
    if (!WriteNewRoomOptions(options)) {
        MessageBox(this, "The settings could not be written to CFG/ and are unchanged.", "SETTINGS",
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseWindow(IDOK);
}

void TDesignRoomdlgBase::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

int32_t TDesignRoomdlgBase::Width() const {
    if (Metric) return Number(HorizontalText);
    return FeetInchesUnits(Number(HorizontalFeet), Number(HorizontalInches), Number(HorizontalNumerator),
                           Number(HorizontalDenominator));
}

int32_t TDesignRoomdlgBase::Length() const {
    if (Metric) return Number(VerticalText);
    return FeetInchesUnits(Number(VerticalFeet), Number(VerticalInches), Number(VerticalNumerator),
                           Number(VerticalDenominator));
}

TTroomdlg::TTroomdlg(QWidget* parent, int32_t resId)
    : TDesignRoomdlgBase(parent, resId, true, std::nullopt) {}

TTroomimpdlg::TTroomimpdlg(QWidget* parent, int32_t resId)
    : TDesignRoomdlgBase(parent, resId, false, std::nullopt) {}

TMaxroomdlg::TMaxroomdlg(QWidget* parent, int32_t resId, long maxWidth, long maxLength)
    : TDesignRoomdlgBase(parent, resId, true, std::make_pair(maxWidth, maxLength)) {}

TMaxroomimpdlg::TMaxroomimpdlg(QWidget* parent, int32_t resId, long maxWidth, long maxLength)
    : TDesignRoomdlgBase(parent, resId, false, std::make_pair(maxWidth, maxLength)) {}
