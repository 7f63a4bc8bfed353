// The custom external wall's sizes: TPlancustdlg in millimetres (CFG/CUST.CFG) and TPlanimpcustdlg in
// inches and fractions (CFG/CUSTIMP.CFG), each editing within the ranges of its file's reader. The
// caller reads the three layer thicknesses after OK.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "tools/custom_wall_settings.h"

// What both dialogs share: the check that the sizes make a wall, the file, and the layers.
class TCustomwalldlg : public TDialog {
public:
    void CmHelp() override;

    int32_t Layer1 = 0;
    int32_t Layer2 = 0;
    int32_t Layer3 = 0;

protected:
    using TDialog::TDialog;
    // Refuses (with a message, the dialog staying open) a four-line wall whose outside layer and
    // cavity leave nothing of the total; otherwise writes the file, fills the layers and closes.
    void Finish(const CustomWall& wall, int32_t metricUnits);
};

class TPlancustdlg : public TCustomwalldlg {
public:
    TPlancustdlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;

    char LinesText[4] = {};
    char TotalText[5] = {};
    char OutsideText[5] = {};
    char CavityText[5] = {};

private:
    TEdit* Lines;
    TEdit* Total;
    TEdit* Outside;
    TEdit* Cavity;
};

class TPlanimpcustdlg : public TCustomwalldlg {
public:
    TPlanimpcustdlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;

    char LinesText[4] = {};
    char InchesText[3][5] = {}; // total, outside, cavity
    char NumeratorText[3][3] = {};
    char DenominatorText[3][3] = {};

private:
    TEdit* Lines;
    TEdit* Inches[3];
    TEdit* Numerator[3];
    TEdit* Denominator[3];
};
