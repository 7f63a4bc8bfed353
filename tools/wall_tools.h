// The wall tools: the external-wall tool that builds the closed outline of a floor and edits its
// walls, and the internal-wall tool that draws partitions snapped to the walls they meet.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tools/line_tool.h"
#include "tools/working_file.h"

class TExtwallobjtool : public TLineobjtool {
public:
    TOOL_STATE_COPIES(TExtwallobjtool)
    TExtwallobjtool() { Kind = toolkind::kExtWall; }

    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
    void Command(int32_t code) override;
    void Start(int32_t a, int32_t b, int32_t c) override;

    // The step Start carries out, chosen by the tool's mode (tools/extwall_edit_modes.h).
    void DispatchMode(int32_t a, int32_t b, int32_t c);
    // Edits the wall at DirectionCode: lengthen or shorten by a at the end nearer (b, c), delete,
    // split at (b, c), or give it the layers a, b, c. Leaves the wall's extent before the edit in the
    // box, its face ends after it in X0, Y0, X1, Y1, and a refused end move or split in Dragging.
    void EditWall(int32_t a, int32_t b, int32_t c);
    // Moves the floor-plan base by the amount along the line through (x, y); BaseChangeRefused says
    // whether the plan could not take it and nothing moved.
    void ExpandShrinkBase(int32_t amount, int32_t x, int32_t y);
    bool BaseChangeRefused = false;
    // Takes a new identifier, snaps the ends to the floor's walls, reads the wall settings and
    // computes the layer lines (below 1: without the snapping).
    void SnapWallEnds(int32_t snap);
    // Moves the start (end 1) or the end of a wall made from the outline line at lineIndex out along
    // the corner's bisector to the outer face.
    void TrimWallEnd(int32_t lineIndex, int32_t outgoingAngle, int32_t incomingAngle, int32_t end);
    // PreviousWall and NextWall of the existing wall at wallIndex.
    void FindTouchingWalls(int32_t wallIndex);
    // Appends the wall the fields describe and rewrites the working file; a wall without length is
    // refused, and nothing is written.
    [[nodiscard]] tools::WriteResult AddExternalWall();

    // The layer lines of the wall in the fields (see walls/extwall_outline.h).
    void ComputeOutline(int32_t startWall, int32_t endWall);
    void OutlineOrthoFree(int32_t ends);
    void OutlineObliqueFree(int32_t ends);
    void OutlineOrthoJoin(int32_t wallIndex, int32_t code);
    void OutlineObliqueJoin(int32_t wallIndex, int32_t code);

    // Command 7: fits the outline marked on the room layout to its design rooms, then builds its
    // walls.
    void PrepareOutlineWalls();
    void BuildOutlineWalls();

    int32_t& DirectionCode() { return PickKind; }     // 1 up, 2 right, 3 down, 4 left
    int32_t& ExtendDirection() { return ChainState; } // command 2's direction

    int32_t LayerThickness1 = 0; // outer layer first; a two-line wall has 2 and 3 at 0
    int32_t LayerThickness2 = 0;
    int32_t LayerThickness3 = 0;
    int32_t ExtraSetting1 = 0; // carried unchanged into every wall built
    int32_t ExtraSetting2 = 0;
    int32_t ExtraWord = 0;
    int32_t NextWall = kNoObject; // document indices of the joined walls
    int32_t PreviousWall = kNoObject;
    int32_t LayerEndX[6] = {}; // the two ends of each of the three layer lines
    int32_t LayerEndY[6] = {};
    int32_t WallValue1 = 0; // copied into the wall's value1, value2
    int32_t WallValue2 = 0;
    int32_t AttributeBlock[4] = {};

private:
    // True when the last SnapWallEnds turned the wall round; a keyed outline still goes on from
    // the end the user keyed.
    bool endsExchanged_ = false;

    // AddExternalWall without the write; false when the wall is refused.
    bool AppendExternalWall();
    void BuildSideWall(const std::vector<int32_t>& sides, size_t at);
    void MoveWallEnd(int32_t step, int32_t u, int32_t v);
    void SplitWall(int32_t u, int32_t v);
    void LoadFaceEnds(int32_t index);
    void ShrinkLimitCommand();
    void KeyedStartCommand();
    void CopyFloorBelowCommand();
    void RecentreCommand();
};

