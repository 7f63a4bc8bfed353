#include "tools/working_file.h"

#include <string>
#include <utility>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"

namespace tools {

namespace {
WriteWatch* innermostWatch = nullptr;
std::function<void()> repaintAfterFailure;

// The working file keeps the drawing as it was before the failed step, so the document takes it
// back: memory, screen and file then agree, and the same keys can do the step again.
void ReadBackWorkingFile() {
    ObjectList.Flush();
    // A damaged file was reported when the drawing was opened; the document takes what it holds,
    // as every repaint does.
    static_cast<void>(ObjectList.ReadDrawingFile(filemode::kWorking));
}
} // namespace

WriteWatch::WriteWatch() : outer_(innermostWatch) {
    innermostWatch = this;
}

WriteWatch::~WriteWatch() {
    innermostWatch = outer_;
}

void OnFailedWrite(std::function<void()> repaint) {
    repaintAfterFailure = std::move(repaint);
}

WriteResult SaveWorkingFile() {
    if (innermostWatch && Failed(innermostWatch->result_)) {
        ReadBackWorkingFile();
        return WriteResult::Failed;
    }
    if (ObjectList.WriteDrawingFile(filemode::kWorking) == FileResult::Ok) {
        // The working file now differs from the saved copy, however the edit was made, so leaving
        // the drawing asks about it (auto save, 2, stays as it is).
        if (SaveState == 0) SaveState = 1;
        return WriteResult::Ok;
    }
    SaveState = 1;
    for (WriteWatch* watch = innermostWatch; watch; watch = watch->outer_)
        watch->result_ = WriteResult::Failed;
    const std::string text = "The drawing could not be written to " +
                             ObjectList.DrawingFilePath(filemode::kWorking) +
                             ".\nThe file keeps its previous contents.";
    MessageBox(nullptr, text.c_str(), "SAVE FAILED", MB_OK | MB_ICONEXCLAMATION);
    ReadBackWorkingFile();
    if (repaintAfterFailure) repaintAfterFailure();
    return WriteResult::Failed;
}

} // namespace tools
