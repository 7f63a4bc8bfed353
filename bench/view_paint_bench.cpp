// Painting one floor of a generated house of 10,000 objects (about 3,500 on the floor shown) at
// 1920 x 1080, against raw QPainter lines and texts of the same count in the same run.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <vector>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/font_face.h"

namespace {

constexpr int32_t kWidth = 1920, kHeight = 1080;
constexpr int32_t kZoom = 5;
constexpr int32_t kCell = 3000; // drawing units (mm) of one room cell
constexpr int32_t kCellsX = 20;
const COLORREF kInk = RGB(0, 0, 0);

struct RawScene {
    std::vector<QLine> lines;
    std::vector<std::pair<QPoint, QString>> texts;
};

// Device position of a drawing point, as the window mapping places it.
QPoint Device(int32_t x, int32_t y) {
    const double scale = static_cast<double>(kWidth) / ViewExtentX;
    return QPoint(static_cast<int>((x / kZoom - ScrollOriginX) * scale),
                  kHeight - static_cast<int>((y / kZoom - ScrollOriginY) * scale));
}

class HouseBuilder {
public:
    explicit HouseBuilder(RawScene* raw) : raw_(raw) {}

    // One floor of cellsY rows of kCellsX room cells, each with partitions, a room, a dimension with
    // its arrows and length, symbols, texts, lines and an arc; external walls around the whole.
    void Floor(int32_t view, int32_t cellsY) {
        const bool shown = view == kGroundFloor;
        for (int32_t cy = 0; cy < cellsY; ++cy)
            for (int32_t cx = 0; cx < kCellsX; ++cx)
                Cell(view, cx * kCell, cy * kCell, shown);
        const int32_t w = kCellsX * kCell, h = cellsY * kCell;
        for (int32_t k = 0; k < kCellsX; ++k) {
            ExtWall(view, k * kCell, h, (k + 1) * kCell, h, 900, shown);
            ExtWall(view, (k + 1) * kCell, 0, k * kCell, 0, 2700, shown);
        }
        for (int32_t k = 0; k < cellsY; ++k) {
            ExtWall(view, 0, k * kCell, 0, (k + 1) * kCell, 0, shown);
            ExtWall(view, w, (k + 1) * kCell, w, k * kCell, 1800, shown);
        }
    }

private:
    void Line(int32_t ax, int32_t ay, int32_t bx, int32_t by, bool shown) {
        if (shown) raw_->lines.emplace_back(Device(ax, ay), Device(bx, by));
    }
    void Text(int32_t x, int32_t y, const char* s, bool shown) {
        if (shown) raw_->texts.emplace_back(Device(x, y), QString::fromLatin1(s));
    }

    void ExtWall(int32_t view, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t direction,
                 bool shown) {
        const int32_t nx = by > ay ? 1 : (by < ay ? -1 : 0), ny = bx > ax ? -1 : (bx < ax ? 1 : 0);
        int32_t p[12];
        const int32_t offsets[3] = {110, 165, 275};
        for (int32_t k = 0; k < 3; ++k) {
            p[4 * k] = ax + nx * offsets[k];
            p[4 * k + 1] = ay + ny * offsets[k];
            p[4 * k + 2] = bx + nx * offsets[k];
            p[4 * k + 3] = by + ny * offsets[k];
            Line(p[4 * k], p[4 * k + 1], p[4 * k + 2], p[4 * k + 3], shown);
        }
        Line(ax, ay, bx, by, shown);
        const int32_t attr[4] = {};
        ObjectList.Add(new TExtwallobj(view, kExtWall, 2, 0, 0, 0, ax, 0, bx, 0, ay, by, kInk, 110, 55, 110,
                                       0, 0, 1, direction, p, 0, 0, attr));
    }

