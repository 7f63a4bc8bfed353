#include "bench/support/bench_scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>

#include "document/document.h"
#include "document/objects.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"

namespace bench {

namespace {

constexpr int32_t kZoomDivisor = 5;
constexpr int32_t kCell = 3000; // drawing units (mm) of one room cell
constexpr int32_t kCellsX = 20;
constexpr int32_t kCellsY = 12;
constexpr int32_t kMargin = 200; // logical units around the house on the unmagnified view
const COLORREF kInk = RGB(0, 0, 0);
bool smallScenes = false;

// The count a scene is built with: as asked, or at most kSmallSceneCount in a small run.
int32_t SceneCount(int32_t asked) {
    return smallScenes ? std::min(asked, kSmallSceneCount) : asked;
}

void StartDocument() {
    ResetGlobals();
    ObjectList.Flush();
    ZoomDivisor = kZoomDivisor;
    CurrentView = kGroundFloor;
    PlanDisplayMode = displaymode::kPlain;
    std::snprintf(ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName, "%s", "Arial");
}

void ExtWall(int32_t view, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t direction) {
    const int32_t nx = by > ay ? 1 : (by < ay ? -1 : 0), ny = bx > ax ? -1 : (bx < ax ? 1 : 0);
    int32_t p[12];
    const int32_t offsets[3] = {110, 165, 275};
    for (int32_t k = 0; k < 3; ++k) {
        p[4 * k] = ax + nx * offsets[k];
        p[4 * k + 1] = ay + ny * offsets[k];
        p[4 * k + 2] = bx + nx * offsets[k];
        p[4 * k + 3] = by + ny * offsets[k];
    }
    const int32_t attr[4] = {};
    ObjectList.Add(new TExtwallobj(view, kExtWall, 2, 0, 0, 0, ax, 0, bx, 0, ay, by, kInk, 110, 55, 110, 0, 0,
                                   1, direction, p, 0, 0, attr));
}

void Cell(int32_t view, int32_t x, int32_t y) {
    const int32_t attr[4] = {};
    // Partitions along the cell's right and top sides.
    ObjectList.Add(new TIntwallobj(view, kIntWall, 1, 0, 0, 0, x + kCell, 0, x + kCell, 0, y + kCell, y, kInk,
                                   100, 0, 0, 0, 0, 1, 1800, x + kCell - 100, 0, y + kCell, x + kCell - 100,
                                   y, attr, 0, 0));
    ObjectList.Add(new TIntwallobj(view, kIntWall, 1, 0, 0, 0, x, 0, x + kCell - 100, 0, y + kCell, y + kCell,
                                   kInk, 100, 0, 0, 0, 0, 1, 900, x, 0, y + kCell - 100, x + kCell - 100,
                                   y + kCell - 100, attr, 0, 0));
    // A room with its name and sizes.
    ObjectList.Add(new TRoomobj(view, kDesignRoom, 1, 0, 0, 0, x + 300, 0, x + 2500, 0, y + 2500, y + 1500,
                                kInk, 0, 20, 2200, 1000, RGB(230, 240, 255), "BEDROOM", "2.20", "1.00"));
    // A manual dimension with its two arrows and its length text.
    ObjectList.Add(new TDimensobj(view, kManualDimension, 1, 0, 0, 0, x + 100, 0, x + 1300, 0, y + 1200,
                                  y + 1200, kInk, 1, x + 2800, y + 1200, x + 1700, y + 1200, 900));
    for (int32_t end : {x + 100, x + 2800})
        ObjectList.Add(new TArrowobj(view, kManualArrow, 1, 0, 0, 0, end, 0, end, 0, y + 1200, y + 1000, kInk,
                                     end + 50, y + 1150, end - 50, y + 1150, end, y + 900, end, y + 1300));
    ObjectList.Add(new TTextobj(view, kSizeLabel, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 1200, 0, kInk, "2700",
                                "Arial", 0, 6, 400, 10));
    // Two symbols: an outline and a filled shape.
    int32_t px[17] = {x + 300, x + 700, x + 700, x + 500, x + 300},
            py[17] = {y + 300, y + 300, y + 700, y + 900, y + 700};
    ObjectList.Add(
        new TPolyobj(view, 140, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kInk, px, py, py, attr, 5, 0, 0, 0, 0, 0, 0));
    int32_t qx[17] = {x + 900, x + 1200, x + 1200, x + 900}, qy[17] = {y + 300, y + 300, y + 600, y + 600};
    ObjectList.Add(new TPolyobj(view, 210, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kInk, qx, qy, qy, attr, 4, 0, 0, 0,
                                0, 0, RGB(200, 200, 200)));
    // A note, a room name label, two lines and a door swing.
    ObjectList.Add(new TTextobj(view, kDialogText, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 600, 0, kInk,
                                "WARDROBE", "Arial", 0, 5, 400, 10));
    ObjectList.Add(new TTextobj(view, kRoomNameLabel, 1, 0, 0, 0, x + 1500, 0, 0, 0, y + 2700, 0, kInk,
                                "BED 2", "Arial", 0, 4, 700, 12));
    for (int32_t k = 0; k < 2; ++k)
        ObjectList.Add(new TLineobj(view, kLine, 1, 0, 0, 0, x + 1300, 0, x + 2700, 0, y + 400 + 100 * k,
                                    y + 400 + 100 * k, kInk, 0, 0));
    ObjectList.Add(new TArcobj(view, kArc, 1, 0, 0, 0, x + 2000, 0, x + 2800, 0, y + 800, y, kInk, x + 2800,
                               y + 400, x + 2400, y + 800));
}

void Floor(int32_t view, int32_t cellsY) {
    for (int32_t cy = 0; cy < cellsY; ++cy)
        for (int32_t cx = 0; cx < kCellsX; ++cx)
            Cell(view, cx * kCell, cy * kCell);
    const int32_t w = kCellsX * kCell, h = cellsY * kCell;
    for (int32_t k = 0; k < kCellsX; ++k) {
        ExtWall(view, k * kCell, h, (k + 1) * kCell, h, 900);
        ExtWall(view, (k + 1) * kCell, 0, k * kCell, 0, 2700);
    }
    for (int32_t k = 0; k < cellsY; ++k) {
        ExtWall(view, 0, k * kCell, 0, (k + 1) * kCell, 0);
        ExtWall(view, w, (k + 1) * kCell, w, k * kCell, 1800);
    }
}

struct Random {
    uint32_t state = 99;
    int32_t Below(int32_t n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int32_t>((state >> 8) % static_cast<uint32_t>(n));
    }
};

void AddMixed(int32_t i) {
    const int32_t cx = SheetWidth * ZoomDivisor / 2, cy = SheetHeight * ZoomDivisor / 2;
    const int32_t x = cx - 20000 + (i * 37) % 40000, y = cy - 15000 + (i * 91) % 30000;
    switch (i % 6) {
    case 0: {
        const int32_t p[12] = {x,        y - 110, x + 4000, y - 110, x,        y - 165,
                               x + 4000, y - 165, x,        y - 275, x + 4000, y - 275};
        const int32_t attr[4] = {};
        ObjectList.Add(new TExtwallobj(50, kExtWall, 2, 0, 10000 + i, 4000, x, 25, x + 4000, 2550, y, y, 0,
                                       110, 55, 110, 0, 0, 1, 900, p, 0, 0, attr));
        break;
    }
    case 1:
        ObjectList.Add(
            new TLineobj(50, kOutlineLine, 1, 0, 10000 + i, 0, x, 0, x + 1234, 0, y, y + 567, 0, 900, 0));
        break;
    case 2:
        ObjectList.Add(new TTextobj(50, kSizeLabel, 1, 0, 10000 + i, 9, x, 0, 900, 0, y, 0, 0, "3600 x 4200",
                                    "DejaVu Sans", 0, 6, 400, 250));
        break;
    case 3: {
        int32_t px[17], py[17], ph[17] = {};
        for (int k = 0; k < 8; ++k)
            px[k] = x + 100 * k, py[k] = y - 50 * k;
        ObjectList.Add(new TPolyobj(50, 131, 1, 0, 10000 + i, 0, 0, 0, 0, 0, 0, 0, 0, px, py, ph, nullptr, 8,
                                    0, 0, 0, 0, 0, 0));
        break;
    }
    case 4:
        ObjectList.Add(new TDimensobj(50, kManualDimension, 1, 0, 10000 + i, 0, x, 0, x + 1500, 0, y, y, 0, 1,
                                      x + 3000, y, x + 1500, y, 900));
        break;
    default:
        ObjectList.Add(new TRoomobj(50, kFinishedRoom, 1, 0, 10000 + i, 0, x, 0, x + 3600, 0, y, y - 4200, 0,
                                    2, 250, 3600, 4200, 0, "living room", "3600", "4200"));
        break;
    }
}

// A size spread evenly on a log scale from `least` to `most`, so small and large ones are as common.
int32_t SizeBetween(Random& random, int32_t least, int32_t most) {
    const double u = random.Below(1 << 20) / double(1 << 20);
    return static_cast<int32_t>(least * std::pow(double(most) / least, u));
}

// The kinds of the generated scene, taken in turn: lines and texts most, an ellipse or a circle one
// object in about twelve (870 of 10,000), and as many arcs.
enum class Made {
    kLine,
    kOutline,
    kText,
    kExtWall,
    kIntWall,
    kArrow,
    kDimension,
    kSymbol,
    kFilled,
    kRoom,
    kArc,
    kEllipse,
    kCircle,
    kRectangle,
    kRoundRect
};
constexpr Made kSlots[] = {
    Made::kLine,      Made::kLine,   Made::kLine,      Made::kOutline,   Made::kText,    Made::kText,
    Made::kText,      Made::kText,   Made::kExtWall,   Made::kIntWall,   Made::kIntWall, Made::kArrow,
    Made::kDimension, Made::kSymbol, Made::kFilled,    Made::kRoom,      Made::kArc,     Made::kArc,
    Made::kEllipse,   Made::kCircle, Made::kRectangle, Made::kRoundRect, Made::kLine};

void AddAnyKind(Random& random, int32_t i) {
    const int32_t w = kCellsX * kCell, h = kCellsY * kCell;
    const int32_t x = random.Below(w), y = random.Below(h);
    const int32_t size = SizeBetween(random, 20, w);
    const int32_t half = size / 2;
    const int32_t attr[4] = {};
    constexpr int32_t v = kGroundFloor;
    const Made made = kSlots[i % int32_t(std::size(kSlots))];
    switch (made) {
    case Made::kLine:
    case Made::kOutline: {
        const bool outline = made == Made::kOutline;
        const int32_t turn = random.Below(3600);
        const double a = turn * 3.14159265358979 / 1800.0;
        ObjectList.Add(new TLineobj(v, outline ? kOutlineLine : kLine, 1, 0, 0, 0, x, 0,
                                    x + int32_t(size * std::cos(a)), 0, y, y + int32_t(size * std::sin(a)),
                                    kInk, outline ? turn : 0, 0));
        break;
    }
    case Made::kText:
        ObjectList.Add(new TTextobj(v, random.Below(2) ? kText : kDialogText, 1, 0, 0, 0, x, 0, 0, 0, y, 0,
                                    kInk, random.Below(2) ? "LIVING ROOM" : "3600 x 4200", "Arial",
                                    random.Below(3600), 1 + random.Below(6), random.Below(2) ? 400 : 700,
                                    SizeBetween(random, 4, 60)));
        break;
    case Made::kExtWall:
        if (random.Below(2))
            ExtWall(v, x, y, x + size, y, 900);
        else
            ExtWall(v, x, y, x, y + size, 0);
        break;
    case Made::kIntWall:
        ObjectList.Add(new TIntwallobj(v, kIntWall, 1, 0, 0, 0, x, 0, x + size, 0, y, y, kInk, 100, 0, 0, 0,
                                       0, 1, 900, x, 0, y - 100, x + size, y - 100, attr, 0, 0));
        break;
    case Made::kArrow:
        ObjectList.Add(new TArrowobj(v, kManualArrow, 1, 0, 0, 0, x, 0, x, 0, y, y - size, kInk, x + 50,
                                     y - 50, x - 50, y - 50, x, y + 100, x, y - size - 100));
        break;
    case Made::kDimension:
        ObjectList.Add(new TDimensobj(v, kManualDimension, 1, 0, 0, 0, x, 0, x + half, 0, y, y, kInk, 1,
                                      x + size, y, x + half, y, 900));
        break;
    case Made::kSymbol:
    case Made::kFilled: {
        const bool filled = made == Made::kFilled;
        int32_t px[17] = {x, x + size, x + size, x + half, x},
                py[17] = {y, y, y + size, y + size + half, y + size};
        ObjectList.Add(new TPolyobj(v, filled ? 210 : 140, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kInk, px, py, py,
                                    attr, 5, 0, 0, 0, 0, 0, filled ? RGB(200, 200, 200) : 0));
        break;
    }
    case Made::kRoom:
        ObjectList.Add(new TRoomobj(v, kDesignRoom, 1, 0, 0, 0, x, 0, x + size, 0, y + size, y, kInk, 0, 20,
                                    size, size, RGB(230, 240, 255), "KITCHEN", "3.60", "4.20"));
        break;
    case Made::kArc:
        ObjectList.Add(new TArcobj(v, kArc, 1, 0, 0, 0, x - half, 0, x + half, 0, y + half, y - half, kInk,
                                   x + random.Below(size + 1) - half, y + half, x - half,
                                   y + random.Below(size + 1) - half));
        break;
    case Made::kEllipse:
    case Made::kCircle: {
        // Curves run from a few pixels across to the whole sheet.
        const int32_t across = SizeBetween(random, 760, w);
        if (made == Made::kCircle) {
            ObjectList.Add(new TCircleobj(v, kCircle, 1, 0, 0, 0, x - across / 2, 0, x + across / 2, 0,
                                          y + across / 2, y - across / 2, kInk));
        } else {
            const int32_t high = SizeBetween(random, 760, h);
            ObjectList.Add(new TEllipseobj(v, kEllipse, 1, 0, 0, 0, x - across / 2, 0, x + across / 2, 0,
                                           y + high / 2, y - high / 2, kInk));
        }
        break;
    }
    case Made::kRectangle:
        ObjectList.Add(new TRectangleobj(v, kRectangle, 1, 0, 0, 0, x, 0, x + size, 0, y + half, y, kInk));
        break;
    case Made::kRoundRect:
        ObjectList.Add(new TRndrectobj(v, kRoundRect, 1, 0, 0, 0, x, 0, x + size, 0, y + half, y, kInk,
                                       std::max(10, size / 8)));
        break;
    }
}

} // namespace

void UseSmallScenes(bool small) {
    smallScenes = small;
}

bool SmallScenes() {
    return smallScenes;
}

void BuildHouse() {
    StartDocument();
    Floor(kGroundFloor, kCellsY);
    Floor(kFirstFloor, kCellsY);
    Floor(kSecondFloor, kCellsY - 1);
    while (ObjectList.count < 10000)
        ObjectList.Add(new TLineobj(40, kLine, 1, 0, 0, 0, 0, 0, 1000, 0, 0, 0, kInk, 0, 0));
}

void BuildLongLines(int32_t count) {
    StartDocument();
    count = SceneCount(count);
    Random random;
    const int32_t w = kCellsX * kCell, h = kCellsY * kCell;
    for (int32_t i = 0; i < count; ++i)
        ObjectList.Add(new TLineobj(kGroundFloor, kLine, 1, 0, 0, 0, random.Below(w), 0, random.Below(w), 0,
                                    random.Below(h), random.Below(h), kInk, 0, 0));
}

void BuildEveryKind(int32_t count) {
    StartDocument();
    count = SceneCount(count);
    Random random;
    for (int32_t i = 0; i < count; ++i)
        AddAnyKind(random, i);
}

void BuildTexts(int32_t count, bool turned) {
    StartDocument();
    count = SceneCount(count);
    static const char* const kLabels[] = {"Kitchen", "3600 x 4200", "Bedroom 2",
                                          "WC",      "12000",       "Living room"};
    Random random;
    const int32_t w = kCellsX * kCell, h = kCellsY * kCell;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t escapement = turned ? 1 + i % 3599 : 0;
        const int32_t size = 10 + (i / 3599 + i) % 7;
        ObjectList.Add(new TTextobj(kGroundFloor, kText, 1, 0, 0, 0, random.Below(w), 0, 0, 0,
                                    random.Below(h), 0, kInk, kLabels[i % int32_t(std::size(kLabels))],
                                    "Arial", escapement, 1 + random.Below(6), 400, size));
    }
}

