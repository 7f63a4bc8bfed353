// "print plan views": copies and scale of each printable view, line weight, text size, wall style,
// and whether the automatic dimensions and the scale caption print.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class TEdit;
class TRadioButton;
class TCheckBox;

class TTrevprntdlg : public TDialog {
public:
    TTrevprntdlg(QWidget* parent, int32_t resId = 19500);

    void SetupWindow() override;
    // Confirming replaces PlanDisplayMode by 0, 1, 10, 11, 20 or 21.
    void CmOk() override;
    void CmHelp() override;

    // Ground floor, first floor, second floor, site plan.
    char CopiesText[4][5] = {};
    char ScaleText[4][5] = {};
    int32_t lineWeight = 2;
    int32_t textSize = 2;
    int32_t showScale = 1;

    // Scales a view may be printed at.
    static constexpr int32_t kMinScale = 1;
    static constexpr int32_t kMaxScale = 10000;

private:
    TEdit* Copies[4];
    TEdit* Scales[4];
    TRadioButton* Weights[3];
    TRadioButton* Sizes[3];
    TRadioButton* Walls[3];
    TCheckBox* NoDimensions;
    TCheckBox* NoScale;
};
