// Altering a finished room: a click re-opens it as a design room that the design-room tool can move,
// resize and turn. Its generated parts go (finishing it again rebuilds them) and the objects inside it
// are listed in the selection buffer so that they travel with it, but for those built for another room.
#include <algorithm>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "editing/room_contents.h"
#include "rooms/design_room_modes.h"
#include "tools/room_tools.h"
#include "tools/working_file.h"

namespace {

// The repaint box reaches this far beyond the contents box.
constexpr int32_t kRepaintMargin = 100;

// Removes the room's generated parts and returns how many of them stood before the room, by which
// the room's index falls.
int32_t RemoveGeneratedParts(int32_t roomIndex, int32_t group, int32_t view) {
    int32_t before = 0;
    for (int32_t i = ObjectList.count - 1; i >= 0; --i) {
        const TObject* o = ObjectList[i];
        if (i == roomIndex || !o || !editing::IsGeneratedRoomPart(*o, group, view)) continue;
        ObjectList.RemoveAt(i);
        if (i < roomIndex) ++before;
    }
    return before;
}

// The groups of the other finished rooms of the view: the partitions and lines built for them stay
// with them, even where a neighbour's partition stands inside this room.
std::vector<int32_t> OtherRoomGroups(int32_t roomIndex, int32_t view) {
    std::vector<int32_t> groups;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (i != roomIndex && o && o->kind == kFinishedRoom && o->view == view) groups.push_back(o->group);
    }
    return groups;
}

bool BuiltForAnother(const TObject& o, const std::vector<int32_t>& groups) {
    return std::any_of(groups.begin(), groups.end(),
                       [&](int32_t g) { return editing::IsGeneratedRoomPart(o, g, CurrentView); });
}

} // namespace

void TDRoomobjtool::Command(int32_t roomIndex) {
    if (roomIndex >= kNoObject) return;
    auto* room = dynamic_cast<TRoomobj*>(ObjectList[roomIndex]);
    if (room && room->kind == kFinishedRoom && room->view == CurrentView) {
        room->kind = kReopenedRoom;
        RoomX1() = room->x1;
        RoomY1() = room->y1;
        RoomX2() = room->x2;
        RoomY2() = room->y2;
        // The later steps of the alter road address the room through PickedIndex.
        PickedIndex = roomIndex - RemoveGeneratedParts(roomIndex, room->group, room->view);
    }
    Mode = roommode::kIdle;
    ListRoomContents();
    // Written once, with the carried walls marked: the next repaint reads the file back, and a wall
    // unmarked there would catch the room when it snaps. The step's last change: a failed write has
    // been told and the document read back.
    static_cast<void>(tools::SaveWorkingFile());
}

void TDRoomobjtool::ListRoomContents() {
    if (PickedIndex >= kNoObject) return;
    // Entries are appended to the list the count names: a list that cannot be emptied first would
    // mix old indices into this room's contents.
    if (ObjectList.WriteTempCount(0) != FileResult::Ok) return;
    const editing::ContentsBox box = editing::ContentsBoxOf(RoomX1(), RoomY1(), RoomX2(), RoomY2());
    BoxLeft = Clamp32(box.left - kRepaintMargin);
    BoxRight = Clamp32(box.right + kRepaintMargin);
    BoxTop = Clamp32(box.top + kRepaintMargin);
    BoxBottom = Clamp32(box.bottom - kRepaintMargin);
    const std::vector<int32_t> others = OtherRoomGroups(PickedIndex, CurrentView);
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (!o || !editing::IsRoomContent(*o, box, CurrentView) || BuiltForAnother(*o, others)) continue;
        // The mark keeps the room from snapping to the walls it carries; finishing clears it.
        if (o->kind == kIntWall) o->aux1 = 1;
        if (ObjectList.WriteCopyCfg(i, RoomX1(), RoomY1()) != FileResult::Ok) return;
    }
}
