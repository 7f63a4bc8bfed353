// The two dialogs that choose how a floor plan is shown. TOverdlg picks the floors overlaid on the
// working floor (CFG/OVERLAY.CFG) and whether its dimensions show; TDisplandlg picks how walls are
// drawn and whether all dimensions show. Both set PlanDisplayMode when confirmed; the caller reads
// the results from it and from the file after the dialog closes.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"

class TOverdlg : public TDialog {
public:
    TOverdlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

private:
    TCheckBox* Ground;
    TCheckBox* First;
    TCheckBox* Second;
    TCheckBox* Dimensions;
};

class TDisplandlg : public TDialog {
public:
    TDisplandlg(QWidget* parent, int32_t resId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

private:
    TCheckBox* AllDimensions;
    TRadioButton* Normal;
    TRadioButton* Hatched;
    TRadioButton* Solid;
};
