#include "platform/detail/byte_digest.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pl::detail {

std::optional<std::string> DigestOfFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    ByteDigest digest;
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        digest.Add(std::string_view(buffer, static_cast<size_t>(n)));
    }
    ::close(fd);
    return ok ? std::optional(digest.Value()) : std::nullopt;
}

} // namespace pl::detail
