#include "shell/auto_save_setting.h"

#include <array>
#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"

namespace shell {

int32_t ReadAutoSave() {
    constexpr int32_t kOn = 2;
    return ReadRangedSettings("SAVE.CFG", std::array{FieldRange{1, 2}})[0] == kOn ? kOn : 0;
}

bool WriteAutoSave(int32_t saveState) {
    return pl::WriteTextFile(CfgPath("SAVE.CFG"), std::to_string(saveState));
}

} // namespace shell
