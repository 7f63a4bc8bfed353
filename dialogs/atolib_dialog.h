// The add-to-library dialog (resource 16000): names the library item the copy tool gathered and
// chooses its group, then writes the selected objects as that library file.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;
class TWindow;

class TAtolibdlg : public TDialog {
public:
    TAtolibdlg(TWindow* parent, int32_t resId);

    // Checks Plumbing.
    void SetupWindow() override;
    // Refuses an empty name, asks before replacing a file of the group, writes the library file and
    // closes; a failed write is reported and the dialog stays open.
    void CmOk() override;
    void CmHelp() override;

    int32_t Group = 1; // 1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous
    char Name[25] = {};

private:
    TEdit* NameEdit;
    TRadioButton* Groups[4];
};
