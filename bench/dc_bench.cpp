// The device context against raw QPainter: 10,000 short lines and 1,000 texts into a full-HD image;
// and the shape of a large glyph mask counted from bytes and from bits.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/dc.h"
#include "platform/font_face.h"
#include "platform/glyphs/glyph_ink.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Segment {
    int32_t x0, y0, x1, y1;
};

// Wall-like segments of about 40 pixels in every direction, the same on every run.
const std::vector<Segment>& Segments() {
    static const std::vector<Segment> segments = [] {
        std::vector<Segment> out;
        uint32_t state = 99;
        auto next = [&](int32_t n) {
            state = state * 1664525u + 1013904223u;
            return int32_t((state >> 8) % uint32_t(n));
        };
        for (int i = 0; i < 10000; ++i) {
            const int32_t x = 50 + next(kWidth - 100), y = 50 + next(kHeight - 100);
            out.push_back({x, y, x + next(81) - 40, y + next(81) - 40});
        }
        return out;
    }();
    return segments;
}

const char* const kLabels[] = {"Hall", "Kitchen 3.20 x 4.10", "Bed 2", "Bath", "Living room"};

void DrawThroughLayer(QImage& image) {
    TDC dc(image);
    dc.SelectObject(TPen(RGB(0, 0, 128)));
    for (const Segment& s : Segments()) {
        dc.MoveTo(s.x0, s.y0);
        dc.LineTo(s.x1, s.y1);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TFont("Arial", -16));
    for (int i = 0; i < 1000; ++i)
        dc.TextOut((i * 37) % (kWidth - 200), (i * 53) % (kHeight - 30), kLabels[i % 5]);
}

void DrawThroughQPainter(QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    for (const Segment& s : Segments())
        painter.drawLine(QPoint(s.x0, s.y0), QPoint(s.x1, s.y1));
    QFont font(ShippedFontFamily());
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < 1000; ++i)
        painter.drawText(QPoint((i * 37) % (kWidth - 200), (i * 53) % (kHeight - 30) + ascent),
                         QString::fromLatin1(kLabels[i % 5]));
}

void BM_LinesAndTextThroughLayer(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        DrawThroughLayer(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LinesAndTextThroughLayer)->Unit(benchmark::kMillisecond);

void BM_LinesAndTextThroughQPainter(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        DrawThroughQPainter(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LinesAndTextThroughQPainter)->Unit(benchmark::kMillisecond);

// The rubber band's case: the same lines in exclusive-or.
void BM_XorLinesThroughLayer(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        TDC dc(image);
        dc.SetROP2(R2_XORPEN);
        dc.SelectObject(TPen(RGB(255, 255, 255)));
        for (const Segment& s : Segments()) {
            dc.MoveTo(s.x0, s.y0);
            dc.LineTo(s.x1, s.y1);
        }
    }
}
BENCHMARK(BM_XorLinesThroughLayer)->Unit(benchmark::kMillisecond);

void BM_XorLinesThroughQPainter(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1));
        for (const Segment& s : Segments())
            painter.drawLine(QPoint(s.x0, s.y0), QPoint(s.x1, s.y1));
    }
}
BENCHMARK(BM_XorLinesThroughQPainter)->Unit(benchmark::kMillisecond);

// The pieces and holes of a 400 x 300 mask of about 15% ink in rings, 12 runs a row, as bytes (the
// general way) and as bits.
void BM_GlyphInkShape(benchmark::State& state) {
    QImage cover(400, 300, QImage::Format_Alpha8);
    cover.fill(0);
    QPainter painter(&cover);
    painter.setPen(QPen(Qt::black, 3));
    uint32_t seed = 7;
    const auto next = [&](int32_t n) {
        return int32_t(((seed = seed * 1664525u + 1013904223u) >> 8) % uint32_t(n));
    };
    for (int i = 0; i < 60; ++i)
        painter.drawEllipse(next(380), next(280), 10 + next(60), 10 + next(60));
    painter.end();
    const glyph_ink::Mask mask = glyph_ink::Inked(cover, 128);
    std::vector<uint64_t> bits(7 * 300, 0);
    for (int32_t at = 0; at < 400 * 300; ++at)
        bits[size_t(at / 400 * 7 + at % 400 / 64)] |= uint64_t{mask[size_t(at)]} << (at % 400 % 64);
    for (auto _ : state)
        benchmark::DoNotOptimize(state.range(0)
                                     ? glyph_ink::ShapeOf(glyph_ink::BitRows{bits.data(), 7, 400, 300})
                                     : glyph_ink::ShapeOf(mask, 400, 300));
}
BENCHMARK(BM_GlyphInkShape)->ArgName("bits")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
