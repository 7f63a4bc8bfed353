// Files for the program's text formats: read whole into memory, written through a buffer, and
// rewritten by replacing the old file only once the new one is complete.
#include "platform/file_io.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
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
#include "platform/scan_format.h"

namespace pl {

using namespace detail;

namespace {

// The error the system gave the layer's last write, keep or rename that failed.
thread_local int lastWriteError = 0;

} // namespace

class File {
public:
    enum class Kind { Read, Rewrite, Append };

    Kind kind = Kind::Read;
    std::string text;  // the whole file, for reading
    TextReader reader; // over `text`
    TextWriter writer; // pending output
    int descriptor = -1;
    std::string target; // the file a rewrite replaces
    std::string temporary;
    bool failed = false;
    Sync sync = Sync::None;
    // The rewrite's own file, as written whole: what it will be under the target's name.
    struct stat written {};
    // The target may have been written, or kept for a step, by another program since this one last
    // wrote it: what a step of an ended run kept of it is settled before it is replaced.
    bool lookBeside = false;
    // The digest of what was written, taken as it goes, where a step keeps the target.
    std::optional<ByteDigest> digest;

    // Writes the pending output; sets `failed` on any error.
    void Flush() {
        const std::string& pending = writer.Text();
        if (digest) digest->Add(pending);
        if (!failed) failed = !WriteAll(descriptor, pending.data(), pending.size());
        writer.Clear();
    }
    void FlushWhenLarge() {
        constexpr size_t kFlushSize = 1 << 16;
        if (writer.Text().size() >= kFlushSize) Flush();
    }
};

namespace {

bool ReadWhole(const std::string& nativePath, std::string& text) {
    int fd = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    text.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    bool ok = true;
    bool returns = false; // a carriage return was read
    for (;;) {
        // The file may have grown since its size was taken. Most have not: look before making room,
        // so a whole read does not clear half its size again for nothing.
        if (done == text.size()) {
            char probe[4096];
            const ssize_t n = ::read(fd, probe, sizeof probe);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            text.resize(done + static_cast<size_t>(n) + 4096 + done / 2);
            std::memcpy(text.data() + done, probe, static_cast<size_t>(n));
            returns = returns || std::memchr(probe, '\r', static_cast<size_t>(n));
            done += static_cast<size_t>(n);
            continue;
        }
        // In pieces, each looked at for carriage returns while it is still in the cache.
        constexpr size_t kPiece = size_t{1} << 17;
        ssize_t n = ::read(fd, text.data() + done, std::min(text.size() - done, kPiece));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        returns = returns || std::memchr(text.data() + done, '\r', static_cast<size_t>(n));
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    text.resize(done);
    // Text mode: "\r\n" reads as "\n".
    if (ok && returns) {
        size_t out = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
            text[out++] = text[i];
        }
        text.resize(out);
    }
    return ok;
}

std::function<int(FileCall, const std::string&, const std::string&)> fileCallAnswer;

// What a step keeping the rewrite's target records of the rewrite: its size and digest. A step
// begun while the file was open has the digest read back from what was written.
std::optional<FileState> StepState(const File& file) {
    if (!StepKeeps(file.target)) return std::nullopt;
    const std::optional<std::string> digest =
        file.digest ? file.digest->Value() : DigestOfFile(file.temporary);
    // One that cannot be read matches no state: no start puts anything back over it.
    return FileState{static_cast<int64_t>(file.written.st_size), digest.value_or("-"), std::nullopt};
}

// Makes a rename in the folder of `path` lasting.
bool SyncFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

namespace detail {

// A write, keep or rename begins: what an earlier one met is no reason of its own.
void BeginWrite() {
    lastWriteError = 0;
}

// Notes `error` as why a write failed; false, for the failing call to return.
bool FailedWith(int error) {
    lastWriteError = error;
    return false;
}

// Writes all `size` bytes, however many calls it takes; false on any error.
bool WriteAll(int descriptor, const char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(descriptor, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return FailedWith(n < 0 ? errno : EIO);
        done += static_cast<size_t>(n);
    }
    return true;
}

// The error a test has the call refuse with, which errno then holds; 0 when the call is to go to
// the file system.
int Refused(FileCall call, const std::string& from, const std::string& to) {
    const int error = fileCallAnswer ? fileCallAnswer(call, from, to) : 0;
    if (error != 0) errno = error;
    return error;
}
int Link(const std::string& from, const std::string& to) {
    return Refused(FileCall::Link, from, to) != 0 ? -1 : ::link(from.c_str(), to.c_str());
}
int Rename(const std::string& from, const std::string& to) {
    return Refused(FileCall::Rename, from, to) != 0 ? -1 : ::rename(from.c_str(), to.c_str());
}
// Creates `path`, which must not stand yet, for writing.
int Create(const std::string& path) {
    return Refused(FileCall::Create, path, path) != 0
               ? -1
               : ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int Unlink(const std::string& path) {
    return Refused(FileCall::Remove, path, path) != 0 ? -1 : ::unlink(path.c_str());
}

// The folder of `path` as a prefix of the names in it; empty for the current folder.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name beside `target` that a crash may leave behind: "<name>.~<number>-<counter>", the number
// being this program's in the folder (detail/run_lock.h). Empty, with errno saying why, where the
// program can hold no number there.
std::string TemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const unsigned number = detail::RunNumber(FolderOf(target));
    if (number == 0) return {};
    return target + ".~" + std::to_string(number) + "-" + std::to_string(counter++);
}

// Creates a fresh file beside `target` for the new contents, with the permissions of `standing`,
// the file it is to replace, where there is one.
int CreateTemporary(const std::string& target, std::string& temporary, const struct stat* standing) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target);
        if (temporary.empty()) break;
        int fd = Create(temporary);
        if (fd >= 0) {
            // A replaced file keeps its permissions.
            if (standing && S_ISREG(standing->st_mode)) ::fchmod(fd, standing->st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST) break;
    }
    FailedWith(errno);
    return -1;
}

} // namespace detail

