// Files, formatted text I/O and small runtime services in the form the program's code calls them.
//
// Everything here is plain C++ (no Qt), so code built on it can be compiled with sanitizers.
//
// Formatted I/O rules, kept the same everywhere:
//  - `%d`, `%i` and `%ld` all mean a 32-bit signed integer: `int32_t*` when scanning, an `int32_t`
//    (promoted to int) when printing. libc's 64-bit `long` is never involved.
//  - `%f` scans into `float*`, `%lf` into `double*`; both print with six decimals unless a
//    precision is given. Numbers are always in the C locale ('.' as decimal point).
//  - `%c` reads exactly one byte (or the field width), blanks and line ends included.
//  - `%s` skips white space and reads up to the next white space; give a width (`%20s`) when the
//    buffer is short. `%*d` etc. read without storing. `%n` stores the bytes consumed (int32_t*).
//  - A blank (or any white space) in a scan format skips any amount of white space; any other
//    character must match literally (so "/n" matches the two characters '/' and 'n').
//  - Files are read as text: "\r\n" reads as "\n". Files are written with "\n".
//  - Scans return the number of fields stored, or EOF when the input ended before the first one.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pl {

// Reads text held in memory, token by token. Used under `fscanf`, and directly by hot readers.
// The reader does not own the text; "\r\n" must already be folded to "\n" (File does this).
class TextReader {
public:
    TextReader() = default;
    explicit TextReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The next byte as an unsigned char value, or EOF.
    int Peek() const { return AtEnd() ? EOF : static_cast<unsigned char>(text_[pos_]); }
    int Get() { return AtEnd() ? EOF : static_cast<unsigned char>(text_[pos_++]); }
    void SkipSpace();
    size_t Position() const { return pos_; }
    std::string_view Rest() const { return text_.substr(pos_ < text_.size() ? pos_ : text_.size()); }

