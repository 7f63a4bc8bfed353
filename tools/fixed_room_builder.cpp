// Building a fixed room: the room placed against the nearer bounding faces, a partition of the
// configured thickness outside every part of a side that no wall face covers, background-coloured mask
// lines where a partition meets an internal wall, and the room's name label at its centre, by the same
// rule as finishing design rooms. Existing walls are never moved or cut.
#include <algorithm>
#include <memory>
#include <vector>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/house_outline.h"
#include "document/program_state.h"
#include "rooms/fixed_room_settings.h"
#include "rooms/partition_pieces.h"
#include "rooms/room_settings.h"
#include "rooms/room_sides.h"
#include "tools/intwall_object.h"
#include "tools/room_tools.h"

namespace {

enum Side : int32_t { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };
constexpr Side kSides[4] = {kLeft, kRight, kTop, kBottom};

// A design room bounds a fixed room this far off its edge.
constexpr int32_t kDesignRoomClearance = 1000;
constexpr int32_t kRepaintMargin = 5; // window units round the room and its partitions
constexpr int32_t kCentredOnBaseline = 6;
constexpr int32_t kLabelBearing = 900;

struct Plan {
    int32_t xL = 0, xR = 0, yT = 0, yB = 0;
    int32_t T = 0;
    int32_t K = 0;
    int32_t base = 0;
    int32_t face[4] = {}; // where the bounding object stops the room on each side
};

// The face of the bounding object toward the click: an external wall's face toward the inside of
// the house, a partition's face nearer the room, a design room's edge with room kept round it. An
// object that is no longer a bound (it cannot change while the dialog is open, but the index is only
// a number) leaves the face where the click measured it.
int32_t BoundingFace(const HouseOutline& house, int32_t index, Side s, int32_t measured) {
    const TObject* o = ObjectList[index];
    if (const auto* w = dynamic_cast<const TExtwallobj*>(o); w && o->kind == kExtWall) {
        const WallFace f = house.InnerFace(*w);
        return s == kLeft || s == kRight ? f.x2 : f.y2;
    }
    if (const auto* w = dynamic_cast<const TIntwallobj*>(o); w && o->kind == kIntWall) {
        const int32_t faces[4] = {std::max(w->x1, w->q1x), std::min(w->x1, w->q1x), std::min(w->y1, w->q1y),
                                  std::max(w->y1, w->q1y)};
        return faces[s];
    }
    if (o == nullptr || o->kind != kDesignRoom) return measured;
    const int32_t faces[4] = {o->x2 + kDesignRoomClearance, o->x1 - kDesignRoomClearance,
                              o->y2 - kDesignRoomClearance, o->y1 + kDesignRoomClearance};
    return faces[s];
}

int32_t MaskInset() {
    if (MetricUnits == 1) return 25;
    return MetricUnits == 0 ? 24 : 1;
}

// Each piece with its own identifier, its mask lines carrying it too. False when the drawing could
// not be saved (the user has been told).
bool BuildPieces(TRoomobjtool& t, const Plan& p, const std::vector<PartitionPiece>& pieces) {
    for (const PartitionPiece& piece : pieces) {
        ++IdCounter;
        t.ObjectId = IdCounter + p.base;
        t.X0 = piece.first.x1;
        t.Y0 = piece.first.y1;
        t.X1 = piece.first.x2;
        t.Y1 = piece.first.y2;
        t.FaceStartX = piece.second.x1;
        t.FaceStartY = piece.second.y1;
        t.FaceEndX = piece.second.x2;
        t.FaceEndY = piece.second.y2;
        t.Angle = piece.angle;
        if (tools::Failed(CreateIntwallObject(t))) return false;
        for (const Segment& m : piece.masks)
            ObjectList.Add(std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, t.ObjectId, t.SegmentLength,
                                                      m.x1, 0, m.x2, 0, m.y1, m.y2, BackgroundColour, 0, 0));
    }
    return true;
}

