#include "document/selection_list.h"

#include <string>

#include "document/cfg_files.h"
#include "document/document.h"
#include "platform/file_io.h"

std::optional<std::vector<SelectionEntry>> ReadSelectionList(const TList& list) {
    const int32_t count = list.ReadTempCount();
    std::string text;
    if (!pl::ReadTextFile(CfgPathIn(list.ProgramDirectory, "COPY.CFG"), text)) return std::nullopt;
    pl::TextReader reader(text);
    std::vector<SelectionEntry> entries;
    for (int32_t i = 0; i < count; ++i) {
        SelectionEntry e;
        if (!reader.ReadInt32(e.index) || !reader.ReadInt32(e.refX) || !reader.ReadInt32(e.refY)) break;
        if (e.index >= 0 && e.index < list.count) entries.push_back(e);
    }
    return entries;
}
