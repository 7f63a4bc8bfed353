#include "tests/support/floor_records.h"

#include "document/objects.h"

namespace testsupport {

std::vector<std::unique_ptr<TObject>> StartingFloorRecords() {
    std::vector<std::unique_ptr<TObject>> records;
    for (int32_t floor = kGroundFloor; floor <= kSecondFloor; ++floor)
        records.push_back(
            std::make_unique<TInfoobj>(floor, floor + kFloorRecordBase, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    return records;
}

void AddStartingFloorRecords(TList& list) {
    for (auto& record : StartingFloorRecords())
        list.Add(std::move(record));
}

} // namespace testsupport
