// The one road by which an edit writes the working file. A step of the user (a key, a click, a
// command) may write the file several times: its walls, then their dimensions, then the floor's
// title. The step is all or nothing: once one of its writes fails, the file goes back to what it
// held before the step, the document goes back to what memory held before the step (edits waiting
// for Enter included, which the file never held), the user is told once, and no later write of the
// step is tried, however deep in the step it is asked for.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/kept_document.h"
#include "platform/file_io.h"

class TList;

// A step while it lives. Steps nest: the outermost one is the user's step, and an inner one (a
// tool's operation within a key) only watches it. The outermost keeps the file as it was before
// the step's first write under a second name, which costs no room on the disk (or, where the file
// system makes no hard links, a copy, which does), and marks a file it makes; should the program
// end before the step does, the next start puts the one back and removes the other
// (PutBackStepsCutShort). Memory then goes back by reading that file, unless the step began with
// memory ahead of the file: only then is the document kept in memory too, so that an ordinary key
// or click does not format the whole drawing once more.
class WorkingFileStep {
public:
    // Whether the document in memory may hold edits the working file does not when the step begins
    // (a selection moved or turned and waiting for Enter). Only the user's step's own counts.
    enum class Memory { AsTheFile, AheadOfTheFile };

    explicit WorkingFileStep(Memory memory = Memory::AsTheFile);
    ~WorkingFileStep();
    WorkingFileStep(const WorkingFileStep&) = delete;
    WorkingFileStep& operator=(const WorkingFileStep&) = delete;

    // True once a write of the user's step has failed, also one made before this watch began.
    [[nodiscard]] bool Failed() const { return users_->failed_; }
    // True for the user's step itself, not a watch within it.
    [[nodiscard]] bool Outermost() const { return users_ == this; }

private:
    friend bool WriteWorkingFile(TList& list, pl::Sync sync);
    friend bool SaveWorkingFile(TList& list, const char* how);
    friend void FailStep(const std::string& text);
    friend void KeepSettingsForStep(const std::string& path);
    // The write of both: a failure told in words about saving where `saving` says what was asked.
    static bool WriteWithin(TList& list, pl::Sync sync, const char* saving);
    // Refuses the step when its document holds more objects past the sheet than the working file.
    [[nodiscard]] bool AddsPastSheet(int32_t pastSheet);
    // False when the file stands and could not be kept: the step then writes nothing.
    [[nodiscard]] bool KeepFileBefore(const std::string& path);
    // Marks the step failed and puts back every file it wrote; the kept names that could not go
    // back, which stay on the disk holding their files as they were.
    std::string PutFilesBack();
    void PutMemoryBack(TList& list) const;

    // A file the step writes, as it was before the step's first write of it.
    struct Kept {
        std::string path;
        std::string keptName; // its second name, or for a file the step makes the mark of that
        bool existedBefore = false;
    };

    WorkingFileStep* outer_;
    WorkingFileStep* users_; // the outermost step
    // The user's step alone uses these.
    bool failed_ = false;
    // Every file the step wrote: a step that writes a drawing under a new name (a turned copy) puts
    // that one back too, and never the first one in its place.
    std::vector<Kept> kept_;
    // The small settings files the step wrote, with their text before it (none: the file did not
    // stand): they are written back should the step fail.
    std::vector<std::pair<std::string, std::optional<std::string>>> settings_;
    TList* list_ = nullptr;                    // the document the step wrote
    std::optional<KeptDocument> memoryBefore_; // ObjectList as the step found it, when ahead of the file
};

// Writes the document to the working file within the current step. A step that would store a point
// past the sheet is refused as a failed one is, told with the sheet message. False when this or an
// earlier write of the step failed or was refused: the user has been told once, the file holds what it held
// before the step, and the document is back to what memory held before the step. Outside any step a write is
// a step of its own. A save asks for the file to reach the disk before the call returns.
[[nodiscard]] bool WriteWorkingFile(TList& list, pl::Sync sync = pl::Sync::None);
// A save of the drawing: the working file written as above, reaching the disk before the call
// returns; a failure is told as the drawing not `how` ("saved", "saved under a new name"), with why.
[[nodiscard]] bool SaveWorkingFile(TList& list, const char* how = "saved");

// A write of the step other than the working file's failed: the step fails as if that one had. The
// user is told `text` once (nothing more where the step has failed already), the working file goes
// back to what it held before the step, and so does the document; no later write of the step is tried.
void FailStep(const std::string& text);

// A small settings file the user's step is about to write (the selection list): its text as it stands
// is kept in memory, and written back should the step fail (a file that did not stand goes). A crash
// leaves what the step wrote of it, which every reader of it takes as untrusted. Nothing outside a step.
void KeepSettingsForStep(const std::string& path);

// At start: every working file in the program's drawings folder that a step of a program no longer
// running left part-written goes back to what it held before that step (one the step made goes),
// and the user is told once which drawings went back. A step in another copy of the program still
// running is left alone.
void PutBackStepsCutShort(const std::string& programDirectory);
// After a write of a drawing: where the write found beside it what a step of a program no longer
// running kept of it, other than the drawing, it kept that as a drawing of its own, and the user is
// told once where.
void TellKeptByWrites();

// Notes that the working file was just read into the drawing window's document, or written from
// it: what it holds past the sheet is counted at once within a step, else when the next step begins.
// A step's write may add nothing there. A drawing stored before may hold some; a step that moves one
// keeps the count as it was.
void NoteWorkingFileHolds(const TList& list);
// The same for a working file read object by object: how many of its objects lie past the sheet.
void NotePastSheetInWorkingFile(int32_t count);

// Called after a failed step has put the document back, so the window shows it again; the
// drawing windows' owner sets it and clears it with an empty function.
void OnWorkingFileFailure(std::function<void()> repaint);

// Called after each write of the working file that went through, so a test can learn the sizes the
// file takes within a step; cleared with an empty function.
void OnWorkingFileWritten(std::function<void()> written);