void BuildSizedTexts(int32_t count, int32_t least, int32_t most, int32_t letters, bool turned, bool varied) {
    StartDocument();
    count = SceneCount(count);
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int32_t kAlphabetSize = int32_t(sizeof kAlphabet - 1);
    static const char* const kLabels[] = {"Kitchen", "3600 x 4200", "Bedroom 2",
                                          "WC",      "12000",       "Living room"};
    static const char kNotes[] = "Oak floor on battens, skirting 120 mm, walls in lime plaster with a "
                                 "matt finish; ceiling 2400 above the finished floor, two sockets a wall.";
    Random random;
    const int32_t w = kCellsX * kCell, h = kCellsY * kCell;
    char note[TTextobj::kTextCapacity + 1] = {};
    for (int32_t i = 0; i < count; ++i) {
        const int32_t escapement = turned ? 1 + i % 3599 : 0;
        const int32_t size = least + (i / 3599 + i) % (most - least + 1);
        const char* text = kLabels[i % int32_t(std::size(kLabels))];
        if (letters > 0) {
            const int32_t from = (i * 7) % int32_t(sizeof kNotes - 1 - size_t(letters));
            std::snprintf(note, sizeof note, "%.*s", letters, kNotes + from);
            for (int32_t at = 0; varied && at < letters; ++at)
                note[at] = kAlphabet[(i + at) % kAlphabetSize];
            text = note;
        }
        ObjectList.Add(new TTextobj(kGroundFloor, kText, 1, 0, 0, 0, random.Below(w), 0, 0, 0,
                                    random.Below(h), 0, kInk, text, "Arial", escapement, 1 + random.Below(6),
                                    400, size));
    }
}

void BuildMixed(int32_t count) {
    StartDocument();
    count = SceneCount(count);
    SheetWidth = 16000, SheetHeight = 10000;
    for (int32_t i = 0; i < count; ++i)
        AddMixed(i);
}

void FrameHouse(int32_t zoom) {
    const int32_t whole = kCellsX * kCell / kZoomDivisor + 2 * kMargin;
    ViewExtentX = whole / zoom;
    ViewExtentY = ViewExtentX * kScreenHeight / kScreenWidth;
    ScrollOriginX = -kMargin + (whole - ViewExtentX) / 2;
    ScrollOriginY = -kMargin + (whole * kScreenHeight / kScreenWidth - ViewExtentY) / 2;
    PenScale = ViewExtentX / kScreenWidth;
    PenScaleF = static_cast<float>(ViewExtentX) / kScreenWidth;
}

} // namespace bench
