// "drawing tool style": the pen of the drawing tools, thin or thick solid, or thin dashed, dotted or
// dot-dash. The caller reads the width and the style after OK.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"

class TLinedlg : public TDialog {
public:
    TLinedlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;

    int32_t ToolPenWidth = 1; // 1 or 2
    int32_t ToolPenStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot

private:
    TRadioButton* Styles[5];
};
