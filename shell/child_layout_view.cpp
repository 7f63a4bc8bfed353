// The room-layout view's own steps: the building-rectangle report in the status bar (which also puts
// the DATUM on the rectangle's top-left corner) and the repaint with the layout grid after a design
// room was rotated or deleted.
#include <cstdio>

#include "document/document.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/window_dc.h"
#include "rooms/layout_grid.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/client.h"

namespace {

constexpr int32_t kDesignRoomHelp = 260;

std::string MetricReport(const LayoutRect& r) {
    const float width = static_cast<float>(r.width) * 0.001f;
    const float length = static_cast<float>(r.length) * 0.001f;
    char text[200];
    std::snprintf(text, sizeof text,
                  "width %.3f m ,length %.3f , Internal House area (Rectangle) %.2f sq.m, click Extwall icon "
                  "when Layout finished",
                  static_cast<double>(width), static_cast<double>(length),
                  static_cast<double>(width * length));
    return text;
}

std::string ImperialReport(const LayoutRect& r) {
    const int32_t wi = r.width / 24;
    const int32_t li = r.length / 24;
    // Whole inches each way, but the area keeps its fraction of a square foot.
    const double area = static_cast<double>(static_cast<int64_t>(wi) * li) / 144.0;
    char text[200];
    std::snprintf(text, sizeof text,
                  "width %d ft %d inches,length %d ft %d inches, Internal House Area (Rectangle)%.2f sq.ft, "
                  "click Extwall icon when Layout finished",
                  wi / 12, wi % 12, li / 12, li % 12, area);
    return text;
}

} // namespace

void TChild::ExternalRectangleSize(int32_t) {
    HelpContextId = kDesignRoomHelp;
    if (ObjectList.ComputeLayoutBounds() < 2) return;
    const std::optional<LayoutRect> rect = ReadLayoutRect();
    if (!rect) return;
    const LayoutBounds bounds = ReadLayoutBounds();
    DatumX = bounds.minX;
    DatumY = bounds.maxY;
    DatumMode = datummode::kShownWithBearing;
    if (!SizeReportWanted()) return;
    Client().ShowGuide((MetricUnits == 1 ? MetricReport(*rect) : ImperialReport(*rect)).c_str());
}

void TChild::LayoutGridRefresh() {
    if (CurrentView >= kGroundFloor) return;
    if (LayoutGridFlag != 1) {
        Invalidate(true);
        return;
    }
    const int32_t view = CurrentView;
    TRect client = GetClientRect();
    // A failed write has been told and has repainted the window from the file.
    if (!WriteWorkingFile(ObjectList)) return;
    MakeLayoutGridOfFileRooms(ObjectList);
    {
        TClientDC dc(this);
        ObjectList.Paint(dc, client);
    }
    ObjectList.Flush();
    CurrentView = view;
    // The file was written above; should it not read back, the regular repaint tries again.
    if (ObjectList.ReadDrawingFile(filemode::kWorking) != FileResult::Ok) Invalidate(true);
}