    void Cell(int32_t view, int32_t x, int32_t y, bool shown) {
        const int32_t attr[4] = {};
        // Partitions along the cell's right and top sides.
        ObjectList.Add(new TIntwallobj(view, kIntWall, 1, 0, 0, 0, x + kCell, 0, x + kCell, 0, y + kCell, y,
                                       kInk, 100, 0, 0, 0, 0, 1, 1800, x + kCell - 100, 0, y + kCell,
                                       x + kCell - 100, y, attr, 0, 0));
        Line(x + kCell, y + kCell, x + kCell, y, shown);
        Line(x + kCell - 100, y + kCell, x + kCell - 100, y, shown);
        ObjectList.Add(new TIntwallobj(view, kIntWall, 1, 0, 0, 0, x, 0, x + kCell - 100, 0, y + kCell,
                                       y + kCell, kInk, 100, 0, 0, 0, 0, 1, 900, x, 0, y + kCell - 100,
                                       x + kCell - 100, y + kCell - 100, attr, 0, 0));
        Line(x, y + kCell, x + kCell - 100, y + kCell, shown);
        Line(x, y + kCell - 100, x + kCell - 100, y + kCell - 100, shown);
        // A room with its name and sizes.
        ObjectList.Add(new TRoomobj(view, kDesignRoom, 1, 0, 0, 0, x + 300, 0, x + 2500, 0, y + 2500,
                                    y + 1500, kInk, 0, 20, 2200, 1000, RGB(230, 240, 255), "BEDROOM", "2.20",
                                    "1.00"));
        Line(x + 300, y + 2500, x + 2500, y + 2500, shown);
        Line(x + 2500, y + 2500, x + 2500, y + 1500, shown);
        Line(x + 2500, y + 1500, x + 300, y + 1500, shown);
        Line(x + 300, y + 1500, x + 300, y + 2500, shown);
        Text(x + 1400, y + 2000, "BEDROOM", shown);
        Text(x + 1400, y + 1900, "2.20", shown);
        Text(x + 1400, y + 1800, "1.00", shown);
        // A manual dimension with its two arrows and its length text.
        ObjectList.Add(new TDimensobj(view, kManualDimension, 1, 0, 0, 0, x + 100, 0, x + 1300, 0, y + 1200,
                                      y + 1200, kInk, 1, x + 2800, y + 1200, x + 1700, y + 1200, 900));
        Line(x + 100, y + 1200, x + 1300, y + 1200, shown);
        Line(x + 2800, y + 1200, x + 1700, y + 1200, shown);
        for (int32_t k = 0; k < 8; ++k)
            Line(x + 100, y + 1200, x + 200, y + 1225, shown);
        for (int32_t end : {x + 100, x + 2800}) {
            ObjectList.Add(new TArrowobj(view, kManualArrow, 1, 0, 0, 0, end, 0, end, 0, y + 1200, y + 1000,
                                         kInk, end + 50, y + 1150, end - 50, y + 1150, end, y + 900, end,
                                         y + 1300));
            for (int32_t k = 0; k < 4; ++k)
                Line(end, y + 1200, end, y + 1000, shown);
        }
        ObjectList.Add(new TTextobj(view, kSizeLabel, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 1200, 0, kInk,
                                    "2700", "Arial", 0, 6, 400, 10));
        Text(x + 1500, y + 1200, "2700", shown);
        // Two symbols: an outline and a filled shape.
        int32_t px[17] = {x + 300, x + 700, x + 700, x + 500, x + 300},
                py[17] = {y + 300, y + 300, y + 700, y + 900, y + 700};
        ObjectList.Add(new TPolyobj(view, 140, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kInk, px, py, py, attr, 5, 0, 0,
                                    0, 0, 0, 0));
        for (int32_t k = 0; k < 5; ++k)
            Line(px[k], py[k], px[(k + 1) % 5], py[(k + 1) % 5], shown);
        int32_t qx[17] = {x + 900, x + 1200, x + 1200, x + 900},
                qy[17] = {y + 300, y + 300, y + 600, y + 600};
        ObjectList.Add(new TPolyobj(view, 210, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kInk, qx, qy, qy, attr, 4, 0, 0,
                                    0, 0, 0, RGB(200, 200, 200)));
        for (int32_t k = 0; k < 4; ++k)
            Line(qx[k], qy[k], qx[(k + 1) % 4], qy[(k + 1) % 4], shown);
        // A note, a room name label, two lines and a door swing.
        ObjectList.Add(new TTextobj(view, kDialogText, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 600, 0, kInk,
                                    "WARDROBE", "Arial", 0, 5, 400, 10));
        Text(x + 1500, y + 600, "WARDROBE", shown);
        ObjectList.Add(new TTextobj(view, kRoomNameLabel, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 2700, 0, kInk,
                                    "BED 2", "Arial", 0, 4, 700, 12));
        Text(x + 1500, y + 2700, "BED 2", shown);
        for (int32_t k = 0; k < 2; ++k) {
            ObjectList.Add(new TLineobj(view, kLine, 1, 0, 0, 0, x + 1300, 0, x + 2700, 0, y + 400 + 100 * k,
                                        y + 400 + 100 * k, kInk, 0, 0));
            Line(x + 1300, y + 400 + 100 * k, x + 2700, y + 400 + 100 * k, shown);
        }
        ObjectList.Add(new TArcobj(view, kArc, 1, 0, 0, 0, x + 2000, 0, x + 2800, 0, y + 800, y, kInk,
                                   x + 2800, y + 400, x + 2400, y + 800));
        for (int32_t k = 0; k < 4; ++k)
            Line(x + 2400 + 100 * k, y + 800, x + 2500 + 100 * k, y + 700, shown);
    }

