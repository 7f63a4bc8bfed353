// "floor area" (resource 17000): the stored area of each floor and their total. The areas are those
// the floors' building-area reports last stored in the floor records; nothing is measured here.
#pragma once

#include <cstdint>

#include "platform/dialog.h"
#include "resources/dialogs/area_template.h"

class TStatic;

class TAreadlg : public TDialog {
public:
    TAreadlg(QWidget* parent, int32_t resId);
    void SetupWindow() override;
    void CmOk() override;

private:
    // The area stored in the first floor record of the kind; 0 when the drawing has none.
    static int32_t Find(int32_t kind);

    TStatic* Total;
    TStatic* Ground;
    TStatic* First;
    TStatic* Second;
};
