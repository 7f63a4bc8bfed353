// Building a fixed room: the room placed against the nearer bounding faces, a partition of the
// configured thickness outside every side its wall does not close, background-coloured mask lines
// where a partition meets an internal wall, and the room's name label at its centre. Existing walls
// are never moved or cut.
#include <algorithm>
#include <memory>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/house_outline.h"
#include "document/program_state.h"
#include "rooms/fixed_room_settings.h"
#include "rooms/room_settings.h"
#include "rooms/room_sides.h"
#include "tools/intwall_object.h"
#include "tools/room_tools.h"

namespace {

using namespace sidecode;

enum Side : int32_t { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };
constexpr Side kSides[4] = {kLeft, kRight, kTop, kBottom};

// A design room bounds a fixed room this far off its edge.
constexpr int32_t kDesignRoomClearance = 1000;
constexpr int32_t kRepaintMargin = 5; // window units round the room and its partitions
constexpr int32_t kCentredOnBaseline = 6;
constexpr int32_t kLabelBearing = 900;

bool IsVertical(Side s) {
    return s == kLeft || s == kRight;
}

// The face bounding the room on one side and, for a wall, its extent along that side.
struct Face {
    int32_t at = 0;
    int32_t lo = 0, hi = 0;
    bool hasExtent = false;
    bool external = false;
    bool internal = false;
};

struct Plan {
    int32_t xL = 0, xR = 0, yT = 0, yB = 0;
    int32_t T = 0;
    int32_t K = 0;
    int32_t base = 0;
    Face face[4];
    int32_t code[4] = {};

