// The number a program names its temporaries and kept files by in a folder, and the lock that tells
// a later start whether that program still runs.
//
// In each folder it writes, a program takes a number that no other program there holds and no file
// there is named by, and holds a lock on "~<number>.lock" for its life. The system lets the lock go
// when the program ends, however it ends, so a start that can take it knows that what carries the
// number was left by a program that ended, whoever now has that program's process number. A number
// without its lock file has no step that can still be cut short: what carries it belongs to no step.
#pragma once

#include <string>

namespace pl::detail {

// This program's number in the folder `dir` (a prefix ending in '/', or empty for the current
// folder); 0, which no lock file ever holds, when the folder takes no lock file.
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

private:
    int descriptor_ = -1;
    Run state_ = Run::Going;
};

// From now on no start puts back or removes by the number anything that still carries it: its lock
// file goes, and where the number was this program's own, the program takes a fresh one there.
void RetireRun(const std::string& dir, unsigned number);

} // namespace pl::detail
