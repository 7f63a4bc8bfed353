// The selection list as every reader takes it: the count in CFG/TEMP.CFG, then that many lines
// "index refX refY" of CFG/COPY.CFG. The pair of files outlives drawings and runs, so the reader
// never trusts what it finds there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
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

// Writes the whole list as the selection: the entries to CFG/COPY.CFG, then their count to
// CFG/TEMP.CFG, both kept for the user's step to put back should it fail. False when either could
// not be written, `why` then naming the file and the cause for the user: the caller fails the step.
[[nodiscard]] bool WriteSelectionList(const TList& list, const std::vector<SelectionEntry>& entries,
                                      std::string& why);
