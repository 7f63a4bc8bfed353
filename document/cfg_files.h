// Where the settings files live and what they hold when shipped, for the geometry folders that read
// settings but see only the document and the platform layer, and the reader of the files made of
// whole numbers that a dialog keeps in range.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// ProgramDirectory + "CFG/" + name.
std::string CfgPath(std::string_view name);

// The shipped contents of CFG/<name> (empty when the file ships with no default).
std::string_view ShippedSettings(std::string_view name);

// The values a field may hold: low, low + step, ... up to high.
struct FieldRange {
    int32_t low;
    int32_t high;
    int32_t step = 1;
};

// Reads CFG/<name>, whose shipped text is values.size() whole numbers apart by blanks, into
// `values`, one range per value. A field the file lacks, or holds outside its range, reads as
// shipped; the file is then rewritten whole, so no reader meets the damaged value again.
void ReadRangedSettings(std::string_view name, std::span<int32_t> values, std::span<const FieldRange> ranges);
