// The framework's printer object: the printer settings a program keeps for its whole run, handed to
// the print and page set-up dialogs. The Qt printer behind it is made when it is first needed, so a
// program that never prints never asks the system about printers.
#pragma once

#include <memory>

#include "platform/print_dialog.h"

class QPrinter;
class TApplication;

class TPrinter {
public:
    explicit TPrinter(TApplication* application = nullptr);
    virtual ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The settings the print dialogs work on; its Printer is this object's Qt printer.
    TPrintDialog::TData& GetSetup();
    QPrinter& GetQPrinter();

private:
    TApplication* Application;
    std::unique_ptr<QPrinter> Printer;
    TPrintDialog::TData Setup;
};
