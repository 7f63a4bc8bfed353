// The room tools: the fixed-room tool that builds a finished room in the free space round a click,
// and the design-room tool of the room-layout views.
// The fixed-room tool: tools/fixed_room_measure.cpp (the click and its free space),
// tools/fixed_room_builder.cpp (partitions, mask lines, name label), tools/fixed_room_dimensions.cpp
// (size lines and the finished room). The design-room tool: tools/design_room_tool.cpp (picking and
// dragging), tools/design_room_edits.cpp (new rooms, keys, deleting), tools/design_room_pending.cpp.
#pragma once

#include "document/objects.h"
#include "tools/wall_tools.h"

class TRoomobjtool : public TIntwallobjtool {
public:
    TOOL_STATE_COPIES(TRoomobjtool)
    TRoomobjtool() { Kind = toolkind::kFixedRoom; }

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void BuildRoom(TDC& dc, TRect& client, int32_t width, int32_t length) override;
    // Keys do nothing while the fixed-room tool is current.
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void AutoDimension(TDC& dc, TRect& client, int32_t a, int32_t b, int32_t c, int32_t code) override;

    int32_t NearerSideX = 0; // 1 nearer the left bound, 2 nearer the right
    int32_t NearerSideY = 0; // 1 nearer the top bound, 2 nearer the bottom
    int32_t LeftBound = 0;   // bounding object indices; after BuildRoom the room's rectangle
    int32_t RightBound = 0;
    int32_t TopBound = 0;
    int32_t BottomBound = 0;

    // Ours: the free space of the last enclosed click (left, right, top, bottom), the faces a bound
    // falls back to should its object have gone; and whether BuildRoom got its partitions saved, so
    // that the size annotations follow only a room that was built.
    int32_t FreeSpace[4] = {};
    bool RoomBuilt = false;
};

// The nearer-side codes of the fixed-room tool.
namespace fixedroom {
constexpr int32_t kNearerLeft = 1;  // also nearer the top
constexpr int32_t kNearerRight = 2; // also nearer the bottom
} // namespace fixedroom

class TDRoomobjtool : public TLineobjtool {
public:
    TOOL_STATE_COPIES(TDRoomobjtool)
    static constexpr int32_t kSizeTextCapacity = 20;

    TDRoomobjtool();

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void ButtonUp(TDC& dc, TRect& client, TPoint* point) override;
    void Button2Down(TDC& dc, TRect& client, TPoint* point) override;
    void Button2Up(TDC& dc, TRect& client, TPoint* point) override;
    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void RedrawPreview(TDC& dc) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
    // Re-opens the finished room at the index for altering (the finishing of design rooms).
    void Command(int32_t code) override;
    // Makes a new design room of width x length at the new-room spot; a = width, b = length.
    void Start(int32_t a, int32_t b, int32_t c) override;

    // Finds the room under a client point and prepares the tool: PickedIndex, the working and clear
    // rectangles and, from an idle state, a drag in state 5 or 6. RoomY2 is kNoObject on a miss.
    void PickRoom(TDC& dc, TRect& client, int32_t x, int32_t y);
    // Removes the picked room from the document (the caller saves).
    void DeleteRoom();
    // Re-makes the picked room's length text (which 1) or width text (which 2).
    void UpdateSizeText(int32_t which);
    // Placement aids: snapping a dropped room to walls or to other rooms, the largest free room at a
    // click, and the quarter turn.
    void SnapToWalls(TDC& dc, TRect& client, int32_t x, int32_t y);
    void SnapToRooms(TDC& dc, TRect& client, int32_t x, int32_t y);
    void MeasureMaxRoom(TDC& dc, TRect& client, int32_t x, int32_t y);
    void RotateRoom();
    // The contents of a re-opened finished room, listed in the selection buffer and moved with it.
    void ListRoomContents();
    void TransformContents(int32_t mode, int32_t side, int32_t step);

    int32_t& KeyRouteFlag() { return PointPlaced; } // arrow keys go to this tool
    int32_t& DragPhase() { return CursorX; }        // 0 no move yet, 1 outline shown, 10 left the client
    int32_t& PickX1() { return CrosshairStyle; }    // the picked room's corner when it was picked
    int32_t& PickY1() { return ChainState; }
    int32_t& RoomX1() { return X0; } // the working rectangle, RoomY1 the top
    int32_t& RoomX2() { return X1; }
    int32_t& RoomY1() { return Y0; }
    int32_t& RoomY2() { return Y1; }
    int32_t& ClearX1() { return BoxLeft; } // the picked room widened by the partition
    int32_t& ClearX2() { return BoxRight; }
    int32_t& ClearY1() { return BoxTop; }
    int32_t& ClearY2() { return BoxBottom; }

    int32_t NameLength = 0;
    int32_t WidthTextLength = 0;
    int32_t LengthTextLength = 0;
    int32_t PickedIndex = kNoObject; // the picked room in the document; none before the first pick
    int32_t SizeOption = 0;          // 0 none, 2 both sizes, 3 horizontal, 4 vertical
    int32_t TextHeight = 0;
    int32_t PartitionThickness = 0;
    int32_t RoomLength = 0; // y extent
    int32_t RoomWidth = 0;  // x extent
    int32_t LastX = 0;      // last pointer position, drawing units
    int32_t LastY = 0;
    COLORREF FillColour = 0;
    char WidthText[kSizeTextCapacity] = {};
    char LengthText[kSizeTextCapacity] = {};
    // Ours: the last arrow key asked to shrink a side by its whole size or more and changed nothing.
    bool KeyRefused = false;
};
