// The follow-up door dialogs: the opening width of passing or into-wall sliders, the hand of folding
// doors and the frame of doors with side panels (each rewrites one part of CFG/DOOR.CFG), and the
// swing of a hinged door and the arrangement of a sliding one (answers to the caller only).
#include <algorithm>
#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/opening_dialog_support.h"
#include "dialogs/opening_dialogs.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"

using namespace openingdialogs;

namespace {

constexpr int32_t kSliderOverlapMetric = 50;   // neighbouring sliders overlap by 50 mm
constexpr int32_t kSliderOverlapImperial = 48; // or two inches
constexpr int32_t kFrameMarginMetric = 1000;
constexpr int32_t kFrameMarginImperial = 864; // 36 inches
constexpr int32_t kSwingHelp = 300;
constexpr int32_t kSwingHelpFlagged = 10135;

// The code 1 to 8 of the first checked picture radio, or `fallback`.
int32_t CheckedCode(TRadioButton* const (&radios)[8], int32_t fallback) {
    for (int32_t i = 0; i < 8; ++i)
        if (radios[i]->GetCheck() == BF_CHECKED) return i + 1;
    return fallback;
}

// Whether the lengths of `s` are in millimetres: the file's own units where they were kept.
bool InMillimetres(const OpeningSettings& s) {
    return s[4] == 1;
}

// The opening passing sliders leave, in the units of their width.
template <typename Length> Length RobeOpening(Length width, int32_t number, bool metric) {
    return width * number - (number - 1) * (metric ? kSliderOverlapMetric : kSliderOverlapImperial);
}

// The frame the entry dialog offers for its doors, in the units of their width.
template <typename Length> Length OfferedFrame(int32_t kind, Length width, int32_t number) {
    return kind == 3 || kind == 13 ? 2 * width * number : width * (number + 1);
}

int32_t ForcedFrame(int32_t kind, int32_t frame, int32_t width, int32_t number, bool metric) {
    if (kind == 3 || kind == 13) return std::max(frame, (number == 2 ? 4 : 2) * width);
    if ((kind == 10 || kind == 20) && int64_t{width} * number >= frame)
        return width * number + (metric ? kFrameMarginMetric : kFrameMarginImperial);
    return frame;
}

} // namespace

TRobedlg::TRobedlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)),
      Opening(dialogs::RangeEdit(this, kRobeOpening, 5, kLeastSize, kMostSize)),
      IntoWallBox(new TCheckBox(this, kRobeIntoWall)) {}

void TRobedlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Door);
    Opening->SetText(std::to_string(ShownLength(RobeOpening(Read.Unrounded(5), Read[6], MetricUnits == 1))));
    Offer.Remember({Opening});
}

void TRobedlg::CmOk() {
    if (!Validate()) return;
    Opening->GetText(OpeningText, sizeof OpeningText);
    IntoWall = IntoWallBox->GetCheck() == BF_CHECKED ? 1 : 0;
    // Sliders passing each other: the opening may not be wider than the doors the door dialog wrote
    // together. The opening offered is one they make, and is taken as it stands; a refusal writes
    // nothing and ends the request.
    if (!Offer.Untouched() && int64_t{Read[5]} * Read[6] < StoredLength(pl::atoi(OpeningText))) {
        MessageBox(this,
                   "You cannot have an opening bigger than the sum of the door widths - reselect door icon",
                   "WARDROBE TYPE SLIDING DOORS", MB_OK);
        CloseWindow(IDCANCEL);
        return;
    }
    OpeningSettings s = WrittenBack(OpeningFile::Door, Read, Offer.Untouched());
    s[3] =
        Offer.Untouched() ? RobeOpening(s[5], s[6], InMillimetres(s)) : StoredLength(pl::atoi(OpeningText));
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TRobedlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TFoldingdlg::TFoldingdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)), Hands{new TRadioButton(this, kFoldingLeft),
                                                   new TRadioButton(this, kFoldingRight),
                                                   new TRadioButton(this, kFoldingCentre)} {}

void TFoldingdlg::SetupWindow() {
    TDialog::SetupWindow();
    Hands[0]->Check();
}

void TFoldingdlg::CmOk() {
    int32_t hand = 0;
    if (Hands[0]->GetCheck() == BF_CHECKED)
        hand = 1;
    else if (Hands[1]->GetCheck() == BF_CHECKED)
        hand = 2;
    OpeningSettings s = ReadOpeningSettings(OpeningFile::Door);
    s[7] = hand;
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TFoldingdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TEntrydlg::TEntrydlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)),
      Frame(dialogs::RangeEdit(this, kEntryFrameWidth, 6, kLeastSize, kMostFrame)),
      Positions{new TRadioButton(this, kEntryFrameLeft), new TRadioButton(this, kEntryFrameRight),
                new TRadioButton(this, kEntryFrameCentral)} {}

void TEntrydlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Door);
    Frame->SetText(
        std::to_string(ShownLength(OfferedFrame(Read[1], Read.Unrounded(5), Read[6]), kMostFrame)));
    Positions[Read[6] > 1 ? 2 : 0]->Check();
    Offer.Remember({Frame});
}

void TEntrydlg::CmOk() {
    if (!Validate()) return;
    Frame->GetText(FrameText, sizeof FrameText);
    int32_t position = 0;
    if (Positions[0]->GetCheck() == BF_CHECKED)
        position = 1;
    else if (Positions[1]->GetCheck() == BF_CHECKED)
        position = 2;
    OpeningSettings s = WrittenBack(OpeningFile::Door, Read, Offer.Untouched());
    const int32_t number = s[6] >= 3 ? 2 : s[6] < 2 ? 1 : s[6];
    const int32_t frame =
        Offer.Untouched() ? OfferedFrame(s[1], s[5], s[6]) : StoredLength(pl::atoi(FrameText));
    s[3] = ForcedFrame(s[1], frame, s[5], number, InMillimetres(s));
    s[6] = number;
    s[10] = position;
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TEntrydlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TSdoordlg::TSdoordlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)), IntoWallBox(new TCheckBox(this, kSlidingIntoWall)) {
    for (int32_t i = 0; i < 8; ++i)
        Slides[i] = new TRadioButton(this, kSlidingRadios[i]);
}

void TSdoordlg::SetupWindow() {
    TDialog::SetupWindow();
    Slides[0]->Check();
}

void TSdoordlg::CmOk() {
    IntoWall = IntoWallBox->GetCheck() == BF_CHECKED ? 1 : 0;
    SlideType = CheckedCode(Slides, SlideType);
    CloseWindow(IDOK);
}

void TSdoordlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TDoordlg::TDoordlg(QWidget* parent, int32_t resId) : TDialog(parent, WithTemplates(resId)) {
    for (int32_t i = 0; i < 8; ++i)
        Swings[i] = new TRadioButton(this, kSwingRadios[i]);
}

void TDoordlg::SetupWindow() {
    TDialog::SetupWindow();
    Swings[0]->Check();
}

void TDoordlg::CmOk() {
    SwingType = CheckedCode(Swings, SwingType);
    CloseWindow(IDOK);
}

void TDoordlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, HelpFlag != 0 ? kSwingHelpFlagged : kSwingHelp);
}
