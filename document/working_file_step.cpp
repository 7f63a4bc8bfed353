#include "document/working_file_step.h"

#include <string>
#include <utility>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/drawing_name.h"
#include "document/sheet_edge.h"
#include "platform/file_io.h"

namespace {

WorkingFileStep* innermostStep = nullptr;
std::function<void()> repaintAfterFailure;
std::function<void()> afterWrite;
// The objects past the sheet in the working file as the drawing window's document last read or
// wrote it. The repaint reads the file after every step, outside any step, and does not count them:
// the count is then unknown until the next step begins, which counts once, before it edits.
int32_t pastSheetInFile = 0;
bool pastSheetKnown = true;
// While the step's own write of the document is under way: it knows what it writes past the sheet.
bool writingWithin = false;

int32_t CountPastSheetInDocument() {
    pastSheetInFile = CountPastSheet(ObjectList);
    pastSheetKnown = true;
    return pastSheetInFile;
}

// Outside a step, or for a document the step did not keep, the file holds the drawing as it was
// before the write, so the document takes it back: memory, screen and file then agree.
void ReadBack(TList& list) {
    list.Flush();
    // A damaged file was reported when the drawing was opened; the document takes what it holds,
    // as every repaint does.
    static_cast<void>(list.ReadDrawingFile(filemode::kWorking));
}

// The first line of what the user is told of a failed step: what failed, and why. A save says so in
// words about saving: a folder that cannot be written, or a full disk, is what the user must hear of
// there, not the copy the step could not keep.
std::string FailureHead(const std::string& path, bool refused, const char* saving) {
    const std::string why = WhyNotWritten(path);
    if (saving && (!refused || !why.empty())) return NotSavedText(saving, "the drawing file", path);
    if (refused)
        return (saving ? "The drawing has not been " + std::string(saving) + ": no copy of "
                       : std::string("The step was not done: no copy of ")) +
               path + " could be kept beside it to undo a failed write with" +
               (why.empty() ? " (the disk may be full)" : why) + ".";
    return "The drawing could not be written to " + path + why + ".";
}

// What the disk holds now: the file as before, or part of the step and the name of the file as it was.
std::string FailureText(const std::string& head, const std::string& stayed) {
    if (stayed.empty()) return head + "\nThe file keeps its previous contents.";
    return head + "\nThe file holds part of the step; the drawing as it was before the step is kept as" +
           stayed;
}

// A drawing kept as it was before a step stays a drawing of its own, which File > Open opens.
std::string KeptDrawingPath(const std::string& path, int n) {
    const pl::PathParts parts = pl::fnsplit(path);
    const std::string name = KeptDrawingName(parts.name, n);
    return name.empty() ? name : parts.drive + parts.dir + name + parts.ext;
}

// How the box names a kept file: as the drawing File > Open opens where it is one, and where it is.
std::string KeptAs(const std::string& path) {
    const std::string name = pl::fnsplit(path).name;
    return (DrawingNameFrom(name) == name ? " the drawing \"" + name + "\":\n" : std::string(":\n")) + path;
}

void Repaint() {
    if (repaintAfterFailure) repaintAfterFailure();
}

} // namespace

WorkingFileStep::WorkingFileStep(Memory memory)
    : outer_(innermostStep), users_(outer_ ? outer_->users_ : this) {
    innermostStep = this;
    if (!Outermost()) return;
    // The document holds the file as the last read left it (a move waiting for Enter excepted,
    // which the move tool keeps on the sheet itself).
    if (!pastSheetKnown) static_cast<void>(CountPastSheetInDocument());
    if (memory == Memory::AheadOfTheFile) memoryBefore_.emplace(ObjectList);
}