    int32_t Edge(Side s) const {
        const int32_t edges[4] = {xL, xR, yT, yB};
        return edges[s];
    }
    // +1 when the outside of the side lies towards growing x or y.
    static int32_t Outward(Side s) { return s == kRight || s == kTop ? 1 : -1; }
};

void SetExtent(Face& f, int32_t a, int32_t b) {
    f.lo = std::min(a, b);
    f.hi = std::max(a, b);
    f.hasExtent = true;
}

// The face of the wall toward the inside of the house.
Face ExternalFace(const TExtwallobj& w, Side s) {
    const WallFace inner = HouseOutline(ObjectList, CurrentView).InnerFace(w);
    const int32_t sx = inner.x1, sy = inner.y1, ex = inner.x2, ey = inner.y2;
    Face f;
    f.external = true;
    f.at = IsVertical(s) ? ex : ey;
    if (IsVertical(s))
        SetExtent(f, sy, ey);
    else
        SetExtent(f, sx, ex);
    return f;
}

Face InternalFace(const TIntwallobj& w, Side s) {
    Face f;
    f.internal = true;
    // The face nearer the room gives the wall's extent along the side.
    bool second = false;
    switch (s) {
    case kLeft:
        f.at = std::max(w.x1, w.q1x);
        second = w.q1x > w.x1;
        break;
    case kRight:
        f.at = std::min(w.x1, w.q1x);
        second = w.q1x < w.x1;
        break;
    case kTop:
        f.at = std::min(w.y1, w.q1y);
        second = w.q1y < w.y1;
        break;
    case kBottom:
        f.at = std::max(w.y1, w.q1y);
        second = w.q1y > w.y1;
        break;
    }
    if (IsVertical(s))
        SetExtent(f, second ? w.q1y : w.y1, second ? w.q2y : w.y2);
    else
        SetExtent(f, second ? w.q1x : w.x1, second ? w.q2x : w.x2);
    return f;
}

// A design room has no extent along the side: the side counts as free. An object that is no longer
// a bound (it cannot change while the dialog is open, but the index is only a number) leaves the
// face where the click measured it.
Face BoundingFace(int32_t index, Side s, int32_t measured) {
    const TObject* o = ObjectList[index];
    if (const auto* w = dynamic_cast<const TExtwallobj*>(o); w && o->kind == kExtWall)
        return ExternalFace(*w, s);
    if (const auto* w = dynamic_cast<const TIntwallobj*>(o); w && o->kind == kIntWall)
        return InternalFace(*w, s);
    Face f;
    f.at = measured;
    if (o == nullptr || o->kind != kDesignRoom) return f;
    const int32_t faces[4] = {o->x2 + kDesignRoomClearance, o->x1 - kDesignRoomClearance,
                              o->y2 - kDesignRoomClearance, o->y1 + kDesignRoomClearance};
    f.at = faces[s];
    return f;
}

// The code of a part an external wall covers (22, 33, 44, 55).
int32_t ExternalPart(int32_t part) {
    switch (part) {
    case kLowerCovered:
        return kExternalLower;
    case kUpperCovered:
        return kExternalUpper;
    case kRightCovered:
        return kExternalRight;
    case kLeftCovered:
        return kExternalLeft;
    }
    return part;
}

int32_t PartCode(int32_t code, bool external) {
    return external ? ExternalPart(code) : code;
}

int32_t Coverage(const Plan& p, Side s) {
    const Face& f = p.face[s];
    if (p.Edge(s) != f.at || !f.hasExtent) return kFree;
    if (IsVertical(s)) {
        if (p.yT <= f.hi && p.yB >= f.lo) return kCovered;
        if (p.yT > f.hi && p.yB < f.lo) return kMiddleV;
        if (p.yT > f.hi && p.yB < f.hi) return PartCode(kLowerCovered, f.external);
        if (p.yB < f.lo && p.yT > f.lo) return PartCode(kUpperCovered, f.external);
        return kFree;
    }
    if (p.xL >= f.lo && p.xR <= f.hi) return kCovered;
    if (p.xL < f.lo && p.xR > f.hi) return kMiddleH;
    if (p.xL < f.lo && p.xR > f.lo) return PartCode(kRightCovered, f.external);
    if (p.xR > f.hi && p.xL < f.hi) return PartCode(kLeftCovered, f.external);
    return kFree;
}

// --- Partition pieces ---

enum class Piece { Whole, First, Second };

// The side next to a side's start corner (top or left) and to its end corner (bottom or right).
Side StartNeighbour(Side s) {
    return IsVertical(s) ? kTop : kLeft;
}
Side EndNeighbour(Side s) {
    return IsVertical(s) ? kBottom : kRight;
}

// The part a wall covers when a side's first piece (from the top or left corner) is needed, when its
// second piece is, and when both are.
int32_t FirstPieceCode(Side s) {
    return IsVertical(s) ? kLowerCovered : kRightCovered;
}
int32_t SecondPieceCode(Side s) {
    return IsVertical(s) ? kUpperCovered : kLeftCovered;
}
int32_t MiddleCode(Side s) {
    return IsVertical(s) ? kMiddleV : kMiddleH;
}

// The part code for an internal or an external wall.
bool IsPart(int32_t code, int32_t part) {
    return code == part || code == ExternalPart(part);
}

// Whether the side next to a corner already closes that corner.
bool CornerCovered(const Plan& p, Side s, bool startCorner) {
    const Side n = startCorner ? StartNeighbour(s) : EndNeighbour(s);
    const int32_t c = p.code[n];
    if (c == kCovered) return true;
    // A vertical side's corner is closed by the part of the top or bottom wall on its own side; a
    // horizontal side's by the part of the left or right wall at its own height.
    switch (s) {
    case kLeft:
        return IsPart(c, kLeftCovered);
    case kRight:
        return IsPart(c, kRightCovered);
    case kTop:
        return IsPart(c, kUpperCovered);
    case kBottom:
        return IsPart(c, kLowerCovered);
    }
    return false;
}

int32_t PieceAngle(Side s, Piece piece) {
    switch (s) {
    case kLeft:
        return piece == Piece::First ? 0 : 1800;
    case kRight:
        return piece == Piece::Whole ? 1800 : 0;
    case kTop:
        return 900;
    case kBottom:
        return piece == Piece::Second ? 2700 : 900;
    }
    return 0;
}

// The piece's ends along the side: from the start (top or left) to the end (bottom or right).
struct Span {
    int32_t from, to;
    bool fromCorner, toCorner;
};

Span PieceSpan(const Plan& p, Side s, Piece piece) {
    const Face& f = p.face[s];
    const bool v = IsVertical(s);
    const int32_t startCorner = v ? p.yT : p.xL, endCorner = v ? p.yB : p.xR;
    const int32_t nearEnd = v ? f.hi : f.lo, farEnd = v ? f.lo : f.hi;
    switch (piece) {
    case Piece::First:
        return {startCorner, nearEnd, true, false};
    case Piece::Second:
        return {farEnd, endCorner, false, true};
    default:
        return {startCorner, endCorner, true, true};
    }
}

// --- The builder, holding the tool while it lays out pieces ---

class Builder {
public:
    Builder(TRoomobjtool& tool, Plan& plan) : t_(tool), p_(plan) {}

    bool BuildSide(Side s);

private:
    bool BuildPiece(Side s, Piece piece);
    void LayOut(Side s, const Span& span);
    void MaskAtCorner(Side s, bool startCorner, int32_t at);
    void MaskAtWallEnd(Side s, Piece piece, int32_t at);
    void AddMask(Side s, int32_t at);
    void NextId() {
        ++IdCounter;
        t_.ObjectId = IdCounter + p_.base;
    }

