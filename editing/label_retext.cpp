#include "editing/label_retext.h"

#include <cstdlib>
#include <string>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"

namespace editing {

namespace {

TTextobj* FirstLabel(int32_t kind, int32_t TObject::*key, int32_t value) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (o && o->kind == kind && o->*key == value) return dynamic_cast<TTextobj*>(o);
    }
    return nullptr;
}

} // namespace

void ShiftRoomLabel(int32_t direction, int32_t group, int32_t amount) {
    TTextobj* label = FirstLabel(kRoomNameLabel, &TObject::group, group);
    if (!label) return;
    label->aux1 = 1;
    MoveLabelAnchor(label->x1, label->y1, direction, amount);
}

void UpdateDimensionText(int32_t direction, int32_t index, int32_t id, int32_t amount, LengthFormatter text) {
    TTextobj* label = FirstLabel(kSizeLabel, &TObject::id, id);
    if (!label) return;
    label->aux1 = 1;
    const auto* line = dynamic_cast<const TDimensobj*>(ObjectList[index]);
    if (!line || line->kind != kManualDimension) return;
    const bool alongY = direction == basedir::kUp || direction == basedir::kDown;
    const int64_t measure =
        alongY ? std::llabs(int64_t{line->d1y} - line->y1) : std::llabs(int64_t{line->d1x} - line->x1);
    int32_t length = 0;
    AddClamped(length, measure + amount);
    if (text) label->SetText(text(length).c_str());
    MoveLabelAnchor(label->x1, label->y1, direction, amount);
}

void CarryDimensionLabel(int32_t direction, int32_t id, int32_t amount) {
    TTextobj* label = FirstLabel(kSizeLabel, &TObject::id, id);
    if (!label) return;
    label->aux1 = 1;
    MoveLabelAnchor(label->x1, label->y1, direction, 2 * amount); // half of twice: the whole amount
}

} // namespace editing
