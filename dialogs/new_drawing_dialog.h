// The dialogs that choose how a drawing is measured: the new-drawing dialog (client name, first tool,
// units) and the units question other commands ask before they read MetricUnits.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "resources/dialogs/file_templates.h"

class TNewdlg : public TDialog {
public:
    TNewdlg(QWidget* parent, int32_t resId = kNewDrawingDialogId);

    void SetupWindow() override;
    // Takes the name, sets MetricUnits and the start choice and stores both in CFG/.
    void CmOk() override;
    void CmHelp() override;

    TEdit* NameEdit;
    int32_t StartChoice = 2;  // 1 design rooms, 2 external walls
    char ClientName[25] = {}; // at most 24 characters
    TRadioButton* StartRooms;
    TRadioButton* StartWalls;
    TRadioButton* Metric;
    TRadioButton* Imperial;
};

class TMeasdlg : public TDialog {
public:
    TMeasdlg(QWidget* parent, int32_t resId = kUnitsDialogId);

    void SetupWindow() override;
    // Sets MetricUnits and stores it in CFG/METRIC.CFG.
    void CmOk() override;

    TRadioButton* Metric;
    TRadioButton* Imperial;
};
