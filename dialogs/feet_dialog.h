// "measurement": one length in feet, inches and a fraction of an inch, each field range-checked.
// The caller turns the four texts into a length after OK.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"

class TFeetdlg : public TDialog {
public:
    // initialLength in 1/24 inch; below 1 every field shows 0. The module is not used.
    TFeetdlg(QWidget* parent, int32_t resId, const void* module, int32_t initialLength);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char FeetText[6] = {};
    char InchesText[7] = {};
    char NumeratorText[4] = {};
    char DenominatorText[4] = {};
    int32_t InitialLength = 0;

private:
    TEdit* Feet;
    TEdit* Inches;
    TEdit* Numerator;
    TEdit* Denominator;
};
