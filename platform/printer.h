// The framework's printer object: the printer settings a program keeps for its whole run, handed to
// the print and page set-up dialogs. The Qt printer behind it is made when it is first needed, so a
// program that never prints never asks the system about printers.
#pragma once

#include <memory>
#include <vector>

#include "platform/print_dialog.h"

class QPrinter;
class QWidget;
class TApplication;
class TPrintout;

// What became of a print job.
enum class PrintResult {
    Printed,
    NotStarted, // the printer, or the PDF file, could not be opened
    NotWritten, // the PDF file could not be written whole; a file of its name keeps what it held
    Cancelled   // the user cancelled it while it printed; a PDF file of its name keeps what it held
};

class TPrinter {
public:
    explicit TPrinter(TApplication* application = nullptr);
    virtual ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The settings the print dialogs work on; its Printer is this object's Qt printer.
    TPrintDialog::TData& GetSetup();
    QPrinter& GetQPrinter();

    // The printer set-up dialog (paper, orientation); the choice stays in this object.
    void Setup(QWidget* parent);
    // Prints the printouts as one job, each one's pages after the pages of the one before: printed
    // to a PDF file, the file holds them all in this order. Each page a printout has is one sheet: the
    // printer's own copy count is not applied on top. The file is written beside and takes the place
    // of the one that was there only once it is whole. While it prints, a box shows which page it is
    // at with a Cancel button, and the windows keep painting; nothing else takes input meanwhile.
    [[nodiscard]] PrintResult Print(const std::vector<TPrintout*>& printouts);

private:
    TApplication* Application;
    std::unique_ptr<QPrinter> Printer;
    TPrintDialog::TData SetupData;
};