    TRoomobjtool& t_;
    Plan& p_;
};

bool Builder::BuildSide(Side s) {
    const int32_t c = p_.code[s];
    if (c == kCovered) return true;
    NextId();
    if (c == kFree) return BuildPiece(s, Piece::Whole);
    const bool middle = c == MiddleCode(s);
    if (middle || IsPart(c, FirstPieceCode(s))) {
        if (!BuildPiece(s, Piece::First)) return false;
        if (!middle) return true;
        NextId();
    }
    return BuildPiece(s, Piece::Second);
}

bool Builder::BuildPiece(Side s, Piece piece) {
    const Span span = PieceSpan(p_, s, piece);
    LayOut(s, span);
    t_.Angle = PieceAngle(s, piece);
    if (tools::Failed(CreateIntwallObject(t_))) return false;
    if (piece == Piece::Second) {
        MaskAtWallEnd(s, piece, span.from);
        MaskAtCorner(s, false, span.to);
        return true;
    }
    MaskAtCorner(s, true, span.from);
    if (piece == Piece::First)
        MaskAtWallEnd(s, piece, span.to);
    else
        MaskAtCorner(s, false, span.to);
    return true;
}

// The second face runs along the room side, the first T farther out; at a corner no other wall
// closes, the first face runs T past the corner so that two new partitions close it between them.
void Builder::LayOut(Side s, const Span& span) {
    const bool v = IsVertical(s);
    const int32_t inner = p_.Edge(s), outer = inner + Plan::Outward(s) * p_.T;
    // Along a vertical side the start is the top (larger y); along a horizontal one the left.
    const int32_t pastStart = v ? p_.T : -p_.T;
    int32_t from = span.from, to = span.to;
    if (span.fromCorner && !CornerCovered(p_, s, true)) from += pastStart;
    if (span.toCorner && !CornerCovered(p_, s, false)) to -= pastStart;
    if (v) {
        t_.X0 = t_.X1 = outer;
        t_.Y0 = from;
        t_.Y1 = to;
        t_.FaceStartX = t_.FaceEndX = inner;
        t_.FaceStartY = span.from;
        t_.FaceEndY = span.to;
    } else {
        t_.Y0 = t_.Y1 = outer;
        t_.X0 = from;
        t_.X1 = to;
        t_.FaceStartY = t_.FaceEndY = inner;
        t_.FaceStartX = span.from;
        t_.FaceEndX = span.to;
    }
}

void Builder::MaskAtCorner(Side s, bool startCorner, int32_t at) {
    const Side n = startCorner ? StartNeighbour(s) : EndNeighbour(s);
    if (p_.code[n] == kCovered && p_.face[n].internal) AddMask(s, at);
}

// External walls have no face line to hide where a partition meets their end.
void Builder::MaskAtWallEnd(Side s, Piece piece, int32_t at) {
    const int32_t c = p_.code[s];
    const int32_t part = piece == Piece::First ? FirstPieceCode(s) : SecondPieceCode(s);
    if (c == part || c == MiddleCode(s)) AddMask(s, at);
}

void Builder::AddMask(Side s, int32_t at) {
    const int32_t inner = p_.Edge(s), out = Plan::Outward(s);
    const int32_t a = inner + out * (p_.T - p_.K), b = inner + out * p_.K;
    const bool v = IsVertical(s);
    ObjectList.Add(std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, t_.ObjectId, t_.SegmentLength,
                                              v ? a : at, 0, v ? b : at, 0, v ? at : a, v ? at : b,
                                              BackgroundColour, 0, 0));
}

int32_t MaskInset() {
    if (MetricUnits == 1) return 25;
    return MetricUnits == 0 ? 24 : 1;
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
    p.xL = t.NearerSideX == fixedroom::kNearerRight ? p.face[kRight].at - w : p.face[kLeft].at;
    p.yT = t.NearerSideY == fixedroom::kNearerRight ? p.face[kBottom].at + h : p.face[kTop].at;
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
    for (Side s : kSides)
        p.face[s] = BoundingFace(bounds[s], s, FreeSpace[s]);
    Place(p, *this, w, h);
    for (Side s : kSides)
        p.code[s] = Coverage(p, s);
    Builder builder(*this, p);
    for (Side s : kSides) {
        if (builder.BuildSide(s)) continue;
        Kind = toolkind::kFixedRoom; // the user was told the drawing could not be saved
        return;
    }
    AddNameLabel(*this, p, w, h);
    HandOver(*this, p);
    RoomBuilt = true;
}
