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

// Outside a step, or for a document the step did not keep, the file holds the drawing as it was
// before the write, so the document takes it back: memory, screen and file then agree.
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
    if (Outermost()) memoryBefore_.emplace(ObjectList);
}

WorkingFileStep::~WorkingFileStep() {
    innermostStep = outer_;
    if (!Outermost()) return;
    for (const Kept& kept : kept_)
        if (!kept.keptName.empty()) static_cast<void>(pl::RemoveFile(kept.keptName));
    // What the step did in memory after its failed write is undone too, and so is a repaint's
    // reading of the file while the user was told.
    if (failed_ && list_) {
        PutMemoryBack(*list_);
        Repaint();
    }
}

// Memory as the step found it: the same keys then do the step again, and a move or turn waiting
// for Enter still waits, as the user left it.
void WorkingFileStep::PutMemoryBack(TList& list) const {
    if (memoryBefore_ && &list == &ObjectList)
        memoryBefore_->PutBack(list);
    else
        ReadBack(list);
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
        step->PutMemoryBack(list);
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
    if (step)
        step->PutMemoryBack(list);
    else
        ReadBack(list);
    Repaint();
    return false;
}
