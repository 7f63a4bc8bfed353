#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/printer_dc.h"

namespace {

// Longest run of dark pixels along a row or column of a greyscale page.
int DarkRun(const QImage& page, int fixed, bool alongRow) {
    int best = 0, run = 0;
    const int n = alongRow ? page.width() : page.height();
    for (int i = 0; i < n; ++i) {
        const int grey = qGray(alongRow ? page.pixel(i, fixed) : page.pixel(fixed, i));
        run = grey < 128 ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST(PrinterDC, PrintsAtPhysicalSizeWithVisibleThinLines) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    {
        TPrinterDC dc(printer);
        const int32_t dpi = dc.GetDeviceCaps(LOGPIXELSX);
        EXPECT_EQ(dpi, printer.resolution());
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), printer.width());
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        EXPECT_GT(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(HORZRES));
        // A 100 x 50 mm box, one millimetre in from the printable corner, with the thinnest pen.
        dc.SetMapMode(MM_LOMETRIC);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(10, -10, 1010, -510);
    }
    ASSERT_TRUE(QFile::exists(pdf));
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm not available";
    const QString stem = dir.filePath("page");
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "300", "-gray", "-singlefile", pdf, stem}), 0);
    QImage page(stem + ".pgm");
    ASSERT_FALSE(page.isNull());
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    // 300 dpi: 100 mm = 1181 pixels, 50 mm = 591; the box starts 11 mm from the paper's corner
    // (less the rounding of the margin to whole points).
    EXPECT_NEAR(ink.width(), 1181, 6);
    EXPECT_NEAR(ink.height(), 591, 6);
    EXPECT_NEAR(ink.left(), 11 / 25.4 * 300, 4);
    EXPECT_NEAR(ink.top(), 11 / 25.4 * 300, 4);
    EXPECT_GE(DarkRun(page, ink.top() + 1, true), 1170) << "the top side is one unbroken line";
    // The sides are at least 0.25 mm (about 3 pixels) thick, not hairlines.
    const int thickness = DarkRun(page, ink.center().y(), true);
    EXPECT_GE(thickness, 2);
    EXPECT_LE(thickness, 5);
    EXPECT_GE(DarkRun(page, ink.center().x(), false), 2);
}

} // namespace
