// What a step keeps of a file it rewrites or makes, and what a start does with what a step of a
// run that ended left: put back, removed, or kept for good beside later work.
#include "platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/detail/byte_digest.h"
#include "platform/detail/file_calls.h"
#include "platform/detail/run_lock.h"
#include "platform/detail/step_record.h"

namespace pl {

using namespace detail;

namespace {

// What ends the name of a file kept as it was, "<name>.~<number>-<counter>.kept": unlike a
// temporary it holds a whole file, which a start after a crash puts back rather than removes.
constexpr std::string_view kKeptMark = ".kept";
// What ends the name of the empty mark "<name>.~<number>-<counter>.made" beside a file a step makes:
// a start after a crash removes the file the step never finished.
constexpr std::string_view kMadeMark = ".made";

// What ends the name of the record of what a step wrote of the file (detail/step_record.h).
constexpr std::string_view kRecordMark = ".left";

// Without a rule of the caller's, the first free name "<name>.before-step-<n>" beside `target` is a
// file's for good: nothing of the layer removes or replaces it.
constexpr std::string_view kLastingMark = ".before-step-";

// Copies `target` byte for byte to a fresh temporary beside it; the temporary's name, or empty when
// the copy could not be made whole. `standing` is then the file copied.
std::string CopyBeside(const std::string& target, struct stat& standing) {
    const int from = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        FailedWith(errno);
        return {};
    }
    std::string copy;
    const int to = CreateTemporary(target, copy, ::fstat(from, &standing) == 0 ? &standing : nullptr);
    bool ok = to >= 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0 || FailedWith(errno);
            break;
        }
        ok = WriteAll(to, buffer, static_cast<size_t>(n));
    }
    ::close(from);
    if (to >= 0 && ::close(to) != 0) ok = FailedWith(errno);
    if (!ok && to >= 0) ::unlink(copy.c_str());
    return ok ? copy : std::string();
}

// The number of a temporary named "<name>.~<number>-<counter>"; nothing for any other name.
std::optional<unsigned> TemporaryNumber(const std::string& name) {
    const std::optional<detail::RunName> run = detail::ReadRunName(name);
    if (!run || run->kind != detail::RunName::Kind::Temporary) return std::nullopt;
    return run->number;
}

// How the programs of the numbers met in one folder stand, each judged once; those that ended stay
// locked until the judges go.
class Judges {
public:
    explicit Judges(std::string dir) : dir_(std::move(dir)) {}
    detail::Run Of(unsigned number) {
        auto& judge = judges_[number];
        if (!judge) judge = std::make_unique<detail::RunJudge>(dir_, number);
        return judge->State();
    }
    bool Mine(unsigned number) {
        Of(number);
        return judges_[number]->Mine();
    }
    bool Judged(unsigned number) const { return judges_.contains(number); }
    std::vector<unsigned> Ended() const {
        std::vector<unsigned> ended;
        for (const auto& [number, judge] : judges_)
            if (judge->State() == detail::Run::Ended) ended.push_back(number);
        return ended;
    }

private:
    std::string dir_;
    std::map<unsigned, std::unique_ptr<detail::RunJudge>> judges_;
};

// No start is to put back or remove by its number a kept file whose name stays: its number retires.
void Retire(const std::string& kept) {
    const std::string folder = FolderOf(kept);
    if (const std::optional<detail::RunName> run = detail::ReadRunName(kept.substr(folder.size())))
        detail::RetireRun(folder, run->number);
}

// Reads `size` bytes, fewer only where the file ends; -1 on an error.
ssize_t ReadUpTo(int descriptor, char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(descriptor, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

// True when the two files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b) {
    const int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC);
    const int fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat ia {};
    struct stat ib {};
    bool same =
        fa >= 0 && fb >= 0 && ::fstat(fa, &ia) == 0 && ::fstat(fb, &ib) == 0 && ia.st_size == ib.st_size;
    char pa[1 << 15], pb[sizeof pa];
    while (same) {
        const ssize_t na = ReadUpTo(fa, pa, sizeof pa);
        same =
            na >= 0 && ReadUpTo(fb, pb, sizeof pb) == na && std::memcmp(pa, pb, static_cast<size_t>(na)) == 0;
        if (na <= 0) break;
    }
    if (fa >= 0) ::close(fa);
    if (fb >= 0) ::close(fb);
    return same;
}

