// Removing the listed objects from the document.
#pragma once

#include <cstdint>
#include <vector>

#include "document/selection_list.h"

class TList;

namespace editing {

// Removes every object the entries name, once each however often it is listed, except external
// walls and the per-floor records; indices of no object are passed over. The others keep their order.
// Returns the number removed.
int32_t RemoveListed(TList& list, const std::vector<SelectionEntry>& entries);

} // namespace editing
