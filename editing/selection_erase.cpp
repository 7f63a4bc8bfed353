#include "editing/selection_erase.h"

#include "document/document.h"

namespace editing {

namespace {

constexpr int32_t kHighestErasableKind = 31000;

bool Erasable(const TObject& o) {
    return o.kind != kExtWall && o.kind <= kHighestErasableKind;
}

} // namespace

int32_t RemoveListed(TList& list, const std::vector<SelectionEntry>& entries) {
    // Marked aside, never in the objects themselves, so that no stored value can pass for a mark.
    std::vector<bool> marked(static_cast<size_t>(list.count > 0 ? list.count : 0), false);
    for (const SelectionEntry& e : entries) {
        const TObject* o = list[e.index];
        if (o && Erasable(*o)) marked[static_cast<size_t>(e.index)] = true;
    }
    int32_t removed = 0;
    for (int32_t i = list.count - 1; i >= 0; --i) {
        if (!marked[static_cast<size_t>(i)]) continue;
        list.RemoveAt(i);
        ++removed;
    }
    return removed;
}

} // namespace editing
