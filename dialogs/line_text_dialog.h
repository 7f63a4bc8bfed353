// "line text": the short text written beside a line and the side it goes on.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"

class TLtxtdlg : public TDialog {
public:
    // Room for 21 characters and the terminator.
    static constexpr int32_t kTextCapacity = 22;

    TLtxtdlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    char Text[kTextCapacity] = {};
    int32_t Side = 1; // 1 left of or above the line, 2 right of or below it

private:
    TEdit* TextEdit;
    TRadioButton* LeftOrAbove;
    TRadioButton* RightOrBelow;
};
