// Placing an opening once its wall is marked: its identifier, the pieces cut into the wall, the
// window's size label or the door's symbol, each painted as it is built, and one rewrite of the
// working file.
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "tools/length_text.h"
#include "tools/opening_settings.h"
#include "tools/window_tool.h"
#include "tools/working_file.h"
#include "walls/door_symbols.h"
#include "walls/opening_construction.h"

namespace {

std::string SizeLabelText(int32_t width, int32_t height) {
    if (MetricUnits == 1) return pl::Format("%d w x %d h", width, height);
    return LengthText(width, 0) + " x " + LengthText(height, 0);
}

void PaintFrom(int32_t first, TDC& dc, const TRect& client) {
    for (int32_t i = first; i < ObjectList.count; ++i)
        if (TObject* piece = ObjectList[i]) piece->PaintInWindow(dc, client, 0);
}

} // namespace

void TWindowobjtool::PlaceOpening(TDC& dc, TRect& client, int32_t step) {
    Colour = PenColour;
    LineStyle = 0;
    X0 = WorkX;
    Y0 = WorkY;
    if (step == kMarkOnly) return;
    const int32_t keptKind = Kind;
    Kind = toolkind::kLine;
    OpeningId() = NextFloorCompositeId(CurrentView);
    if (openingkind::IsHinged(OpeningKind)) PickKind = Mode;
    const int32_t first = ObjectList.count;
    Opening opening = Draft();
    BuildOpening(opening, ObjectList);
    const OpeningFinish finish = FinishOf(opening);
    if (finish == OpeningFinish::Label) MakeOpeningLabel(opening);
    if (finish == OpeningFinish::Symbol) {
        const DoorStyle style = ReadDoorStyle();
        opening.doorThickness = style.thickness;
        opening.doorSine = style.sine;
        opening.doorCosine = style.cosine;
        MakeOpeningSymbol(opening, ObjectList);
    }
    PenWidth = 1;
    PaintFrom(first, dc, client);
    // The step's last change: a failed write has been told and ends the caller's step; the tool
    // takes its own kind back either way.
    static_cast<void>(tools::SaveWorkingFile());
    Kind = keptKind;
}

// The window's sizes as the window dialog left them, beside the wall's outer face.
void TWindowobjtool::MakeOpeningLabel(Opening& opening) {
    const OpeningSettings s = ReadOpeningSettings(OpeningFile::Window);
    OpeningKind = opening.kind = s[1];
    OpeningWidth = s[2];
    SizeLabelFlag = opening.sizeLabelFlag = s[5];
    CillFlag = opening.cillFlag = s[7];
    SymbolOption = s[9];
    const LabelPlacement at = OpeningLabelPlacement(opening, MetricUnits);
    if (SizeLabelFlag != 1 || !KindTakesLabel(OpeningKind)) return;
    AddOpeningLabel(opening, ObjectList, at, SizeLabelText(s[2], s[3]), s[6], ObjectList.DefaultFontName,
                    DefaultTextWeight);
}
