#include "platform/detail/run_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/file_io.h"

namespace pl::detail {

namespace {

std::string LockName(const std::string& dir, unsigned number) {
    return dir + "~" + std::to_string(number) + ".lock";
}

// The number `digits` spells, where it has one to nine digits and nothing else.
std::optional<unsigned> Digits(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    unsigned number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True while `descriptor` is the file that `path` names.
bool StillNamed(int descriptor, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && SameFile(opened, named);
}

// A lock this program holds in a folder.
struct Held {
    struct stat folder;
    std::string path;
    unsigned number;
    int descriptor;
};

// The program's locks. A child made by fork inherits them but is a program of its own: it takes its
// own numbers, and leaves the parent's lock files be when it ends.
class Locks {
public:
    ~Locks() {
        if (owner_ != ::getpid()) return;
        for (const Held& held : held_) {
            ::unlink(held.path.c_str());
            ::close(held.descriptor);
        }
    }
    std::vector<Held>& Mine() {
        if (owner_ != ::getpid()) {
            for (const Held& held : held_)
                ::close(held.descriptor); // the lock stays the parent's, which holds it too
            held_.clear();
            owner_ = ::getpid();
        }
        return held_;
    }
    std::mutex mutex;

private:
    pid_t owner_ = ::getpid();
    std::vector<Held> held_;
};

Locks& locks() {
    static Locks all;
    return all;
}

bool FolderInfo(const std::string& dir, struct stat& info) {
    return ::stat(dir.empty() ? "." : dir.c_str(), &info) == 0;
}

// Drops the locks whose file is gone or replaced (a folder removed, or the number retired).
void DropLost(std::vector<Held>& held) {
    std::erase_if(held, [](const Held& h) {
        if (StillNamed(h.descriptor, h.path)) return false;
        ::close(h.descriptor);
        return true;
    });
}

// The numbers some file in `dir` already carries, as a lock file or in its name.
std::set<unsigned> NumbersTaken(const std::string& dir) {
    std::set<unsigned> taken;
    for (const std::string& name : FindFiles(dir + "*~*"))
        if (const std::optional<RunName> run = ReadRunName(name)) taken.insert(run->number);
    return taken;
}

} // namespace

std::optional<RunName> ReadRunName(std::string_view name) {
    constexpr std::string_view kLock = ".lock";
    if (name.starts_with('~') && name.ends_with(kLock)) {
        const std::optional<unsigned> number = Digits(name.substr(1, name.size() - 1 - kLock.size()));
        if (!number) return std::nullopt;
        return RunName{RunName::Kind::Lock, *number, 0};
    }
    RunName::Kind kind = RunName::Kind::Temporary;
    for (const auto& [mark, marked] : {std::pair{std::string_view(".kept"), RunName::Kind::Kept},
                                       std::pair{std::string_view(".made"), RunName::Kind::Made},
                                       std::pair{std::string_view(".left"), RunName::Kind::Record}})
        if (name.ends_with(mark)) {
            kind = marked;
            name.remove_suffix(mark.size());
            break;
        }
    const size_t mark = name.rfind(".~");
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    const size_t dash = name.find('-', mark + 2);
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<unsigned> number = Digits(name.substr(mark + 2, dash - mark - 2));
    if (!number || !Digits(name.substr(dash + 1))) return std::nullopt;
    return RunName{kind, *number, mark};
}

unsigned RunNumber(const std::string& dir) {
    struct stat folder {};
    if (!FolderInfo(dir, folder)) return 0;
    const std::lock_guard guard(locks().mutex);
    std::vector<Held>& held = locks().Mine();
    for (const Held& h : held)
        if (SameFile(h.folder, folder) && StillNamed(h.descriptor, h.path)) return h.number;
    DropLost(held);
    const std::set<unsigned> taken = NumbersTaken(dir);
    // The locks of runs that ended go at a start, however many they are, and until then a run takes
    // the first number past theirs. Numbers have at most nine digits, as names are read back: only a
    // folder where every one of them is carried has none to give, and the run then writes nothing
    // there, told as a full disk.
    constexpr unsigned kNumbers = 999'999'999;
    for (unsigned number = 1; number <= kNumbers; ++number) {
        if (taken.contains(number)) continue;
        const std::string path = LockName(dir, number);
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST) continue;
            return 0;
        }
        // A start judging the number may have taken the fresh file's lock first, and removes it. Where
        // the file system locks nothing the number is held by its file alone.
        if ((::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) ||
            !StillNamed(descriptor, path)) {
            ::close(descriptor);
            continue;
        }
        held.push_back({folder, path, number, descriptor});
        return number;
    }
    errno = ENOSPC;
    return 0;
}

RunJudge::RunJudge(const std::string& dir, unsigned number) {
    struct stat folder {};
    if (!FolderInfo(dir, folder)) return;
    {
        // This program's own lock is never opened a second time: where locks are kept per process
        // (some network shares), closing that descriptor would let it go.
        const std::lock_guard guard(locks().mutex);
        for (const Held& h : locks().Mine())
            if (h.number == number && SameFile(h.folder, folder)) {
                mine_ = true;
                return;
            }
    }
    const std::string path = LockName(dir, number);
    for (int attempt = 0; attempt < 10; ++attempt) {
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor_ < 0) {
            if (errno == ENOENT) state_ = Run::Unlocked;
            return;
        }
        // Where the file system cannot lock, nothing tells whether the program still runs.
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) return;
        if (StillNamed(descriptor_, path)) {
            state_ = Run::Ended;
            return;
        }
        // Another start removed the lock file meanwhile, and a program may have taken the number anew.
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

RunJudge::~RunJudge() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

void RetireRun(const std::string& dir, unsigned number) {
    const std::string path = LockName(dir, number);
    ::unlink(path.c_str());
    const std::lock_guard guard(locks().mutex);
    DropLost(locks().Mine());
}

} // namespace pl::detail
