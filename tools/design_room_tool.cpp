// The design-room tool's mouse side: picking the room under a click, dragging its outline with either
// button and writing the dropped rectangle back into the room.
#include <cmath>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/window.h"
#include "rooms/design_room.h"
#include "rooms/design_room_modes.h"
#include "rooms/room_settings.h"
#include "tools/room_tools.h"
#include "tools/tool_geometry.h"

namespace {

using namespace roommode;
using namespace dragphase;

constexpr int32_t kOutlineMode = 1;
constexpr int32_t kWipeMode = 0;

TRoomobj* PickedRoom(int32_t index) {
    return dynamic_cast<TRoomobj*>(ObjectList[index]);
}

} // namespace

TDRoomobjtool::TDRoomobjtool() {
    Kind = toolkind::kDesignRoom;
    LineStyle = 0;
    FillColour = BackgroundColour;
}

void TDRoomobjtool::PickRoom(TDC& dc, TRect& client, int32_t x, int32_t y) {
    PartitionThickness = RoomPartitionThickness(CurrentView, MetricUnits, 0);
    PickedIndex = kNoObject;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    LastX = p.x;
    LastY = p.y;
    const bool finished = Kind == kReopenedRoom && Mode == kAlter;
    const int32_t index = RoomAt(ObjectList, CurrentView, LastX, LastY, finished);
    TRoomobj* room = PickedRoom(index);
    if (!room) {
        RoomY2() = kNoObject;
        return;
    }
    PickedIndex = index;
    RoomX1() = PickX1() = room->x1;
    RoomY1() = PickY1() = room->y1;
    RoomX2() = room->x2;
    RoomY2() = room->y2;
    RoomWidth = room->value3;
    RoomLength = room->value4;
    const int32_t dragState = InCentreSquare(*room, LastX, LastY) ? kDragFree : kDragSnapped;
    const int32_t t = PartitionThickness;
    ClearX1() = room->x1 - t - 1;
    ClearY1() = room->y1 + t + 1;
    ClearX2() = room->x2 + t + 1;
    ClearY2() = room->y2 - t - 1;
    if (Mode >= kDragSnapped) return;
    Mode = dragState;
    Dragging = 1;
}

void TDRoomobjtool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    const int32_t x = point->x;
    const int32_t y = point->y;
    if (Mode < kDragSnapped) {
        PickRoom(dc, client, x, y);
    } else if (Mode == kEnlarge || Mode == kShrink || Mode == kMove) {
        PickRoom(dc, client, x, y);
        KeyRouteFlag() = 1;
        if (Mode == kMove) Mode = kMoveByStep;
    } else if (Mode == kRotate) {
        PickRoom(dc, client, x, y);
        RotateRoom();
    } else if (Mode == kDelete) {
        PickRoom(dc, client, x, y);
        DeleteRoom();
    } else if (Mode == kMeasure) {
        MeasureMaxRoom(dc, client, x, y);
    } else if (Mode == kAlter && Kind == kReopenedRoom) {
        PickRoom(dc, client, x, y);
        Command(PickedIndex);
        Mode = kDragSnapped;
    }
}

// Writes the working rectangle into the picked room while a drag is on; the size stays.
static void DropInto(TDRoomobjtool& tool) {
    TRoomobj* room = PickedRoom(tool.PickedIndex);
    if (tool.Dragging == 1 && room) {
        room->x1 = tool.RoomX1();
        room->y1 = tool.RoomY1();
        room->x2 = tool.RoomX2();
        room->y2 = tool.RoomY2();
    }
    tool.DragPhase() = kNoMoveYet;
    tool.Dragging = 0;
}

// A re-opened finished room takes its listed contents along once its final corners are known, also
// when only the snap moved it (the click that re-opens a room drags nothing).
static void MoveContents(TDRoomobjtool& tool) {
    const TRoomobj* room = PickedRoom(tool.PickedIndex);
    if (tool.Kind != kReopenedRoom || !room) return;
    tool.RoomX1() = room->x1;
    tool.RoomY1() = room->y1;
    tool.RoomX2() = room->x2;
    tool.RoomY2() = room->y2;
    if (ObjectList.ReadTempCount() > 0) tool.TransformContents(contentsmode::kMove, 0, 0);
}

