#include "tools/line_text_file.h"

#include <cstring>
#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"

namespace {

std::string LineTextPath() {
    return CfgPath("LTEXT.CFG");
}

} // namespace

bool WriteLineTextFile(int32_t side, const char* text) {
    const std::string body = pl::Format("%d %d/n", side, static_cast<int32_t>(std::strlen(text))) + text;
    return pl::WriteTextFile(LineTextPath(), body);
}

LineText ReadLineTextFile() {
    int32_t side = 1;
    int32_t length = 0;
    char text[kLineTextCapacity + 1] = {};
    pl::ScanSettings(LineTextPath(), ShippedSettings("LTEXT.CFG"), "%d %d/n%2t", &side, &length, text,
                     static_cast<int>(sizeof text));
    LineText result;
    result.side = side == 2 ? 2 : 1;
    result.text = text; // the counted read stores at most the capacity and terminates it
    return result;
}
