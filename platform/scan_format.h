// The scan engine behind fscanf, sscanf and the settings reader. A scan format's arguments are
// first collected into targets, so the same fields can be scanned from two sources (a file and
// its shipped defaults) and printed back.
//
// Beyond the runtime's conversions, "%Nt" reads a counted text: its length is the value of the
// N-th field of the same format (1-based, an integer field read earlier), its arguments are the
// buffer (char*) and its capacity (int). The text is read byte by byte like "%c"; what does not fit
// is skipped, a negative length counts as 0, and the length field is set to the stored length.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#include "platform/file_io.h"

namespace pl::scan {

struct Target {
    void* pointer = nullptr;
    int32_t capacity = 0; // "%Nt" only
};

// Formats with more fields than this stop scanning at the first field beyond it.
constexpr int kMaxTargets = 48;

// Collects the argument of every storing conversion. Returns the number collected.
int CollectTargets(const char* format, va_list args, Target* targets);
// Scans the reader into the targets; returns the fields stored or EOF.
int ScanTargets(TextReader& reader, const char* format, const Target* targets, int count);
// Prints the targets' current values as the format lays them out: literal text and white space as
// written, integers in decimal, floats with six decimals, strings and texts whole.
void PrintTargets(TextWriter& writer, const char* format, const Target* targets, int count);
// After a scan that may have mixed two sources: every counted text's length field is set to the
// length of the text actually held.
void SyncTextLengths(const char* format, const Target* targets, int count);

} // namespace pl::scan
