#include "dialogs/room_partition_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "document/program_state.h"
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

} // namespace

namespace dialogs {

bool StoreRoomPartition(TDialog& dialog, int32_t metricUnits, int32_t value) {
    // An inch count with a fraction can pass the edits' own ranges and still be more than the
    // thickness any reader takes.
    const FieldRange range = RoomPartitionRange(metricUnits);
    if (!range.Holds(value)) {
        MessageBox(&dialog,
                   metricUnits == 1 ? "The partition thickness must be from 25 to 900 mm."
                                    : "The partition thickness must be from 1 to 30 inches.",
                   "SETTINGS", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    std::array<int32_t, 3> fields = ReadRoomPartitions(metricUnits);
    const int32_t field = PartitionField(CurrentView);
    if (field >= 0) fields[static_cast<size_t>(field)] = value;
    if (WriteRoomPartitions(metricUnits, fields)) return true;
    MessageBox(&dialog, "The settings could not be written to CFG/ and are unchanged.", "SETTINGS",
               MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace dialogs

TRmpttndlg::TRmpttndlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterRoomDialogTemplates>(resId)) {
    const FieldRange range = RoomPartitionRange(1);
    Thickness = dialogs::RangeEdit(this, roomdlg::kThickness, 5, range.low, range.high);
}

void TRmpttndlg::SetupWindow() {
    TDialog::SetupWindow();
    // A view with no field of its own shows an empty edit rather than some other floor's value.
    const int32_t field = PartitionField(CurrentView);
    if (field >= 0)
        Thickness->SetText(std::to_string(ReadRoomPartitions(1)[static_cast<size_t>(field)]));
    else
        Thickness->SetText("");
}

void TRmpttndlg::CmOk() {
    if (!Validate()) return;
    Thickness->GetText(ThicknessText, sizeof ThicknessText);
    if (!dialogs::StoreRoomPartition(*this, 1, pl::atol(ThicknessText))) return;
    CloseWindow(IDOK);
}

void TRmpttndlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

TRmpttnimpdlg::TRmpttnimpdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterRoomDialogTemplates>(resId)) {
    const FieldRange range = RoomPartitionRange(0);
    Inches = dialogs::RangeEdit(this, roomdlg::kInches, 5, range.low / kImperialUnitsPerInch,
                                range.high / kImperialUnitsPerInch);
    Numerator = dialogs::RangeEdit(this, roomdlg::kNumerator, 4, 0, 7);
    Denominator = dialogs::RangeEdit(this, roomdlg::kDenominator, 4, 0, 8);
}

void TRmpttnimpdlg::SetupWindow() {
    TDialog::SetupWindow();
    const int32_t field = PartitionField(CurrentView);
    if (field < 0) {
        Inches->SetText("");
        return;
    }
    const int32_t v = ReadRoomPartitions(0)[static_cast<size_t>(field)];
    StoredThickness = v;
    Inches->SetText(std::to_string(v / 24));
    const FeetInches fraction = SplitFeetInches(v % 24);
    if (fraction.hasRemainder) {
        Numerator->SetText(std::to_string(fraction.numerator));
        Denominator->SetText(std::to_string(fraction.denominator));
    }
    Offer.Remember({Inches, Numerator, Denominator});
}

void TRmpttnimpdlg::CmOk() {
    if (!Validate()) return;
    Inches->GetText(InchesText, sizeof InchesText);
    Numerator->GetText(NumeratorText, sizeof NumeratorText);
    Denominator->GetText(DenominatorText, sizeof DenominatorText);
    // A thickness finer than the eighths the edits show is kept while the user leaves it as offered.
    const int32_t v = Offer.Untouched() ? StoredThickness
                                        : FeetInchesUnits(0, pl::atol(InchesText), pl::atol(NumeratorText),
                                                          pl::atol(DenominatorText));
    if (!dialogs::StoreRoomPartition(*this, 0, v)) return;
    CloseWindow(IDOK);
}

void TRmpttnimpdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}
