#include <gtest/gtest.h>

#include <cstdint>
#include <QFile>
#include <QTemporaryDir>

#include "platform/bitmap.h"

namespace {

uint32_t U32(const QByteArray& d, int at) {
    return uint32_t(uint8_t(d[at])) | uint32_t(uint8_t(d[at + 1])) << 8 | uint32_t(uint8_t(d[at + 2])) << 16 |
           uint32_t(uint8_t(d[at + 3])) << 24;
}
uint32_t U16(const QByteArray& d, int at) {
    return uint32_t(uint8_t(d[at])) | uint32_t(uint8_t(d[at + 1])) << 8;
}

TEST(Bitmap, WritesHeadersAndPaddedBottomUpRows) {
    QTemporaryDir dir;
    TDib dib(13, 7);
    ASSERT_TRUE(dib.IsValid());
    {
        TMemoryDC dc(dib);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
        dc.FillRect(0, 0, 13, 7, TBrush(RGB(10, 20, 30)));
        dc.SetPixel(0, 0, RGB(255, 0, 0)); // top-left
    }
    const std::string path = dir.filePath("PLAN.BMP").toStdString();
    ASSERT_TRUE(dib.SaveBmp24(path));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray d = file.readAll();
    const int row = 40; // 13 * 3 = 39, padded to 40
    ASSERT_EQ(d.size(), 54 + row * 7);
    EXPECT_EQ(d[0], 'B');
    EXPECT_EQ(d[1], 'M');
    EXPECT_EQ(U32(d, 2), uint32_t(d.size()));
    EXPECT_EQ(U32(d, 6), 0u);
    EXPECT_EQ(U32(d, 10), 54u);
    EXPECT_EQ(U32(d, 14), 40u);
    EXPECT_EQ(U32(d, 18), 13u);
    EXPECT_EQ(U32(d, 22), 7u);
    EXPECT_EQ(U16(d, 26), 1u);
    EXPECT_EQ(U16(d, 28), 24u);
    EXPECT_EQ(U32(d, 30), 0u);
    EXPECT_EQ(U32(d, 34), uint32_t(row * 7));
    EXPECT_EQ(U32(d, 38), 2835u);
    EXPECT_EQ(U32(d, 42), 2835u);
    EXPECT_EQ(U32(d, 46), 0u);
    EXPECT_EQ(U32(d, 50), 0u);
    for (int y = 0; y < 7; ++y) {
        const int start = 54 + y * row;
        EXPECT_EQ(d[start + 39], '\0') << "padding of row " << y;
        for (int x = 0; x < 13; ++x) {
            const bool red = y == 6 && x == 0; // the top row is stored last
            EXPECT_EQ(uint8_t(d[start + 3 * x]), red ? 0 : 30);
            EXPECT_EQ(uint8_t(d[start + 3 * x + 1]), red ? 0 : 20);
            EXPECT_EQ(uint8_t(d[start + 3 * x + 2]), red ? 255 : 10);
        }
    }
}

TEST(Bitmap, ReportsFailures) {
    TDib empty(0, 5);
    EXPECT_FALSE(empty.IsValid());
    EXPECT_FALSE(empty.SaveBmp24("/tmp/never.bmp"));
    {
        TMemoryDC dc(empty); // draws nothing, never crashes
        EXPECT_FALSE(dc.LineTo(3, 3));
    }
    TDib dib(4, 4);
    EXPECT_FALSE(dib.SaveBmp24("/nonexistent-folder/x.bmp"));
}

TEST(Bitmap, FailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("OLD.BMP").toStdString();
    TDib dib(3, 3);
    ASSERT_TRUE(dib.SaveBmp24(path));
    EXPECT_FALSE(SaveBmp24(QImage(), path));
    QFile file(QString::fromStdString(path));
    EXPECT_EQ(file.size(), 54 + 12 * 3);
}

} // namespace
