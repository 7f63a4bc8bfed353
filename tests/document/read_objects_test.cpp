// The objects a read builds live in storage the document keeps from one read to the next; however
// they are removed, added among and read again, every object keeps its own fields.
#include <gtest/gtest.h>

#include <ostream>

#include "document/object_pool.h"
#include "tests/document/document_fixture.h"

namespace {

class ReadObjectsTest : public DocumentTest {
protected:
    // Writes `copies` of one object of every kind, each copy `apart` units from the one before, to
    // the file of `mode` and returns their descriptions in file order.
    std::vector<std::string> WriteEveryKind(int32_t copies, int32_t mode = filemode::kWorking,
                                            int32_t apart = 1) {
        std::vector<std::string> described;
        for (int32_t c = 0; c < copies; ++c) {
            for (auto& o : make::OneOfEveryKind(Cx() + apart * c, Cy() - apart * c)) {
                described.push_back(Describe(*o));
                ObjectList.Add(std::move(o));
            }
        }
        EXPECT_EQ(ObjectList.WriteDrawingFile(mode), FileResult::Ok);
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
    // Other objects, so that one read over a kept object would show.
    const std::vector<std::string> other = WriteEveryKind(200, filemode::kScratch, 7);
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    ExpectDocument(file);

    // Every other object erased, one drawn, and another file read in after them.
    std::vector<std::string> expected;
    for (int32_t i = ObjectList.count - 1; i >= 0; i -= 2)
        ObjectList.RemoveAt(i);
    for (size_t i = 0; i < file.size(); i += 2)
        expected.push_back(file[i]);
    auto line = make::Line(kLine, 1, 2, 3, 4);
    expected.push_back(Describe(*line));
    ObjectList.Add(std::move(line));
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kScratch), FileResult::Ok);
    expected.insert(expected.end(), other.begin(), other.end());
    ExpectDocument(expected);

    // The repaint's round: flushed, then read again into the same storage.
    for (int round = 0; round < 2; ++round) {
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        ExpectDocument(file);
    }
}

// A read object kept after the document let it go: removed, or flushed and the file read again as
// every repaint does. The sanitizer build reports any read of it, as it does for freed heap memory.
struct Dangling {
    const char* name;
    bool reread;
    const char* report;
};

void PrintTo(const Dangling& dangling, std::ostream* out) {
    *out << dangling.name;
}

class DanglingObject : public ReadObjectsTest, public ::testing::WithParamInterface<Dangling> {};

TEST_P(DanglingObject, ReadingItIsReported) {
#if TREVALYN_ADDRESS_SANITIZER
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    WriteEveryKind(2);
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    const TObject* kept = ObjectList[1];
    if (GetParam().reread) {
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    } else {
        ObjectList.RemoveAt(1);
    }
    EXPECT_DEATH(
        {
            volatile int32_t x = kept->x1;
            static_cast<void>(x);
        },
        GetParam().report);
#else
    GTEST_SKIP() << "only a build with the address sanitizer sees such reads";
#endif
}

INSTANTIATE_TEST_SUITE_P(ReadObjects, DanglingObject,
                         ::testing::Values(Dangling{"Removed", false, "use-after-poison"},
                                           Dangling{"FlushedAndReadAgain", true, "heap-use-after-free"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
