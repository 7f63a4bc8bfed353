#include "document/cfg_files.h"

#include <vector>

#include "document/document.h"
#include "platform/file_io.h"
#include "resources/default_settings.h"

std::string CfgPathIn(const std::string& programDirectory, std::string_view name) {
    return programDirectory + "CFG/" + std::string(name);
}

std::string CfgPath(std::string_view name) {
    return CfgPathIn(ObjectList.ProgramDirectory, name);
}

std::string_view ShippedSettings(std::string_view name) {
    return DefaultSettings(name);
}

namespace {

// The whole numbers of a text as far as they go; how many were read.
size_t ScanNumbers(std::string_view text, std::span<int32_t> values) {
    pl::TextReader reader(text);
    size_t n = 0;
    while (n < values.size() && reader.ReadInt32(values[n]))
        ++n;
    return n;
}

} // namespace

namespace cfg_detail {

void ReadRanged(std::string_view name, std::span<const FieldRange> fields, std::span<int32_t> values,
                const JointRule* rule) {
    const std::string_view shipped = ShippedSettings(name);
    std::vector<int32_t> fallback(values.size());
    ScanNumbers(shipped, fallback);
    std::string text;
    const size_t read = pl::ReadTextFile(CfgPath(name), text) ? ScanNumbers(text, values) : 0;
    bool rewrite = read < values.size();
    for (size_t i = 0; i < values.size(); ++i) {
        if (i < read && fields[i].Holds(values[i])) continue;
        values[i] = fallback[i];
        rewrite = rewrite || i < read;
    }
    if (rule && rule->first + rule->count <= values.size() && !rule->holds(values)) {
        for (size_t i = rule->first; i < rule->first + rule->count; ++i)
            values[i] = fallback[i];
        rewrite = true;
    }
    if (!rewrite) return;
    std::string whole;
    for (size_t i = 0; i < values.size(); ++i)
        whole += (i > 0 ? " " : "") + std::to_string(values[i]);
    if (!shipped.empty() && shipped.back() == '\n') whole += '\n';
    // A failed rewrite still leaves the reader in-range values; the next reader falls back again.
    (void)pl::WriteTextFile(CfgPath(name), whole);
}

bool ReadRecord(std::string_view name, std::span<const FieldRange> fields, std::span<int32_t> values) {
    std::string text;
    if (!pl::ReadTextFile(CfgPath(name), text) || ScanNumbers(text, values) < values.size()) return false;
    for (size_t i = 0; i < values.size(); ++i)
        if (!fields[i].Holds(values[i])) return false;
    return true;
}

} // namespace cfg_detail
