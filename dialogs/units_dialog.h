// "measuring units": metric or feet and inches, kept in CFG/METRIC.CFG; sets MetricUnits.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"

class TRadioButton;

class TMeasdlg : public TDialog {
public:
    TMeasdlg(QWidget* parent, const std::string& programDirectory, int32_t resId = 5450);
    void SetupWindow() override;
    void CmOk() override;

private:
    std::string ProgramDirectory;
    TRadioButton* Metric;
    TRadioButton* Imperial;
};
