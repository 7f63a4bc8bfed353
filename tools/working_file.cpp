#include "tools/working_file.h"

#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"

namespace tools {

namespace {
int failedWrites = 0;
} // namespace

int FailedWrites() {
    return failedWrites;
}

bool SaveWorkingFile() {
    if (ObjectList.WriteDrawingFile(filemode::kWorking) == FileResult::Ok) {
        // The working file now differs from the saved copy, however the edit was made, so leaving
        // the drawing asks about it (auto save, 2, stays as it is).
        if (SaveState == 0) SaveState = 1;
        return true;
    }
    SaveState = 1;
    ++failedWrites;
    const std::string text = "The drawing could not be written to " +
                             ObjectList.DrawingFilePath(filemode::kWorking) +
                             ".\nThe file keeps its previous contents.";
    MessageBox(nullptr, text.c_str(), "SAVE FAILED", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace tools
