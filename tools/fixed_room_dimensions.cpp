// The end of a fixed room: its size lines with their labels, as the size option asks, and the
// finished room itself, which carries the room's rectangle, name, sizes and size texts.
#include <memory>
#include <string>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/room_settings.h"
#include "tools/dimension_texts.h"
#include "tools/length_text.h"
#include "tools/room_tools.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kCentredOnBaseline = 6;
constexpr int32_t kHorizontalBearing = 900;
constexpr int32_t kVerticalBearing = 1800;
constexpr int32_t kLengthLabelBearing = 2700;

struct Room {
    int32_t left, right, top, bottom, width, length;
    DimensionSettings offsets;
    ArrowSettings arrow;
};

void AddLabel(const TRoomobjtool& t, const Room& r, POINT at, int32_t bearing, int32_t angle,
              const std::string& text) {
    auto label = MakeDimensionText({.kind = kSizeLabel,
                                    .id = t.ObjectId,
                                    .group = t.SegmentLength,
                                    .x = at.x,
                                    .y = at.y,
                                    .bearing = bearing,
                                    .angle = angle,
                                    .style = kCentredOnBaseline,
                                    .height = r.offsets.roomDimensionTextHeight},
                                   text);
    label->aux1 = t.Aux1;
    ObjectList.Add(std::move(label));
}

void AddVerticalPair(const TRoomobjtool& t, const Room& r, const std::string& lengthText) {
    const int32_t x = r.left + r.offsets.roomOffset, a = r.arrow.length;
    ObjectList.Add(std::make_unique<TDimensobj>(
        CurrentView, kManualDimension, 1, 0, t.ObjectId, t.SegmentLength, x, 0, x, 0, r.top, r.top - a,
        t.Colour, r.arrow.headStyle, x, r.bottom, x, r.bottom + a, kVerticalBearing));
    const int32_t angle = r.offsets.textOrientation == kParallelText ? kParallelText : 0;
    AddLabel(t, r, {x, r.top - r.length / 2}, kLengthLabelBearing, angle, lengthText);
}

void AddHorizontalPair(const TRoomobjtool& t, const Room& r, const std::string& widthText) {
    const int32_t y = r.top - r.offsets.roomOffset, a = r.arrow.length;
    ObjectList.Add(std::make_unique<TDimensobj>(
        CurrentView, kManualDimension, 1, 0, t.ObjectId, t.SegmentLength, r.left, 0, r.left + a, 0, y, y,
        t.Colour, r.arrow.headStyle, r.right, y, r.right - a, y, kHorizontalBearing));
    AddLabel(t, r, {r.left + r.width / 2, y}, kHorizontalBearing, 0, widthText);
}

void AddFinishedRoom(const TRoomobjtool& t, const Room& r, int32_t sizeOption, const std::string& widthText,
                     const std::string& lengthText) {
    // Whatever the name says, a fixed room is filled with the colour of other rooms.
    const COLORREF fill = ReadRoomFillColours()[2];
    ObjectList.Add(std::make_unique<TRoomobj>(
        CurrentView, kFinishedRoom, 1, 0, t.ObjectId, t.SegmentLength, r.left, 0, r.right, 0, r.top, r.bottom,
        PenColour, sizeOption, r.offsets.dimensionTextHeight, r.width, r.length, fill,
        ObjectList.CurrentRoomName, widthText.c_str(), lengthText.c_str()));
}

} // namespace

void TRoomobjtool::AutoDimension(TDC&, TRect&, int32_t sizeOption, int32_t width, int32_t length, int32_t) {
    if (!RoomBuilt) return;
    const Room r{LeftBound,
                 RightBound,
                 TopBound,
                 BottomBound,
                 width * ZoomDivisor,
                 length * ZoomDivisor,
                 ReadDimensionSettings(MetricUnits),
                 ReadArrowSettings(MetricUnits)};
    const std::string widthText = LengthText(r.width, MetricUnits);
    const std::string lengthText = LengthText(r.length, MetricUnits);
    PenWidth = 1;
    const auto option = static_cast<RoomSizeOption>(sizeOption);
    ++IdCounter;
    ++ObjectId;
    if (option == RoomSizeOption::Both || option == RoomSizeOption::Vertical)
        AddVerticalPair(*this, r, lengthText);
    ++IdCounter;
    ++ObjectId;
    if (option == RoomSizeOption::Both || option == RoomSizeOption::Horizontal)
        AddHorizontalPair(*this, r, widthText);
    AddFinishedRoom(*this, r, sizeOption, widthText, lengthText);
    RoomBuilt = false;
    Kind = toolkind::kFixedRoom;
    // The step's last change: a failed write has been told and the document read back.
    static_cast<void>(tools::SaveWorkingFile());
}
