#include "render/printed_page.h"

#include <algorithm>
#include <cmath>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/extents_file.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/file_io.h"
#include "platform/printer.h"
#include "render/print_settings.h"

namespace render {

double InchesPerDrawingUnit(int32_t metric) {
    return metric != 0 ? 0.0393710087639866 : 1.0 / 24.0;
}
int32_t PrintZoomDivisor(int32_t metric) {
    return metric != 0 ? 6 : 5;
}
int32_t PrintPenScale(int32_t metric) {
    return metric != 0 ? 4 : 5;
}

PrintMultipliers PrintMultipliersFor(int32_t metric, int32_t scale, int32_t lineWeight, int32_t textSize) {
    const double f = (metric != 0 ? 100.0 : 96.0) / scale;
    const int32_t w = lineWeight == 1 ? 4 : (lineWeight == 3 ? 8 : 6);
    const int32_t t = textSize == 1 ? 4 : (textSize == 3 ? 8 : 6);
    // At large scales (1 : 10) the division leaves nothing: pens and texts keep at least their size.
    return {std::max(static_cast<int32_t>(w / f), 1), std::max(static_cast<int32_t>(t / f), 1)};
}

} // namespace render

namespace {

void SetPrintValues() {
    ZoomDivisor = render::PrintZoomDivisor(MetricUnits);
    PenScale = render::PrintPenScale(MetricUnits);
    PenScaleF = static_cast<float>(PenScale);
}

// The page's mapping: logical units are drawing units divided by ZoomDivisor, y up, one drawing unit
// exactly k / scale inches on paper (times the calibration). The ratio of device pixels to logical
// units is carried in the two extents, the scale multiplied into the window's rather than divided out
// of the drawing's size, so no extent loses a fraction of a scale unit; the floor is centred.
struct PageMapping {
    int32_t windowExt = 1;
    int32_t viewportExt = 1;
    POINT windowOrg{};
    POINT viewportOrg{};
};

PageMapping MapToPage(const ExtentsFile& e, double pixelsPerDrawingUnit, int32_t scale, int32_t pageWidth,
                      int32_t pageHeight) {
    const int32_t z = ZoomDivisor != 0 ? ZoomDivisor : 1;
    const double pixelsPerLogical = pixelsPerDrawingUnit * z; // at 1 : 1
    // The largest whole multiplier that keeps both extents inside 2^30.
    constexpr double kLimit = 1073741824.0;
    const double multiplier = std::max(1.0, std::floor(kLimit / std::max<double>(scale, pixelsPerLogical)));
    PageMapping m;
    m.windowExt = static_cast<int32_t>(static_cast<int64_t>(scale) * static_cast<int64_t>(multiplier));
    m.viewportExt = std::max<int32_t>(1, static_cast<int32_t>(std::llround(pixelsPerLogical * multiplier)));
    const double ratio = static_cast<double>(m.viewportExt) / m.windowExt;
    m.windowOrg = {e.minX / z, e.minY / z};
    const double width = (static_cast<int64_t>(e.maxX / z) - m.windowOrg.x) * ratio;
    const double height = (static_cast<int64_t>(e.maxY / z) - m.windowOrg.y) * ratio;
    m.viewportOrg = {static_cast<int32_t>((pageWidth - width) * 0.5),
                     static_cast<int32_t>((pageHeight + height) * 0.5)};
    return m;
}

} // namespace

THDPrintout::THDPrintout(const char* title, int32_t view, int32_t scale, int32_t copies, int32_t showScale,
                         int32_t lineWeight, int32_t textSize, TPrinter& printer)
    : TPrintout(title), Data(printer.GetSetup()), Copies(copies), Scale(scale), View(view),
      ShowScale(showScale), LineWeight(lineWeight), TextSize(textSize) {
    Data.Copies = copies;
    Data.FromPage = Data.ToPage = Data.MinPage = Data.MaxPage = 1;
}

void THDPrintout::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) {
    minPage = 1;
    maxPage = Copies;
    selFromPage = 1;
    selToPage = 1;
}

bool THDPrintout::HasPage(int pageNumber) {
    return pageNumber <= Copies;
}

void THDPrintout::PrintPage(int, TRect&, unsigned) {
    TDC* dc = GetDC();
    // The floor is read afresh for the page, with the print values of its units.
    ObjectList.Flush();
    CurrentView = View;
    const int32_t unitsBefore = MetricUnits;
    SetPrintValues();
    const int32_t sheetWidth = SheetWidth, sheetHeight = SheetHeight;
    bool readable = ReadOrTell(ObjectList, filemode::kWorking);
    if (readable && MetricUnits != unitsBefore) {
        // A drawing in the other units: the print values must be those of the drawing's own units,
        // and the coordinates read under the others are off by the sheet centre, so read again.
        SetPrintValues();
        ObjectList.Flush();
        readable = ReadOrTell(ObjectList, filemode::kWorking);
    }
    // An empty drawing, an unusable scale or no context: a blank page.
    const auto end = [] {
        CurrentView = kPrintSetup;
        PenScale = MetricUnits == 1 ? ZoomDivisor : 4;
    };
    if (!readable || ObjectList.count == 0 || Scale <= 0 || dc == nullptr) {
        end();
        return;
    }
    const int32_t captionAdded = ObjectList.AddScaleCaption(Scale, ShowScale);
    // Pens and text grow with the printer's resolution and the chosen scale, weight and size.
    const int32_t dpi = dc->GetDeviceCaps(LOGPIXELSX);
    const render::PrintMultipliers multipliers =
        render::PrintMultipliersFor(MetricUnits, Scale, LineWeight, TextSize);
    PenScale = multipliers.pen;
    TextScale = multipliers.text;
    // The printer's own error in length, measured once by the user, corrects every page.
    const double factor = render::ReadCalibration(MetricUnits).factor;
    // The page is fitted around the extents of what the floor draws.
    ObjectList.ComputeExtents();
    const ExtentsFile e = ReadExtentsFile();
    if (!e.Empty()) {
        const PageMapping m = MapToPage(e, dpi * factor * render::InchesPerDrawingUnit(MetricUnits), Scale,
                                        GetPageSize().cx, GetPageSize().cy);
        // The drawing's y grows upward, the page's downward: the viewport turns it over.
        SIZE oldWinExt{}, oldVpExt{};
        POINT oldWinOrg{}, oldVpOrg{};
        const int32_t oldMode = dc->SetMapMode(MM_ISOTROPIC);
        dc->SetWindowExtEx(m.windowExt, m.windowExt, &oldWinExt);
        dc->SetViewportExtEx(m.viewportExt, -m.viewportExt, &oldVpExt);
        dc->SetWindowOrgEx(m.windowOrg.x, m.windowOrg.y, &oldWinOrg);
        dc->SetViewportOrgEx(m.viewportOrg.x, m.viewportOrg.y, &oldVpOrg);
        // The floor is painted once under the page mapping, which is then put back as it was.
        ObjectList.PaintFloorForPrint(*dc);
        dc->SetWindowExtEx(oldWinExt.cx, oldWinExt.cy);
        dc->SetViewportExtEx(oldVpExt.cx, oldVpExt.cy);
        dc->SetWindowOrgEx(oldWinOrg.x, oldWinOrg.y);
        dc->SetViewportOrgEx(oldVpOrg.x, oldVpOrg.y);
        dc->SetMapMode(oldMode);
    }
    SheetWidth = sheetWidth;
    SheetHeight = sheetHeight;
    // The caption lives for this page only.
    if (captionAdded > 0 && ObjectList.count > 0) ObjectList.RemoveAt(ObjectList.count - 1);
    end();
}
