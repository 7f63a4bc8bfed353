// The print loop of the printer object: the printout's pages on a printer device context.
#include <algorithm>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <utility>
#include <vector>

#include "platform/file_io.h"
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

namespace {

// The pages a printout asks for, from its first to its last.
std::pair<int, int> PageRange(TPrintout& printout) {
    int minPage = 1, maxPage = 1, fromPage = 1, toPage = 1;
    printout.GetDialogInfo(minPage, maxPage, fromPage, toPage);
    const int first = std::max(minPage, 1);
    return {first, std::max(first, maxPage)};
}

// The print's progress, a sheet at a time, in an application-modal box with a Cancel button: between
// two sheets the windows paint and the box answers, while no other window takes input.
class Progress {
public:
    Progress(const std::string& title, const std::vector<TPrintout*>& printouts)
        : Box(QString(), QStringLiteral("Cancel"), 0, 1, QApplication::activeWindow()) {
        for (TPrintout* printout : printouts) {
            const auto [first, last] = PageRange(*printout);
            Sheets += static_cast<long long>(last) - first + 1;
        }
        Title = QString::fromStdString(title);
        Box.setWindowTitle(QStringLiteral("PRINT"));
        Box.setWindowModality(Qt::ApplicationModal);
        Box.setAutoReset(false);
        Box.setAutoClose(false);
        Box.setMinimumDuration(0);
        Box.setRange(0, static_cast<int>(std::min<long long>(Sheets, 1 << 30)));
        Box.show();
    }

    // Shows that `done` sheets are printed; false once the user cancelled.
    bool Sheet(long long done) {
        Box.setLabelText(QStringLiteral("Printing %1\npage %2 of %3").arg(Title).arg(done + 1).arg(Sheets));
        Box.setValue(static_cast<int>(std::min<long long>(done, Box.maximum())));
        QCoreApplication::processEvents();
        return !Box.wasCanceled();
    }

private:
    QProgressDialog Box;
    QString Title;
    long long Sheets = 0;
};

// The printout's pages after the sheets already printed in the job; false when the user cancelled.
bool PrintPages(TPrinterDC& dc, const TSize& pageSize, TPrintout& printout, long long& sheets,
                Progress& progress) {
    const auto [first, last] = PageRange(printout);
    printout.SetPrintParams(&dc, pageSize);
    printout.BeginPrinting();
    printout.BeginDocument(first, last, 0);
    bool going = true;
    for (int page = first; page <= last && printout.HasPage(page); ++page) {
        if (!(going = progress.Sheet(sheets))) break;
        if (sheets > 0 && !dc.NewPage()) break;
        ++sheets;
        TRect band(0, 0, pageSize.cx, pageSize.cy);
        printout.PrintPage(page, band, 0);
    }
    printout.EndDocument();
    printout.EndPrinting();
    printout.SetPrintParams(nullptr, pageSize);
    return going;
}

// Every page of the job on the printer; false when the printer could not be started. A job the user
// cancelled is given up: the printer is told to drop it.
bool PrintJob(QPrinter& printer, const std::vector<TPrintout*>& printouts, bool& ended, bool& cancelled) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    {
        Progress progress(printouts.front()->GetTitle(), printouts);
        TPrinterDC dc(printer, &painter);
        const TSize pageSize(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        long long sheets = 0;
        for (TPrintout* printout : printouts)
            if ((cancelled = !PrintPages(dc, pageSize, *printout, sheets, progress))) break;
    } // the context puts the painter back before the job ends
    if (cancelled) static_cast<void>(printer.abort());
    ended = painter.end();
    return true;
}

// A PDF file ends with the place of its cross-reference table and the end mark, and that place
// holds the table: a file the disk cut short has neither, and one that lost a piece on the way
// finds something else there.
constexpr QByteArrayView kPlaceKeyword = "startxref"; // the place follows it
constexpr QByteArrayView kEndMark = "%%EOF";
constexpr QByteArrayView kTableKeyword = "xref"; // the table begins with it
// The keyword, the place and the end mark fit in this many bytes at the end, with the line ends
// and blanks a writer puts between them.
constexpr qint64 kTail = 64;

bool PdfWrittenWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - kTail))) return false;
    const QByteArray tail = file.readAll().trimmed();
    const qsizetype mark = tail.lastIndexOf(kPlaceKeyword);
    if (!tail.endsWith(kEndMark) || mark < 0) return false;
    const qsizetype from = mark + kPlaceKeyword.size();
    bool number = false;
    const qint64 table = tail.mid(from, tail.size() - kEndMark.size() - from).trimmed().toLongLong(&number);
    return number && table >= 0 && table < size && file.seek(table) &&
           file.read(kTableKeyword.size()) == kTableKeyword;
}

} // namespace

PrintResult TPrinter::Print(const std::vector<TPrintout*>& printouts) {
    if (printouts.empty()) return PrintResult::Printed;
    QPrinter& printer = GetQPrinter();
    printer.setCopyCount(1);
    printer.setDocName(QString::fromStdString(printouts.front()->GetTitle()));
    const QString chosen = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && chosen.isEmpty()) {
        pl::TestLog("Print failed: no printer and no PDF file chosen");
        return PrintResult::NotStarted;
    }

    // A job printed to a file is written beside it, so one cut short leaves the file that was there.
    const std::string beside = chosen.isEmpty() ? std::string() : pl::NameBeside(chosen.toStdString());
    if (!chosen.isEmpty()) printer.setOutputFileName(QString::fromStdString(beside));
    bool ended = false, cancelled = false;
    const bool started = PrintJob(printer, printouts, ended, cancelled);
    if (!chosen.isEmpty()) printer.setOutputFileName(chosen);
    if (!started) {
        if (!beside.empty()) static_cast<void>(pl::RemoveFile(beside)); // a failed start may leave it empty
        pl::TestLog("Print failed: the printer could not be started");
        return PrintResult::NotStarted;
    }
    if (cancelled) {
        if (!beside.empty()) static_cast<void>(pl::RemoveFile(beside));
        pl::TestLog("Print cancelled");
        return PrintResult::Cancelled;
    }
    if (!beside.empty() && (!ended || !PdfWrittenWhole(QString::fromStdString(beside)) ||
                            !pl::ReplaceFile(beside, chosen.toStdString()))) {
        // The cut file goes; the one that was there has not been touched.
        static_cast<void>(pl::RemoveFile(beside));
        pl::TestLog("Print failed: the PDF file could not be written whole");
        return PrintResult::NotWritten;
    }
    if (!ended) {
        pl::TestLog("Print failed: the printer did not take the whole job");
        return PrintResult::NotWritten;
    }
    for (const TPrintout* printout : printouts)
        pl::TestLog("Printed " + printout->GetTitle());
    return PrintResult::Printed;
}
