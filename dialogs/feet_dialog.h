// One length in feet, inches and a fraction. The caller reads the four texts after OK and turns them
// into a length itself.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TModule;

class TFeetdlg : public TDialog {
public:
    // initialLength in 1/24 inch: shown split into feet, inches and eighths.
    TFeetdlg(QWidget* parent, int32_t resId, TModule* module, int32_t initialLength);

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
