// The door defaults: the opening angle and thickness door symbols are drawn with on plan views
// (CFG/INTERN.CFG) and the start-up single door size (CFG/DOORSZE.CFG). The files are its only
// effect; nobody reads its members.
#pragma once

#include <cstdint>

#include "dialogs/offered_texts.h"
#include "platform/dialog.h"

class TEdit;
class TRadioButton;

class TConfigdlg : public TDialog {
public:
    TConfigdlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SwingAngle = 0;    // degrees: 30, 60 or 90
    int32_t DoorThickness = 0; // 1 minimum, 2 maximum
    char MillimetreText[5] = {};
    char InchText[4] = {};

private:
    TEdit* Millimetres;
    TEdit* InchesEdit;
    TRadioButton* Angles[3];
    TRadioButton* Thicknesses[2];
    int32_t StoredInches = 0; // 1/24 inch, as read
    dialogs::OfferedTexts InchesOffer;
};
