#include "tools/window_tool.h"

#include <algorithm>
#include <climits>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "tools/opening_settings.h"
#include "tools/tool_geometry.h"
#include "walls/opening_marking.h"

namespace {

using namespace openingkind;

// The kinds whose width is the file's total rather than door width times count.
bool TakesStoredTotal(int32_t kind) {
    return InEitherSeries(kind, kSlidingFramed) || InEitherSeries(kind, kEntryFrame) || kind == kFolding ||
           kind == kWardrobe;
}

bool Swings(int32_t kind) {
    return InEitherSeries(kind, kHingedDoor) || InEitherSeries(kind, kEntryFrame) || kind == kIntoWall;
}

bool FramedSliding(int32_t kind) {
    return InEitherSeries(kind, kSlidingFramed);
}

// The floor heights below a floor, each from its floor record; a floor without one counts 0.
int32_t FloorHeight(int32_t floorView) {
    const TObject* record = ObjectList[ObjectList.FindKind(floorView + kFloorRecordBase)];
    return record && ZoomDivisor != 0 ? record->aux2 / ZoomDivisor : 0;
}

} // namespace

void TWindowobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) {
    MarkWall(dc, client, key, point, step);
}

void TWindowobjtool::Start(int32_t a, int32_t b, int32_t c) {
    LoadSettings(a, b, c);
}

void TWindowobjtool::LoadSettings(int32_t startWidth, int32_t what, int32_t) {
    DoorCount = 1;
    if (what == kLoadWindow) LoadWindow();
    if (what == kLoadDoor) LoadDoor(startWidth);
    if (FramedSliding(OpeningKind)) SymbolOption = FramePosition();
    if (Swings(OpeningKind)) LoadSwing();
}

void TWindowobjtool::LoadWindow() {
    const OpeningSettings s = ReadOpeningSettings(OpeningFile::Window);
    OpeningKind = s[1];
    OpeningWidth = s[2];
    SizeLabelFlag = s[5];
    CillFlag = s[7];
    SymbolOption = s[9];
    LoadLevel(s[4]);
}

void TWindowobjtool::LoadDoor(int32_t startWidth) {
    OpeningSettings s = ReadOpeningSettings(OpeningFile::Door);
    OpeningKind = s[1];
    DoorWidth = s[5];
    // A count no door dialog gives would only multiply the symbol's pieces.
    DoorCount = std::clamp(s[6], 1, kMostDoors);
    SymbolOption = s[7];
    FramePosition() = s[10];
    OpeningWidth =
        static_cast<int32_t>(std::clamp<int64_t>(int64_t{DoorWidth} * DoorCount, INT32_MIN, INT32_MAX));
    if (TakesStoredTotal(OpeningKind)) {
        OpeningWidth = s[3];
    } else if (openingkind::IsHinged(OpeningKind)) {
        // A hinged door is as wide as the dialog said; the file remembers it as the door width. The
        // dialog has mostly written it already, perhaps in the other units: that file stays as it is.
        OpeningWidth = startWidth;
        if (s[5] != startWidth) {
            s[5] = startWidth;
            if (!WriteOpeningSettings(OpeningFile::Door, s))
                MessageBox(nullptr, "The door width could not be saved in CFG/DOOR.CFG.", "DOORS", MB_OK);
        }
    }
    LoadLevel(s[4]);
}

// The pieces of an opening on an upper floor stand on the floors below it.
void TWindowobjtool::LoadLevel(int32_t unitValue) {
    FloorBase = 0;
    if (CurrentView <= kGroundFloor) return;
    for (int32_t floor = kGroundFloor; floor < CurrentView && floor < kFourthLevel; ++floor)
        FloorBase += FloorHeight(floor);
    OpeningLevel() = unitValue + FloorBase;
}

void TWindowobjtool::LoadSwing() {
    SwingCode = Mode;
    RestoreSwingOffsets();
}

void TWindowobjtool::RestoreSwingOffsets() {
    const DoorStyle style = ReadDoorStyle();
    WorkX = static_cast<int32_t>(OpeningWidth * style.sine);
    WorkY = static_cast<int32_t>(OpeningWidth * style.cosine);
}

void TWindowobjtool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    if (Kind != toolkind::kOpening || CurrentView < kGroundFloor) return;
    if (p.x == X0 && p.y == Y0) return;
    if (PreviewDrawn() > 0) Draw(dc, 0);
    X0 = p.x;
    Y0 = p.y;
    Draw(dc, 0);
    PreviewDrawn() = 1;
}

