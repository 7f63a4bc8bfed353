// File Print and Printer Setup: the floors of a drawing printed to scale, one printout per floor
// and one page per copy, through the job list CFG/PRNTLST.CFG.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/new_drawing_dialog.h"
#include "dialogs/print_plan_dialog.h"
#include "document/cfg_files.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_size.h"
#include "platform/file_dialog.h"
#include "platform/file_io.h"
#include "platform/gadget_window.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/printer.h"
#include "platform/test_script.h"
#include "render/printed_page.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_start.h"

namespace {

constexpr int32_t kPrintHelp = 360;
constexpr int32_t kPrintedViews[4] = {1050, 1051, 1052, 1059};

void Hint(TClient& client, const char* text) {
    if (client.StatusBar) client.StatusBar->SetText(text);
}

// Asks for the units and the drawing when none is open; false when no drawing was chosen.
bool ChooseDrawingToPrint(TClient& client) {
    const std::string& dir = ObjectList.ProgramDirectory;
    TMeasdlg(client.GetHandle()).Execute();
    const SheetSize sheet = ReadSheetSize(MetricUnits);
    SheetWidth = sheet.width;
    SheetHeight = sheet.height;
    Hint(client, "GUIDE: Select Drawing NAME");
    TOpenSaveDialog::TData data(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR,
                                "Plan files(*.DB0)|*.DB0||", nullptr, (dir + "DWGS").c_str(), "DB0");
    if (TFileOpenDialog(client.GetHandle(), data).Execute() != IDOK || data.Error != 0) return false;
    return TakePickedDrawingName(client, data.FileName, "PRINT");
}

// Asks for the copies and scale of each floor and writes them to the print list, one job a line.
// Gives the number of jobs (none when the dialog was cancelled or the list could not be written).
int32_t WritePrintList(TClient& client, const std::string& listPath, TTrevprntdlg& dialog) {
    Hint(client, "GUIDE: you MUST input number of copies to print");
    // A cancelled print leaves the list as it was: there is nothing to write, nor to tell.
    if (dialog.Execute() != IDOK) return 0;
    int32_t jobs = 0;
    std::string list;
    for (int i = 0; i < 4; ++i) {
        const int32_t copies = pl::atoi(dialog.CopiesText[i]);
        if (copies <= 0) continue;
        list += pl::Format("%d %d %d\n", copies, pl::atoi(dialog.ScaleText[i]), kPrintedViews[i]);
        ++jobs;
    }
    if (!pl::WriteTextFile(listPath, list)) {
        // Logged as the printer logs a print it could not make, since nothing is printed.
        pl::TestLog("Print failed: the print list could not be written");
        ::MessageBox(client.GetHandle(), "The print list CFG/PRNTLST.CFG could not be written", "PRINT",
                     MB_OK | MB_ICONEXCLAMATION);
        jobs = 0;
    }
    return jobs;
}

// Prints the jobs of the list as one print job, each copy a page and the jobs in list order, so a
// PDF file holds every floor.
PrintResult PrintJobs(TClient& client, const std::string& listPath, int32_t jobs,
                      const TTrevprntdlg& dialog) {
    Hint(client, "GUIDE: LANDSCAPE prints along length of paper, PORTRAIT across width");
    pl::File* file = jobs > 0 ? pl::fopen(listPath, "r") : nullptr;
    if (!file) return PrintResult::Printed; // no job asked for
    const std::string title = std::string(ObjectList.DrawingName) + ".DB0";
    std::snprintf(ObjectList.DrawingTitle, sizeof ObjectList.DrawingTitle, "%s", title.c_str());
    std::vector<std::unique_ptr<THDPrintout>> printouts;
    for (int32_t j = 0; j < jobs; ++j) {
        int32_t copies = 0, scale = 0, view = 0;
        if (pl::fscanf(file, "%d %d %d\n", &copies, &scale, &view) != 3) break;
        if (copies <= 0 || scale <= 0) continue; // nothing sensible can be printed
        printouts.push_back(std::make_unique<THDPrintout>(ObjectList.DrawingTitle, view, scale, copies,
                                                          dialog.showScale, dialog.lineWeight,
                                                          dialog.textSize, *client.Printer));
    }
    pl::fclose(file);
    std::vector<TPrintout*> job;
    for (const auto& printout : printouts)
        job.push_back(printout.get());
    const PrintResult printed = client.Printer->Print(job);
    ObjectList.Flush();
    return printed;
}

// The print list dialog and the printing of its jobs, once the printer is chosen.
void PrintChosenFloors(TClient& client) {
    const std::string listPath = CfgPath("PRNTLST.CFG");
    TTrevprntdlg dialog(client.GetHandle());
    const int32_t jobs = WritePrintList(client, listPath, dialog);
    switch (PrintJobs(client, listPath, jobs, dialog)) {
    case PrintResult::Printed:
    case PrintResult::Cancelled: // the user knows: nothing to tell
        break;
    case PrintResult::NotStarted:
        ::MessageBox(client.GetHandle(),
                     "Nothing was printed: the printer or the PDF file could not be opened", "PRINT",
                     MB_OK | MB_ICONEXCLAMATION);
        break;
    case PrintResult::NotWritten:
        ::MessageBox(client.GetHandle(),
                     "Nothing was printed: the print could not be written whole (the disk may be full).\n"
                     "A PDF file already of that name keeps its previous contents.",
                     "PRINT", MB_OK | MB_ICONEXCLAMATION);
        break;
    }
    // The printed text scale must not leak into the screen.
    TextScale = 0;
    Hint(client, "GUIDE: press F1 key for context help");
    ObjectList.Flush();
}

} // namespace

void TClient::CmPrinterSetup() {
    HelpContextId = kPrintHelp;
    Printer->Setup(GetHandle());
}

void TClient::CmPrint() {
    // The pages are printed from the working file, so it must hold every edit first.
    HelpContextId = kPrintHelp;
    if (ObjectList.count > 0 && CurrentView < kPrintSetup && !WriteOrTell(ObjectList, filemode::kWorking))
        return;
    ObjectList.Flush();
    const int32_t viewBefore = CurrentView;
    // Without a drawing to print there is nothing to do, and no window to open.
    if (ActiveDrawingWindow() == nullptr && !ChooseDrawingToPrint(*this)) {
        CurrentView = viewBefore;
        Hint(*this, "Press FILE/NEW or FILE/OPEN");
        return;
    }
    // While the print dialogs are open the current view is the print set-up (100).
    CurrentView = kPrintSetup;
    Hint(*this, "IGNORE copies, LANDSCAPE prints along paer length, PORTRAIT across width");
    TPrintDialog::TData& setup = Printer->GetSetup();
    if (TPrintDialog(nullptr, setup).Execute() == IDOK) PrintChosenFloors(*this);
    // Printing leaves the ground floor on view, in a window of its own.
    CurrentView = kGroundFloor;
    OpenViewWindow(0, ".PLN");
}