WorkingFileStep::~WorkingFileStep() {
    innermostStep = outer_;
    if (!Outermost()) return;
    for (const Kept& kept : kept_)
        if (!kept.keptName.empty()) pl::DropKept(kept.keptName);
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

bool WorkingFileStep::KeepFileBefore(const std::string& path) {
    for (const Kept& kept : kept_)
        if (kept.path == path) return true;
    Kept kept{path, {}, pl::FileExists(path)};
    // The mark of a file the step makes removes it at the next start, should the program end first.
    kept.keptName = kept.existedBefore ? pl::KeepFileAsItIs(path) : pl::MarkFileMade(path);
    // A write that failed could not be undone: the step must not begin it.
    if (kept.keptName.empty()) return false;
    kept_.push_back(std::move(kept));
    return true;
}

std::string WorkingFileStep::PutFilesBack() {
    failed_ = true;
    for (const auto& [path, text] : settings_) {
        // Written back as well as the disk allows: readers of these files trust nothing in them.
        if (text)
            static_cast<void>(pl::WriteTextFile(path, *text));
        else
            static_cast<void>(pl::RemoveFile(path));
    }
    std::string stayed;
    for (Kept& kept : kept_) {
        if (kept.existedBefore) {
            // The box names the file as it was: it takes a name no start removes or puts back.
            if (!pl::PutBackKept(kept.keptName, kept.path))
                stayed += (stayed.empty() ? "" : "\nand as") +
                          KeptAs(pl::KeepForGood(kept.keptName, KeptDrawingPath));
            // Back or not, the kept name is no longer the step's to remove.
            kept.keptName.clear();
        } else {
            // The step made the file: before it there was none.
            static_cast<void>(pl::RemoveFile(kept.path));
        }
    }
    return stayed;
}

bool WorkingFileStep::AddsPastSheet(int32_t pastSheet) {
    if (pastSheet <= pastSheetInFile) return false;
    list_ = &ObjectList;
    static_cast<void>(PutFilesBack());
    TellFileFailure(kPastSheetText, kPastSheetCaption);
    PutMemoryBack(ObjectList);
    Repaint();
    return true;
}

namespace {

// The words for what a start, or a write after it, did with what a step cut short had kept.
std::string CutShortText(const std::string& programDirectory, const pl::StepCutShort& file, bool byWrite) {
    const std::string name = pl::fnsplit(file.path).name;
    if (byWrite)
        return name +
               " holds work written after a step that the program ended before it was done. The drawing as "
               "it "
               "was before that step is kept as" +
               KeptAs(file.keptAs);
    if (file.recordLost)
        return name +
               " was not put back: the record of its last step, which the program ended before it was done, "
               "could not be read, and it stays as it is. The drawing as it was before that step is kept as" +
               KeptAs(file.keptAs);
    if (file.notWritable)
        return name +
               " could not go back to how it was before its last step, which the program ended before it "
               "was done: the folder " +
               programDirectory + "DWGS/ cannot be written.";
    if (file.laterWork)
        return name +
               " was not put back: it was written after a step that the program ended before it was done, "
               "and keeps that later work. The drawing as it was before that step is kept as" +
               KeptAs(file.keptAs);
    if (!file.keptAs.empty())
        return name +
               " could not go back to how it was before its last step, which the program ended before it "
               "was done; the drawing as it was is kept as" +
               KeptAs(file.keptAs);
    if (!pl::FileExists(file.path))
        return name + " was removed: the program ended before the step that made it was done.";
    return name +
           " went back to how it was before its last step: the program ended before that step was done.";
}

// Tells what writes kept for good beside the drawings they wrote, after `text`, once.
void TellCutShort(const std::string& programDirectory, std::string text) {
    for (const pl::StepCutShort& file : pl::TakeKeptByRewrites())
        text += (text.empty() ? "" : "\n") + CutShortText(programDirectory, file, true);
    if (!text.empty()) TellFileFailure(text, "DRAWING FILE");
}

} // namespace

void PutBackStepsCutShort(const std::string& programDirectory) {
    // A drawing kept for good by a write after a start that could not settle it is a drawing too.
    pl::NameKeptByRewrites(KeptDrawingPath);
    std::string text;
    for (const pl::StepCutShort& file : pl::UndoStepsOfEndedRuns(programDirectory + "DWGS", KeptDrawingPath))
        text += (text.empty() ? "" : "\n") + CutShortText(programDirectory, file, false);
    TellCutShort(programDirectory, std::move(text));
}

void TellKeptByWrites() {
    TellCutShort(ObjectList.ProgramDirectory, {});
}

void NoteWorkingFileHolds(const TList& list) {
    if (&list != &ObjectList || writingWithin) return;
    // A step may write what it read: it learns the count at once.
    if (innermostStep)
        static_cast<void>(CountPastSheetInDocument());
    else
        pastSheetKnown = false;
}

void NotePastSheetInWorkingFile(int32_t count) {
    pastSheetInFile = count;
    pastSheetKnown = true;
}

void OnWorkingFileFailure(std::function<void()> repaint) {
    repaintAfterFailure = std::move(repaint);
}

void OnWorkingFileWritten(std::function<void()> written) {
    afterWrite = std::move(written);
}

bool WorkingFileStep::WriteWithin(TList& list, pl::Sync sync, const char* saving) {
    WorkingFileStep* step = innermostStep ? innermostStep->users_ : nullptr;
    if (step && step->failed_) {
        // The step's later writes are not tried: what it made since the failure leaves memory too.
        step->PutMemoryBack(list);
        return false;
    }
    const std::string path = list.DrawingFilePath(filemode::kWorking);
    bool refused = false;
    // Only the drawing window's document within a step is held to the sheet; a copy written
    // elsewhere is not, nor a write outside any step, which no user's step asked for.
    const bool held = step && &list == &ObjectList;
    const int32_t pastSheet = held ? CountPastSheet(list) : 0;
    if (held && step->AddsPastSheet(pastSheet)) return false;
    if (step) {
        step->list_ = &list;
        refused = !step->KeepFileBefore(path);
    }
    writingWithin = held;
    const bool written = !refused && list.WriteDrawingFile(filemode::kWorking, sync) == FileResult::Ok;
    writingWithin = false;
    if (written) {
        if (held) NotePastSheetInWorkingFile(pastSheet);
        if (afterWrite) afterWrite();
        return true;
    }
    // Why, before putting the files back can fail for reasons of its own.
    const std::string head = FailureHead(path, refused, saving);
    const std::string stayed = step ? step->PutFilesBack() : std::string();
    TellFileFailure(FailureText(head, stayed), "SAVE FAILED");
    if (step)
        step->PutMemoryBack(list);
    else
        ReadBack(list);
    Repaint();
    return false;
}

void KeepSettingsForStep(const std::string& path) {
    WorkingFileStep* step = innermostStep ? innermostStep->users_ : nullptr;
    if (!step) return;
    for (const auto& [kept, text] : step->settings_)
        if (kept == path) return;
    std::string text;
    step->settings_.emplace_back(path, pl::ReadTextFile(path, text) ? std::optional(std::move(text))
                                                                    : std::nullopt);
}

void FailStep(const std::string& text) {
    WorkingFileStep* step = innermostStep ? innermostStep->users_ : nullptr;
    if (step && step->failed_) return;
    const std::string stayed = step ? step->PutFilesBack() : std::string();
    TellFileFailure(stayed.empty() ? text : FailureText(text, stayed), "SAVE FAILED");
    if (step && step->list_) step->PutMemoryBack(*step->list_);
    Repaint();
}

bool WriteWorkingFile(TList& list, pl::Sync sync) {
    return WorkingFileStep::WriteWithin(list, sync, nullptr);
}

bool SaveWorkingFile(TList& list, const char* how) {
    return WorkingFileStep::WriteWithin(list, pl::Sync::ToDisk, how);
}
