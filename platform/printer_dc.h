// A device context on a printer (or its PDF output). Reports the printer's resolution and page,
// and prints one-pixel pens at least 0.25 mm wide so that thin lines never become hairlines.
#pragma once

#include "platform/dc.h"

class QPrinter;

// Width of the thinnest printed line.
constexpr double kMinimumPrintedPenMm = 0.25;

class TPrinterDC : public TDC {
public:
    // Begins painting on the printer itself (and so starts the print job).
    explicit TPrinterDC(QPrinter& printer);
    // Paints through a painter that already paints on the printer.
    TPrinterDC(QPrinter& printer, QPainter* painter);

    // Ends the page and starts the next one; false when the printer refused.
    bool NewPage();

    // LOGPIXELSX/Y give the printer's resolution; HORZRES/VERTRES the printable area in pixels;
    // PHYSICALWIDTH/HEIGHT the paper and PHYSICALOFFSETX/Y the unprintable margin.
    int32_t GetDeviceCaps(int32_t index) const override;

private:
    void SetUp();

    QPrinter& printer_;
};
