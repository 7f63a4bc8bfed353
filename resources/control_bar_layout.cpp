#include "resources/control_bar_layout.h"

#include "resources/command_ids.h"

namespace res {

namespace {

constexpr BarGadget Button(int32_t bitmap, int32_t command) {
    return {GadgetKind::Button, bitmap, command, 0};
}
constexpr BarGadget Gap(int32_t pixels) {
    return {GadgetKind::Separator, 0, 0, pixels};
}

// Six groups: undo; datum, the centre aids and erase; display and overlays; text and multi-lines;
// the distance read-out; windows and doors; internal walls; and after a wider gap the design rooms.
constexpr BarGadget kLayout[] = {
    Button(1001, cmd::kUndo),
    Gap(6),
    Button(1002, cmd::kDatum),
    Button(1003, cmd::kCentre),
    Button(1004, cmd::kCentreCentre),
    Button(1005, cmd::kErase),
    Gap(6),
    Button(1006, cmd::kDisplayMode),
    Button(1010, cmd::kOverlays),
    Gap(6),
    Button(1012, cmd::kText),
    Button(1014, cmd::kMultiline),
    Gap(6),
    {GadgetKind::DistanceText, 0, 0, 16},
    Gap(6),
    Button(1015, cmd::kWindows),
    Button(1016, cmd::kDoors),
    Gap(6),
    Button(1017, cmd::kInternalWall),
    Gap(10),
    Button(1028, cmd::kNewDesignRoom),
    Button(1030, cmd::kFinishDesignRooms),
    Button(1031, cmd::kAlterRoom),
    Button(1029, cmd::kMaxRoomSize),
    Button(1027, cmd::kMarkExternalWalls),
    Button(1011, cmd::kLayoutGrid),
};

} // namespace

std::span<const BarGadget> ControlBarLayout() {
    return kLayout;
}

} // namespace res