std::string NameBeside(const std::string& path) {
    return TemporaryName(NativePath(path));
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    BeginWrite();
    return Rename(NativePath(from), NativePath(to)) == 0 || FailedWith(errno);
}

WriteFault LastWriteFault() {
    switch (lastWriteError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteFault::NotWritable;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return WriteFault::DiskFull;
    case EIO:
        return WriteFault::InputOutput;
    default:
        return WriteFault::Other;
    }
}

void OnFileCall(std::function<int(FileCall call, const std::string& from, const std::string& to)> answer) {
    fileCallAnswer = std::move(answer);
}

std::string NativePath(std::string_view path) {
    std::string native(path);
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

File* fopen(const std::string& path, const char* mode) {
    if (!mode || !*mode) return nullptr;
    if (mode[0] != 'r') BeginWrite();
    std::string native = NativePath(path);
    auto file = new File();
    if (mode[0] == 'r') {
        file->kind = File::Kind::Read;
        if (!ReadWhole(native, file->text)) {
            delete file;
            return nullptr;
        }
        file->reader = TextReader(file->text);
        return file;
    }
    if (mode[0] == 'a') {
        file->kind = File::Kind::Append;
        file->target = native;
        file->descriptor = ::open(native.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
        if (file->descriptor < 0) FailedWith(errno);
    } else if (mode[0] == 'w') {
        file->kind = File::Kind::Rewrite;
        file->target = native;
        struct stat info {};
        const bool stands = ::stat(native.c_str(), &info) == 0;
        // A directory in the way cannot be replaced; say so now rather than at the close.
        if (stands && S_ISDIR(info.st_mode)) {
            FailedWith(EISDIR);
            delete file;
            return nullptr;
        }
        file->descriptor = CreateTemporary(native, file->temporary, stands ? &info : nullptr);
        file->lookBeside = !stands || !LeftAsItWas(native, info);
        if (StepKeeps(native)) file->digest.emplace();
    }
    if (file->descriptor < 0) {
        delete file;
        return nullptr;
    }
    return file;
}

int fclose(File* file) {
    if (!file) return EOF;
    bool ok = true;
    if (file->descriptor >= 0) {
        file->Flush();
        ok = !file->failed;
        if (ok && file->sync == Sync::ToDisk && ::fsync(file->descriptor) != 0) ok = FailedWith(errno);
        // Its number alone could be the one of a file gone since, given to another's new file.
        if (file->kind == File::Kind::Rewrite && ::fstat(file->descriptor, &file->written) != 0)
            file->written = {};
        if (::close(file->descriptor) != 0) ok = FailedWith(errno);
        if (file->kind == File::Kind::Rewrite) {
            const bool settled = !ok || !file->lookBeside || SettleBeside(file->target, file->temporary);
            const std::optional<FileState> state = ok ? StepState(*file) : std::nullopt;
            if (state) ok = RecordStepWrite(file->target, *state, file->sync);
            if (ok && Rename(file->temporary, file->target) != 0) ok = FailedWith(errno);
            if (!ok) ::unlink(file->temporary.c_str());
            NoteRewrite(file->target, file->written, state, ok, settled);
            if (ok && file->sync == Sync::ToDisk) ok = SyncFolderOf(file->target) || FailedWith(errno);
        }
    }
    delete file;
    return ok ? 0 : EOF;
}

void fdiscard(File* file) {
    if (!file) return;
    if (file->descriptor >= 0) {
        ::close(file->descriptor);
        if (file->kind == File::Kind::Rewrite) ::unlink(file->temporary.c_str());
    }
    delete file;
}

int vfprintf(File* file, const char* format, va_list args) {
    if (!file || file->kind == File::Kind::Read) return -1;
    int n = vprint(file->writer, format, args);
    file->FlushWhenLarge();
    return file->failed ? -1 : n;
}

int fprintf(File* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vfprintf(file, format, args);
    va_end(args);
    return n;
}

int vscan(TextReader& reader, const char* format, va_list args) {
    scan::Target targets[scan::kMaxTargets];
    int count = scan::CollectTargets(format, args, targets);
    return scan::ScanTargets(reader, format, targets, count);
}

int vfscanf(File* file, const char* format, va_list args) {
    if (!file || file->kind != File::Kind::Read) return EOF;
    return vscan(file->reader, format, args);
}

int fscanf(File* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vfscanf(file, format, args);
    va_end(args);
    return n;
}

int sscanf(std::string_view text, const char* format, ...) {
    TextReader reader(text);
    va_list args;
    va_start(args, format);
    int n = vscan(reader, format, args);
    va_end(args);
    return n;
}

bool feof(File* file) {
    return !file || (file->kind == File::Kind::Read && file->reader.AtEnd());
}

TextReader& Reader(File* file) {
    return file->reader;
}

TextWriter& Writer(File* file) {
    return file->writer;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    return ReadWhole(NativePath(path), text);
}

bool WriteTextFile(const std::string& path, std::string_view text, Sync sync) {
    File* file = fopen(path, "w");
    if (!file) return false;
    file->sync = sync;
    file->writer.Put(text);
    return fclose(file) == 0;
}

} // namespace pl