void TDRoomobjtool::ButtonUp(TDC& dc, TRect& client, TPoint* point) {
    DropInto(*this);
    if (Mode == kDragSnapped) {
        Mode = kIdle;
        SnapToWalls(dc, client, point->x, point->y);
    }
    MoveContents(*this);
    // The drawing window writes the working file (and reports a failure) right after this.
}

void TDRoomobjtool::Button2Down(TDC& dc, TRect& client, TPoint* point) {
    if (!(Mode < kDragSnapped || Mode == kMove)) return;
    PickRoom(dc, client, point->x, point->y);
    if (Kind == kReopenedRoom) ListRoomContents();
    if (Mode == kMove) {
        Mode = kMoveFine;
        KeyRouteFlag() = 1;
    }
}

void TDRoomobjtool::Button2Up(TDC& dc, TRect& client, TPoint* point) {
    DropInto(*this);
    if (Mode == kDragSnapped) {
        Mode = kIdle;
        SnapToRooms(dc, client, point->x, point->y);
    }
    MoveContents(*this);
}

static void ShiftWorkingRectangle(TDRoomobjtool& tool, int32_t dx, int32_t dy) {
    tool.RoomX1() += dx;
    tool.RoomX2() += dx;
    tool.RoomY1() += dy;
    tool.RoomY2() += dy;
}

void TDRoomobjtool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (PickedIndex == kNoObject || Dragging != 1) return;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    const bool inside = client.left < x && x < client.right && client.top < y && y < client.bottom;
    if (inside) {
        // The first move counts from the press, where PickRoom took the pointer, so that the room
        // stays under the pointer for the whole drag.
        if (DragPhase() == kNoMoveYet) {
            Draw(dc, kWipeMode);
        } else if (DragPhase() == kOutside) {
            LastX = p.x;
            LastY = p.y;
        } else {
            Draw(dc, kOutlineMode);
        }
        ShiftWorkingRectangle(*this, p.x - LastX, p.y - LastY);
        LastX = p.x;
        LastY = p.y;
        Draw(dc, kOutlineMode);
        DragPhase() = kOutlineShown;
        return;
    }
    Draw(dc, kWipeMode);
    if (DragPhase() == kNoMoveYet) {
        LastX = p.x;
        LastY = p.y;
        DragPhase() = kOutside;
    } else if (DragPhase() == kOutside) {
        ShiftWorkingRectangle(*this, p.x - LastX, p.y - LastY);
        LastX = p.x;
        LastY = p.y;
        Draw(dc, kOutlineMode);
    }
}

void TDRoomobjtool::RedrawPreview(TDC& dc) {
    if (Dragging == 1 && DragPhase() == kOutlineShown) Draw(dc, kOutlineMode);
}

void TDRoomobjtool::Draw(TDC& dc, int32_t mode) {
    if (PickedIndex == kNoObject || ZoomDivisor == 0) return;
    const int32_t z = ZoomDivisor;
    const int32_t x1 = RoomX1() / z;
    const int32_t y1 = RoomY1() / z;
    const int32_t x2 = RoomX2() / z;
    const int32_t y2 = RoomY2() / z;
    if (mode == kOutlineMode) {
        tools::SelectPreviewPen(dc, PenColour);
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y1);
        dc.MoveTo(x2, y1);
        dc.LineTo(x2, y2);
        dc.MoveTo(x2, y2);
        dc.LineTo(x1, y2);
        dc.MoveTo(x1, y2);
        dc.LineTo(x1, y1);
        tools::RestoreCopyPen(dc);
    } else if (mode == kWipeMode) {
        // The wipe reaches the pixel the room's own outline adds to the right and below.
        const auto k = static_cast<int32_t>(std::floor(PenScaleF + 0.5f));
        dc.SelectObject(TPen(BackgroundColour, 1, PS_SOLID));
        dc.SelectObject(TBrush(BackgroundColour));
        dc.Rectangle(x1, y1, x2 + k, y2 - k);
        dc.RestoreBrush();
        dc.RestorePen();
    }
}

// New rooms come from Start; nothing calls this slot for the design-room tool.
tools::WriteResult TDRoomobjtool::CreateObject(TDC&, TRect&) {
    return tools::WriteResult::Ok;
}
