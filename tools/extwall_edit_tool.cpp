// The external-wall tool's start operation: the edit of the picked wall (whose index the tool holds
// in DirectionCode) by the mode its command chose, or the change of the floor-plan base.
#include "document/document.h"
#include "document/program_state.h"
#include "editing/centre_drawing.h"
#include "tools/extwall_edit_modes.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "walls/extwall_edit.h"

void TExtwallobjtool::DispatchMode(int32_t a, int32_t b, int32_t c) {
    if (Mode == extwallmode::kExpandBase || Mode == extwallmode::kShrinkBase) {
        Dragging = 0;
        PointPlaced = 0;
        Kind = toolkind::kExtWall;
        ExpandShrinkBase(a, b, c);
        // The floor is re-centred (and written) also when the base change was refused.
        CentreDrawing(*this, 1);
        return;
    }
    if (extwallmode::IsWallEdit(Mode)) EditWall(a, b, c);
}

void TExtwallobjtool::EditWall(int32_t a, int32_t b, int32_t c) {
    const int32_t index = DirectionCode();
    const TExtwallobj* wall = walls::ExternalWallAt(ObjectList, index);
    if (!wall) return;
    FindTouchingWalls(index);
    const walls::WallBox box = walls::ExtentBeforeEdit(*wall);
    BoxLeft = box.left;
    BoxRight = box.right;
    BoxTop = box.top;
    BoxBottom = box.bottom;

    switch (Mode) {
    case extwallmode::kLengthen:
    case extwallmode::kShorten:
        MoveWallEnd(Mode == extwallmode::kLengthen ? a : -a, b, c);
        break;
    case extwallmode::kDelete:
        walls::DeleteWall(ObjectList, CurrentView, index);
        ObjectList.ForgetSelection();
        // The step's last change: a failed write has been told and ends the caller's step.
        static_cast<void>(tools::SaveWorkingFile());
        break;
    case extwallmode::kSplit:
        SplitWall(b, c);
        break;
    case extwallmode::kChangeType:
        walls::RetypeWall(ObjectList, CurrentView, index, a, b, c);
        if (tools::Failed(tools::SaveWorkingFile())) return;
        LoadFaceEnds(index);
        break;
    default:
        break;
    }
}

void TExtwallobjtool::MoveWallEnd(int32_t step, int32_t u, int32_t v) {
    const int32_t index = DirectionCode();
    Dragging =
        walls::MoveNearerEnd(ObjectList, CurrentView, index, step, u, v, Mode == extwallmode::kLengthen);
    // A wall too short for the step stays as it was, and so does the file.
    if (Dragging == walls::walledit::kTooShort) return;
    if (tools::Failed(tools::SaveWorkingFile())) return;
    if (Dragging == walls::walledit::kDone) LoadFaceEnds(index);
}

void TExtwallobjtool::SplitWall(int32_t u, int32_t v) {
    auto* wall = walls::ExternalWallAt(ObjectList, DirectionCode());
    walls::SecondHalf half{};
    Dragging = wall ? walls::SplitWall(*wall, u, v, half) : walls::walledit::kNoSplit;
    if (Dragging != walls::walledit::kDone) return;
    X0 = half.wall.x1;
    Y0 = half.wall.y1;
    X1 = half.wall.x2;
    Y1 = half.wall.y2;
    for (int32_t k = 0; k < 6; ++k) {
        LayerEndX[k] = half.wall.layerX[k];
        LayerEndY[k] = half.wall.layerY[k];
    }
    SegmentLength = half.length;
    Kind = wall->kind;
    SavedMode = wall->view;
    Angle = wall->direction;
    Aux1 = wall->aux1;
    Aux2 = wall->aux2;
    Colour = wall->colour;
    LayerThickness1 = wall->thickness1;
    LayerThickness2 = wall->thickness2;
    LayerThickness3 = wall->thickness3;
    ExtraSetting1 = wall->setting1;
    ExtraSetting2 = wall->setting2;
    WallValue1 = wall->value1;
    WallValue2 = wall->value2;
    for (int32_t& word : AttributeBlock)
        word = 0;
    ObjectId = ++IdCounter;
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(AddExternalWall());
}

void TExtwallobjtool::LoadFaceEnds(int32_t index) {
    const TObject* wall = ObjectList[index];
    if (!wall) return;
    X0 = wall->x1;
    Y0 = wall->y1;
    X1 = wall->x2;
    Y1 = wall->y2;
}
