// Where the settings files live and what they hold when shipped, and the reader of the files made
// of whole numbers whose every field has a range, for every folder that reads settings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// ProgramDirectory + "CFG/" + name.
std::string CfgPath(std::string_view name);
// The same under another program directory (ending in a separator).
std::string CfgPathIn(const std::string& programDirectory, std::string_view name);

// The shipped contents of CFG/<name> (empty when the file ships with no default).
std::string_view ShippedSettings(std::string_view name);

// The values a field may hold: low, low + step, ... up to high.
struct FieldRange {
    int32_t low;
    int32_t high;
    int32_t step = 1;

    bool Holds(int32_t value) const {
        return value >= low && value <= high && (int64_t{value} - low) % step == 0;
    }
};

// The most the six-character input dialogs take, and the drawing units of an inch in imperial files.
inline constexpr int32_t kMostTypedSetting = 999999;
inline constexpr int32_t kImperialUnitsPerInch = 24;

// A colour as the settings files store it: a COLORREF of red, green and blue only.
inline constexpr FieldRange kColourRange{0, 16777215};

// A rule that binds fields of one record which each hold a value of their own range: when `holds`
// refuses the values as read, the `count` fields from `first` on read as shipped together, as the
// dialog that writes them would never have let them stand side by side.
struct JointRule {
    size_t first = 0;
    size_t count = 0;
    std::function<bool(std::span<const int32_t>)> holds;
};

namespace cfg_detail {
void ReadRanged(std::string_view name, std::span<const FieldRange> fields, std::span<int32_t> values,
                const JointRule* rule = nullptr);
bool ReadRecord(std::string_view name, std::span<const FieldRange> fields, std::span<int32_t> values);
} // namespace cfg_detail

// Reads CFG/<name>, whose shipped text is one whole number per field apart by blanks, one value
// per field. A field the file lacks, or holds outside its range, reads as shipped; the file is then
// rewritten whole, so no reader meets the damaged value again.
template <size_t N>
std::array<int32_t, N> ReadRangedSettings(std::string_view name, const std::array<FieldRange, N>& fields) {
    std::array<int32_t, N> values{};
    cfg_detail::ReadRanged(name, fields, values);
    return values;
}

// As above, and the fields the rule binds read as shipped together when it refuses them.
template <size_t N>
std::array<int32_t, N> ReadRangedSettings(std::string_view name, const std::array<FieldRange, N>& fields,
                                          const JointRule& rule) {
    std::array<int32_t, N> values{};
    cfg_detail::ReadRanged(name, fields, values, &rule);
    return values;
}

// Reads CFG/<name>, a file that ships with no default because a step writes it before it is read.
// Nothing when the file is missing, short, or holds a value outside its field's range: what it
// described is then taken as not there.
template <size_t N>
std::optional<std::array<int32_t, N>> ReadRangedRecord(std::string_view name,
                                                       const std::array<FieldRange, N>& fields) {
    std::array<int32_t, N> values{};
    if (!cfg_detail::ReadRecord(name, fields, values)) return std::nullopt;
    return values;
}
