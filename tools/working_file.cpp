#include "tools/working_file.h"

#include "document/document.h"
#include "document/program_state.h"

namespace tools {

WriteResult SaveWorkingFile() {
    if (WriteWorkingFile(ObjectList)) {
        // The working file now differs from the saved copy, however the edit was made, so leaving
        // the drawing asks about it (auto save, 2, stays as it is).
        if (SaveState == 0) SaveState = 1;
        return WriteResult::Ok;
    }
    SaveState = 1;
    return WriteResult::Failed;
}

} // namespace tools
