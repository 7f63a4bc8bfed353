// One running copy of the program a folder. The settings files, the scratch copies and the paste
// buffer live once in the folder a program writes, so two copies there would write over each other's
// work: a start while a copy runs from the folder only learns where that copy is and ends.
//
// Whether a copy runs is judged by a lock on "<folder>~run.lock" that the running copy holds for its
// life and the system lets go when it ends, however it ends; never by a process number. A later
// start asks the running copy, over a local socket named after that lock file, what it holds and
// where its window is, and the running copy brings its window to the front as far as the system
// lets it. What it answers is read as untrusted text.
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
    // that finds another copy there asks it where it is and touches no file of the folder. A folder
    // where no lock can be taken or judged (it cannot be written, or its file system locks nothing)
    // does not keep the program from running, as before.
    explicit OneRunPerFolder(const std::string& folder);
    // Lets the folder go.
    ~OneRunPerFolder();
    OneRunPerFolder(const OneRunPerFolder&) = delete;
    OneRunPerFolder& operator=(const OneRunPerFolder&) = delete;

    // True unless another copy runs from the folder.
    bool Alone() const { return !other_; }
    // What the copy running from the folder said; only where one runs.
    const OtherRun& Other() const { return *other_; }

    // While this program holds the folder, a later start is told `describe()` and the main window
    // comes to the front (with a box it waits on, if any).
    void AnswerLaterStarts(std::function<std::string()> describe);

private:
    struct Held;
    std::unique_ptr<Held> held_;
    std::unique_ptr<OtherRun> other_;
};

} // namespace pl
