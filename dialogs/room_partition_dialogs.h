// The partition thickness of the room functions on the current floor: in millimetres, or in inches and
// a fraction. The value reaches its users only through CFG/RMPTNM.CFG or CFG/RMPTNI.CFG, whose field of
// the current view OK replaces once the entry is valid. No Cancel button: Escape leaves the file.
#pragma once

#include <cstdint>

#include "dialogs/offered_texts.h"
#include "platform/dialog.h"

class TEdit;

class TRmpttndlg : public TDialog {
public:
    explicit TRmpttndlg(QWidget* parent, int32_t resId = 21000);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char ThicknessText[5] = {};

private:
    TEdit* Thickness;
};

class TRmpttnimpdlg : public TDialog {
public:
    explicit TRmpttnimpdlg(QWidget* parent, int32_t resId = 21500);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char InchesText[5] = {};
    char NumeratorText[4] = {};
    char DenominatorText[4] = {};

private:
    TEdit* Inches;
    TEdit* Numerator;
    TEdit* Denominator;
    int32_t StoredThickness = 0; // 1/24 inch, as read
    dialogs::OfferedTexts Offer;
};

namespace dialogs {
// Replaces the current view's field of the partition file with the value (no field on other views:
// the file is written back unchanged). False after telling the user when the file cannot be written.
bool StoreRoomPartition(TDialog& dialog, int32_t metricUnits, int32_t value);
} // namespace dialogs
