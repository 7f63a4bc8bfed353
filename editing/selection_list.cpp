#include "editing/selection_list.h"

#include <string>

#include "document/document.h"
#include "platform/file_io.h"

namespace editing {

std::optional<std::vector<SelectionEntry>> ReadSelectionList() {
    const int32_t count = ObjectList.ReadTempCount();
    std::string text;
    if (!pl::ReadTextFile(ObjectList.ProgramDirectory + "CFG/COPY.CFG", text)) return std::nullopt;
    pl::TextReader reader(text);
    std::vector<SelectionEntry> entries;
    for (int32_t i = 0; i < count; ++i) {
        SelectionEntry e;
        if (!reader.ReadInt32(e.index) || !reader.ReadInt32(e.refX) || !reader.ReadInt32(e.refY)) break;
        entries.push_back(e);
    }
    return entries;
}

} // namespace editing
