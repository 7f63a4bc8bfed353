// The About box: the program's name, version and notices, closed with OK. It changes nothing.
#pragma once

#include <cstdint>

#include "platform/dialog.h"
#include "resources/dialogs/about_template.h"

class TAboutdlg : public TDialog {
public:
    TAboutdlg(QWidget* parent, int32_t resId);
    void CmOk() override;
};
