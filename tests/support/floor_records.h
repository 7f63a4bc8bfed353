// The floor records every new drawing starts with: one each for the ground, first and second floor,
// in that order.
#pragma once

#include <memory>
#include <vector>

#include "document/document.h"

namespace testsupport {

std::vector<std::unique_ptr<TObject>> StartingFloorRecords();
// Appends them to the list.
void AddStartingFloorRecords(TList& list);

} // namespace testsupport