void LoadPartitionSettings(TRoomobjtool& t) {
    std::fill(std::begin(t.AttributeBlock), std::end(t.AttributeBlock), 0);
    const IntwallSettings s = ReadIntwallSettings();
    t.Aux1 = t.Aux2 = t.FaceAux = s.height;
    std::copy(s.settings.begin(), s.settings.end(), t.WallSettings);
    // The floor's room partitions, which the free-space scan has left room for, as finishing builds.
    t.Thickness = FloorPartitionThickness(CurrentView, MetricUnits);
}

// The room touches the nearer face on each axis and keeps its size.
void Place(Plan& p, const TRoomobjtool& t, int32_t w, int32_t h) {
    p.xL = t.NearerSideX == fixedroom::kNearerRight ? p.face[kRight] - w : p.face[kLeft];
    p.yT = t.NearerSideY == fixedroom::kNearerRight ? p.face[kBottom] + h : p.face[kTop];
    p.xR = p.xL + w;
    p.yB = p.yT - h;
}

void AddNameLabel(TRoomobjtool& t, const Plan& p, int32_t w, int32_t h) {
    const bool fromLeft = t.NearerSideX != fixedroom::kNearerRight;
    const bool fromTop = t.NearerSideY != fixedroom::kNearerRight;
    t.X0 = fromLeft ? p.xL + w / 2 : p.xR - w / 2;
    t.Y0 = fromTop ? p.yT - h / 2 : p.yB + h / 2;
    ++IdCounter;
    t.ObjectId = IdCounter + p.base;
    const DimensionSettings offsets = ReadDimensionSettings(MetricUnits);
    auto label = std::make_unique<TTextobj>(
        CurrentView, kRoomNameLabel, 1, 0, t.ObjectId, t.SegmentLength, t.X0, t.Aux1, kLabelBearing, 0, t.Y0,
        0, PenColour, ObjectList.CurrentRoomName, ObjectList.DefaultFontName, 0, kCentredOnBaseline,
        DefaultTextWeight, offsets.roomNameTextHeight);
    ObjectList.Add(std::move(label));
}

void HandOver(TRoomobjtool& t, const Plan& p) {
    const int32_t m = kRepaintMargin * ZoomDivisor;
    t.BoxLeft = p.xL - p.T - m;
    t.BoxTop = p.yT + p.T + m;
    t.BoxRight = p.xR + p.T + m;
    t.BoxBottom = p.yB - p.T - m;
    t.LeftBound = p.xL;
    t.RightBound = p.xR;
    t.TopBound = p.yT;
    t.BottomBound = p.yB;
    t.Kind = toolkind::kFixedRoom;
}

} // namespace

void TRoomobjtool::BuildRoom(TDC&, TRect&, int32_t width, int32_t length) {
    const int32_t w = width * ZoomDivisor, h = length * ZoomDivisor;
    RoomBuilt = false;
    LoadPartitionSettings(*this);
    Plan p;
    p.T = Thickness;
    p.K = MaskInset();
    p.base = FloorIdBase(CurrentView);
    ++IdCounter;
    ObjectId = SegmentLength = IdCounter + p.base;
    Kind = toolkind::kIntWall;
    Colour = PenColour;
    LineStyle = 0;
    PenWidth = 1;
    Angle = 0;
    const int32_t bounds[4] = {LeftBound, RightBound, TopBound, BottomBound};
    const HouseOutline house(ObjectList, CurrentView);
    for (Side s : kSides)
        p.face[s] = BoundingFace(house, bounds[s], s, FreeSpace[s]);
    Place(p, *this, w, h);
    // The room stands where it was placed: no edge is pulled onto a wall here.
    const RoomSides sides = SurveyRoomSides(ObjectList, CurrentView, RoomEdges{p.xL, p.xR, p.yT, p.yB}, 0);
    if (!BuildPieces(*this, p, PlanPartitions(sides, p.T, p.K))) {
        Kind = toolkind::kFixedRoom;
        return;
    }
    AddNameLabel(*this, p, w, h);
    HandOver(*this, p);
    RoomBuilt = true;
}
