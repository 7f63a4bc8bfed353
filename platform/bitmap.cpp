#include "platform/bitmap.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

TDib::TDib(int32_t width, int32_t height) {
    if (width < 1 || height < 1) return;
    image_ = QImage(width, height, QImage::Format_RGB32);
    if (!image_.isNull()) image_.fill(Qt::white);
}

bool TDib::SaveBmp24(const std::string& path) const {
    return ::SaveBmp24(image_, path);
}

TMemoryDC::TMemoryDC(TDib& dib) : TDC() {
    if (dib.IsValid())
        Attach(&dib.Image());
    else
        Attach(static_cast<QPaintDevice*>(nullptr));
}

namespace {

void PutU16(QByteArray& out, uint32_t value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void PutU32(QByteArray& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

bool SaveBmp24(const QImage& image, const std::string& path) {
    if (image.isNull() || path.empty()) return false;
    const QImage pixels = (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    const uint32_t width = uint32_t(pixels.width());
    const uint32_t height = uint32_t(pixels.height());
    const uint64_t rowSize = (uint64_t(width) * 3 + 3) & ~uint64_t(3);
    const uint64_t imageSize = rowSize * height;
    if (imageSize + 54 > 0xFFFFFFFFull) return false; // the header cannot describe it

    QByteArray data;
    data.reserve(qsizetype(imageSize + 54));
    data.append("BM", 2);
    PutU32(data, uint32_t(imageSize + 54));
    PutU16(data, 0);
    PutU16(data, 0);
    PutU32(data, 54);
    PutU32(data, 40);
    PutU32(data, width);
    PutU32(data, height); // positive: rows run bottom-up
    PutU16(data, 1);
    PutU16(data, 24);
    PutU32(data, 0); // BI_RGB
    PutU32(data, uint32_t(imageSize));
    PutU32(data, 2835);
    PutU32(data, 2835);
    PutU32(data, 0);
    PutU32(data, 0);
    QByteArray row(qsizetype(rowSize), '\0');
    for (int32_t y = int32_t(height) - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (uint32_t x = 0; x < width; ++x) {
            row[qsizetype(3 * x)] = char(qBlue(line[x]));
            row[qsizetype(3 * x + 1)] = char(qGreen(line[x]));
            row[qsizetype(3 * x + 2)] = char(qRed(line[x]));
        }
        data.append(row);
    }

    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
