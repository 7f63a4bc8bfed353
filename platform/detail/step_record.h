// What a step wrote of a file, recorded beside the file it kept of it, so that a start after the
// program ended can tell the file as that step left it from a file written since by anyone.
//
// The record, "<name>.~<number>-<counter>.left" beside "<name>.~<number>-<counter>.kept" (or beside
// the mark ".made"), holds the states the step may have left the file in: the one its last write
// left, and the one the write under way leaves (before the step's first write, the file as it was
// kept is the kept file itself). It is made with the kept name, holding no state yet, and replaced
// whole before each write of the file lands, so a program killed at any moment leaves the file in
// one of the states it holds, unless another has written it since; a record that is missing or
// cannot be read tells nothing of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace pl::detail {

// A file as its bytes tell it apart: its size and a digest of its bytes (byte_digest.h). Neither
// changes when the disk is mounted again or the folder is copied or moved, as which file it is does.
struct FileState {
    int64_t size = 0;
    std::string digest; // hexadecimal; one that could not be taken matches no file
    // A record written before files were told apart by their bytes holds instead which file it was
    // and when it was last written; the digest is then unknown.
    struct Identity {
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t seconds = 0;
        int64_t nanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    std::optional<Identity> identity;
    bool operator==(const FileState&) const = default;
};
// The file's identity as such an older record holds it.
FileState::Identity IdentityOf(const struct stat& info);

// The record's name beside a kept name or a mark.
std::string RecordName(const std::string& keptOrMark);

// The record's text, and the states read back from one (none before the step's first write);
// nothing for a text that is not a whole record, or one whose digests this program cannot check (an
// earlier version's digest of its own making).
std::string RecordText(const std::vector<FileState>& states);
std::optional<std::vector<FileState>> ReadRecord(std::string_view text);

} // namespace pl::detail
