// "printer calibration": the scaled size of the test print as the user measured it, in millimetres
// (15000 mm printed at 1 : 100) or in feet and inches (52 feet printed at 1 : 96).
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"

class TEdit;

class TPrntcalmdlg : public TDialog {
public:
    TPrntcalmdlg(QWidget* parent, const std::string& programDirectory, int32_t resId = 3200);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char LengthText[7] = {}; // millimetres, after OK

private:
    std::string ProgramDirectory;
    TEdit* Length;
};

class TPrntcalidlg : public TDialog {
public:
    TPrntcalidlg(QWidget* parent, const std::string& programDirectory, int32_t resId = 3300);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char FeetText[4] = {}; // after OK
    char InchesText[4] = {};

private:
    std::string ProgramDirectory;
    TEdit* Feet;
    TEdit* Inches;
};