void TWindowobjtool::Draw(TDC& dc, int32_t) {
    if (ZoomDivisor == 0) return;
    const int32_t z = ZoomDivisor;
    const int32_t w = OpeningWidth;
    const int32_t a = WorkX;
    const int32_t b = WorkY;
    const int32_t x = X0;
    const int32_t y = Y0;
    constexpr int32_t kTick = 50; // half the end tick, window units
    tools::SelectPreviewPen(dc, PenColour);
    if (openingkind::IsHinged(OpeningKind)) {
        // The leaf from the hinge, and a tick across the wall where the closed leaf would end.
        struct Leaf {
            int32_t dx, dy;
        };
        static constexpr int32_t kSigns[9][2] = {{0, 0}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1},
                                                 {1, 1}, {1, -1},  {-1, 1}, {-1, -1}};
        const int32_t code = SwingCode;
        if (code >= 1 && code <= 8) {
            const bool across = code <= 4; // the wall runs up and down
            const Leaf leaf = across ? Leaf{kSigns[code][0] * a, kSigns[code][1] * b}
                                     : Leaf{kSigns[code][0] * b, kSigns[code][1] * a};
            dc.MoveTo(x / z, y / z);
            dc.LineTo((x + leaf.dx) / z, (y + leaf.dy) / z);
            if (across) {
                const int32_t ty = (code == 1 || code == 3) ? (y - w) / z : (y + w) / z;
                dc.MoveTo(x / z - kTick, ty);
                dc.LineTo(x / z + kTick, ty);
            } else {
                const int32_t tx = (code == 5 || code == 6) ? (x + w) / z : (x - w) / z;
                dc.MoveTo(tx, y / z - kTick);
                dc.LineTo(tx, y / z + kTick);
            }
        }
    } else {
        const int32_t h = w / 2;
        dc.SelectStockObject(HOLLOW_BRUSH);
        dc.Ellipse((x - h) / z, (y + h) / z, (x + h) / z, (y - h) / z);
    }
    dc.RestoreObjects();
}

void TWindowobjtool::RedrawPreview(TDC& dc) {
    if (Kind == toolkind::kOpening && PreviewDrawn() > 0) Draw(dc, 0);
}

void TWindowobjtool::ErasePreview(TDC& dc) {
    if (PreviewDrawn() > 0) Draw(dc, 0);
    PreviewDrawn() = 0;
}

void TWindowobjtool::MarkWall(TDC& dc, TRect& client, uint32_t, TPoint* point, int32_t step) {
    Dragging = 0;
    const POINT p = point ? tools::PixelToDrawing(dc, client, point->x, point->y) : POINT{X0, Y0};
    ErasePreview(dc);
    X0 = WorkX = p.x;
    Y0 = WorkY = p.y;
    dc.SetROP2(R2_COPYPEN);
    const WallMark mark =
        FindOpeningWall(ObjectList, CurrentView, p.x, p.y, {OpeningKind, OpeningWidth, Mode});
    MarkedWall = mark.index;
    Angle = 0;
    if (mark.index == kNoObject) {
        Y0 = kNothingMarked;
        MessageBox(Window ? Window->GetHandle() : nullptr, "No wall marked", "Marking Error - Please Retry",
                   MB_OK);
        RestoreSwingOffsets();
        return;
    }
    TakeWall(mark);
    PlaceOpening(dc, client, step);
    PreviewDrawn() = 0;
    WallThickness = 0;
}

void TWindowobjtool::TakeWall(const WallMark& taken) {
    WallMark mark = taken;
    if (openingkind::IsHinged(OpeningKind)) MoveHingeToMiddle(mark, OpeningWidth, SwingCode);
    WallClass = mark.wallClass;
    WallThickness = mark.thickness;
    WallAngle() = mark.angle;
    FaceSide = mark.faceSide;
    X0 = WorkX = mark.px;
    Y0 = WorkY = mark.py;
    Count = WallThickness;
    SavedMode = CurrentView;
    WallId() = mark.wallId;
    Aux1 = 0;
    Aux2 = 0;
}

Opening TWindowobjtool::Draft() const {
    Opening o;
    o.kind = OpeningKind;
    o.px = WorkX;
    o.py = WorkY;
    o.width = OpeningWidth;
    o.thickness = WallThickness;
    o.angle = Angle;
    o.wallClass = WallClass;
    o.wallId = ObjectId;
    o.openingId = SegmentLength;
    o.level = ChainState;
    o.floorBase = FloorBase;
    o.view = CurrentView;
    o.colour = Colour;
    o.cillFlag = CillFlag;
    o.sizeLabelFlag = SizeLabelFlag;
    o.doorWidth = DoorWidth;
    o.doorCount = DoorCount;
    o.swingCode = SwingCode;
    o.faceSide = FaceSide;
    o.symbolOption = SymbolOption;
    o.framePosition = CursorX;
    o.intoWall = PickKind;
    return o;
}
