// "text details": whether a new text is centred on the clicked point or starts there, whether it runs
// horizontally or vertically, and the current default font for information.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"

class TTextdlg : public TDialog {
public:
    TTextdlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    int32_t TextAlignment = 1; // 1 centred on the cursor, 2 to the right of it
    int32_t TextAngle = 0;     // 0 horizontal, 2700 vertical (tenths of a degree)

private:
    TRadioButton* Centred;
    TRadioButton* ToRight;
    TRadioButton* Horizontal;
    TRadioButton* Vertical;
    TStatic* FontName;
    TStatic* FontWeight;
    TStatic* PointSize;
};
