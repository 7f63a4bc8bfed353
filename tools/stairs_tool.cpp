#include "tools/stairs_tool.h"

#include <array>
#include <memory>

#include "document/cfg_files.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/virtual_keys.h"
#include "tools/tool_geometry.h"
#include "tools/working_file.h"

namespace {

// The floor above view v is the one whose record has kind v + 31951.
constexpr int32_t kFloorAboveRecordBase = kFloorRecordBase + 1;
// No sheet is this long: a run beyond it comes from a hand-edited settings file.
constexpr int64_t kLongestRun = 1000000;

// Riser and going: from 100 mm (4 inches) up to the highest storey the stairs dialogs take, and 200
// to 400 mm (8 to 16 inches). Below them a flight of the highest storey runs off the sheet, or never
// ends; a riser above the storey leaves no tread and the stairs are refused.
std::array<FieldRange, 2> StairsRanges(int32_t metricUnits) {
    if (metricUnits == 1) return {FieldRange{100, 7500}, FieldRange{200, 400}};
    constexpr int32_t kInch = kImperialUnitsPerInch;
    return {FieldRange{4 * kInch, (15 * 12 + 11) * kInch}, FieldRange{8 * kInch, 16 * kInch}};
}

const char* SettingsName() {
    return MetricUnits == 1 ? "STAIRSM.CFG" : "STAIRSI.CFG";
}

int32_t ToWindow(int32_t v) {
    return ZoomDivisor == 0 ? v : v / ZoomDivisor;
}

} // namespace

std::string StairsRefusalText(StairsStart start) {
    switch (start) {
    case StairsStart::NoFloorAbove:
        return "There is no floor above this one";
    case StairsStart::NoFlight:
        return std::string("The riser height and tread going in CFG/") + SettingsName() +
               " do not give a flight of stairs for this storey height";
    default:
        return {};
    }
}

void TStepobjtool::Start(int32_t width, int32_t stairwell, int32_t flight) {
    // Start has no way to report a refusal; the stairs start calls NewStairs itself and looks.
    if (NewStairs(width, stairwell, flight) != StairsStart::Ready) Dragging = 0;
}

StairsStart TStepobjtool::NewStairs(int32_t width, int32_t stairwell, int32_t flight) {
    const auto stairs = ReadRangedSettings(SettingsName(), StairsRanges(MetricUnits));
    RiserHeight = stairs[0];
    TreadGoing = stairs[1];
    if (ObjectList.FindKind(CurrentView + kFloorAboveRecordBase) == kNoObject)
        return StairsStart::NoFloorAbove;
    const int32_t storey = StoreyHeight();
    if (RiserHeight <= 0 || TreadGoing <= 0) return StairsStart::NoFlight;
    const bool halfway = flight == stairs::kHalfwayLanding;
    const int32_t treads = halfway ? storey / 2 / RiserHeight - 1 : storey / RiserHeight - 1;
    const int64_t run = int64_t{treads} * TreadGoing + (halfway ? width : 0);
    if (treads < 1 || run > kLongestRun) return StairsStart::NoFlight;
    StairWidth = width;
    StairwellLength() = stairwell;
    FlightKind() = flight;
    TreadCount = treads;
    RunLength = static_cast<int32_t>(run);
    PreviewShown = 0;
    X0 = 0;
    Y0 = 0;
    return StairsStart::Ready;
}

void TStepobjtool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (Dragging != 1) return;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    if (p.x == X0 && p.y == Y0) return;
    if (PreviewShown == 1) Draw(dc, 0);
    X0 = p.x;
    Y0 = p.y;
    Draw(dc, 0);
    PreviewShown = 1;
}

void TStepobjtool::RedrawPreview(TDC& dc) {
    if (Dragging == 1 && PreviewShown == 1) Draw(dc, 0);
}

void TStepobjtool::Draw(TDC& dc, int32_t) {
    const stairs::Segment box =
        stairs::Footprint({TopTread(), StairWidth, TreadGoing, TreadCount, RunLength}, FlightKind(), X0, Y0);
    tools::SelectPreviewPen(dc, PenColour);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(ToWindow(box.x0), ToWindow(box.y0), ToWindow(box.x1), ToWindow(box.y1));
    dc.RestoreBrush();
    tools::RestoreCopyPen(dc);
}

void TStepobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t) {
    // Only a started flight is placed: a second Enter would put a copy where no outline showed.
    if (key != VK_RETURN || !point || Dragging != 1) return;
    Dragging = 0;
    PenWidth = 1;
    Colour = PenColour;
    LineStyle = 0;
    Kind = toolkind::kLine;
    ObjectId = NextCompositeId();
    const POINT at = tools::PixelToDrawing(dc, client, point->x, point->y);

    // The flights on the floor shown, the stairwell on the floor above; the view stays on the floor
    // the user placed them on.
    const int32_t floor = CurrentView;
    PlaceFlights(at.x, at.y, RunLength);
    CurrentView = floor + 1;
    PlaceFlights(at.x, at.y, StairwellLength() > 0 ? StairwellLength() : RunLength);
    CurrentView = floor;
    // One write for both floors, the step's last change: a failure has been told and leaves neither
    // the flights nor the stairwell.
    static_cast<void>(tools::SaveWorkingFile());
    Kind = toolkind::kStairs;
}

void TStepobjtool::PlaceFlights(int32_t x, int32_t y, int32_t length) {
    const stairs::Flight flight{TopTread(), StairWidth, TreadGoing, TreadCount, RunLength};
    const std::vector<stairs::Segment> lines = FlightKind() == stairs::kHalfwayLanding
                                                   ? stairs::HalfwayLandingLines(flight, x, y)
                                                   : stairs::StraightFlightLines(flight, x, y, length);
    for (const stairs::Segment& s : lines)
        AddLine(s.x0, s.y0, s.x1, s.y1);
}

void TStepobjtool::AddLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    ObjectList.Add(std::make_unique<TLineobj>(CurrentView, Kind, PenWidth, LineStyle, ObjectId, 0, x0, Aux1,
                                              x1, Aux2, y0, y1, Colour, Angle, CursorY));
}
