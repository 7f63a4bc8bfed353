#include "document/selection_list.h"

#include <string>

#include "document/cfg_files.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/working_file_step.h"
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

bool WriteSelectionList(const TList& list, const std::vector<SelectionEntry>& entries, std::string& why) {
    const std::string copy = CfgPathIn(list.ProgramDirectory, "COPY.CFG");
    const std::string count = CfgPathIn(list.ProgramDirectory, "TEMP.CFG");
    // The step that fails puts both back: a count never counts the lines of another list.
    KeepSettingsForStep(copy);
    KeepSettingsForStep(count);
    std::string text;
    for (const SelectionEntry& e : entries)
        text += pl::Format("%d %ld %ld\n", e.index, e.refX, e.refY);
    if (!pl::WriteTextFile(copy, text)) {
        why = "CFG/COPY.CFG could not be written" + WhyNotWritten(copy);
        return false;
    }
    if (pl::WriteTextFile(count, pl::Format("%d\n", static_cast<int32_t>(entries.size())))) return true;
    why = "CFG/TEMP.CFG could not be written" + WhyNotWritten(count);
    return false;
}
