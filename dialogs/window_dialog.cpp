// The window dialog: width, height, label text size and the two plan options of the windows the
// window tool places, kept in CFG/WIND.CFG.
#include <cstring>
#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/opening_dialog_support.h"
#include "dialogs/opening_dialogs.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "tools/opening_settings.h"

using namespace openingdialogs;

TWindlg::TWindlg(QWidget* parent, int32_t resId)
    : TDialog(parent, WithTemplates(resId)),
      Width(dialogs::RangeEdit(this, kWindowWidth, 5, kLeastSize, kMostSize)),
      Height(dialogs::RangeEdit(this, kWindowHeight, 5, kLeastSize, kMostSize)),
      Text7(new TRadioButton(this, kWindowText7)), Text9(new TRadioButton(this, kWindowText9)),
      ShowSizes(new TCheckBox(this, kWindowShowSizes)), ShowCill(new TCheckBox(this, kWindowShowCill)) {}

void TWindlg::SetupWindow() {
    TDialog::SetupWindow();
    Read = ReadOpeningSettings(OpeningFile::Window);
    const OpeningSettings& s = Read;
    WindowKind = s[1];
    SpareWord = s[10];
    CopyLabel(Label, s.label);
    if (s[5] == 1) ShowSizes->Check();
    if (s[7] == 1) ShowCill->Check();
    (s[6] == 7 ? Text7 : Text9)->Check();
    Width->SetText(std::to_string(ShownLength(s.Unrounded(2))));
    Height->SetText(std::to_string(ShownLength(s.Unrounded(3))));
    WidthOffer.Remember({Width});
    HeightOffer.Remember({Height});
}

void TWindlg::CmOk() {
    if (!Validate()) return;
    SpareWord = 0;
    Width->GetText(WidthText, sizeof WidthText);
    Height->GetText(HeightText, sizeof HeightText);
    OpeningSettings s =
        WrittenBack(OpeningFile::Window, Read, WidthOffer.Untouched() && HeightOffer.Untouched());
    s[1] = WindowKind;
    if (!WidthOffer.Untouched()) s[2] = StoredLength(pl::atoi(WidthText));
    if (!HeightOffer.Untouched()) s[3] = StoredLength(pl::atoi(HeightText));
    s[5] = ShowSizes->GetCheck() == BF_CHECKED ? 1 : 0;
    s[6] = Text7->GetCheck() == BF_CHECKED ? 7 : 9;
    s[7] = ShowCill->GetCheck() == BF_CHECKED ? 1 : 0;
    s[10] = SpareWord;
    s.label = Label;
    if (!Save(this, OpeningFile::Window, s)) return;
    CloseWindow(IDOK);
}

void TWindlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kOpeningHelpPage, kOpeningHelp);
}
