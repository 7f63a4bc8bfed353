// Settings files read with a fallback: whatever a file lacks comes from its shipped default text,
// and a file that was missing, short or unreadable is written back whole, so the next reader finds
// every field.
#pragma once

#include <string>
#include <string_view>

namespace pl {

// Scans `path` with `format` (the rules of file_io.h, including "%Nt" counted texts from
// scan_format.h). Every field the file does not supply is taken from the same field of
// `defaultText`, which must hold all of them. When any field came from the defaults the file is
// replaced: by `defaultText` itself when the file gave nothing, otherwise by the values now held,
// laid out by `format` and followed by whatever `defaultText` has after its last field (its line
// end, or none). Returns the number of fields the file supplied.
int ScanSettings(const std::string& path, std::string_view defaultText, const char* format, ...);

} // namespace pl
