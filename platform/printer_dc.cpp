#include "platform/printer_dc.h"

#include <QPrinter>

TPrinterDC::TPrinterDC(QPrinter& printer) : TDC(), printer_(printer) {
    Attach(&printer);
    SetUp();
}

TPrinterDC::TPrinterDC(QPrinter& printer, QPainter* painter) : TDC(), printer_(printer) {
    Attach(painter);
    SetUp();
}

void TPrinterDC::SetUp() {
    const int32_t dpi = printer_.resolution() > 0 ? printer_.resolution() : 600;
    SetResolution(dpi, dpi);
    SetTechnology(DT_RASPRINTER);
    SetHairlineWidth(kMinimumPrintedPenMm * dpi / 25.4, dpi / 96.0);
}

bool TPrinterDC::NewPage() {
    return printer_.newPage();
}

int32_t TPrinterDC::GetDeviceCaps(int32_t index) const {
    const QRect paper = printer_.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_.pageRect(QPrinter::DevicePixel).toRect();
    switch (index) {
    case PHYSICALWIDTH:
        return paper.width();
    case PHYSICALHEIGHT:
        return paper.height();
    case PHYSICALOFFSETX:
        return page.left() - paper.left();
    case PHYSICALOFFSETY:
        return page.top() - paper.top();
    default:
        return TDC::GetDeviceCaps(index);
    }
}
