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

// Whether field 3 holds an opening the wardrobe dialog took, in place of the door dialog's total
// of the doors side by side: passing sliders leave less than that.
bool HoldsChosenOpening(const OpeningSettings& s) {
    const OpeningSettings f = s.AsStored();
    return f[3] >= kLeastSize && int64_t{f[3]} < int64_t{f[5]} * f[6];
}

// Whether field 3 holds a frame the entry dialog took, in place of the door dialog's total: a frame
// kept as it stands that holds its doors with room beside them.
bool HoldsChosenFrame(const OpeningSettings& s) {
    const OpeningSettings f = s.AsStored();
    if (f[6] > 2) return false;
    if (f[1] == 3 || f[1] == 13) return int64_t{f[3]} >= int64_t{f[6] == 2 ? 4 : 2} * f[5];
    return int64_t{f[3]} > int64_t{f[5]} * f[6];
}

// The radio of a stored hand or frame position: 1 left, 2 right, 0 the centre.
int32_t SideRadio(int32_t side) {
    return side == 1 ? 0 : side == 2 ? 1 : 2;
}

// The side of the checked radio, tested left, right, centre.
int32_t CheckedSide(TRadioButton* const (&radios)[3]) {
    if (radios[0]->GetCheck() == BF_CHECKED) return 1;
    return radios[1]->GetCheck() == BF_CHECKED ? 2 : 0;
}

int32_t ForcedFrame(int32_t kind, int32_t frame, int32_t width, int32_t number, bool metric) {
    if (kind == 3 || kind == 13) return std::max(frame, (number == 2 ? 4 : 2) * width);
    if ((kind == 10 || kind == 20) && int64_t{width} * number >= frame)
        return width * number + (metric ? kFrameMarginMetric : kFrameMarginImperial);
    return frame;
}

} // namespace

TRobedlg::TRobedlg(QWidget* parent, int32_t resId, bool offerStored)
    : TDialog(parent, WithTemplates(resId)), OfferStored(offerStored),
      Opening(dialogs::RangeEdit(this, kRobeOpening, 5, kLeastSize, kMostSize)),
      IntoWallBox(new TCheckBox(this, kRobeIntoWall)) {}

void TRobedlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Door);
    // An opening taken before is offered again; the doors just chosen offer the one they make.
    const double opening = OfferStored && HoldsChosenOpening(Read)
                               ? Read.Unrounded(3)
                               : RobeOpening(Read.Unrounded(5), Read[6], MetricUnits == 1);
    Opening->SetText(std::to_string(ShownLength(opening)));
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
    if (!Offer.Untouched())
        s[3] = StoredLength(pl::atoi(OpeningText));
    else if (!(OfferStored && HoldsChosenOpening(Read)))
        s[3] = RobeOpening(s[5], s[6], InMillimetres(s));
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TRobedlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TFoldingdlg::TFoldingdlg(QWidget* parent, int32_t resId, bool offerStored)
    : TDialog(parent, WithTemplates(resId)),
      OfferStored(offerStored), Hands{new TRadioButton(this, kFoldingLeft),
                                      new TRadioButton(this, kFoldingRight),
                                      new TRadioButton(this, kFoldingCentre)} {}

void TFoldingdlg::SetupWindow() {
    TDialog::SetupWindow();
    Hands[OfferStored ? SideRadio(ReadOpeningSettings(OpeningFile::Door)[7]) : 0]->Check();
}

void TFoldingdlg::CmOk() {
    const int32_t hand = CheckedSide(Hands);
    OpeningSettings s = ReadOpeningSettings(OpeningFile::Door).AsStored();
    s[7] = hand;
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TFoldingdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}

TEntrydlg::TEntrydlg(QWidget* parent, int32_t resId, bool offerStored)
    : TDialog(parent, WithTemplates(resId)), OfferStored(offerStored),
      Frame(dialogs::RangeEdit(this, kEntryFrameWidth, 6, kLeastSize, kMostFrame)),
      Positions{new TRadioButton(this, kEntryFrameLeft), new TRadioButton(this, kEntryFrameRight),
                new TRadioButton(this, kEntryFrameCentral)} {}

void TEntrydlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Door);
    // A frame and place taken before are offered again; doors just chosen offer a frame that holds
    // them, one door on its left, a pair central.
    const double frame = OfferStored && HoldsChosenFrame(Read)
                             ? Read.Unrounded(3)
                             : OfferedFrame(Read[1], Read.Unrounded(5), Read[6]);
    Frame->SetText(std::to_string(ShownLength(frame, kMostFrame)));
    Positions[OfferStored ? SideRadio(Read[10]) : Read[6] > 1 ? 2 : 0]->Check();
    Offer.Remember({Frame});
}

void TEntrydlg::CmOk() {
    if (!Validate()) return;
    Frame->GetText(FrameText, sizeof FrameText);
    const int32_t position = CheckedSide(Positions);
    OpeningSettings s = WrittenBack(OpeningFile::Door, Read, Offer.Untouched());
    const int32_t number = s[6] >= 3 ? 2 : s[6] < 2 ? 1 : s[6];
    int32_t frame = StoredLength(pl::atoi(FrameText));
    if (Offer.Untouched())
        frame = OfferStored && HoldsChosenFrame(Read) ? s[3] : OfferedFrame(s[1], s[5], s[6]);
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
