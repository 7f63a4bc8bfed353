// The objects a read builds live in storage the document keeps from one read to the next; however
// they are removed, added among and read again, every object keeps its own fields.
#include <gtest/gtest.h>

#include "tests/document/document_fixture.h"

namespace {

class ReadObjectsTest : public DocumentTest {
protected:
    // Writes `copies` of one object of every kind and returns their descriptions in file order.
    std::vector<std::string> WriteEveryKind(int32_t copies) {
        std::vector<std::string> described;
        for (int32_t c = 0; c < copies; ++c) {
            for (auto& o : make::OneOfEveryKind(Cx() + c, Cy() - c)) {
                described.push_back(Describe(*o));
                ObjectList.Add(std::move(o));
            }
        }
        EXPECT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        ObjectList.Flush();
        return described;
    }

    void ExpectDocument(const std::vector<std::string>& expected) const {
        ASSERT_EQ(ObjectList.count, static_cast<int32_t>(expected.size()));
        for (int32_t i = 0; i < ObjectList.count; ++i)
            ASSERT_EQ(Describe(*ObjectList[i]), expected[static_cast<size_t>(i)]) << i;
    }
};

TEST_F(ReadObjectsTest, ObjectsKeepTheirFieldsThroughRemovalsAndRereads) {
    const std::vector<std::string> file = WriteEveryKind(200); // more than one block of storage
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    ExpectDocument(file);

    // Every other object erased, one drawn, and the file read in after them.
    std::vector<std::string> expected;
    for (int32_t i = ObjectList.count - 1; i >= 0; i -= 2)
        ObjectList.RemoveAt(i);
    for (size_t i = 0; i < file.size(); i += 2)
        expected.push_back(file[i]);
    auto line = make::Line(kLine, 1, 2, 3, 4);
    expected.push_back(Describe(*line));
    ObjectList.Add(std::move(line));
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    expected.insert(expected.end(), file.begin(), file.end());
    ExpectDocument(expected);

    // The repaint's round: flushed, then read again into the same storage.
    for (int round = 0; round < 2; ++round) {
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        ExpectDocument(file);
    }
}

} // namespace
