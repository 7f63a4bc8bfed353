// Small helpers for pixel tests of the device context: backgrounds, counts and ink bounds.
#pragma once

#include <cstdint>
#include <QImage>
#include <QRect>

namespace pixelprobe {

inline QImage White(int w = 200, int h = 200) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A fixed pseudo-random background, so exclusive-or is checked against every bit pattern.
inline QImage Noise(int w = 200, int h = 200) {
    QImage image(w, h, QImage::Format_RGB32);
    uint32_t state = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    return image;
}

inline int CountDifferent(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

inline bool Inked(const QImage& image, int x, int y) {
    return image.pixel(x, y) != 0xFFFFFFFFu;
}

inline int CountInked(const QImage& image) {
    return CountDifferent(image, White(image.width(), image.height()));
}

// Bounding box of every pixel that is not white.
inline QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Inked(image, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The row holding the most ink: how many of its pixels are inked and in how many runs.
struct RowInk {
    int ink = 0;
    int runs = 0;
};

inline RowInk FullestRow(const QImage& image) {
    RowInk best;
    for (int y = 0; y < image.height(); ++y) {
        RowInk row;
        for (int x = 0; x < image.width(); ++x) {
            if (!Inked(image, x, y)) continue;
            ++row.ink;
            row.runs += x == 0 || !Inked(image, x - 1, y);
        }
        if (row.ink > best.ink) best = row;
    }
    return best;
}

} // namespace pixelprobe
