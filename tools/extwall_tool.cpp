// The external-wall tool's wall building: the wall in the tool's fields is handed to the geometry of
// walls/ and its results written back, then the wall is appended to the document.
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "tools/extwall_settings.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "walls/extwall_outline.h"
#include "walls/extwall_snapping.h"

namespace {

walls::ExtWallWork WorkOf(const TExtwallobjtool& t) {
    walls::ExtWallWork w;
    w.x1 = t.X0;
    w.y1 = t.Y0;
    w.x2 = t.X1;
    w.y2 = t.Y1;
    w.angle = t.Angle;
    w.layer1 = t.LayerThickness1;
    w.layer2 = t.LayerThickness2;
    w.layer3 = t.LayerThickness3;
    for (int32_t k = 0; k < 6; ++k) {
        w.layerX[k] = t.LayerEndX[k];
        w.layerY[k] = t.LayerEndY[k];
    }
    return w;
}

void Store(const walls::ExtWallWork& w, TExtwallobjtool& t) {
    t.X0 = w.x1;
    t.Y0 = w.y1;
    t.X1 = w.x2;
    t.Y1 = w.y2;
    t.Angle = w.angle;
    for (int32_t k = 0; k < 6; ++k) {
        t.LayerEndX[k] = w.layerX[k];
        t.LayerEndY[k] = w.layerY[k];
    }
}

// Runs one geometry step on the tool's wall.
template <typename Step> void WithWork(TExtwallobjtool& tool, Step step) {
    walls::ExtWallWork w = WorkOf(tool);
    step(w);
    Store(w, tool);
}

} // namespace

void TExtwallobjtool::SnapWallEnds(int32_t snap) {
    ObjectId = ++IdCounter;
    walls::SnappedWalls met{kNoObject, kNoObject, false};
    WithWork(*this, [&](walls::ExtWallWork& w) {
        if (snap <= 0) return;
        met = walls::SnapToWallEnds(w, ObjectList, CurrentView, 3 * ZoomDivisor, DirectionCode());
        if (met.start == kNoObject && met.end == kNoObject)
            met.reversed = walls::OrderByDirection(w, DirectionCode());
    });
    endsExchanged_ = met.reversed;
    PreviousWall = met.start;
    NextWall = met.end;

    const ExtWallSettings s = ReadExtWallSettings(MetricUnits);
    LayerThickness1 = s.layer1;
    LayerThickness2 = s.layer2;
    LayerThickness3 = s.layer3;
    ExtraSetting1 = s.setting1;
    ExtraSetting2 = s.setting2;
    Colour = static_cast<COLORREF>(s.colour);
    walls::FloorHeights(CurrentView, s.heights, Aux1, Aux2);

    for (int32_t k = 2; k < 6; ++k)
        LayerEndX[k] = LayerEndY[k] = 0;
    for (int32_t& word : AttributeBlock)
        word = 0;
    SavedMode = CurrentView;
    ComputeOutline(PreviousWall, NextWall);
}

void TExtwallobjtool::TrimWallEnd(int32_t lineIndex, int32_t outgoingAngle, int32_t incomingAngle,
                                  int32_t end) {
    WithWork(*this, [&](walls::ExtWallWork& w) {
        walls::TrimWallEnd(w, ObjectList, lineIndex, outgoingAngle, incomingAngle, end, SegmentLength);
    });
}

void TExtwallobjtool::FindTouchingWalls(int32_t wallIndex) {
    walls::FindTouchingWalls(ObjectList, CurrentView, wallIndex, PreviousWall, NextWall);
}

tools::WriteResult TExtwallobjtool::AddExternalWall() {
    if (!AppendExternalWall()) return tools::WriteResult::Ok;
    return tools::SaveWorkingFile();
}

bool TExtwallobjtool::AppendExternalWall() {
    PenWidth = 1;
    LineStyle = 0;
    if (StartsOnAnAxis(X0, Y0) || (X0 == X1 && Y0 == Y1)) return false;
    int32_t layerPoints[12];
    for (int32_t k = 0; k < 6; ++k) {
        layerPoints[2 * k] = LayerEndX[k];
        layerPoints[2 * k + 1] = LayerEndY[k];
    }
    DrawingState = 2;
    ObjectList.Add(std::make_unique<TExtwallobj>(
        SavedMode, Kind, PenWidth, LineStyle, ObjectId, SegmentLength, X0, Aux1, X1, Aux2, Y0, Y1, Colour,
        LayerThickness1, LayerThickness2, LayerThickness3, ExtraSetting1, ExtraSetting2, 1, Angle,
        layerPoints, WallValue1, WallValue2, AttributeBlock));
    return true;
}

void TExtwallobjtool::ComputeOutline(int32_t startWall, int32_t endWall) {
    WithWork(*this, [&](walls::ExtWallWork& w) { walls::ComputeOutline(w, ObjectList, startWall, endWall); });
}

void TExtwallobjtool::OutlineOrthoFree(int32_t ends) {
    WithWork(*this, [&](walls::ExtWallWork& w) { walls::OutlineOrthoFree(w, ends); });
}

void TExtwallobjtool::OutlineObliqueFree(int32_t ends) {
    WithWork(*this, [&](walls::ExtWallWork& w) { walls::OutlineObliqueFree(w, ends); });
}

void TExtwallobjtool::OutlineOrthoJoin(int32_t wallIndex, int32_t code) {
    TExtwallobj* other = walls::ExternalWallAt(ObjectList, wallIndex);
    if (!other) return;
    WithWork(*this, [&](walls::ExtWallWork& w) { walls::OutlineOrthoJoin(w, *other, code); });
}

void TExtwallobjtool::OutlineObliqueJoin(int32_t wallIndex, int32_t code) {
    TExtwallobj* other = walls::ExternalWallAt(ObjectList, wallIndex);
    if (!other) return;
    WithWork(*this, [&](walls::ExtWallWork& w) { walls::OutlineObliqueJoin(w, *other, code); });
}
