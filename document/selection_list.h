// The selection list as every reader takes it: the count in CFG/TEMP.CFG, then that many lines
// "index refX refY" of CFG/COPY.CFG. The pair of files outlives drawings and runs, so the reader
// never trusts what it finds there.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class TList;

struct SelectionEntry {
    int32_t index = 0;
    int32_t refX = 0;
    int32_t refY = 0;
};

// The listed entries in list order, up to the count or the first line that cannot be read; an entry
// whose index names no place in the list's objects is passed over. Nothing when CFG/COPY.CFG
// cannot be opened.
std::optional<std::vector<SelectionEntry>> ReadSelectionList(const TList& list);
