// Finishing (locking in) design rooms: every design room of a view becomes a finished room of the
// current floor with its partitions, mask lines, name label and size lines.
#include <algorithm>
#include <cstring>

#include "document/document.h"
#include "document/program_state.h"
#include "rooms/design_room.h"
#include "tools/intwall_object.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

// Finishing modes: the rooms of the current view, or those of the current floor's room layout.
constexpr int32_t kFinishOnView = 1;
constexpr int32_t kFinishFromLayout = 2;
constexpr int32_t kLayoutOffset = 10; // a floor's room layout is its view code less this

// The box starts inside out: no room finished leaves it so and it is not widened.
constexpr int32_t kBoxFar = 300000;

// Rooms of these names mark open space: they are finished without partitions or labels.
bool IsOpenSpace(const TRoomobj& room) {
    return std::strcmp(room.name, "space") == 0 || std::strcmp(room.name, "SPACE") == 0;
}

const TRoomobj* DesignRoomOn(const TObject* object, int32_t view) {
    if (!IsDesignRoom(object) || object->view != view) return nullptr;
    return dynamic_cast<const TRoomobj*>(object);
}

// Finished rooms stand on the current floor; the marks that kept internal walls with a re-opened room
// are cleared on every view.
void RetypeRoomsAndClearMarks(int32_t view) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (!o) continue;
        if (IsDesignRoom(o) && o->view == view) {
            o->kind = kFinishedRoom;
            o->view = CurrentView;
        } else if (o->kind == kIntWall && o->aux1 == 1) {
            o->aux1 = 0;
        }
    }
}

} // namespace

void TIntwallobjtool::FinishDesignRooms(int32_t mode) {
    if (mode != kFinishOnView && mode != kFinishFromLayout) return;
    const int32_t view = mode == kFinishOnView ? CurrentView : CurrentView - kLayoutOffset;
    BoxLeft = kBoxFar;
    BoxRight = 0;
    BoxTop = 0;
    BoxBottom = kBoxFar;
    // The words a partition copies that finishing does not lay out are carried as zeros.
    Aux1 = Aux2 = FaceAux = WallValue1 = WallValue2 = 0;
    std::fill(std::begin(WallSettings), std::end(WallSettings), 0);
    // The count grows as rooms get their parts: those are visited too, but none is a room.
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TRoomobj* room = DesignRoomOn(ObjectList[i], view);
        if (!room || IsOpenSpace(*room)) continue;
        X0 = room->x1;
        Y0 = room->y1;
        X1 = room->x2;
        Y1 = room->y2;
        BoxLeft = std::min(BoxLeft, X0);
        BoxTop = std::max(BoxTop, Y0);
        BoxRight = std::max(BoxRight, X1);
        BoxBottom = std::min(BoxBottom, Y1);
        BuildRoomPartitions(i);
    }
    RetypeRoomsAndClearMarks(view);
    if (BoxLeft < kBoxFar && BoxBottom < kBoxFar) {
        const int32_t m = 2 * ZoomDivisor * Thickness;
        BoxLeft -= m;
        BoxRight += m;
        BoxTop += m;
        BoxBottom -= m;
    }
    // A failed write has been told to the user; the finished rooms stay in the document for the next
    // save.
    if (tools::Failed(tools::SaveWorkingFile())) return;
}

void TIntwallobjtool::AddPartitionWall() {
    std::fill(std::begin(AttributeBlock), std::end(AttributeBlock), 0);
    PenWidth = 1;
    LineStyle = 0;
    AppendIntwallObject(*this);
}