    // Skip white space, then read an optionally signed decimal integer. Values beyond the 32-bit
    // range saturate. On failure nothing is stored (white space may have been consumed).
    bool ReadInt32(int32_t& value);
    // Skip white space, then read a decimal floating-point number ("-1.5", "2e3", ".5").
    bool ReadDouble(double& value);
    bool ReadFloat(float& value);
    // Read one byte, white space included.
    bool ReadChar(char& c);
    // Read up to the next '\n' (which is consumed, not stored). False only at end of text.
    bool ReadLine(std::string& line);
    // Consume `c` if it is the next byte.
    bool Match(char c);

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Collects text for a file or a string without per-call allocation once the buffer has grown.
class TextWriter {
public:
    void Put(int32_t value);
    void Put(char c) { text_.push_back(c); }
    void Put(std::string_view text) { text_.append(text); }
    void Put(const char* text) { text_.append(text); }
    // Fixed notation with `decimals` decimals, C locale.
    void PutFixed(double value, int decimals = 6);
    const std::string& Text() const { return text_; }
    std::string& Buffer() { return text_; }
    void Clear() { text_.clear(); }

private:
    std::string text_;
};

// The stand-in for the runtime's FILE. Opened with pl::fopen, ended with pl::fclose.
class File;

// Modes "r", "w", "a", "a+t", "w+t" ('t' ignored, 'b' ignored). '\\' in the path becomes '/';
// the case of the name is kept. "w" and "w+" write to a temporary file beside the target that
// replaces it only when fclose succeeds. "a" appends in place. Returns nullptr on failure.
File* fopen(const std::string& path, const char* mode);
// Ends the file. For a rewrite: flushes, and renames the temporary over the target. Returns 0 on
// success, EOF on any failure (write error, full disk, failed rename); the old file is then
// untouched and the temporary removed. Null is accepted and reports EOF. A rewrite is later work
// than any step of a program that ended before it: the mark by which such a step made the target
// goes before the target is replaced, and so does what it kept of the target where that holds the
// target's bytes, as it stands or as rewritten; else it is kept for good (TakeKeptByRewrites), so that
// no start puts it back over the new contents and nothing of it is lost. Only a rewrite that finds
// the target other than this program left it looks for them.
int fclose(File* file);
// Abandons a rewrite: the temporary is removed and the target left as it was.
void fdiscard(File* file);

int fprintf(File* file, const char* format, ...);
int vfprintf(File* file, const char* format, va_list args);
int fscanf(File* file, const char* format, ...);
int vfscanf(File* file, const char* format, va_list args);
int sscanf(std::string_view text, const char* format, ...);
// Scans with the reader, advancing it. The core every scan above goes through.
int vscan(TextReader& reader, const char* format, va_list args);
// Prints into the writer. Returns the number of bytes added.
int vprint(TextWriter& writer, const char* format, va_list args);

// True once a read met the end of the file.
bool feof(File* file);
// Fast access for hot readers and writers: the whole text of a file opened for reading, and the
// buffer of a file opened for writing (flushed as it grows and at fclose).
TextReader& Reader(File* file);
TextWriter& Writer(File* file);

// sprintf into a std::string, with the same rules ("%ld" takes int32_t), C locale.
std::string Format(const char* format, ...);
std::string VFormat(const char* format, va_list args);

// Whole-file helpers (text as stored; Read folds "\r\n"). WriteTextFile replaces atomically; with
// `Sync::ToDisk` the new text reaches the disk before the rename and the rename before the return
// (file, then folder), so a power cut leaves the old file or the new one, never an empty one.
enum class Sync { None, ToDisk };
bool ReadTextFile(const std::string& path, std::string& text);
[[nodiscard]] bool WriteTextFile(const std::string& path, std::string_view text, Sync sync = Sync::None);

// The temporaries and kept files below are named "<name>.~<number>-<counter>", by a number the
// program holds in the folder for its life under a lock the system lets go when the program ends:
// a later start judges by that lock whether the program still runs, never by a process number.

// Removes what a rewrite killed part-way left beside its target in `folder`: files named
// "<name>.~<number>-<counter>" whose program is no longer running. Returns how many went. The lock
// of every program that ended goes too, once no file there carries its number.
int RemoveStaleTemporaries(const std::string& folder);

// Why the layer's last write, keep or rename failed, from the error the system gave: the folder or
// file cannot be written (EACCES, EPERM, EROFS), the disk is full (ENOSPC, EDQUOT, or a file-size
// limit), the disk failed to take the bytes (EIO), or something else. Each write, keep or rename starts
// without a reason, so one that went through, or failed for a reason of its own, never reports an earlier
// one's.
enum class WriteFault { Other, NotWritable, DiskFull, InputOutput };
WriteFault LastWriteFault();

// A second name beside the file for the file as it stands, so that it can be put back after a
// rewrite has replaced it: a hard link, which needs no room on the disk, or where the file system
// makes none (FAT sticks, some network shares) a copy, which needs room as large as the file. Empty
// when the file is missing or neither can be made. The name, "<name>.~<number>-<counter>.kept",
// tells a later start which file it was kept for and which program kept it. Until the kept name is
// dropped, each rewrite of the file records beside it, before it lands, what it leaves
// (detail/step_record.h); a record that cannot be written fails the rewrite.
std::string KeepFileAsItIs(const std::string& path);
// For a file that does not stand yet: an empty mark beside it, "<name>.~<number>-<counter>.made", by
// which a later start removes the file should the program end before the step making it does, as
// that step left it (recorded as for a kept file). Empty when no mark can be made.
std::string MarkFileMade(const std::string& path);
// Drops a kept name (or a mark) once its step has ended. One that stays all the same is no step's
// any more: no start puts it back.
void DropKept(const std::string& kept);
// Puts the kept file back under `path` and drops the kept name; false when it could not go back,
// and the kept name then stays, holding the file as it was.
[[nodiscard]] bool PutBackKept(const std::string& kept, const std::string& path);
// What a start did with a file a step cut short had written.
struct StepCutShort {
    std::string path;   // the file: back as before the step, or gone where the step made it
    std::string keptAs; // when it could not go back: the name that holds it as it was
    // When it was written since the step (by another copy of the program, or by this one): it stays
    // as written, and `keptAs` holds it as it was before the step.
    bool laterWork = false;
    // When nothing could be done, the folder being one that cannot be written: all stays as it was.
    bool notWritable = false;
    // When the step's record of what it wrote is missing or cannot be read: the file stays as it
    // is, and `keptAs` holds it as it was before the step.
    bool recordLost = false;
    bool operator==(const StepCutShort&) const = default;
};
// The `n`th name (from 1) a kept file that is to stay may take beside `path`, the file it was kept
// for; a name a file has already is passed over, and an empty one ends the search. Without one the
// layer's own, "<name>.before-step-<n>", which is no file the program reads as one of its own kind.
using LastingName = std::function<std::string(const std::string& path, int n)>;
// Undoes in `folder` what every step of a run that ended left half done: where the file holds
// exactly what such a step's last write left in it (the same size and bytes, as the step recorded
// them, whatever disk, folder or file the bytes are now on),
// what the step kept goes back in its place, or the file goes where the step made it; the run's
// number then retires. A file the step had not written yet is left without a word. A file written
// since, by any copy of the program, is later work and is never replaced: what was kept of it goes
// where it holds the same bytes, and is otherwise kept for good and told. What cannot go back is
// kept for good too (under `lasting`), and no later start puts it back over what is written since;
// where the folder cannot be written nothing changes, and a later whole write of the file settles
// what was kept of it. Where the step's record is missing or cannot be read, nothing tells what the
// file holds: it stays, and what was kept is kept for good and told (`recordLost`).
std::vector<StepCutShort> UndoStepsOfEndedRuns(const std::string& folder, const LastingName& lasting = {});
// Gives a kept file that is to stay a lasting name beside its file (`name`), which nothing of the
// layer removes, replaces or puts back. The name the file has then: the kept one when no other could
// be given, which is then no step's either, so that no start puts it back.
std::string KeepForGood(const std::string& kept, const LastingName& name = {});
// The rule by which rewrites name what they keep for good; without one, the layer's own.
void NameKeptByRewrites(LastingName name);
// What rewrites have kept for good since the last call (`laterWork` set), each given once, for the
// user to be told where it is.
std::vector<StepCutShort> TakeKeptByRewrites();

// A fresh name beside `path`, as a rewrite's temporary has, for a file that is to replace it once
// written whole.
std::string NameBeside(const std::string& path);
// Renames `from` over `to`; false when the file system refused.
[[nodiscard]] bool ReplaceFile(const std::string& from, const std::string& to);

// The links, renames, files made beside others and removals of the layer's own names, as a test
// may have a file system refuse them (a folder that cannot be written, a file system without links).
enum class FileCall { Link, Rename, Create, Remove };
// While set, asked before every such call the layer makes, with the call and its two names (the
// same name twice for Create and Remove):
// it answers the error the call is to fail with, or 0 to let it go through. An empty function
// clears it.
void OnFileCall(std::function<int(FileCall call, const std::string& from, const std::string& to)> answer);

// Leading blanks, optional sign, digits; 0 when there are none; saturates at the 32-bit limits.
int32_t atol(const char* text);
int32_t atoi(const char* text);
// Writes `value` in `radix` (2..36, negative values signed only in radix 10) into `buffer`, which
// must hold 34 bytes. Returns `buffer`.
char* ltoa(int32_t value, char* buffer, int radix);

// Parts of a path; either separator is accepted. dir keeps its separators at both ends, ext its
// dot: "C:\\A\\B\\NAME.DB0" gives "C:", "\\A\\B\\", "NAME", ".DB0".
struct PathParts {
    std::string drive;
    std::string dir;
    std::string name;
    std::string ext;
};
PathParts fnsplit(std::string_view path);

// '\\' to '/', as fopen does.
std::string NativePath(std::string_view path);
bool FileExists(const std::string& path);
// Removes a file; a missing file is no error. False only when the file exists and stays.
bool RemoveFile(const std::string& path);
// The plain names of the regular files matching a pattern such as ProgramDirectory + "LIBS\\*.PLM"
// ('*' and '?' in the last component, matched without regard to case), sorted bytewise.
std::vector<std::string> FindFiles(const std::string& pattern);
// The runtime's search along the path, kept only for the help probe: the help viewer is built in,
// so every probe is answered "found" with the name itself.
std::string searchpath(std::string_view file);

// a * b / c in 64 bits, rounded to nearest (halves away from zero); -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
// Byte comparison: negative, 0 or positive.
int lstrcmpA(const char* a, const char* b);

} // namespace pl
