// The door and window tool: marks a wall, follows the pointer along it with the opening's preview
// and cuts the opening with its symbol into the wall.
#pragma once

#include "tools/line_tool.h"
#include "walls/opening.h"

class TWindowobjtool : public TLineobjtool {
public:
    TOOL_STATE_COPIES(TWindowobjtool)
    TWindowobjtool() { Kind = toolkind::kOpening; }

    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void RedrawPreview(TDC& dc) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void Start(int32_t a, int32_t b, int32_t c) override;

    // The steps behind KeyDown and Start. LoadSettings: the start-up door width, then what to load
    // (kLoadWindow or kLoadDoor); MarkWall hands its step to PlaceOpening (kMarkOnly builds nothing).
    void MarkWall(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step);
    void LoadSettings(int32_t startWidth, int32_t what, int32_t unused);
    void PlaceOpening(TDC& dc, TRect& client, int32_t step);

    static constexpr int32_t kLoadWindow = 1;
    static constexpr int32_t kLoadDoor = 2;
    static constexpr int32_t kMarkOnly = 4;
    // Y0 after MarkWall when no wall took the point.
    static constexpr int32_t kNothingMarked = 1;

    int32_t& FramePosition() { return CursorX; } // doors in an entry frame
    int32_t& PreviewDrawn() { return CursorY; }  // 1 while the preview is on screen
    int32_t& WallAngle() { return Angle; }
    int32_t& WallId() { return ObjectId; }
    int32_t& OpeningId() { return SegmentLength; }
    int32_t& OpeningLevel() { return ChainState; }
    int32_t& DialogOpeningKind() { return BoxLeft; } // left by the door and window dialogs
    int32_t& DialogSpareWord() { return BoxTop; }

    int32_t MarkedWall = 0; // kNoObject while none is marked
    int32_t FloorBase = 0;
    int32_t OpeningWidth = 0;
    int32_t OpeningKind = 0;
    int32_t FaceSide = 1; // 1 reference-face half, 3 the other half
    int32_t WallThickness = 0;
    int32_t DoorCount = 1;
    int32_t DoorWidth = 0;
    int32_t WallClass = 1; // 1 external, 2 internal
    int32_t SwingCode = 0;
    int32_t SymbolOption = 1;
    int32_t CillFlag = 0;
    int32_t SizeLabelFlag = 0;
    int32_t WorkX = 0;
    int32_t WorkY = 0;

private:
    void LoadWindow();
    void LoadDoor(int32_t startWidth);
    void LoadLevel(int32_t unitValue);
    void LoadSwing();
    void RestoreSwingOffsets();
    void ErasePreview(TDC& dc);
    void TakeWall(const struct WallMark& mark);
    Opening Draft() const;
    void MakeOpeningLabel(Opening& opening);
};
