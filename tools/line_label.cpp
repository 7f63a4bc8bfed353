// The Line + Text label: the user's short text written beside the line just drawn, parallel to it,
// on the side chosen in the line-text dialog.
#include <cmath>
#include <cstdlib>
#include <memory>

#include "document/coordinate_mapping.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/dc.h"
#include "platform/gdi_objects.h"
#include "render/text_turn.h"
#include "tools/dimension_texts.h"
#include "tools/line_modes.h"
#include "tools/line_text_file.h"
#include "tools/line_tool.h"
#include "tools/round_hundredths.h"

namespace {

constexpr double kRadiansPerTenth = 0.001745;

struct LineLie {
    int32_t midX, midY;
    int32_t bearing;
    int32_t textAngle;
    bool horizontal, vertical;
};

LineLie LieOf(const TObject& line) {
    LineLie l{line.x1 + (line.x2 - line.x1) / 2, line.y1 + (line.y2 - line.y1) / 2, 0, 0, false, false};
    if (line.y1 == line.y2) {
        l.horizontal = true;
        l.bearing = line.x1 < line.x2 ? 900 : 2700;
        return l;
    }
    if (line.x1 == line.x2) {
        l.vertical = true;
        l.textAngle = 2700;
        l.bearing = line.y1 < line.y2 ? 0 : 1800;
        return l;
    }
    const double dx = std::abs(static_cast<double>(line.x2) - line.x1);
    const double dy = std::abs(static_cast<double>(line.y2) - line.y1);
    const int32_t a = RoundHundredths(std::atan(dx / dy) * 572.9578);
    const bool right = line.x2 > line.x1;
    const bool up = line.y2 > line.y1;
    l.bearing = right && up ? a : right ? 1800 - a : !up ? 1800 + a : 3600 - a;
    const bool plusQuarter = l.bearing <= 900 || (l.bearing > 1800 && l.bearing <= 2700);
    l.textAngle = plusQuarter ? a + 2700 : 900 - a;
    return l;
}

// The label's font: the default face at the room-dimension text size, turned along the line as the
// stored label will be drawn.
TFont LabelFont(int32_t textSize, int32_t angle) {
    int32_t height = textSize * ZoomDivisor;
    if (CurrentView == kSitePlan && ZoomDivisor < PenScaleF)
        height = static_cast<int32_t>(textSize * PenScaleF);
    return TFont(ObjectList.DefaultFontName, height, 0, render::TextEscapement(angle), 0,
                 DefaultTextWeight < 500 ? 400 : 700);
}

struct Placed {
    int32_t x, y, style;
};

Placed PlaceLabel(const LineLie& l, const TObject& line, int32_t side, int32_t d) {
    const bool first = side == 1;
    const int32_t style = first ? 6 : 4;
    if (l.horizontal) return {l.midX, first ? line.y1 + d : line.y1 - d, style};
    if (l.vertical) return {first ? line.x1 - d : line.x1 + d, l.midY, style};
    const int32_t b = l.bearing;
    const int32_t reduced = b < 900 ? 900 - b : b < 1800 ? b - 900 : b < 2700 ? 2700 - b : b - 2700;
    const double r = reduced * kRadiansPerTenth;
    const int32_t s = static_cast<int32_t>(d * std::sin(r));
    const int32_t c = static_cast<int32_t>(d * std::cos(r));
    // Side 1 is always the upper side of the line.
    const bool leaning = b < 900 || (b > 1800 && b < 2700);
    const int32_t sx = leaning ? -s : s;
    return first ? Placed{l.midX + sx, l.midY + c, style} : Placed{l.midX - sx, l.midY - c, style};
}

} // namespace

void TLineobjtool::ShowLengthLabel(TDC& dc, TRect& client, int32_t, int32_t) {
    const DimensionSettings settings = ReadDimensionSettings(MetricUnits);
    const TObject* line = ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr;
    if (!line || line->kind != kLine) return;
    const LineLie lie = LieOf(*line);
    Angle = lie.bearing;
    const LineText label = ReadLineTextFile();
    if (!label.text.empty()) {
        dc.SelectObject(LabelFont(settings.roomDimensionTextHeight, lie.textAngle));
        TEXTMETRIC metrics{};
        dc.GetTextMetrics(metrics);
        const int32_t d = (metrics.tmHeight + metrics.tmExternalLeading) * ZoomDivisor / 4;
        // The program chooses the label's place: beside a line on the sheet's edge it goes to the line's
        // other side, on the sheet, rather than the line being refused with it.
        Placed at = PlaceLabel(lie, *line, label.side, d);
        if (OnSheet(line->x1, line->y1) && OnSheet(line->x2, line->y2) && !OnSheet(at.x, at.y)) {
            at = PlaceLabel(lie, *line, label.side == 1 ? 2 : 1, d);
            at.x = static_cast<int32_t>(Fitted(at.x, 0, 0, 0, SheetRight()));
            at.y = static_cast<int32_t>(Fitted(at.y, 0, 0, 0, SheetTop()));
        }

        dc.RestoreFont();
        // Shown as every later repaint shows the stored label, so no step leaves a second one beside it.
        auto text = MakeDimensionText({.kind = kSizeLabel,
                                       .x = at.x,
                                       .y = at.y,
                                       .bearing = lie.bearing,
                                       .angle = lie.textAngle,
                                       .style = at.style,
                                       .height = settings.roomDimensionTextHeight},
                                      label.text);
        text->PaintInWindow(dc, client, 0);
        ObjectList.Add(std::move(text));
    }
    Mode = linemode::kLineText;
}
