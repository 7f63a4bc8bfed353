#include "document/drawing_name.h"

namespace {

constexpr size_t kLongestName = 24;

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ',' || c == ' ';
}

} // namespace

std::optional<std::string> DrawingNameFrom(std::string_view typed) {
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view name = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    if (name.size() > kLongestName) return std::nullopt;
    for (const char c : name)
        if (!IsNameCharacter(c)) return std::nullopt;
    return std::string(name);
}

std::string KeptDrawingName(std::string_view name, int n) {
    const std::string suffix = " before " + std::to_string(n);
    if (suffix.size() >= kLongestName) return {};
    const std::string_view kept = name.substr(0, kLongestName - suffix.size());
    // A name cut before a blank would end in one, which the name rule takes off again.
    return std::string(kept.substr(0, kept.find_last_not_of(' ') + 1)) + suffix;
}

bool IsSafeInFolder(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos && name.find("..") == std::string_view::npos;
}
