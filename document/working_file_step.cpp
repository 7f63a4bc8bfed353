#include "document/working_file_step.h"

#include <string>
#include <utility>

#include "document/checked_file.h"
#include "document/document.h"
#include "platform/file_io.h"

namespace {

WorkingFileStep* innermostStep = nullptr;
std::function<void()> repaintAfterFailure;
std::function<void()> afterWrite;

// The file holds the drawing as it was before the step, so the document takes it back: memory,
// screen and file then agree, and the same keys can do the step again.
void ReadBack(TList& list) {
    list.Flush();
    // A damaged file was reported when the drawing was opened; the document takes what it holds,
    // as every repaint does.
    static_cast<void>(list.ReadDrawingFile(filemode::kWorking));
}

void Repaint() {
    if (repaintAfterFailure) repaintAfterFailure();
}

} // namespace

WorkingFileStep::WorkingFileStep() : outer_(innermostStep), users_(outer_ ? outer_->users_ : this) {
    innermostStep = this;
}

WorkingFileStep::~WorkingFileStep() {
    innermostStep = outer_;
    if (!Outermost()) return;
    for (const Kept& kept : kept_)
        if (!kept.keptName.empty()) static_cast<void>(pl::RemoveFile(kept.keptName));
    // What the step did in memory after its failed write is not in the file either.
    if (failed_ && list_) {
        ReadBack(*list_);
        Repaint();
    }
}

void WorkingFileStep::KeepFileBefore(const std::string& path) {
    for (const Kept& kept : kept_)
        if (kept.path == path) return;
    Kept kept{path, {}, pl::FileExists(path)};
    if (kept.existedBefore) kept.keptName = pl::KeepFileAsItIs(path);
    kept_.push_back(std::move(kept));
}

void WorkingFileStep::PutFilesBack() {
    for (Kept& kept : kept_) {
        if (!kept.keptName.empty()) {
            // Nothing else can be done when even a rename fails: the user is told below either way.
            static_cast<void>(pl::PutBackKept(kept.keptName, kept.path));
            kept.keptName.clear();
        } else if (!kept.existedBefore && !kept.path.empty()) {
            // The step made the file: before it there was none.
            static_cast<void>(pl::RemoveFile(kept.path));
        }
    }
}

void OnWorkingFileFailure(std::function<void()> repaint) {
    repaintAfterFailure = std::move(repaint);
}

void OnWorkingFileWritten(std::function<void()> written) {
    afterWrite = std::move(written);
}

bool WriteWorkingFile(TList& list, pl::Sync sync) {
    WorkingFileStep* step = innermostStep ? innermostStep->users_ : nullptr;
    if (step && step->failed_) {
        // The step's later writes are not tried: what it made since the failure leaves memory too.
        ReadBack(list);
        return false;
    }
    const std::string path = list.DrawingFilePath(filemode::kWorking);
    if (step) {
        step->list_ = &list;
        step->KeepFileBefore(path);
    }
    if (list.WriteDrawingFile(filemode::kWorking, sync) == FileResult::Ok) {
        if (afterWrite) afterWrite();
        return true;
    }
    if (step) {
        step->failed_ = true;
        step->PutFilesBack();
    }
    TellFileFailure("The drawing could not be written to " + path +
                        ".\nThe file keeps its previous contents.",
                    "SAVE FAILED");
    ReadBack(list);
    Repaint();
    return false;
}
