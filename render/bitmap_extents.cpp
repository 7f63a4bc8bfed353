#include "render/bitmap_extents.h"

#include "document/document.h"
#include "render/floor_selection.h"

namespace render {

DrawnExtents MeasureBitmapView(TList& list) {
    DrawnExtents e;
    const int32_t k = DrawnExtents::BitmapDivisor();
    const auto note = [&](TObject& object, int32_t) {
        e.Note(object);
        // The bitmap writes a text at its stored height in pixels, upward from its anchor.
        if (const auto* text = IsTextKind(object.kind) ? dynamic_cast<const TTextobj*>(&object) : nullptr)
            e.NoteY(static_cast<int32_t>(
                std::min<int64_t>(int64_t{text->y1} + int64_t{text->height} * k, DrawnExtents::kNone)));
    };
    if (CurrentView == kSitePlan) {
        ForEachSitePlanObject(list, note);
    } else {
        ForEachFloorObject(list, note);
    }
    e.SetPrintExtents();
    return e;
}

} // namespace render
