// A 24-bit device-independent bitmap, the memory device context that draws into it (mapping
// MM_TEXT, y down, every primitive of a device context) and the writer of its .BMP file.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

#include "platform/dc.h"

// The pixels of a bitmap of width x height (each at least 1; smaller requests give an invalid
// bitmap that draws nothing and does not save). Starts white.
class TDib {
public:
    TDib(int32_t width, int32_t height);

    bool IsValid() const { return !image_.isNull(); }
    int32_t Width() const { return image_.width(); }
    int32_t Height() const { return image_.height(); }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // Writes the bitmap as a 24-bit bottom-up .BMP; false when it could not be written.
    [[nodiscard]] bool SaveBmp24(const std::string& path) const;

private:
    QImage image_;
};

// A memory device context over a bitmap. Reports the screen's resolution, as a context compatible
// with the screen does.
class TMemoryDC : public TDC {
public:
    explicit TMemoryDC(TDib& dib);
};

// Writes any image as a 24-bit bottom-up .BMP: file header ("BM", file size, 0, 0, offset 54),
// 40-byte info header (width, positive height, 1 plane, 24 bits, BI_RGB, image size, 2835 pixels per
// metre both ways, 0, 0), then rows of blue, green, red padded to 4 bytes. Written beside the target
// and renamed over it, so a failed write leaves an old file intact. False on any failure.
[[nodiscard]] bool SaveBmp24(const QImage& image, const std::string& path);
