// The partition thickness dialogs: the thickness of internal walls (also the spacing of a double
// line) and the side of the first line on which the second lies. The thickness goes to
// CFG/PTNM.CFG (millimetres) or CFG/PTNI.CFG (inches and a fraction, stored in 1/24 inch); the side
// stays in SideCode for the caller.
#pragma once

#include <cstdint>

#include "dialogs/offered_texts.h"
#include "platform/dialog.h"

class TEdit;
class TRadioButton;

// The four side radios and the side code each gives: 4 left, 2 right, 1 above, 3 below.
class PartitionSideRadios {
public:
    PartitionSideRadios(TDialog* dialog, int32_t firstId);
    void CheckLeft();
    // The code of the first checked radio in the order left, right, above, below.
    int32_t Side() const;

private:
    TRadioButton* radios_[4];
};

class TDbledlg : public TDialog {
public:
    TDbledlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SideCode = 0;
    char ThicknessText[5] = {};

private:
    TEdit* Thickness;
    PartitionSideRadios Sides;
};

class TDbleimpdlg : public TDialog {
public:
    TDbleimpdlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SideCode = 0;
    char InchesText[5] = {};
    char NumeratorText[3] = {};
    char DenominatorText[3] = {};

private:
    TEdit* Inches;
    TEdit* Numerator;
    TEdit* Denominator;
    PartitionSideRadios Sides;
    int32_t StoredThickness = 0; // 1/24 inch, as read
    dialogs::OfferedTexts Offer;
};
