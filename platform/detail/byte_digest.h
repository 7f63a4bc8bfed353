// A digest of a file's bytes, taken as they are written or read back: two files of one size whose
// digests agree hold the same bytes, but for a chance far below any disk's error rate. It is a
// check against files changed by accident, never against someone who means to forge one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pl::detail {

class ByteDigest {
public:
    // Takes the next bytes; the digest is the same however the bytes are cut into calls.
    void Add(std::string_view bytes);
    uint64_t Value() const;

private:
    void Mix(const unsigned char* block);

    // Four lanes, so that the multiplications of a block do not wait on one another.
    uint64_t lanes_[4] = {0x243F6A8885A308D3u, 0x13198A2E03707344u, 0xA4093822299F31D0u, 0x082EFA98EC4E6C89u};
    unsigned char tail_[32] = {};
    size_t tailSize_ = 0;
    uint64_t total_ = 0;
};

// The digest of the file at `path`, read whole; nothing when it cannot be read.
std::optional<uint64_t> DigestOfFile(const std::string& path);

} // namespace pl::detail
