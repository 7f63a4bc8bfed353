// Rewriting the working drawing file after an edit, with the failure told to the user: the file on
// disk then stays as it was before the step and the drawing counts as not saved.
#pragma once

#include "document/working_file_step.h"

namespace tools {

// What the writes of the working file that end a step came to. Ok: every one went through, also
// when there was nothing to write. Failed: the user has been told once, the working file holds the
// drawing as it was before the step and the document is back to what memory held before it; the
// step ends there, changing nothing further.
enum class WriteResult { Ok, Failed };

inline bool Failed(WriteResult result) {
    return result == WriteResult::Failed;
}

// Writes the document to the working file (mode 1) within the current step after an edit and marks
// a saved drawing modified.
[[nodiscard]] WriteResult SaveWorkingFile();

// The result of the step's writes of the working file while it lives: Failed once one of them
// failed, also one made before it began. A tool's operations return nothing, so the step that hands
// an edit to one learns through this what became of the tool's writes.
class WriteWatch {
public:
    explicit WriteWatch(WorkingFileStep::Memory memory = WorkingFileStep::Memory::AsTheFile)
        : step_(memory) {}
    [[nodiscard]] WriteResult Result() const {
        return step_.Failed() ? WriteResult::Failed : WriteResult::Ok;
    }
    // True for the user's step itself, not a watch within it.
    [[nodiscard]] bool Outermost() const { return step_.Outermost(); }

private:
    WorkingFileStep step_;
};

} // namespace tools
