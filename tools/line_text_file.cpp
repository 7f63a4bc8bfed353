#include "tools/line_text_file.h"

#include <cstring>
#include <string>

#include "document/document.h"
#include "platform/file_io.h"

bool WriteLineTextFile(int32_t side, const char* text) {
    const std::string body = pl::Format("%d %d/n", side, static_cast<int32_t>(std::strlen(text))) + text;
    return pl::WriteTextFile(ObjectList.ProgramDirectory + "CFG/LTEXT.CFG", body);
}
