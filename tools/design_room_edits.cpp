// The design-room tool's edits: making a new design room, the arrow keys with their typed steps,
// deleting the picked room and re-making a room's size texts.
#include <cstring>
#include <memory>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/design_room.h"
#include "rooms/design_room_modes.h"
#include "rooms/room_settings.h"
#include "tools/length_text.h"
#include "tools/room_tools.h"
#include "tools/working_file.h"

namespace {

using dragphase::kNoMoveYet;
using dragphase::kOutlineShown;
using roommode::kMoveFine;
constexpr int32_t kOutlineMode = 1;
constexpr int32_t kWipeMode = 0;

TRoomobj* RoomAtIndex(int32_t index) {
    return dynamic_cast<TRoomobj*>(ObjectList[index]);
}

// The text a room size is shown with; none for a unit system other than the two.
std::string SizeText(int32_t length) {
    if (MetricUnits != 0 && MetricUnits != 1) return {};
    return LengthText(length, MetricUnits);
}

void CopyText(char (&target)[TDRoomobjtool::kSizeTextCapacity], const std::string& text) {
    std::strncpy(target, text.c_str(), sizeof target - 1);
    target[sizeof target - 1] = '\0';
}

COLORREF FillFor(int32_t colourOption, COLORREF current) {
    const std::array<COLORREF, 3> colours = ReadRoomFillColours();
    switch (static_cast<RoomColourOption>(colourOption)) {
    case RoomColourOption::NoColour:
        return BackgroundColour;
    case RoomColourOption::WetArea:
        return colours[0];
    case RoomColourOption::Bedroom:
        return colours[1];
    case RoomColourOption::Other:
        return colours[2];
    default:
        return current;
    }
}

void CornersInto(TDRoomobjtool& tool, const TRoomobj& room) {
    tool.RoomX1() = room.x1;
    tool.RoomY1() = room.y1;
    tool.RoomX2() = room.x2;
    tool.RoomY2() = room.y2;
}

} // namespace

void TDRoomobjtool::Start(int32_t width, int32_t length, int32_t) {
    ++IdCounter;
    const NewRoomOptions options = ReadNewRoomOptions();
    SizeOption = options.sizeOption;
    RoomWidth = width;
    RoomLength = length;
    const RoomCorner spot = NewRoomSpot(length, width);
    RoomX1() = spot.x;
    RoomY1() = spot.y;
    RoomX2() = spot.x + width;
    RoomY2() = spot.y - length;
    TextHeight = DefaultTextHeight;
    NameLength = static_cast<int32_t>(std::strlen(ObjectList.CurrentRoomName));
    CopyText(WidthText, SizeText(width));
    CopyText(LengthText, SizeText(length));
    WidthTextLength = static_cast<int32_t>(std::strlen(WidthText));
    LengthTextLength = static_cast<int32_t>(std::strlen(LengthText));
    PartitionThickness = RoomPartitionThickness(CurrentView, MetricUnits, PartitionThickness);
    FillColour = FillFor(options.colourOption, FillColour);
    ++IdCounter;
    const int32_t id = FloorBase(CurrentView) + IdCounter;
    ObjectId = id;
    ObjectList.Add(std::make_unique<TRoomobj>(CurrentView, kDesignRoom, 1, 0, id, id, RoomX1(), 0, RoomX2(),
                                              0, RoomY1(), RoomY2(), PenColour, SizeOption, TextHeight,
                                              RoomWidth, RoomLength, FillColour, ObjectList.CurrentRoomName,
                                              WidthText, LengthText));
    // A failed write has been reported to the user; the room stays in the document for the next save.
    if (tools::Failed(tools::SaveWorkingFile())) return;
}

void TDRoomobjtool::UpdateSizeText(int32_t which) {
    TRoomobj* room = RoomAtIndex(PickedIndex);
    if (PickedIndex == kNoObject || !room) return;
    if (which == 1) room->SetLengthText(SizeText(room->value4).c_str());
    if (which == 2) room->SetWidthText(SizeText(room->value3).c_str());
}

void TDRoomobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint*, int32_t step) {
    KeyRefused = false;
    TRoomobj* room = RoomAtIndex(PickedIndex);
    if (PickedIndex == kNoObject || !room) return;
    SetDrawingMapping(nullptr, dc, client);
    if (Mode == kMoveFine) {
        CornersInto(*this, *room);
        if (DragPhase() == kNoMoveYet) {
            Draw(dc, kWipeMode);
            DragPhase() = kOutlineShown;
        } else {
            Draw(dc, kOutlineMode);
        }
    }
    const int32_t t = PartitionThickness;
    ClearX1() = room->x1 - t - 1;
    ClearY1() = room->y1 + t + 1;
    ClearX2() = room->x2 + t + 1;
    ClearY2() = room->y2 - t - 1;

    const int32_t side = SideOfArrow(key);
    const RoomKeyResult result = ApplyRoomKey(*room, Mode, side, step);
    KeyRefused = result == RoomKeyResult::Refused;
    if (result == RoomKeyResult::LengthChanged) UpdateSizeText(1);
    if (result == RoomKeyResult::WidthChanged) UpdateSizeText(2);
    CornersInto(*this, *room);
    if (Kind == kReopenedRoom && result != RoomKeyResult::Nothing && !KeyRefused) {
        if (Mode == roommode::kEnlarge)
            TransformContents(contentsmode::kGrow, side, step);
        else if (Mode == roommode::kShrink)
            TransformContents(contentsmode::kShrink, side, step);
        else
            TransformContents(contentsmode::kMove, 0, 0);
    }
    if (Mode == kMoveFine) Draw(dc, kOutlineMode);
}

void TDRoomobjtool::DeleteRoom() {
    const TRoomobj* room = RoomAtIndex(PickedIndex);
    if (PickedIndex == kNoObject || !room) return;
    CornersInto(*this, *room);
    ObjectList.RemoveAt(PickedIndex);
    PickedIndex = kNoObject;
    // The selection names objects by index, and every later index has just moved down by one. A count
    // that cannot be cleared is harmless: every reader checks each listed index against the document.
    (void)ObjectList.WriteTempCount(0);
}
