#include "platform/detail/step_record.h"

#include <algorithm>
#include <charconv>

namespace pl::detail {

namespace {

// A record holds a few states at most; a longer text is not one.
constexpr size_t kMostStates = 4;

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
    std::string text;
    for (const FileState& s : states)
        text += std::to_string(s.size) + ' ' + std::to_string(s.digest) + '\n';
    return text;
}

std::optional<std::vector<FileState>> ReadRecord(std::string_view text) {
    std::vector<FileState> states;
    while (!text.empty()) {
        FileState s;
        if (states.size() == kMostStates) return std::nullopt;
        // "<size> <digest>", or in an older record "<device> <inode> <size> <seconds> <nanoseconds>".
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (std::count(line.begin(), line.end(), ' ') == 1) {
            if (!Take(text, s.size, ' ') || !Take(text, s.digest, '\n')) return std::nullopt;
        } else {
            FileState::Identity& id = s.identity.emplace();
            if (!Take(text, id.device, ' ') || !Take(text, id.inode, ' ') || !Take(text, s.size, ' ') ||
                !Take(text, id.seconds, ' ') || !Take(text, id.nanoseconds, '\n'))
                return std::nullopt;
        }
        states.push_back(s);
    }
    return states;
}

} // namespace pl::detail
