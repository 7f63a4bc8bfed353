#include "document/inserted_groups.h"

#include <limits>
#include <unordered_set>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"

namespace {

// The first number after IdCounter (on the current floor's base) that no object before `first`
// uses as identifier or group.
int32_t FreshGroup(const TList& list, int32_t first) {
    std::unordered_set<int32_t> used{0}; // 0 means "no group"
    for (int32_t i = 0; i < first && i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o) continue;
        used.insert(o->id);
        if (HoldsGroup(*o)) used.insert(o->group);
    }
    const int64_t base = FloorIdBase(CurrentView);
    while (int64_t{IdCounter} + 1 + base <= std::numeric_limits<int32_t>::max()) {
        const int32_t g = static_cast<int32_t>(base + NextCompositeId());
        if (!used.count(g)) return g;
    }
    // A counter at the top of its range (a damaged file put it there): the lowest free number.
    int32_t g = 1;
    while (used.count(g))
        ++g;
    return g;
}

} // namespace

void GiveInsertedOwnGroups(TList& list, int32_t first) {
    if (first >= list.count) return;
    const int32_t group = FreshGroup(list, first);
    std::unordered_set<int32_t> owners{0};
    for (int32_t i = first; i < list.count; ++i) {
        if (const TObject* o = list[i]; o && HoldsGroup(*o) && o->id == o->group) owners.insert(o->id);
    }
    for (int32_t i = first; i < list.count; ++i) {
        TObject* o = list[i];
        if (!o || !KindCarriesGroups(o->kind)) continue;
        // A plain line whose identifier differs from its group is taken back alone: it takes the
        // group as identifier, as a piece of an owner does.
        if (owners.count(o->id) || o->kind == kLine) o->id = group;
        o->group = group;
    }
}
