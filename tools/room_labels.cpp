#include "tools/room_labels.h"

#include <cstring>
#include <memory>
#include <string>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/room_settings.h"
#include "tools/dimension_texts.h"
#include "tools/wall_tools.h"

namespace {

// A room that only shows its name label is called this; it gets no name label at all.
constexpr const char* kUnnamedRoom = "none";
// The combined size text stands this many window units below the room's centre.
constexpr int32_t kCombinedTextDrop = 50;
constexpr int32_t kCentredOnBaseline = 6;
constexpr int32_t kHorizontalBearing = 900;
constexpr int32_t kVerticalBearing = 1800;
constexpr int32_t kWidthLabelBearing = 2700;

struct LabelFrame {
    int32_t xL, xR, yT, yB;
    int32_t cx, cy;
    DimensionSettings offsets;
    ArrowSettings arrow;
};

void AddText(const LabelFrame& f, int32_t kind, int32_t id, int32_t group, POINT at, int32_t bearing,
             int32_t angle, const std::string& text) {
    ObjectList.Add(MakeDimensionText({.kind = kind,
                                      .id = id,
                                      .group = group,
                                      .x = at.x,
                                      .y = at.y,
                                      .bearing = bearing,
                                      .angle = angle,
                                      .style = kCentredOnBaseline,
                                      .height = f.offsets.roomDimensionTextHeight},
                                     text));
}

// A size line from tip (a) to tip (b) with each arrow's tail the arrow length inside.
void AddSizeLine(const TIntwallobjtool& tool, const LabelFrame& f, POINT a, POINT b, int32_t bearing) {
    const int32_t dx = a.x == b.x ? 0 : f.arrow.length;
    const int32_t dy = a.x == b.x ? -f.arrow.length : 0;
    ObjectList.Add(std::make_unique<TDimensobj>(
        CurrentView, kManualDimension, 1, 0, tool.ObjectId, tool.SegmentLength, a.x, 0, a.x + dx, 0, a.y,
        a.y + dy, tool.Colour, f.arrow.headStyle, b.x, b.y, b.x - dx, b.y - dy, bearing));
}

void AddWidthPair(TIntwallobjtool& tool, const LabelFrame& f, const TRoomobj& room) {
    const int32_t y = f.yT - f.offsets.roomOffset;
    AddText(f, kSizeLabel, tool.ObjectId, tool.SegmentLength, {f.cx, y}, kWidthLabelBearing, 0,
            room.widthText);
    AddSizeLine(tool, f, {f.xL, y}, {f.xR, y}, kHorizontalBearing);
}

void AddLengthPair(TIntwallobjtool& tool, const LabelFrame& f, const TRoomobj& room) {
    const int32_t x = f.xL + f.offsets.roomOffset;
    AddText(f, kSizeLabel, tool.ObjectId, tool.SegmentLength, {x, f.cy}, kHorizontalBearing,
            f.offsets.textOrientation, room.lengthText);
    AddSizeLine(tool, f, {x, f.yT}, {x, f.yB}, kVerticalBearing);
}

void AddCombinedText(const TIntwallobjtool& tool, const LabelFrame& f, const TRoomobj& room, int32_t nameId) {
    const int32_t drop = kCombinedTextDrop * ZoomDivisor;
    const std::string text = std::string(room.widthText) + " x " + room.lengthText;
    AddText(f, kRoomNameLabel, nameId, tool.SegmentLength, {f.cx, f.cy - drop}, kHorizontalBearing, 0, text);
    ObjectList[ObjectList.count - 1]->y2 = drop;
}

void NextId(TIntwallobjtool& tool) {
    ++IdCounter;
    ++tool.ObjectId;
}

} // namespace

void LabelRoom(TIntwallobjtool& tool, int32_t roomIndex, int32_t xL, int32_t xR, int32_t yT, int32_t yB) {
    const auto* room = dynamic_cast<const TRoomobj*>(ObjectList[roomIndex]);
    if (room == nullptr) return;
    const LabelFrame f{xL,
                       xR,
                       yT,
                       yB,
                       xL + (xR - xL) / 2,
                       yT - (yT - yB) / 2,
                       ReadDimensionSettings(MetricUnits),
                       ReadArrowSettings(MetricUnits)};
    tool.SegmentLength = tool.ObjectId;
    NextId(tool);
    const int32_t nameId = tool.ObjectId;
    // The ids advance for the name label even when the room has none, so a room's size pairs always
    // start two above its group.
    if (std::strcmp(room->name, kUnnamedRoom) != 0)
        AddText(f, kRoomNameLabel, nameId, tool.SegmentLength, {f.cx, f.cy}, kHorizontalBearing, 0,
                room->name);
    const auto option = static_cast<RoomSizeOption>(room->value1);
    const bool width = option == RoomSizeOption::Both || option == RoomSizeOption::Horizontal;
    const bool length = option == RoomSizeOption::Both || option == RoomSizeOption::Vertical;
    if (width) {
        NextId(tool);
        AddWidthPair(tool, f, *room);
    }
    if (length) {
        NextId(tool);
        AddLengthPair(tool, f, *room);
    }
    if (!width && !length && option == RoomSizeOption::BothOld) AddCombinedText(tool, f, *room, nameId);
    tool.Y0 = 0;
}
