#include "document/inserted_groups.h"

#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"

namespace {

class FreshGroups {
public:
    FreshGroups(const TList& list, int32_t first) {
        used_.insert(0); // 0 means "no group"
        for (int32_t i = 0; i < first && i < list.count; ++i) {
            const TObject* o = list[i];
            if (!o) continue;
            used_.insert(o->id);
            if (GroupFieldIsGroup(o->kind)) used_.insert(o->group);
        }
    }

    // The new number of an old group, the same for every piece that had it.
    int32_t For(int32_t old) {
        const auto [entry, added] = renumbered_.try_emplace(old, 0);
        if (added) entry->second = Fresh();
        return entry->second;
    }

private:
    int32_t Fresh() {
        const int64_t base = FloorIdBase(CurrentView);
        while (int64_t{IdCounter} + 1 + base <= std::numeric_limits<int32_t>::max()) {
            const int32_t g = static_cast<int32_t>(base + NextCompositeId());
            if (used_.insert(g).second) return g;
        }
        // A counter at the top of its range (a damaged file put it there): the lowest free number.
        int32_t g = 1;
        while (!used_.insert(g).second)
            ++g;
        return g;
    }

    std::unordered_set<int32_t> used_;
    std::unordered_map<int32_t, int32_t> renumbered_;
};

} // namespace

void GiveInsertedOwnGroups(TList& list, int32_t first) {
    FreshGroups groups(list, first);
    // A piece whose identifier is its group owns that number: a partition, a room, a loose piece's 0.
    std::unordered_set<int32_t> owners;
    for (int32_t i = first; i < list.count; ++i) {
        if (const TObject* o = list[i]; o && GroupFieldIsGroup(o->kind) && o->id == o->group)
            owners.insert(o->id);
    }
    for (int32_t i = first; i < list.count; ++i) {
        TObject* o = list[i];
        if (!o || !GroupFieldIsGroup(o->kind)) continue;
        // An identifier naming an owner follows it to its new number, so a door still names its
        // partition; a loose piece takes its new group as identifier too.
        if (owners.count(o->id) && (o->id != 0 || o->group == 0)) o->id = groups.For(o->id);
        o->group = groups.For(o->group);
    }
}
