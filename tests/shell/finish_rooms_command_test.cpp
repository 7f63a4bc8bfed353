// LOCK DESIGN ROOMS IN on a floor: the rooms the user laid out become finished rooms with partitions,
// in the working file.
#include <memory>

#include "document/program_state.h"
#include "tests/shell/input_fixture.h"

namespace {

using FinishRoomsCommand = InputTest;

TEST_F(FinishRoomsCommand, LocksTheFloorsDesignRoomsIntoTheWorkingFile) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(std::make_unique<TRoomobj>(kGroundFloor, kDesignRoom, 1, 0, 10002, 10002, 1000, 0, 4000,
                                                 0, 4000, 1000, 0, 0, 10, 3000, 3000, 0, "Bed 1", "3000",
                                                 "3000"));
    Open(std::move(objects));
    client->CmFinishDesignRooms();
    int32_t partitions = 0, finished = 0;
    for (const auto& o : FileObjects()) {
        partitions += o->kind == kIntWall;
        finished += o->kind == kFinishedRoom;
    }
    EXPECT_EQ(partitions, 4);
    EXPECT_EQ(finished, 1);
}

} // namespace
