// What the layer's rewrites of files and its keeping of files for steps share: the system calls a
// test may have refused, the names written beside a file, and the note of why a write failed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <sys/stat.h>

#include "platform/detail/step_record.h"
#include "platform/file_io.h"

namespace pl::detail {

// A write, keep or rename begins: what an earlier one met is no reason of its own.
void BeginWrite();
// Notes `error` as why a write failed; false, for the failing call to return.
bool FailedWith(int error);
// Writes all `size` bytes, however many calls it takes; false on any error.
bool WriteAll(int descriptor, const char* data, size_t size);

// The calls on the layer's own names, each refused first where a test says so (OnFileCall), with
// errno then holding the error.
int Link(const std::string& from, const std::string& to);
int Rename(const std::string& from, const std::string& to);
// Creates `path`, which must not stand yet, for writing.
int Create(const std::string& path);
int Unlink(const std::string& path);

// The folder of `path` as a prefix of the names in it; empty for the current folder.
std::string FolderOf(const std::string& path);
// A name beside `target` that a crash may leave behind: "<name>.~<number>-<counter>", the number
// being this program's in the folder (detail/run_lock.h). Empty, with errno saying why, where the
// program can hold no number there.
std::string TemporaryName(const std::string& target);
// Creates a fresh file beside `target` for the new contents, with the permissions of `standing`,
// the file it is to replace, where there is one.
int CreateTemporary(const std::string& target, std::string& temporary, const struct stat* standing);

// What a rewrite asks of the files kept for steps (kept_files.cpp).
// True when `standing`, what `target` names now, is the file this program left there.
bool LeftAsItWas(const std::string& target, const struct stat& standing);
// Before a rewrite of a file a step keeps lands: the record then holds both the file as the step's
// last write left it and the file this write leaves. False, with the error noted, when it cannot.
bool RecordStepWrite(const std::string& target, const FileState& written, Sync sync);
// True while a step of this program keeps `target`: its rewrites are then recorded.
bool StepKeeps(const std::string& target);
// Before `target` is written whole with what `written` holds: what a step of a run that ended kept of
// it goes where it holds the bytes of either, and is otherwise kept for good (TakeKeptByRewrites). False
// when a step of another run still going keeps the file too, so that the next rewrite looks again.
bool SettleBeside(const std::string& target, const std::string& written);
// After a rewrite of `target`, landed or not: what this program now knows of the file there.
// `state` is what the step keeping the file recorded of the rewrite.
void NoteRewrite(const std::string& target, const struct stat& written, const std::optional<FileState>& state,
                 bool landed, bool settled);

} // namespace pl::detail
