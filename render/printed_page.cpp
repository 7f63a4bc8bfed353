#include "render/printed_page.h"

#include <algorithm>
#include <cmath>

#include "document/document.h"
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

} // namespace render

namespace {

constexpr int32_t kEmptyMin = 200000;

void SetPrintValues() {
    ZoomDivisor = render::PrintZoomDivisor(MetricUnits);
    PenScale = render::PrintPenScale(MetricUnits);
    PenScaleF = static_cast<float>(PenScale);
}

struct Extents {
    int32_t minX = kEmptyMin, maxX = 0, maxY = 0, minY = kEmptyMin;
    bool Empty() const { return minX == kEmptyMin && maxX == 0 && maxY == 0 && minY == kEmptyMin; }
};

Extents ReadExtents(const std::string& dir) {
    Extents e;
    pl::File* f = pl::fopen(dir + "CFG/EXTENTS.CFG", "r");
    if (f == nullptr) return e;
    Extents read;
    if (pl::fscanf(f, "%ld %ld %ld %ld", &read.minX, &read.maxX, &read.maxY, &read.minY) == 4) e = read;
    pl::fclose(f);
    return e;
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
    // 1. to 3.
    ObjectList.Flush();
    CurrentView = View;
    const int32_t unitsBefore = MetricUnits;
    SetPrintValues();
    const int32_t sheetWidth = SheetWidth, sheetHeight = SheetHeight;
    (void)ObjectList.ReadDrawingFile(1);
    if (MetricUnits != unitsBefore) {
        // A drawing in the other units: the print values must be those of the drawing's own units,
        // and the coordinates read under the others are off by the sheet centre, so read again.
        SetPrintValues();
        ObjectList.Flush();
        (void)ObjectList.ReadDrawingFile(1);
    }
    // 4. An empty drawing, an unusable scale or no context: a blank page.
    const auto end = [] {
        CurrentView = 100;
        PenScale = MetricUnits == 1 ? ZoomDivisor : 4;
    };
    if (ObjectList.count == 0 || Scale <= 0 || dc == nullptr) {
        end();
        return;
    }
    // 5.
    const int32_t captionAdded = ObjectList.AddScaleCaption(Scale, ShowScale);
    // 6. to 8.
    const int32_t dpi = dc->GetDeviceCaps(LOGPIXELSX);
    const double f = (MetricUnits != 0 ? 100.0 : 96.0) / Scale;
    const int32_t w = LineWeight == 1 ? 4 : (LineWeight == 3 ? 8 : 6);
    const int32_t t = TextSize == 1 ? 4 : (TextSize == 3 ? 8 : 6);
    PenScale = std::max(static_cast<int32_t>(w / f), 1);
    TextScale = std::max(static_cast<int32_t>(t / f), 1);
    // 9.
    const double factor = render::ReadCalibration(ObjectList.ProgramDirectory, MetricUnits).factor;
    // 10.
    ObjectList.ComputeExtents();
    const Extents e = ReadExtents(ObjectList.ProgramDirectory);
    if (!e.Empty()) {
        // 11. Extents of at least one unit, so a floor of one straight wall still has an area.
        const int32_t z = ZoomDivisor;
        const int32_t orgX = e.minX / z, orgY = e.minY / z;
        const int32_t extX = std::max((e.maxX - e.minX) / z, 1);
        const int32_t extY = std::max((e.maxY - e.minY) / z, 1);
        // 12.
        const double k = render::InchesPerDrawingUnit(MetricUnits);
        const double pxX = static_cast<double>((static_cast<int64_t>(extX) * z) / Scale) * dpi * factor * k;
        const double pxY = static_cast<double>((static_cast<int64_t>(extY) * z) / Scale) * dpi * factor * k;
        int32_t vpX = static_cast<int32_t>(pxX), vpY = static_cast<int32_t>(pxY);
        int32_t winX = extX, winY = extY;
        // A floor thinner than a dot in one direction would make that axis decide the isotropic
        // scale; both axes then take the ratio of the other.
        if (vpY < 1 && vpX >= 1) {
            winY = winX;
            vpY = vpX;
        } else if (vpX < 1 && vpY >= 1) {
            winX = winY;
            vpX = vpY;
        }
        if (vpX >= 1 && vpY >= 1) {
            // 13.
            SIZE oldWinExt{}, oldVpExt{};
            POINT oldWinOrg{}, oldVpOrg{};
            const int32_t oldMode = dc->SetMapMode(MM_ISOTROPIC);
            dc->SetWindowExtEx(winX, winY, &oldWinExt);
            dc->SetViewportExtEx(vpX, -vpY, &oldVpExt);
            dc->SetWindowOrgEx(orgX, orgY, &oldWinOrg);
            dc->SetViewportOrgEx(static_cast<int32_t>((GetPageSize().cx - pxX) * 0.5),
                                 static_cast<int32_t>((GetPageSize().cy + pxY) * 0.5), &oldVpOrg);
            // 14.
            ObjectList.PaintFloorForPrint(*dc);
            dc->SetWindowExtEx(oldWinExt.cx, oldWinExt.cy);
            dc->SetViewportExtEx(oldVpExt.cx, oldVpExt.cy);
            dc->SetWindowOrgEx(oldWinOrg.x, oldWinOrg.y);
            dc->SetViewportOrgEx(oldVpOrg.x, oldVpOrg.y);
            dc->SetMapMode(oldMode);
        }
    }
    SheetWidth = sheetWidth;
    SheetHeight = sheetHeight;
    // 15. The caption lives for this page only.
    if (captionAdded > 0 && ObjectList.count > 0) {
        ObjectList.RemoveAt(ObjectList.count - 1);
        (void)ObjectList.WriteDrawingFile(1);
    }
    // 16.
    end();
}
