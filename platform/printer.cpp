#include "platform/printer.h"

#include <QPrinter>

TPrinter::TPrinter(TApplication* application) : Application(application) {}

TPrinter::~TPrinter() = default;

QPrinter& TPrinter::GetQPrinter() {
    if (!Printer) Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *Printer;
}

TPrintDialog::TData& TPrinter::GetSetup() {
    SetupData.Printer = &GetQPrinter();
    return SetupData;
}