    RawScene* raw_;
};

struct Scene {
    RawScene raw;
    int32_t floorObjects = 0;

    Scene() {
        ResetGlobals();
        ObjectList.Flush();
        ZoomDivisor = kZoom;
        ViewExtentX = kCellsX * kCell / kZoom + 400;
        ViewExtentY = ViewExtentX * kHeight / kWidth;
        ScrollOriginX = -200;
        ScrollOriginY = -200;
        PenScale = ViewExtentX / kWidth;
        PenScaleF = static_cast<float>(ViewExtentX) / kWidth;
        CurrentView = kGroundFloor;
        PlanDisplayMode = 0;
        std::snprintf(ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName, "%s", "Arial");
        HouseBuilder house(&raw);
        house.Floor(kGroundFloor, 12);
        for (int32_t i = 0; i < ObjectList.count; ++i)
            floorObjects += ObjectList[i]->view == kGroundFloor;
        house.Floor(kFirstFloor, 12);
        house.Floor(kSecondFloor, 11);
        while (ObjectList.count < 10000)
            ObjectList.Add(new TLineobj(40, kLine, 1, 0, 0, 0, 0, 0, 1000, 0, 0, 0, kInk, 0, 0));
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void BM_PaintFloor(benchmark::State& state) {
    Scene& scene = TheScene();
    PlanDisplayMode = static_cast<int32_t>(state.range(0));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const RECT client{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        image.fill(Qt::white);
        TextScale = 0;
        TDC dc(image);
        ObjectList.Paint(dc, client);
    }
    state.counters["objects"] = ObjectList.count;
    state.counters["floor_objects"] = scene.floorObjects;
}
BENCHMARK(BM_PaintFloor)->Arg(0)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_RawQPainter(benchmark::State& state) {
    Scene& scene = TheScene();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QFont font(ShippedFontFamily());
    font.setPixelSize(10);                     // about the height the floor's texts and labels come out at
    font.setStyleStrategy(QFont::NoAntialias); // as the device context draws text
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 0));
        painter.setFont(font);
        for (const QLine& line : scene.raw.lines)
            painter.drawLine(line);
        for (const auto& [at, text] : scene.raw.texts)
            painter.drawText(at, text);
    }
    state.counters["lines"] = static_cast<double>(scene.raw.lines.size());
    state.counters["texts"] = static_cast<double>(scene.raw.texts.size());
}
BENCHMARK(BM_RawQPainter)->Unit(benchmark::kMillisecond);

} // namespace
