#include "platform/detail/step_record.h"

#include <algorithm>
#include <charconv>

namespace pl::detail {

namespace {

// A record holds a few states at most; a longer text is not one.
constexpr size_t kMostStates = 4;
// The record of a step that has written nothing yet.
constexpr std::string_view kNoState = "none\n";
// The digest a state line names before its value (byte_digest.h).
constexpr std::string_view kDigestKind = "blake2b160";

// Reads a number and the character after it, which must be `end`.
template <typename Number> bool Take(std::string_view& text, Number& value, char end) {
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || rest == text.data() + text.size() || *rest != end) return false;
    text.remove_prefix(static_cast<size_t>(rest - text.data()) + 1);
    return true;
}

} // namespace

FileState::Identity IdentityOf(const struct stat& info) {
    return {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
            static_cast<int64_t>(info.st_mtim.tv_sec), static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

std::string RecordName(const std::string& keptOrMark) {
    const size_t dot = keptOrMark.rfind('.');
    return (dot == std::string::npos ? keptOrMark : keptOrMark.substr(0, dot)) + ".left";
}

std::string RecordText(const std::vector<FileState>& states) {
    if (states.empty()) return std::string(kNoState);
    std::string text;
    for (const FileState& s : states)
        text += std::to_string(s.size) + ' ' + std::string(kDigestKind) + ' ' + s.digest + '\n';
    return text;
}

std::optional<std::vector<FileState>> ReadRecord(std::string_view text) {
    if (text == kNoState) return std::vector<FileState>{};
    // An emptied record tells nothing.
    if (text.empty()) return std::nullopt;
    std::vector<FileState> states;
    while (!text.empty()) {
        FileState s;
        if (states.size() == kMostStates) return std::nullopt;
        // "<size> blake2b160 <digest>", or in an older record "<device> <inode> <size> <seconds>
        // <nanoseconds>". A record of "<size> <digest>" lines holds digests of a kind no longer taken: it
        // cannot be checked.
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(0, end);
        const auto blanks = std::count(line.begin(), line.end(), ' ');
        if (blanks == 2) {
            // Taken off the line's first two fields, the rest of it is the digest.
            const size_t kind = line.find(' ') + 1;
            const size_t digest = line.find(' ', kind) + 1;
            if (line.substr(kind, digest - 1 - kind) != kDigestKind || digest == line.size() ||
                !Take(text, s.size, ' '))
                return std::nullopt;
            s.digest = std::string(line.substr(digest));
            text.remove_prefix(end + 1 - kind);
        } else if (blanks == 4) {
            FileState::Identity& id = s.identity.emplace();
            if (!Take(text, id.device, ' ') || !Take(text, id.inode, ' ') || !Take(text, s.size, ' ') ||
                !Take(text, id.seconds, ' ') || !Take(text, id.nanoseconds, '\n'))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        states.push_back(s);
    }
    return states;
}

} // namespace pl::detail
