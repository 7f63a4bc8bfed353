#include "tests/shell/input_fixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "document/coordinate_mapping.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/detail/client_view.h"
#include "tests/shell/program_frame.h"
#include "tests/support/floor_records.h"
#include "tests/support/working_file_copy.h"
#include "tools/line_tool.h"

void InputTest::SetUp() {
    StartProgramFrame(app, client, dir);
}

void InputTest::TearDown() {
    ObjectList.Flush();
    ResetGlobals();
}

void InputTest::Open(std::vector<std::unique_ptr<TObject>> objects) {
    // The window settles the sheet size first; the file is written against that sheet, as every
    // later edit writes it.
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    DrawingState = 2;
    child = new TChild(*client, "HOUSE.PLN");
    ASSERT_TRUE(child->Create());
    QCoreApplication::processEvents();
    ObjectList.Flush();
    testsupport::AddStartingFloorRecords(ObjectList);
    for (auto& o : objects)
        ObjectList.Add(std::move(o));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    child->Invalidate(true);
    child->UpdateWindow();
    client->CmLine();
}

QWidget* InputTest::View() const {
    return child->View();
}

POINT InputTest::DrawingAt(const TPoint& pixel) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TDC dc(scratch);
    POINT p{};
    ClientToDrawing(nullptr, dc, child->GetClientRect(), pixel.x, pixel.y, &p.x, &p.y);
    return POINT{p.x * ZoomDivisor, p.y * ZoomDivisor};
}

TPoint InputTest::PixelOf(int32_t x, int32_t y) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TDC dc(scratch);
    POINT p{};
    DrawingToClient(nullptr, dc, child->GetClientRect(), x / ZoomDivisor, y / ZoomDivisor, &p.x, &p.y);
    return TPoint(p.x, p.y);
}

void InputTest::MoveTo(const TPoint& pixel) {
    // A move onto the point where an earlier test left the pointer would deliver no message.
    QTest::mouseMove(View(), QPoint(pixel.x + 1, pixel.y + 1));
    QTest::mouseMove(View(), QPoint(pixel.x, pixel.y));
    // The keys read the cursor through the layer: put it where the window itself maps the pixel, so
    // that what an earlier test left of the frame's layout cannot shift it.
    TPoint screen = pixel;
    child->ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
}

void InputTest::Key(int qtKey) {
    QTest::keyClick(View(), static_cast<Qt::Key>(qtKey));
}

void InputTest::Drag(const TPoint& from, const TPoint& to) {
    QWidget* view = View();
    QTest::mouseMove(view, QPoint(from.x, from.y));
    QTimer::singleShot(0, view, [view, to] {
        QTest::mouseMove(view, QPoint(to.x, to.y));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(to.x, to.y));
    });
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(from.x, from.y));
    QCoreApplication::processEvents();
}

int InputTest::PixelsOnScreen(QRgb colour) const {
    QCoreApplication::processEvents();
    const QImage shown = View()->grab().toImage();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += (shown.pixel(x, y) & 0xFFFFFF) == colour;
    return count;
}

int InputTest::GridPixelsOnScreen() const {
    return PixelsOnScreen(0xC0C0C0);
}

std::vector<std::unique_ptr<TObject>> InputTest::FileObjects() const {
    TList copy;
    EXPECT_EQ(testsupport::ReadWorkingFileInto(copy), FileResult::Ok);
    std::vector<std::unique_ptr<TObject>> objects;
    // The document is the file's owner here only for the read: take the objects over one by one.
    for (int32_t i = 0; i < copy.count; ++i) {
        const TObject* o = copy[i];
        auto line = std::make_unique<TObject>(*o);
        objects.push_back(std::move(line));
    }
    return objects;
}

namespace inputs {
std::unique_ptr<TLineobj> Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view) {
    return std::make_unique<TLineobj>(view, kLine, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0);
}
} // namespace inputs
