#include "platform/detail/byte_digest.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pl::detail {

namespace {

constexpr uint64_t kOdd1 = 0x9E3779B185EBCA87u;
constexpr uint64_t kOdd2 = 0xC2B2AE3D27D4EB4Fu;

uint64_t Word(const unsigned char* bytes) {
    uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Every bit of the value comes to depend on every bit of `h`.
uint64_t Spread(uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDu;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53u;
    return h ^ (h >> 33);
}

} // namespace

void ByteDigest::Mix(const unsigned char* block) {
    for (int lane = 0; lane < 4; ++lane)
        lanes_[lane] = std::rotl(lanes_[lane] + Word(block + 8 * lane) * kOdd2, 31) * kOdd1;
}

void ByteDigest::Add(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t size = bytes.size();
    total_ += size;
    if (tailSize_ > 0) {
        const size_t take = std::min(size, sizeof tail_ - tailSize_);
        std::memcpy(tail_ + tailSize_, data, take);
        tailSize_ += take;
        data += take;
        size -= take;
        if (tailSize_ < sizeof tail_) return;
        Mix(tail_);
        tailSize_ = 0;
    }
    for (; size >= sizeof tail_; data += sizeof tail_, size -= sizeof tail_)
        Mix(data);
    std::memcpy(tail_, data, size);
    tailSize_ = size;
}

uint64_t ByteDigest::Value() const {
    uint64_t h = total_ * kOdd1;
    for (const uint64_t lane : lanes_)
        h = std::rotl(h ^ Spread(lane), 27) * kOdd2;
    for (size_t i = 0; i < tailSize_; ++i)
        h = std::rotl(h ^ (tail_[i] * kOdd1), 11) * kOdd2;
    return Spread(h);
}

std::optional<uint64_t> DigestOfFile(const std::string& path) {
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
