// "manipulate drawing file": how the whole drawing is turned (90, 180, 270 degrees clockwise) or
// mirrored (code 1), and the drawing name the result is kept under.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;

class TManipdlg : public TDialog {
public:
    TManipdlg(QWidget* parent, int32_t resId = 19000);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t Code = 90;
    char Name[25] = {};

private:
    TEdit* NameEdit;
    TRadioButton* Choices[4];
};
