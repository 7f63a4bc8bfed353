// The selection list as its readers take it: the count in CFG/TEMP.CFG, then that many lines
// "index refX refY" of CFG/COPY.CFG. The pair of files outlives drawings and runs, so a reader
// never trusts what it finds there.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace editing {

struct SelectionEntry {
    int32_t index = 0;
    int32_t refX = 0;
    int32_t refY = 0;
};

// The listed entries in list order, up to the count or the first line that cannot be read. Nothing
// when CFG/COPY.CFG cannot be opened. The indices are as stored: a caller looks each one up in the
// document and skips those that name no object.
std::optional<std::vector<SelectionEntry>> ReadSelectionList();

} // namespace editing
