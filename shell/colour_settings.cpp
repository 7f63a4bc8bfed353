#include "shell/colour_settings.h"

#include <array>
#include <cstdint>

#include "document/cfg_files.h"
#include "document/program_state.h"
#include "platform/file_io.h"

namespace shell {

void ReadScreenColours() {
    const auto v = ReadRangedSettings("CLR.CFG", std::array{kColourRange, kColourRange, kColourRange});
    BackgroundColour = static_cast<COLORREF>(v[0]);
    PenColour = static_cast<COLORREF>(v[1]);
    SelectColour = static_cast<COLORREF>(v[2]);
}

bool WriteScreenColours() {
    return pl::WriteTextFile(CfgPath("CLR.CFG"),
                             pl::Format("%ld %ld %ld\n", static_cast<int32_t>(BackgroundColour),
                                        static_cast<int32_t>(PenColour), static_cast<int32_t>(SelectColour)));
}

} // namespace shell
