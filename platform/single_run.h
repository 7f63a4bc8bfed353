// One running copy of the program a folder. The settings files, the scratch copies and the paste
// buffer live once in the folder a program writes, so two copies there would write over each other's
// work: a start while a copy runs from the folder only learns where that copy is and ends.
//
// Whether a copy runs is judged by what the running copy holds for its life and the system lets go
// when it ends, however it ends; never by a process number: a lock on "<folder>~run.lock", seen by
// every copy that shares the folder, and a local socket named after the folder itself, which still
// tells of the copy where the lock file was deleted or could not be made. A later start asks the
// running copy over that socket what it holds and where its window is, and the running copy brings
// its window to the front as far as the system lets it. What it answers is read as untrusted text.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace pl {

// What a running copy told a later start of itself.
struct OtherRun {
    bool answered = false; // false when it said nothing (it may be busy, or on another machine)
    std::string said;      // what the program there said of itself (the text its `describe` gave)
    std::string title;     // its main window's title
    std::string display;   // the display its window is on; empty when the system names none
};

class OneRunPerFolder {
public:
    // Takes the folder (a prefix ending in '/') for this program when no other copy holds it. A start
    // that finds another copy there asks it where it is, waiting for the whole answer a few seconds
    // at most; when none comes it tries the folder again before it gives up, since the copy may have
    // ended meanwhile. It touches no file of the folder but the lock file. A folder where no lock
    // can be taken (it cannot be written, or its file system locks nothing) does not keep the program
    // from running: only copies on this computer are then kept apart, and Unlocked() says why.
    explicit OneRunPerFolder(const std::string& folder);
    // Lets the folder go.
    ~OneRunPerFolder();
    OneRunPerFolder(const OneRunPerFolder&) = delete;
    OneRunPerFolder& operator=(const OneRunPerFolder&) = delete;

    // True unless another copy runs from the folder.
    bool Alone() const { return !other_; }
    // What the copy running from the folder said; only where one runs.
    const OtherRun& Other() const { return *other_; }
    // Why the folder's lock could not be made or held, where this program runs without it; else empty.
    const std::string& Unlocked() const { return unlocked_; }

    // While this program holds the folder, a later start is told `describe()` and the main window
    // comes to the front (with a box it waits on, if any).
    void AnswerLaterStarts(std::function<std::string()> describe);

private:
    struct Held;
    std::unique_ptr<Held> held_;
    std::unique_ptr<OtherRun> other_;
    std::string unlocked_;
};

} // namespace pl
