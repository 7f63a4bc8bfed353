// The print and page set-up common dialogs. They act on a QPrinter that the program's printer object
// owns (TData::Printer); without one, a printer kept by the layer for the run is used.
#pragma once

#include <cstdint>
#include <QWidget>

class QPrinter;

constexpr uint32_t PD_ALLPAGES = 0x0;
constexpr uint32_t PD_SELECTION = 0x1;
constexpr uint32_t PD_PAGENUMS = 0x2;
constexpr uint32_t PD_NOSELECTION = 0x4;
constexpr uint32_t PD_NOPAGENUMS = 0x8;
constexpr uint32_t PD_COLLATE = 0x10;
constexpr uint32_t PD_PRINTTOFILE = 0x20;
constexpr uint32_t PD_PRINTSETUP = 0x40;

class TPrintDialog {
public:
    struct TData {
        uint32_t Flags = PD_ALLPAGES;
        uint32_t Error = 0;
        int32_t FromPage = 1;
        int32_t ToPage = 1;
        int32_t MinPage = 1;
        int32_t MaxPage = 1;
        int32_t Copies = 1;
        QPrinter* Printer = nullptr; // not owned
        QPrinter& GetPrinter();      // Printer, or the layer's printer when it is null
    };
    TPrintDialog(QWidget* parent, TData& data);
    // IDOK with the copies, page range and printer settings stored, or IDCANCEL.
    int Execute();

private:
    QWidget* parent_;
    TData& data_;
};

// Printer set-up: paper, orientation and margins of the data's printer.
class TPageSetupDialog {
public:
    TPageSetupDialog(QWidget* parent, TPrintDialog::TData& data);
    int Execute(); // IDOK or IDCANCEL

private:
    QWidget* parent_;
    TPrintDialog::TData& data_;
};
