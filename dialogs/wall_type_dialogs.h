// The external-wall construction dialogs: the wall type (TPlandlg in millimetres, TPlanimpdlg in feet
// and inches), each offering seven fixed constructions and a custom one, and TExtsidedlg, the side of
// the drawn line on which the further lines of the wall lie. The caller reads the members after OK.
#pragma once

#include <cstdint>
#include <span>

#include "platform/controls.h"
#include "platform/dialog.h"

// One fixed construction: its radio, its code (1 custom, else the nominal total thickness) and its
// three layer thicknesses in drawing units.
struct WallTypeChoice {
    int32_t RadioId;
    int32_t Code;
    int32_t Layer1;
    int32_t Layer2;
    int32_t Layer3;
};

// What the two wall-type dialogs share; each gives its own template and table of choices.
class TWalltypedlg : public TDialog {
public:
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t WallTypeCode = 1; // 1 = custom construction
    int32_t Layer1 = 0;
    int32_t Layer2 = 0; // 0 for a two-line wall
    int32_t Layer3 = 0;

protected:
    TWalltypedlg(QWidget* parent, int32_t resId, std::span<const WallTypeChoice> choices);

private:
    std::span<const WallTypeChoice> choices_;
    TRadioButton* radios_[8] = {};
};

class TPlandlg : public TWalltypedlg {
public:
    TPlandlg(QWidget* parent, int32_t resId);
};

class TPlanimpdlg : public TWalltypedlg {
public:
    TPlanimpdlg(QWidget* parent, int32_t resId);
};

class TExtsidedlg : public TDialog {
public:
    TExtsidedlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t SideCode = 1; // the outward side of the drawn line: 1 up, 2 right, 3 down, 4 left

private:
    TRadioButton* Below;
    TRadioButton* Above;
    TRadioButton* Left;
    TRadioButton* Right;
};

// The templates of every wall construction dialog registered once; returns resId.
int32_t WithWallTemplates(int32_t resId);
