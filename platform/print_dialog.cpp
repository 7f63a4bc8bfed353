#include "platform/print_dialog.h"

#include <algorithm>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

namespace {

// The printer used when the program hands none: one for the run, so choices carry over.
QPrinter& LayerPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

std::string Describe(const TPrintDialog::TData& data) {
    return "copies=" + std::to_string(data.Copies) + " pages=" + std::to_string(data.FromPage) + "-" +
           std::to_string(data.ToPage);
}

} // namespace

QPrinter& TPrintDialog::TData::GetPrinter() {
    return Printer ? *Printer : LayerPrinter();
}

TPrintDialog::TPrintDialog(QWidget* parent, TData& data) : parent_(parent), data_(data) {}

int TPrintDialog::Execute() {
    data_.Error = 0;
    const std::string initial = Describe(data_);
    int result = IDCANCEL;
    if (pl::script::Enabled()) {
        if (auto answer = pl::script::Take(pl::script::AnswerKind::Print, initial);
            answer && answer->Button != IDCANCEL) {
            data_.Copies = std::max<int32_t>(answer->Copies, 1);
            data_.FromPage = answer->FromPage;
            data_.ToPage = answer->ToPage;
            data_.GetPrinter().setCopyCount(data_.Copies);
            result = IDOK;
        }
    } else {
        QPrinter& printer = data_.GetPrinter();
        printer.setCopyCount(std::max<int32_t>(data_.Copies, 1));
        QPrintDialog dialog(&printer, parent_);
        dialog.setMinMax(data_.MinPage, std::max(data_.MinPage, data_.MaxPage));
        dialog.setFromTo(data_.FromPage, data_.ToPage);
        QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
        if (!(data_.Flags & PD_NOPAGENUMS)) options |= QAbstractPrintDialog::PrintPageRange;
        if (!(data_.Flags & PD_NOSELECTION)) options |= QAbstractPrintDialog::PrintSelection;
        dialog.setOptions(options);
        if (pl::RunModal(dialog) == QDialog::Accepted) {
            data_.Copies = printer.copyCount();
            if (printer.printRange() == QPrinter::PageRange) {
                data_.FromPage = printer.fromPage();
                data_.ToPage = printer.toPage();
                data_.Flags = (data_.Flags & ~PD_SELECTION) | PD_PAGENUMS;
            } else {
                data_.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
            }
            result = IDOK;
        }
    }
    // Appended piece by piece: a string put in front of a temporary one trips a false overlap
    // warning of the optimiser.
    std::string line = "Print initial{";
    line += initial;
    line += "} answer=";
    if (result == IDOK) {
        line += '{';
        line += Describe(data_);
        line += '}';
    } else {
        line += "cancel";
    }
    pl::TestLog(line);
    return result;
}

TPageSetupDialog::TPageSetupDialog(QWidget* parent, TPrintDialog::TData& data)
    : parent_(parent), data_(data) {}

int TPageSetupDialog::Execute() {
    int result = IDCANCEL;
    if (pl::script::Enabled()) {
        if (auto answer = pl::script::Take(pl::script::AnswerKind::PageSetup, "");
            answer && answer->Button == IDOK)
            result = IDOK;
    } else {
        QPageSetupDialog dialog(&data_.GetPrinter(), parent_);
        if (pl::RunModal(dialog) == QDialog::Accepted) result = IDOK;
    }
    pl::TestLog(std::string("PageSetup answer=") + (result == IDOK ? "ok" : "cancel"));
    return result;
}
