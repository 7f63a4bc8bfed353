// "drawing titles": the titles of the ground, first and second floor plans and the site plan,
// kept in CFG/TITLE2D.CFG.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"

class TEdit;

class TTitle2Ddlg : public TDialog {
public:
    TTitle2Ddlg(QWidget* parent, const std::string& programDirectory, int32_t resId = 20000);

    void SetupWindow() override;
    // Writes the titles file; a failed write is reported and the dialog stays open.
    void CmOk() override;
    void CmHelp() override;

private:
    std::string ProgramDirectory;
    TEdit* Titles[4];
};
