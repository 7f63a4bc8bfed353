#include "dialogs/units_dialog.h"

#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"
#include "resources/dialogs/print_templates.h"
#include "shell/globals.h"

namespace {

int32_t Registered(int32_t resId) {
    RegisterPrintDialogTemplates();
    return resId;
}

} // namespace

TMeasdlg::TMeasdlg(QWidget* parent, const std::string& programDirectory, int32_t resId)
    : TDialog(parent, Registered(resId)), ProgramDirectory(programDirectory) {
    Metric = new TRadioButton(this, 5451);
    Imperial = new TRadioButton(this, 5452);
}

void TMeasdlg::SetupWindow() {
    TDialog::SetupWindow();
    int32_t metric = 1;
    pl::ScanSettings(ProgramDirectory + "CFG/METRIC.CFG", DefaultSettings("METRIC.CFG"), "%d", &metric);
    if (metric == 1)
        Metric->Check();
    else
        Imperial->Check();
}

void TMeasdlg::CmOk() {
    if (Metric->GetCheck() == BF_CHECKED)
        MetricUnits = 1;
    else if (Imperial->GetCheck() == BF_CHECKED)
        MetricUnits = 0;
    (void)pl::WriteTextFile(ProgramDirectory + "CFG/METRIC.CFG", pl::Format("%d", MetricUnits));
    CloseWindow(IDOK);
}
