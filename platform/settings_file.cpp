#include "platform/settings_file.h"

#include <cstdarg>

#include "platform/file_io.h"
#include "platform/scan_format.h"

namespace pl {

int ScanSettings(const std::string& path, std::string_view defaultText, const char* format, ...) {
    scan::Target targets[scan::kMaxTargets];
    va_list args;
    va_start(args, format);
    const int count = scan::CollectTargets(format, args, targets);
    va_end(args);

    // Defaults first, then the file over them: a field the file lacks keeps its default.
    TextReader defaults(defaultText);
    scan::ScanTargets(defaults, format, targets, count);
    const std::string_view defaultTail = defaults.Rest();

    std::string text;
    int fromFile = 0;
    if (ReadTextFile(path, text)) {
        TextReader reader(text);
        fromFile = scan::ScanTargets(reader, format, targets, count);
        if (fromFile < 0) fromFile = 0;
    }
    if (fromFile >= count) return fromFile;
    // A counted text may have come from the defaults while its length came from the file.
    scan::SyncTextLengths(format, targets, count);

    // A failed rewrite leaves the reader's values in place; the next reader falls back again.
    if (fromFile == 0) {
        (void)WriteTextFile(path, defaultText);
    } else {
        TextWriter writer;
        scan::PrintTargets(writer, format, targets, count);
        writer.Put(defaultTail);
        (void)WriteTextFile(path, writer.Text());
    }
    return fromFile;
}

} // namespace pl
