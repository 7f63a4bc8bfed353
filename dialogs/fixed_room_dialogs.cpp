#include "dialogs/fixed_room_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/validators.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "rooms/design_room.h"
#include "rooms/fixed_room_settings.h"
#include "rooms/room_settings.h"

namespace {

constexpr const char* kHelpPage = "tvhelp.chm::/froom.htm>wind";
constexpr int32_t kHelpContext = 270;
constexpr const char* kNameCharacters = "A-Za-z0-9, ";
// The colour option a fixed room leaves for the next design room: none chosen.
constexpr int32_t kNoColourChoice = 0;

struct ImperialRange {
    int32_t low, high;
};
// Feet, inches, numerator and denominator of the width, then of the length.
constexpr ImperialRange kImperialRanges[8] = {{1, 500}, {0, 11}, {0, 7}, {0, 8},
                                              {1, 350}, {0, 11}, {0, 7}, {0, 8}};
constexpr int32_t kImperialLimit = 4;

int32_t Number(const char* text) {
    return pl::atol(text);
}

} // namespace

TFixedRoomdlgBase::TFixedRoomdlgBase(QWidget* parent, int32_t resId, int32_t nameId, int32_t sizeFirst)
    : TDialog(parent, dialogs::WithTemplates<RegisterFixedRoomDialogTemplates>(resId)) {
    Name = new TEdit(this, nameId, sizeof NameText);
    Name->SetValidator(new TFilterValidator(kNameCharacters));
    for (int32_t i = 0; i < 4; ++i)
        SizeLines[i] = new TRadioButton(this, sizeFirst + i);
}

void TFixedRoomdlgBase::SetupWindow() {
    TDialog::SetupWindow();
    // Without a measured size the fields stay empty and OK asks for one.
    if (const auto free = ReadFreeRoomSize()) ShowFreeSize(free->width, free->length);
    SizeOption = ReadNewRoomOptions().sizeOption;
    SelectSizeLines();
}

void TFixedRoomdlgBase::SelectSizeLines() {
    if (const int32_t radio = SizeRadioFor(SizeOption); radio >= 0) SizeLines[radio]->Check();
}

void TFixedRoomdlgBase::CmOk() {
    if (!Validate()) return;
    Name->GetText(NameText, sizeof NameText);
    ReadSizes();
    for (int32_t i = 3; i >= 0; --i)
        if (SizeLines[i]->GetCheck() == BF_CHECKED) SizeOption = static_cast<int32_t>(kSizeRadioOptions[i]);
    if (!WriteNewRoomOptions({SizeOption, kNoColourChoice})) {
        MessageBox(this, "The settings could not be written to CFG/ and are unchanged.", "SETTINGS",
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseWindow(IDOK);
}

void TFixedRoomdlgBase::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

TRoomdlg::TRoomdlg(QWidget* parent, int32_t resId)
    : TFixedRoomdlgBase(parent, resId, fixedroomdlg::kName, fixedroomdlg::kSizeFirst) {
    Sizes[0] = dialogs::RangeEdit(this, fixedroomdlg::kHorizontal, 7, 400, 150000);
    Sizes[1] = dialogs::RangeEdit(this, fixedroomdlg::kVertical, 7, 400, 100000);
}

void TRoomdlg::ShowFreeSize(int32_t width, int32_t height) {
    Sizes[0]->SetText(std::to_string(width));
    Sizes[1]->SetText(std::to_string(height));
}

void TRoomdlg::ReadSizes() {
    Sizes[0]->GetText(HorizontalText, sizeof HorizontalText);
    Sizes[1]->GetText(VerticalText, sizeof VerticalText);
}

int32_t TRoomdlg::Width() const {
    return Number(HorizontalText);
}

int32_t TRoomdlg::Length() const {
    return Number(VerticalText);
}

TRoomimpdlg::TRoomimpdlg(QWidget* parent, int32_t resId)
    : TFixedRoomdlgBase(parent, resId, fixedroomdlg::kImpName, fixedroomdlg::kImpSizeFirst) {
    for (int32_t i = 0; i < 8; ++i)
        Sizes[i] = dialogs::RangeEdit(this, fixedroomdlg::kImpWidthFeet + i, kImperialLimit + 1,
                                      kImperialRanges[i].low, kImperialRanges[i].high);
}

void TRoomimpdlg::ShowFreeSize(int32_t width, int32_t height) {
    const int32_t values[2] = {width, height};
    for (int32_t i = 0; i < 2; ++i) {
        const FeetInches f = SplitFeetInches(values[i]);
        Sizes[4 * i]->SetText(std::to_string(f.feet));
        Sizes[4 * i + 1]->SetText(std::to_string(f.inches));
        // A remainder that is no eighth leaves the fraction at "0" and "0".
        Sizes[4 * i + 2]->SetText(std::to_string(f.hasRemainder ? f.numerator : 0));
        Sizes[4 * i + 3]->SetText(std::to_string(f.hasRemainder ? f.denominator : 0));
    }
}

void TRoomimpdlg::ReadSizes() {
    char* texts[8] = {HorizontalFeet, HorizontalInches, HorizontalNumerator, HorizontalDenominator,
                      VerticalFeet,   VerticalInches,   VerticalNumerator,   VerticalDenominator};
    for (int32_t i = 0; i < 8; ++i)
        Sizes[i]->GetText(texts[i], 5);
}

int32_t TRoomimpdlg::Width() const {
    return FeetInchesUnits(Number(HorizontalFeet), Number(HorizontalInches), Number(HorizontalNumerator),
                           Number(HorizontalDenominator));
}

int32_t TRoomimpdlg::Length() const {
    return FeetInchesUnits(Number(VerticalFeet), Number(VerticalInches), Number(VerticalNumerator),
                           Number(VerticalDenominator));
}
