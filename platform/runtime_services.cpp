// Conversions, path and directory services, and the small arithmetic helpers the program calls by
// their runtime names.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <dirent.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"

namespace pl {

int32_t atol(const char* text) {
    if (!text) return 0;
    TextReader reader{std::string_view(text)};
    // Only blanks and tabs lead a number here; a sign must be followed at once by a digit.
    while (reader.Peek() == ' ' || reader.Peek() == '\t')
        reader.Get();
    if (reader.Peek() == '\n' || reader.Peek() == '\r') return 0;
    int32_t value = 0;
    return reader.ReadInt32(value) ? value : 0;
}

int32_t atoi(const char* text) {
    return atol(text);
}

char* ltoa(int32_t value, char* buffer, int radix) {
    if (radix < 2 || radix > 36) radix = 10;
    const bool negative = radix == 10 && value < 0;
    // Other radixes show the bit pattern, as the runtime does.
    uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[34];
    int n = 0;
    do {
        uint32_t d = magnitude % static_cast<uint32_t>(radix);
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        magnitude /= static_cast<uint32_t>(radix);
    } while (magnitude);
    char* out = buffer;
    if (negative) *out++ = '-';
    while (n)
        *out++ = digits[--n];
    *out = 0;
    return buffer;
}

PathParts fnsplit(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) {
        parts.dir = std::string(path.substr(0, slash + 1));
        path.remove_prefix(slash + 1);
    }
    size_t dot = path.find_last_of('.');
    if (dot != std::string_view::npos) {
        parts.ext = std::string(path.substr(dot));
        path = path.substr(0, dot);
    }
    parts.name = std::string(path);
    return parts;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool RemoveFile(const std::string& path) {
    std::string native = NativePath(path);
    if (::unlink(native.c_str()) == 0 || errno == ENOENT) return true;
    struct stat info {};
    return ::lstat(native.c_str(), &info) != 0 && errno == ENOENT;
}

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// '*' any run, '?' any one character, letters without regard to case.
bool Matches(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p, ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

std::vector<std::string> FindFiles(const std::string& pattern) {
    std::string native = NativePath(pattern);
    size_t slash = native.find_last_of('/');
    std::string directory = slash == std::string::npos ? std::string(".") : native.substr(0, slash + 1);
    std::string namePattern = slash == std::string::npos ? native : native.substr(slash + 1);
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (name == "." || name == ".." || !Matches(namePattern, name)) continue;
        struct stat info {};
        std::string full = directory + (directory.back() == '/' ? "" : "/") + std::string(name);
        if (::stat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string searchpath(std::string_view file) {
    return std::string(file);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    int64_t product = int64_t{a} * b;
    int64_t quotient = product / c;
    int64_t remainder = product % c;
    // Round halves away from zero.
    if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -int64_t{c} : c)) {
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    }
    if (quotient > std::numeric_limits<int32_t>::max() || quotient < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(quotient);
}

int lstrcmpA(const char* a, const char* b) {
    int result = std::strcmp(a ? a : "", b ? b : "");
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

} // namespace pl
