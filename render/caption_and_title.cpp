// The two centred texts under a floor: the floor's title (kept in the drawing) and the scale caption
// of a printed page (added for the page and removed after it).
#include <algorithm>
#include <memory>
#include <string>

#include "document/checked_file.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/sheet_edge.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"
#include "render/print_settings.h"

namespace {

// Past any point on a sheet: nothing found below which a text could go.
constexpr int32_t kNothingBelow = 300000;

std::unique_ptr<TTextobj> CentredText(int32_t view, int32_t kind, int32_t x, int32_t y, const char* text,
                                      const char* font, int32_t weight, int32_t height) {
    return std::make_unique<TTextobj>(view, kind, 1, 0, 0, 0, x, 0, 900, 0, y, 0, PenColour, text, font, 0, 1,
                                      weight, height);
}

int32_t SheetCentreX() {
    return static_cast<int32_t>(static_cast<int64_t>(SheetWidth) * ZoomDivisor / 2);
}

} // namespace

void TList::MakeTitleBlock() {
    // The title goes under the lowest external wall of the view (of every floor on the site plan).
    int32_t lowest = kNothingBelow;
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = At(i);
        if (o == nullptr || o->kind != kExtWall) continue;
        if (CurrentView < kSitePlan && o->view == CurrentView && o->y1 < lowest) lowest = o->y1;
        if (CurrentView == kSitePlan && o->y2 < lowest) lowest = o->y2;
    }
    if (lowest == kNothingBelow) return;
    // Below the wall by the room the outside dimensions take.
    const DimensionSettings off = ReadDimensionSettings(MetricUnits);
    int32_t y = lowest - (2 * off.externalOffset + off.overallOffset);
    const int32_t x = SheetCentreX();
    const render::FloorTitles titles = render::ReadFloorTitles();
    // A printed page (view code + 1000) gets no title of its own.
    if (CurrentView >= kPrintSetup) return;
    std::string title;
    switch (CurrentView) {
    case kGroundFloor:
        title = titles.titles[0];
        break;
    case kFirstFloor:
        title = titles.titles[1];
        break;
    case kSecondFloor:
        title = titles.titles[2];
        break;
    case kFootingPlan:
        title = titles.titles[3];
        break;
    case kSitePlan:
        title = titles.titles[4];
        y -= 250 * ZoomDivisor;
        break;
    default:
        break;
    }
    // The program chooses the place: under walls near the sheet's bottom edge it stays on the sheet,
    // where the user sees it, rather than have the step refused for it.
    y = Clamp32(Fitted(y, 0, 0, 0, SheetTop()));
    // A title of the same text is replaced; a changed title leaves the older one.
    for (int32_t i = count - 1; i >= 0; --i) {
        const auto* t = dynamic_cast<const TTextobj*>(At(i));
        if (t != nullptr && t->kind == kFloorTitle && t->view == CurrentView &&
            pl::lstrcmpA(t->text, title.c_str()) == 0)
            RemoveAt(i);
    }
    Add(CentredText(CurrentView, kFloorTitle, x, y, title.c_str(), DefaultFontName, DefaultTextWeight,
                    DefaultTextHeight));
    (void)WriteOrTell(*this, filemode::kWorking); // told; the title is the last thing the step does
}

int32_t TList::AddScaleCaption(int32_t scale, int32_t showScale) {
    const int32_t floor = CurrentView - kPrintViewOffset;
    const DimensionSettings off = ReadDimensionSettings(MetricUnits);
    int32_t titleY = kNothingBelow, wallY = kNothingBelow;
    const TTextobj* anchor = nullptr;
    // The caption goes under the floor's title, else under its lowest plain text or automatic-dimension
    // text, or under its lowest wall when that is lower still.
    for (int32_t i = 0; i < count && anchor == nullptr; ++i) {
        const auto* t = dynamic_cast<const TTextobj*>(At(i));
        if (t != nullptr && t->kind == kFloorTitle && t->view == floor) anchor = t;
    }
    if (anchor == nullptr) {
        for (int32_t i = 0; i < count; ++i) {
            const auto* t = dynamic_cast<const TTextobj*>(At(i));
            if (t == nullptr || t->view != floor) continue;
            if (t->kind != kText && t->kind != kDialogText && t->kind != kAutoDimensionText) continue;
            if (anchor == nullptr || t->y1 < anchor->y1) anchor = t;
        }
    }
    if (anchor != nullptr) titleY = anchor->y1;
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = At(i);
        if (o == nullptr) continue;
        if (floor < kSitePlan) {
            if ((o->kind == kExtWall || o->kind == kIntWall) && o->view == floor && o->y1 < wallY)
                wallY = o->y1;
        } else if (const auto* p = dynamic_cast<const TPolyobj*>(o); p != nullptr && p->kind == 500) {
            const int32_t n = std::min(std::max(p->count, 0), TPolyobj::kMaxPoints);
            for (int32_t k = 0; k < n; ++k)
                if (p->py[k] < wallY) wallY = p->py[k];
        }
    }
    if (titleY == kNothingBelow && wallY == kNothingBelow) return 0;
    // The gap grows with the scale; single precision, as the offsets are small.
    const float perScale = MetricUnits != 0 ? 100.0f : 96.0f;
    const int32_t g =
        static_cast<int32_t>(static_cast<float>(off.externalOffset) * static_cast<float>(scale) / perScale);
    const int32_t y = titleY < wallY ? titleY - 2 * g : wallY - (4 * g + off.overallOffset);
    const std::string text = showScale == 1 ? pl::Format("scale 1 : %d", scale) : std::string();
    // Centred under the anchor text in its font, else on the sheet in the default font.
    const int32_t x = anchor != nullptr ? anchor->x1 : SheetCentreX();
    Add(CentredText(floor, kText, x, y, text.c_str(), anchor != nullptr ? anchor->fontName : DefaultFontName,
                    anchor != nullptr ? anchor->weight : DefaultTextWeight,
                    anchor != nullptr ? anchor->height : DefaultTextHeight));
    // The caption is the page's, in memory for the time it prints: it may fall past the sheet (under
    // a text near its bottom edge), and the working file never holds it.
    return 1;
}