// Modes and signals of the internal-wall tool.
namespace intwall {
constexpr int32_t kDrawing = 0;
constexpr int32_t kMoveEnd = 300;    // the picked wall's end moves by the next arrow key: not at all,
constexpr int32_t kExtendEnd = 400;  // outward,
constexpr int32_t kShortenEnd = 500; // or back
constexpr int32_t kFinishRooms = 1500;
constexpr int32_t kDeletePickStep = 3;  // the step value of the key that picks a partition to delete
constexpr int32_t kEndCapped = 30000;   // FreeLength after an end cap: the chain is finished
constexpr int32_t kStartMarked = 30000; // Y0 after Start in an edit mode
constexpr int32_t kRefused = kNoObject; // Y0 after a refused key or a pick that found nothing
constexpr int32_t kEdited = 4;          // PointPlaced after an end was moved: repaint the box
} // namespace intwall

class TIntwallobjtool : public TLineobjtool {
public:
    TOOL_STATE_COPIES(TIntwallobjtool)
    TIntwallobjtool() { Kind = toolkind::kIntWall; }

    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void RedrawPreview(TDC& dc) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
    void Start(int32_t a, int32_t b, int32_t c) override;
    // Snaps the partition's ends to the walls it meets and trims them (below 1: no snapping). False,
    // with the tool and the drawing as they were, for a partition that would lie inside an external wall.
    [[nodiscard]] bool SnapWallEnds(int32_t snap);
    // Moves one end of the wall at PickIndex by the arrow key, as the edit mode says.
    void LoadWallForEdit(uint32_t key, int32_t step);
    // Deletes every object of the view sharing the group of the object at the index.
    void DeleteGroup(int32_t index);
    // Turns the view's design rooms into finished rooms with their partitions (1 the rooms of the
    // current view, 2 those of the current floor's layout).
    // Leaves the rectangle enclosing the finished rooms in the box for the caller to repaint.
    void FinishDesignRooms(int32_t mode);
    // Gives the room at the index, whose corners are in X0, Y0, X1, Y1, partitions on every part of its
    // sides that no wall closes, mask lines where they run into internal walls, and its labels.
    void BuildRoomPartitions(int32_t roomIndex);
    // Appends the partition laid out in the fields (first face X0, Y0 - X1, Y1; second face in the
    // Face fields; bearing in Angle) as an internal wall of the current view. Finishing saves once
    // at its end, so this does not write the working file.
    void AddPartitionWall();
    // Takes the rubber band from the chain's end to the pointer off the window, before a step moves
    // the end it was drawn from; the next pointer move draws it afresh.
    void TakeBandOff(TDC& dc, const TRect& client);

    int32_t& DirectionCode() { return PickKind; } // side of the partition being built
    int32_t& SecondFaceSide() { return CursorX; } // as chosen in the thickness dialog
    int32_t& FreeLength() { return Count; }
    int32_t& WallId() { return ObjectId; }
    int32_t& WallGroup() { return SegmentLength; }

    int32_t BandShown = 0; // 1 once the rubber band has been drawn
    // Where the second face begins beside the start of the segment an arrow key asked for, as the
    // arrow's Start laid it out.
    POINT SecondFaceStart{};
    // No segment made yet since the start point: the new segment's side is the one the user chose.
    bool FirstOfChain = true;
    // Set by a partition refused for lying inside an external wall: the key that made it changes nothing.
    bool RefusedInsideWall = false;
    int32_t Thickness = 0; // partition thickness, drawing units
    int32_t WallSettings[4] = {};
    int32_t SpareWord = 0;
    int32_t FaceStartX = 0; // second face of the partition being built
    int32_t FaceAux = 0;
    int32_t FaceEndX = 0;
    int32_t FaceStartY = 0;
    int32_t FaceEndY = 0;
    int32_t WallValue1 = 0; // copied into the wall's last two fields
    int32_t WallValue2 = 0;
    int32_t AttributeBlock[4] = {};

private:
    bool EnterKey(TDC& dc, TRect& client, TPoint* point, POINT& keyEnd);
    bool ArrowKey(TDC& dc, TRect& client, uint32_t key, int32_t step, POINT& keyEnd);
    void LoadEditedWall(const TIntwallobj& wall);
    void MoveEditedEnd(TIntwallobj& wall, uint32_t key, int32_t amount);
    void NewSegmentIdentity();
    void PickForDelete(TDC& dc, TRect& client, TPoint* point);
    void CapOpenEnd();
    [[nodiscard]] tools::WriteResult HideMetFaces(TDC& dc, TRect& client);
    void AddJunction(TDC& dc, TRect& client, int32_t& ax, int32_t& ay, int32_t& bx, int32_t& by);
};
