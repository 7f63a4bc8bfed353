// The create operation of every tool that builds objects: when a shape is complete the tool's fields
// become one new drawing object, which is shown, appended to the document and written to the
// working file.
#include <cstring>
#include <memory>
#include <utility>

#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/dc.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "tools/line_tool.h"
#include "tools/round_hundredths.h"
#include "tools/shape_tools.h"
#include "tools/text_tool.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

int32_t RoundHundredths(double x) {
    const auto n = static_cast<int64_t>(x * 100.0);
    const int64_t q = n / 100;
    const int64_t r = n % 100;
    return static_cast<int32_t>(r >= 50 ? q + 1 : q);
}

namespace {

// Shows the new object at once, hands it to the document and rewrites the working file.
tools::WriteResult PaintAppendAndSave(std::unique_ptr<TObject> object, TDC& dc, TRect& client) {
    object->PaintInWindow(dc, client, 0);
    ObjectList.Add(std::move(object));
    return tools::SaveWorkingFile();
}

bool PointsDiffer(const TDrawingtool& t) {
    return t.X0 != t.X1 || t.Y0 != t.Y1;
}

// Lines and walls never start on a zero coordinate and never have zero length.
bool LineGuard(const TDrawingtool& t) {
    return !StartsOnAnAxis(t.X0, t.Y0) && PointsDiffer(t);
}

} // namespace

tools::WriteResult TLineobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!LineGuard(*this)) return tools::WriteResult::Ok;
    if (tools::Failed(PaintAppendAndSave(std::make_unique<TLineobj>(CurrentView, Kind, PenWidth, LineStyle,
                                                                    ObjectId, SegmentLength, X0, Aux1, X1,
                                                                    Aux2, Y0, Y1, Colour, Angle, CursorY),
                                         dc, client)))
        return tools::WriteResult::Failed;
    if (Kind == 51) return tools::WriteResult::Ok;
    PointPlaced = (Kind == toolkind::kLine || Kind == toolkind::kOutline) ? 1 : 0;
    return tools::WriteResult::Ok;
}

tools::WriteResult TTextobjtool::CreateObject(TDC& dc, TRect& client) {
    if (TextBuffer[0] == '\0') return tools::WriteResult::Ok;
    SIZE extent{};
    dc.GetTextExtentPoint(TextBuffer, static_cast<int32_t>(std::strlen(TextBuffer)), &extent);
    // A vertical text centred on the clicked point.
    if (TextStyle() == 1 && TextAngle() == 2700) Y0 -= extent.cx / 2;
    if (tools::Failed(PaintAppendAndSave(
            std::make_unique<TTextobj>(CurrentView, Kind, 1, 0, ObjectId, SegmentLength, X0, Aux1, X1, 0, Y0,
                                       Y1, Colour, TextBuffer, ObjectList.DefaultFontName, TextAngle(),
                                       TextStyle(), DefaultTextWeight, DefaultTextHeight),
            dc, client)))
        return tools::WriteResult::Failed;
    PointPlaced = 0;
    return tools::WriteResult::Ok;
}

tools::WriteResult TArcobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!PointsDiffer(*this)) return tools::WriteResult::Ok;
    return PaintAppendAndSave(std::make_unique<TArcobj>(CurrentView, Kind, PenWidth, LineStyle, ObjectId,
                                                        SegmentLength, X0, Aux1, X1, Aux2, Y0, Y1, Colour,
                                                        ArcStartX, ArcStartY, ArcEndX, ArcEndY),
                              dc, client);
}

tools::WriteResult TEllipseobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!PointsDiffer(*this)) return tools::WriteResult::Ok;
    if (tools::Failed(PaintAppendAndSave(std::make_unique<TEllipseobj>(CurrentView, Kind, PenWidth, LineStyle,
                                                                       ObjectId, SegmentLength, X0, Aux1, X1,
                                                                       Aux2, Y0, Y1, Colour),
                                         dc, client)))
        return tools::WriteResult::Failed;
    PointPlaced = 0;
    return tools::WriteResult::Ok;
}

