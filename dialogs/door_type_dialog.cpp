// The first door dialog: the door type, the width of each door and their number, turned into an
// opening kind and a total width in CFG/DOOR.CFG.
#include <algorithm>
#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/opening_dialog_support.h"
#include "dialogs/opening_dialogs.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "walls/opening.h"

using namespace openingdialogs;

namespace {

constexpr int32_t kTypeRadios[8] = {kDoorHinged,     kDoorGarage,  kDoorSlidingFramed, kDoorWallOpening,
                                    kDoorEntryFrame, kDoorFolding, kDoorIntoWall,      kDoorWardrobe};

// The type radio that shows a stored kind, or -1 for a kind no radio offers.
int32_t RadioOfKind(int32_t kind) {
    switch (kind) {
    case 6:
    case 16:
    case 7:
    case 17:
        return 0;
    case 9:
    case 19:
        return 1;
    case 3:
    case 13:
        return 2;
    case 5:
    case 15:
        return 3;
    case 10:
    case 20:
        return 4;
    case 21:
        return 5;
    case 22:
    case 23:
        return 6;
    case 24:
        return 7;
    default:
        return -1;
    }
}

// The kind a checked radio gives; the number of doors may change with it.
int32_t KindOfRadio(int32_t radio, int32_t& number) {
    switch (radio) {
    case 0:
        return number == 1 ? 6 : 7;
    case 1:
        return 9;
    case 2:
        return 3;
    case 3:
        return 5;
    case 4:
        return 10;
    case 5:
        return 21;
    case 6:
        if (number == 1) return 22;
        number = 2;
        return 23;
    default:
        return 24;
    }
}

} // namespace

TExtdoordlg::TExtdoordlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)),
      Width(dialogs::RangeEdit(this, kDoorWidthEdit, 5, kLeastSize, kMostSize)),
      Number(dialogs::RangeEdit(this, kDoorNumberEdit, 5, 1, kMostDoors)) {
    for (int32_t i = 0; i < 8; ++i)
        Types[i] = new TRadioButton(this, kTypeRadios[i]);
}

void TExtdoordlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Door);
    const OpeningSettings& s = Read;
    DoorKind = s[1];
    SpareWord = s[9];
    CopyLabel(Label, s.label);
    if (const int32_t radio = RadioOfKind(DoorKind); radio >= 0) Types[radio]->Check();
    Width->SetText(std::to_string(ShownLength(s.Unrounded(5))));
    Number->SetText(std::to_string(s[6]));
    WidthOffer.Remember({Width});
}

void TExtdoordlg::CmOk() {
    if (!Validate()) return;
    SpareWord = 0;
    Width->GetText(WidthText, 5);
    Number->GetText(NumberText, sizeof NumberText);
    int32_t width = pl::atoi(WidthText);
    int32_t number = pl::atoi(NumberText);
    for (int32_t i = 0; i < 8; ++i) {
        if (Types[i]->GetCheck() != BF_CHECKED) continue;
        DoorKind = KindOfRadio(i, number);
        break;
    }
    if (DoorKind == 5 || DoorKind == 15) number = 1;
    // The sizes go in the units of the width: the file's own while the user left it as offered.
    OpeningSettings s = WrittenBack(OpeningFile::Door, Read, WidthOffer.Untouched());
    DoorWidth = WidthOffer.Untouched() ? Read[5] : StoredLength(width);
    width = WidthOffer.Untouched() ? s[5] : DoorWidth;
    int32_t total = width * number;
    if (DoorKind == 3 || DoorKind == 13) {
        number = std::min(number, 2);
        total = 2 * width * number;
    } else if (DoorKind == openingkind::kWardrobe) {
        // Passing sliders come in pairs.
        if (number < 2) number = 2;
        if (number % 2 == 1) number += 1;
    }
    // OK writes the doors whole, whichever type they are: the opening is theirs side by side (or the
    // frame that holds them), and the hand and the place in a frame are asked anew by the box that
    // follows. A request given up in that box leaves the file as this one wrote it.
    for (int32_t field = 7; field <= 11; ++field)
        s[field] = 0;
    s[1] = DoorKind;
    s[3] = total;
    s[5] = width;
    s[6] = number;
    s[9] = SpareWord;
    s.label = Label;
    if (!Save(this, OpeningFile::Door, s)) return;
    CloseWindow(IDOK);
}

void TExtdoordlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}