// The folder as a prefix of the names in it.
std::string FolderPrefix(const std::string& folder) {
    std::string dir = NativePath(folder);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

// The files this program's steps keep, by the file: the record beside what was kept of it (or beside
// the mark of a file the step makes), and the state the step's last write left the file in; none
// before the step's first write, when what was kept is the file as it stands.
struct StepFile {
    std::string record;
    std::optional<detail::FileState> left;
};

// What this program knows of a file by its name.
struct Known {
    // The file it last left there by a rewrite, and the kept names its steps gave that file since. A
    // rewrite that finds another file there, or that file with more names, looks first for what a
    // step of an ended run kept of it.
    std::optional<struct stat> left;
    std::vector<std::string> links;
    // The step that keeps the file, if one does.
    std::optional<StepFile> step;
};

// The file that a kept name or mark stands beside; empty for any other name.
std::string KeptFor(const std::string& kept) {
    const std::string folder = FolderOf(kept);
    const std::optional<detail::RunName> run = detail::ReadRunName(kept.substr(folder.size()));
    return run && run->kind != detail::RunName::Kind::Lock ? kept.substr(0, folder.size() + run->fileEnd)
                                                           : std::string();
}

// Everything the layer holds of its files between calls, under one lock: what it knows of each file,
// and what its rewrites kept for good and the user is still to hear of.
class KnownFiles {
public:
    // True when `standing`, what `target` names now, is the file this program left there.
    bool AsLeft(const std::string& target, const struct stat& standing) {
        const std::lock_guard guard(mutex_);
        const auto known = byName_.find(target);
        if (known == byName_.end() || !known->second.left) return false;
        const struct stat& file = *known->second.left;
        return file.st_dev == standing.st_dev && file.st_ino == standing.st_ino &&
               file.st_size == standing.st_size && file.st_mtim.tv_sec == standing.st_mtim.tv_sec &&
               file.st_mtim.tv_nsec == standing.st_mtim.tv_nsec &&
               standing.st_nlink == 1 + known->second.links.size();
    }
    // After a rewrite, landed or not: what `target` names, `file`, where it is known.
    void Wrote(const std::string& target, const std::optional<struct stat>& file,
               const std::optional<detail::FileState>& state) {
        const std::lock_guard guard(mutex_);
        Known& known = byName_[target];
        known.left = file && file->st_ino != 0 ? file : std::nullopt;
        known.links.clear();
        if (known.step && state) known.step->left = state;
        Tidy(target);
    }
    void Linked(const std::string& target, const std::string& kept) {
        const std::lock_guard guard(mutex_);
        if (const auto known = byName_.find(target); known != byName_.end() && known->second.left)
            known->second.links.push_back(kept);
    }
    void Unlinked(const std::string& target, const std::string& kept) {
        const std::lock_guard guard(mutex_);
        if (const auto known = byName_.find(target); known != byName_.end())
            std::erase(known->second.links, kept);
    }
    void Keep(const std::string& target, StepFile file) {
        const std::lock_guard guard(mutex_);
        byName_[target].step = std::move(file);
    }
    std::optional<StepFile> StepOf(const std::string& target) {
        const std::lock_guard guard(mutex_);
        const auto known = byName_.find(target);
        return known == byName_.end() ? std::nullopt : known->second.step;
    }
    // The step is done with what it kept: its record goes. A kept name of another run (seen to at a
    // start) leaves this program's own steps be. With `forget`, nothing is known any more of the
    // file the kept name stands beside: its next rewrite looks beside it.
    void Drop(const std::string& kept, bool forget) {
        const std::string record = detail::RecordName(kept);
        ::unlink(record.c_str());
        const std::string target = KeptFor(kept);
        const std::lock_guard guard(mutex_);
        const auto known = byName_.find(target);
        if (known == byName_.end()) return;
        if (known->second.step && known->second.step->record == record) known->second.step.reset();
        if (forget) {
            known->second.left.reset();
            known->second.links.clear();
        }
        Tidy(target);
    }
    void NameLasting(LastingName name) {
        const std::lock_guard guard(mutex_);
        lasting_ = std::move(name);
    }
    LastingName Lasting() {
        const std::lock_guard guard(mutex_);
        return lasting_;
    }
    void KeptByRewrite(StepCutShort kept) {
        const std::lock_guard guard(mutex_);
        keptByRewrites_.push_back(std::move(kept));
    }
    std::vector<StepCutShort> TakeKeptByRewrites() {
        const std::lock_guard guard(mutex_);
        return std::exchange(keptByRewrites_, {});
    }

private:
    void Tidy(const std::string& target) {
        const auto known = byName_.find(target);
        if (known != byName_.end() && !known->second.left && !known->second.step) byName_.erase(known);
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Known> byName_;
    LastingName lasting_;
    std::vector<StepCutShort> keptByRewrites_;
};

KnownFiles& knownFiles() {
    static KnownFiles known;
    return known;
}

void NoteLink(const std::string& target, const std::string& kept) {
    knownFiles().Linked(target, kept);
}
void ForgetLink(const std::string& kept) {
    knownFiles().Unlinked(KeptFor(kept), kept);
}

// Writes a record holding no state yet beside a kept name or mark, which the step's first write
// replaces: a start that then finds no record, or one it cannot read, knows that it was lost.
bool RecordNothingYet(const std::string& keptOrMark) {
    const std::string record = detail::RecordName(keptOrMark);
    const int fd = Create(record);
    if (fd < 0) return FailedWith(errno);
    const std::string text = detail::RecordText({});
    bool ok = WriteAll(fd, text.data(), text.size());
    if (::close(fd) != 0 && ok) ok = FailedWith(errno);
    if (!ok) ::unlink(record.c_str());
    return ok;
}

// Replaces the record `record` whole with `states`; false, with the error noted, when it cannot.
bool WriteRecord(const std::string& record, const std::vector<detail::FileState>& states, Sync sync) {
    std::string temporary;
    const int fd = CreateTemporary(record, temporary, nullptr);
    if (fd < 0) return false;
    const std::string text = detail::RecordText(states);
    bool ok = WriteAll(fd, text.data(), text.size());
    if (ok && sync == Sync::ToDisk && ::fsync(fd) != 0) ok = FailedWith(errno);
    if (::close(fd) != 0 && ok) ok = FailedWith(errno);
    if (ok && Rename(temporary, record) != 0) ok = FailedWith(errno);
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

} // namespace

namespace detail {

bool LeftAsItWas(const std::string& target, const struct stat& standing) {
    return knownFiles().AsLeft(target, standing);
}

bool StepKeeps(const std::string& target) {
    return knownFiles().StepOf(target).has_value();
}

void NoteRewrite(const std::string& target, const struct stat& written, const std::optional<FileState>& state,
                 bool landed, bool settled) {
    knownFiles().Wrote(target, landed && settled ? std::optional(written) : std::nullopt,
                       landed ? state : std::nullopt);
}

// Before a rewrite of a file a step keeps lands: the record then holds both the file as the step's
// last write left it and the file this write leaves, so that wherever the program is killed, the
// file is found in a state the record holds.
bool RecordStepWrite(const std::string& target, const FileState& written, Sync sync) {
    const std::optional<StepFile> step = knownFiles().StepOf(target);
    if (!step) return true;
    std::vector<detail::FileState> states;
    if (step->left) states.push_back(*step->left);
    states.push_back(written);
    return WriteRecord(step->record, states, sync);
}

// Before `target` is written whole with what `written` holds: the new contents are later work, which
// no start may put back over or remove as half a step. The mark by which a step of a run that ended
// made the file goes, and so does what such a step kept of it where that holds the file's bytes, as
// it stands or as it is to be; anything else it kept is kept for good and told. False when a step of
// another run still going keeps the file too, so that the next rewrite looks again.
bool SettleBeside(const std::string& target, const std::string& written) {
    const std::string dir = FolderOf(target);
    const std::string name = target.substr(dir.size());
    Judges judges(dir);
    bool settled = true;
    std::vector<std::string> records;
    for (const std::string& beside : FindFiles(target + ".~*-*.*")) {
        const std::optional<detail::RunName> run = detail::ReadRunName(beside);
        if (!run || run->kind == detail::RunName::Kind::Temporary || run->fileEnd != name.size() ||
            !beside.starts_with(name) || judges.Mine(run->number))
            continue;
        const detail::Run state = judges.Of(run->number);
        if (state == detail::Run::Going) settled = false;
        if (state != detail::Run::Ended) continue;
        const std::string path = dir + beside;
        if (run->kind == detail::RunName::Kind::Record)
            records.push_back(path);
        else if (run->kind == detail::RunName::Kind::Made || SameBytes(path, target) ||
                 SameBytes(path, written))
            static_cast<void>(Unlink(path));
        else
            knownFiles().KeptByRewrite({target, KeepForGood(path, knownFiles().Lasting()), true});
    }
    // Each record goes with what it was kept for.
    for (const std::string& record : records)
        static_cast<void>(Unlink(record));
    return settled;
}

} // namespace detail

namespace {

// The states a step of an ended run may have left a file in, from its record: none before the
// step's first write, when the file as it was kept is the kept file itself, which the file is where
// it holds the same bytes. Nothing where the record is missing or cannot be read.
std::optional<std::vector<detail::FileState>> LeftStates(const std::string& keptOrMark) {
    std::string text;
    if (!ReadTextFile(detail::RecordName(keptOrMark), text)) return std::nullopt;
    return detail::ReadRecord(text);
}

// True when `target` holds exactly what the step left in it: the same size and digest. Its bytes
// are read only where a size agrees.
bool AsTheStepLeftIt(const std::string& target, const std::vector<detail::FileState>& states) {
    struct stat standing {};
    if (::lstat(target.c_str(), &standing) != 0) return false;
    std::optional<std::string> digest;
    for (const detail::FileState& state : states) {
        if (state.size != standing.st_size) continue;
        if (state.identity) {
            if (*state.identity == detail::IdentityOf(standing)) return true;
            continue;
        }
        if (!digest) digest = detail::DigestOfFile(target);
        if (digest == state.digest) return true;
    }
    return false;
}

// What a start does with what a step of an ended run kept of a file, or with its mark of a file it
// made.
enum class Settling {
    Drop,       // nothing to undo: the file is what was kept, or was made by no one or by later work
    PutBack,    // the file is as the step left it, half done: what was kept goes back in its place
    RemoveMade, // the step made the file and left it half done: it goes
    KeepLater,  // the file was written since, by another copy of the program or by this one: it is
                // later work, and stays; what was kept stays beside it under a lasting name
    KeepUnread, // the step's record is missing or cannot be read: nothing tells what the file holds,
                // which stays; what was kept stays beside it under a lasting name
};

Settling Decide(bool made, const std::string& kept, const std::string& target) {
    const std::optional<std::vector<detail::FileState>> states = LeftStates(kept);
    const bool asLeft = states && AsTheStepLeftIt(target, *states);
    if (made) return asLeft ? Settling::RemoveMade : Settling::Drop;
    if (SameBytes(kept, target)) return Settling::Drop;
    if (!states) return Settling::KeepUnread;
    return asLeft ? Settling::PutBack : Settling::KeepLater;
}

// Does what was decided; what the user is to be told of it, if anything.
std::optional<StepCutShort> Settle(Settling settling, const std::string& kept, const std::string& target,
                                   const LastingName& lasting) {
    BeginWrite();
    StepCutShort cut{target, {}};
    switch (settling) {
    case Settling::Drop:
        DropKept(kept);
        return std::nullopt;
    case Settling::RemoveMade:
        if (Unlink(target) == 0 || errno == ENOENT) {
            DropKept(kept);
            return cut;
        }
        // Where nothing can be written all stays for a start that can; else the file stays unfinished.
        FailedWith(errno);
        cut.notWritable = LastWriteFault() == WriteFault::NotWritable;
        return cut.notWritable ? std::optional(cut) : std::nullopt;
    case Settling::PutBack:
        if (PutBackKept(kept, target)) return cut;
        // Nothing can be settled where nothing can be written: all stays for a start that can, or for
        // the next whole write of the file, which is later work.
        cut.notWritable = LastWriteFault() == WriteFault::NotWritable;
        if (!cut.notWritable) cut.keptAs = KeepForGood(kept, lasting);
        return cut;
    case Settling::KeepLater:
    case Settling::KeepUnread:
        cut.keptAs = KeepForGood(kept, lasting);
        cut.laterWork = settling == Settling::KeepLater;
        cut.recordLost = settling == Settling::KeepUnread;
        return cut;
    }
    return std::nullopt;
}

// A file kept for a step: its record, holding nothing yet, stands beside it, or it is not kept.
std::string Kept(const std::string& target, const std::string& kept) {
    if (!RecordNothingYet(kept)) {
        ::unlink(kept.c_str());
        ForgetLink(kept);
        return {};
    }
    knownFiles().Keep(target, {detail::RecordName(kept), std::nullopt});
    return kept;
}

} // namespace

int RemoveStaleTemporaries(const std::string& folder) {
    const std::string dir = FolderPrefix(folder);
    Judges judges(dir);
    int removed = 0;
    for (const std::string& name : FindFiles(dir + "*.~*-*")) {
        const std::optional<unsigned> number = TemporaryNumber(name);
        if (number && judges.Of(*number) != detail::Run::Going && ::unlink((dir + name).c_str()) == 0)
            ++removed;
    }
    // Every lock of a run that ended goes, once no file carries its number: one whose files a start
    // is still to see to stays until they are seen to.
    std::set<unsigned> carried;
    std::vector<unsigned> locked;
    for (const std::string& name : FindFiles(dir + "*~*"))
        if (const std::optional<detail::RunName> run = detail::ReadRunName(name))
            (run->kind == detail::RunName::Kind::Lock ? locked.push_back(run->number)
                                                      : static_cast<void>(carried.insert(run->number)));
    for (const unsigned number : locked) {
        if (carried.contains(number)) continue;
        // Judged one at a time, so that however many there are, they never hold more than a lock.
        const bool ended = judges.Judged(number)
                               ? judges.Of(number) == detail::Run::Ended
                               : detail::RunJudge(dir, number).State() == detail::Run::Ended;
        if (ended) detail::RetireRun(dir, number);
    }
    return removed;
}

std::vector<StepCutShort> UndoStepsOfEndedRuns(const std::string& folder, const LastingName& lasting) {
    const std::string dir = FolderPrefix(folder);
    Judges judges(dir);
    std::vector<StepCutShort> back;
    std::set<unsigned> unsettled;
    std::vector<std::string> records;
    for (const std::string& name : FindFiles(dir + "*.~*-*.*")) {
        const std::optional<detail::RunName> run = detail::ReadRunName(name);
        if (!run || run->kind == detail::RunName::Kind::Lock ||
            run->kind == detail::RunName::Kind::Temporary || judges.Of(run->number) != detail::Run::Ended)
            continue;
        if (run->kind == detail::RunName::Kind::Record) {
            records.push_back(dir + name);
            continue;
        }
        const bool made = run->kind == detail::RunName::Kind::Made;
        const std::string kept = dir + name;
        const std::string target = dir + name.substr(0, run->fileEnd);
        const std::optional<StepCutShort> cut = Settle(Decide(made, kept, target), kept, target, lasting);
        if (!cut) continue;
        if (cut->notWritable) unsettled.insert(run->number);
        if (back.empty() || back.back().path != target) back.push_back(*cut);
    }
    // A record whose kept file or mark went, with a start killed between the two, goes too.
    for (const std::string& record : records) {
        const std::string stem = record.substr(0, record.size() - kRecordMark.size());
        if (!FileExists(stem + std::string(kKeptMark)) && !FileExists(stem + std::string(kMadeMark)))
            ::unlink(record.c_str());
    }
    // What such a run left and could not go back stays as it is: no later start puts it back over
    // what has been written since.
    for (const unsigned number : judges.Ended())
        if (!unsettled.contains(number)) detail::RetireRun(dir, number);
    return back;
}

std::string MarkFileMade(const std::string& path) {
    BeginWrite();
    const std::string target = NativePath(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName(target);
        if (temporary.empty()) break;
        const std::string mark = temporary + std::string(kMadeMark);
        const int fd = Create(mark);
        if (fd >= 0) {
            ::close(fd);
            if (!RecordNothingYet(mark)) {
                ::unlink(mark.c_str());
                return {};
            }
            knownFiles().Keep(target, {detail::RecordName(mark), std::nullopt});
            return mark;
        }
        if (errno != EEXIST) break;
    }
    FailedWith(errno);
    return {};
}

void DropKept(const std::string& kept) {
    if (Unlink(kept) == 0 || errno == ENOENT)
        ForgetLink(kept);
    else
        Retire(kept);
    knownFiles().Drop(kept, false);
}

std::string KeepFileAsItIs(const std::string& path) {
    BeginWrite();
    const std::string target = NativePath(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName(target);
        if (temporary.empty()) {
            FailedWith(errno);
            return {};
        }
        const std::string kept = temporary + std::string(kKeptMark);
        if (Link(target, kept) == 0) {
            NoteLink(target, kept);
            return Kept(target, kept);
        }
        if (errno != EEXIST) break;
    }
    // No link on this file system (or none to be had): a copy keeps the file as well, given room. It
    // takes the kept name only once whole, so that a crash while it is made leaves a temporary,
    // which goes, and never half a file that a start would put back.
    struct stat copied {};
    const std::string copy = CopyBeside(target, copied);
    if (copy.empty()) return {};
    const std::string kept = copy + std::string(kKeptMark);
    if (Rename(copy, kept) == 0) return Kept(target, kept);
    FailedWith(errno);
    ::unlink(copy.c_str()); // else a start after a crash removes it
    return {};
}

std::string KeepForGood(const std::string& kept, const LastingName& name) {
    knownFiles().Drop(kept, true);
    const size_t mark = kept.rfind(".~");
    if (mark == std::string::npos) return kept;
    const std::string target = kept.substr(0, mark);
    for (int n = 1; n < 1000; ++n) {
        const std::string lasting =
            name ? name(target, n) : target + std::string(kLastingMark) + std::to_string(n);
        if (lasting.empty()) break;
        if (Link(kept, lasting) == 0) {
            // A kept name that stayed as well would only be put back over the file at a later start.
            ::unlink(kept.c_str());
            return lasting;
        }
        if (errno == EEXIST) continue;
        // No link on this file system: a rename gives the name, where no file kept before has it.
        struct stat info {};
        if (::lstat(lasting.c_str(), &info) == 0) continue;
        if (Rename(kept, lasting) == 0) return lasting;
        break;
    }
    // The box names the kept name, which is then no step's: no start puts it back over later work.
    Retire(kept);
    return kept;
}

bool PutBackKept(const std::string& kept, const std::string& path) {
    BeginWrite();
    const std::string target = NativePath(path);
    // The kept name may hold the only copy of the file as it was: it stays until that is back, or
    // until the file is seen to hold it still (no write of the step landed), when it is no use.
    if (Rename(kept, target) != 0) {
        const int error = errno;
        if (!SameBytes(kept, target)) return FailedWith(error);
        DropKept(kept);
        knownFiles().Drop(kept, true);
        return true;
    }
    // Two names of one file (no rewrite replaced it): the rename leaves both, and the kept one goes here.
    ::unlink(kept.c_str());
    knownFiles().Drop(kept, true);
    return true;
}

void NameKeptByRewrites(LastingName name) {
    knownFiles().NameLasting(std::move(name));
}

std::vector<StepCutShort> TakeKeptByRewrites() {
    return knownFiles().TakeKeptByRewrites();
}

} // namespace pl