tools::WriteResult TCircleobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!PointsDiffer(*this)) return tools::WriteResult::Ok;
    // The keyed small circle of kind 18 is stored as an ordinary circle.
    const int32_t kind = Kind == 18 ? toolkind::kCircle : Kind;
    if (tools::Failed(PaintAppendAndSave(std::make_unique<TCircleobj>(CurrentView, kind, PenWidth, LineStyle,
                                                                      ObjectId, SegmentLength, X0, Aux1, X1,
                                                                      Aux2, Y0, Y1, Colour),
                                         dc, client)))
        return tools::WriteResult::Failed;
    PointPlaced = 0;
    return tools::WriteResult::Ok;
}

tools::WriteResult TRectangleobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!PointsDiffer(*this)) return tools::WriteResult::Ok;
    return PaintAppendAndSave(std::make_unique<TRectangleobj>(CurrentView, Kind, PenWidth, LineStyle,
                                                              ObjectId, SegmentLength, X0, Aux1, X1, Aux2, Y0,
                                                              Y1, Colour),
                              dc, client);
}

tools::WriteResult TRndrectobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!PointsDiffer(*this)) return tools::WriteResult::Ok;
    return PaintAppendAndSave(std::make_unique<TRndrectobj>(CurrentView, Kind, PenWidth, LineStyle, ObjectId,
                                                            SegmentLength, X0, Aux1, X1, Aux2, Y0, Y1, Colour,
                                                            CornerRadius()),
                              dc, client);
}

tools::WriteResult TExtwallobjtool::CreateObject(TDC&, TRect&) {
    SnapWallEnds(1);
    PenWidth = 1;
    LineStyle = 0;
    if (!LineGuard(*this)) return tools::WriteResult::Ok;
    int32_t layerPoints[12];
    for (int32_t i = 0; i < 6; ++i) {
        layerPoints[2 * i] = LayerEndX[i];
        layerPoints[2 * i + 1] = LayerEndY[i];
    }
    ObjectList.Add(std::make_unique<TExtwallobj>(
        CurrentView, Kind, PenWidth, LineStyle, ObjectId, SegmentLength, X0, Aux1, X1, Aux2, Y0, Y1, Colour,
        LayerThickness1, LayerThickness2, LayerThickness3, ExtraSetting1, ExtraSetting2, 1, Angle,
        layerPoints, WallValue1, WallValue2, AttributeBlock));
    if (tools::Failed(tools::SaveWorkingFile())) return tools::WriteResult::Failed;
    // Painted by the caller's repaint.
    PointPlaced = 1;
    // A wall turned round to fit the outline is stored so; the keyed outline goes on from the end
    // the user keyed, not from where the stored wall ends.
    if (endsExchanged_) {
        std::swap(X0, X1);
        std::swap(Y0, Y1);
    }
    return tools::WriteResult::Ok;
}

tools::WriteResult TIntwallobjtool::CreateObject(TDC& dc, TRect& client) {
    if (!SnapWallEnds(1)) {
        RefusedInsideWall = true;
        MessageBox(Window ? Window->GetHandle() : nullptr,
                   "The internal wall would lie inside an external wall - it has not been drawn",
                   "INTERNAL WALL", MB_OK);
        return tools::WriteResult::Ok;
    }
    PenWidth = 1;
    LineStyle = 0;
    if (!LineGuard(*this)) return tools::WriteResult::Ok;
    auto wall = std::make_unique<TIntwallobj>(
        CurrentView, Kind, PenWidth, LineStyle, ObjectId, ObjectId, X0, Aux1, X1, Aux2, Y0, Y1, Colour,
        Thickness, WallSettings[0], WallSettings[1], WallSettings[2], WallSettings[3], 1, Angle, FaceStartX,
        FaceAux, FaceStartY, FaceEndX, FaceEndY, AttributeBlock, WallValue1, WallValue2);
    TObject* shown = wall.get();
    ObjectList.Add(std::move(wall));
    if (tools::Failed(tools::SaveWorkingFile())) return tools::WriteResult::Failed;
    shown->PaintInWindow(dc, client, 0);
    PointPlaced = 1;
    return tools::WriteResult::Ok;
}
