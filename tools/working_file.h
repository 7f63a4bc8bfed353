// Rewriting the working drawing file after an edit, with the failure told to the user: the file on
// disk then stays the previous version and the drawing counts as not saved.
#pragma once

#include <functional>

namespace tools {

// What the writes of the working file that end a step came to. Ok: every one went through, also
// when there was nothing to write. Failed: the user has been told once, and the document has been
// read back from the working file, which still holds the drawing as it was before the step; the
// step ends there, changing nothing further.
enum class WriteResult { Ok, Failed };

inline bool Failed(WriteResult result) {
    return result == WriteResult::Failed;
}

// Writes the document to the working file (mode 1) after an edit and marks a saved drawing
// modified.
[[nodiscard]] WriteResult SaveWorkingFile();

// The result of every write of the working file made while it lives: Failed once one of them
// failed. A tool's operations return nothing, so the step that hands an edit to one learns through
// this what became of the tool's writes. Once a write in it has failed, later ones are not tried:
// they read the file back and fail without a second message, so nothing after the failure lands.
class WriteWatch {
public:
    WriteWatch();
    ~WriteWatch();
    WriteWatch(const WriteWatch&) = delete;
    WriteWatch& operator=(const WriteWatch&) = delete;

    [[nodiscard]] WriteResult Result() const { return result_; }

private:
    friend WriteResult SaveWorkingFile();
    WriteWatch* outer_;
    WriteResult result_ = WriteResult::Ok;
};

// Called after a failed write has read the document back, so the window shows the file again; the
// drawing windows' owner sets it and clears it with an empty function.
void OnFailedWrite(std::function<void()> repaint);

} // namespace tools
