// The number a program names its temporaries and kept files by in a folder, and the lock that tells
// a later start whether that program still runs.
//
// In each folder it writes, a program takes a number that no other program there holds and no file
// there is named by, and holds a lock on "~<number>.lock" for its life. The system lets the lock go
// when the program ends, however it ends, so a start that can take it knows that what carries the
// number was left by a program that ended, whoever now has that program's process number. A number
// without its lock file has no step that can still be cut short: what carries it belongs to no step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pl::detail {

// What a name in a folder the program writes says of the run that gave it.
struct RunName {
    enum class Kind {
        Lock,      // "~<number>.lock"
        Temporary, // "<file>.~<number>-<counter>"
        Kept,      // "<file>.~<number>-<counter>.kept"
        Made,      // "<file>.~<number>-<counter>.made"
        Record,    // "<file>.~<number>-<counter>.left", what a step left of the file (step_record.h)
    };
    Kind kind;
    unsigned number;
    size_t fileEnd; // the length of the name of the file it stands beside; 0 for a lock
};
// Reads a name of the kinds above, its number and counter of one to nine digits each; nothing for
// any other name.
std::optional<RunName> ReadRunName(std::string_view name);

// This program's number in the folder `dir` (a prefix ending in '/', or empty for the current
// folder), with its lock taken there when it had none; 0 when no lock file can be made there
// (errno says why), as a folder that cannot be written: nothing is then to be named by a number.
unsigned RunNumber(const std::string& dir);

// How the program that named files by a number in a folder stands.
enum class Run {
    Going,    // still running (this program among them), or not to be judged: leave its files
    Ended,    // it ended: its lock is held here while its files are seen to
    Unlocked, // no lock file: no step of it can still be cut short
};

// Judges the program of `number` in `dir`. One that ended stays locked while the judge lives, so that
// two starts never see to the same files at once.
class RunJudge {
public:
    RunJudge(const std::string& dir, unsigned number);
    ~RunJudge();
    RunJudge(const RunJudge&) = delete;
    RunJudge& operator=(const RunJudge&) = delete;

    Run State() const { return state_; }
    // True for this program's own number there.
    bool Mine() const { return mine_; }

private:
    int descriptor_ = -1;
    Run state_ = Run::Going;
    bool mine_ = false;
};

// From now on no start puts back or removes by the number anything that still carries it: its lock
// file goes, and where the number was this program's own, the program takes a fresh one there.
void RetireRun(const std::string& dir, unsigned number);

} // namespace pl::detail
