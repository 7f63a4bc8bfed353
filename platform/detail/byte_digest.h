// A digest of a file's bytes, taken as they are written or read back: two files of one size whose
// digests agree hold the same bytes, but for a chance far below any disk's error rate. It is a
// check against files changed by accident, never against someone who means to forge one.
#pragma once

#include <optional>
#include <QCryptographicHash>
#include <string>
#include <string_view>

namespace pl::detail {

class ByteDigest {
public:
    ByteDigest() : hash_(QCryptographicHash::Blake2b_160) {}
    // Takes the next bytes; the digest is the same however the bytes are cut into calls.
    void Add(std::string_view bytes) { hash_.addData(QByteArrayView(bytes.data(), qsizetype(bytes.size()))); }
    // The digest in lower-case hexadecimal digits.
    std::string Value() const { return hash_.result().toHex().toStdString(); }

private:
    QCryptographicHash hash_;
};

// The digest of the file at `path`, read whole; nothing when it cannot be read.
std::optional<std::string> DigestOfFile(const std::string& path);

} // namespace pl::detail
