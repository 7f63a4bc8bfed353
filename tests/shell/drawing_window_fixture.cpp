#include "tests/shell/drawing_window_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/frame_window.h"
#include "platform/test_script.h"
#include "render/window_setup.h"
#include "tests/shell/program_frame.h"

void DrawingWindowTest::SetUp() {
    StartProgramFrame(app, client, dir);
    DrawingState = 0;
}

void DrawingWindowTest::TearDown() {
    ObjectList.Flush();
    ResetGlobals();
}

TChild* DrawingWindowTest::Open(const char* title) {
    child = new TChild(*client, title);
    EXPECT_TRUE(child->Create());
    QCoreApplication::processEvents();
    return child;
}

void DrawingWindowTest::WriteDrawing(std::vector<std::unique_ptr<TObject>> objects) {
    ObjectList.Flush();
    for (auto& o : objects)
        ObjectList.Add(std::move(o));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
}

void DrawingWindowTest::Repaint() {
    child->Invalidate(true);
    child->UpdateWindow();
}

int32_t DrawingWindowTest::Cx() const {
    return SheetWidth * ZoomDivisor / 2;
}

int32_t DrawingWindowTest::Cy() const {
    return SheetHeight * ZoomDivisor / 2;
}

TPoint DrawingWindowTest::PixelOf(int32_t x, int32_t y) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TDC dc(scratch);
    const TRect rect = child->GetClientRect();
    render::SetUpDrawingWindow(dc, rect);
    POINT p{x / ZoomDivisor, y / ZoomDivisor};
    dc.LPtoDP(&p, 1);
    return TPoint(p.x, p.y);
}

bool DrawingWindowTest::InkNear(const TPoint& pixel, int r) const {
    const QImage& image = Image();
    const QRgb background = 0xFFFFFFFFu; // the shipped background colour
    for (int y = pixel.y - r; y <= pixel.y + r; ++y)
        for (int x = pixel.x - r; x <= pixel.x + r; ++x)
            if (image.valid(x, y) && image.pixel(x, y) != background) return true;
    return false;
}

int DrawingWindowTest::InkCount() const {
    const QImage& image = Image();
    const TRect rect = child->GetClientRect();
    int count = 0;
    for (int y = 0; y < rect.bottom; ++y)
        for (int x = 0; x < rect.right; ++x)
            if (image.pixel(x, y) != 0xFFFFFFFFu) ++count;
    return count;
}

namespace make {

namespace {
void Common(TObject& o, int32_t view, int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    o.view = view;
    o.kind = kind;
    o.penWidth = 1;
    o.penStyle = 0;
    o.x1 = x1;
    o.y1 = y1;
    o.x2 = x2;
    o.y2 = y2;
    o.colour = 0;
}
} // namespace

std::unique_ptr<TLineobj> Line(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TLineobj>();
    Common(*o, view, kLine, x1, y1, x2, y2);
    return o;
}

std::unique_ptr<TExtwallobj> ExtWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TExtwallobj>();
    Common(*o, view, kExtWall, x1, y1, x2, y2);
    o->thickness1 = 100;
    o->state = 1;
    return o;
}

std::unique_ptr<TArrowobj> AutoArrow(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TArrowobj>();
    Common(*o, view, kAutoArrow, x1, y1, x2, y2);
    return o;
}

std::unique_ptr<TTextobj> Text(int32_t view, int32_t x, int32_t y) {
    auto o = std::make_unique<TTextobj>();
    Common(*o, view, kText, x, y, x, y);
    o->SetText("HALL");
    o->SetFontName("Arial");
    o->height = 100;
    o->style = 1;
    return o;
}

} // namespace make
