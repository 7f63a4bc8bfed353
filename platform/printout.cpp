// The print loop of the printer object: the printout's pages on a printer device context.
#include <algorithm>
#include <QPainter>
#include <QPrinter>

#include "platform/print_dialog.h"
#include "platform/printer.h"
#include "platform/printer_dc.h"
#include "platform/printout.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

void TPrinter::Setup(QWidget* parent) {
    TPageSetupDialog dialog(parent, GetSetup());
    dialog.Execute();
}

bool TPrinter::Print(QWidget* parent, TPrintout& printout, bool prompt) {
    if (prompt) {
        TPrintDialog::TData& data = GetSetup();
        int minPage = 1, maxPage = 1, fromPage = 1, toPage = 1;
        printout.GetDialogInfo(minPage, maxPage, fromPage, toPage);
        data.MinPage = minPage;
        data.MaxPage = maxPage;
        if (TPrintDialog(parent, data).Execute() != IDOK) return false;
    }
    return Print({&printout});
}

namespace {

// The printout's pages after the sheets already printed in the job.
void PrintPages(TPrinterDC& dc, const TSize& pageSize, TPrintout& printout, bool& firstSheet) {
    int minPage = 1, maxPage = 1, fromPage = 1, toPage = 1;
    printout.GetDialogInfo(minPage, maxPage, fromPage, toPage);
    printout.SetPrintParams(&dc, pageSize);
    printout.BeginPrinting();
    const int first = std::max(minPage, 1);
    const int last = std::max(first, maxPage);
    printout.BeginDocument(first, last, 0);
    for (int page = first; page <= last && printout.HasPage(page); ++page) {
        if (!firstSheet && !dc.NewPage()) break;
        firstSheet = false;
        TRect band(0, 0, pageSize.cx, pageSize.cy);
        printout.PrintPage(page, band, 0);
    }
    printout.EndDocument();
    printout.EndPrinting();
    printout.SetPrintParams(nullptr, pageSize);
    pl::TestLog("Printed " + printout.GetTitle());
}

} // namespace

bool TPrinter::Print(const std::vector<TPrintout*>& printouts) {
    if (printouts.empty()) return true;
    QPrinter& printer = GetQPrinter();
    printer.setCopyCount(1);
    printer.setDocName(QString::fromStdString(printouts.front()->GetTitle()));
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        pl::TestLog("Print failed: no printer and no PDF file chosen");
        return false;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        pl::TestLog("Print failed: the printer could not be started");
        return false;
    }
    {
        TPrinterDC dc(printer, &painter);
        const TSize pageSize(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        bool firstSheet = true;
        for (TPrintout* printout : printouts)
            PrintPages(dc, pageSize, *printout, firstSheet);
    } // the context puts the painter back before the job ends
    painter.end();
    return true;
}
