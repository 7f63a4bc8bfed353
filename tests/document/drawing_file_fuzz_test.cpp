// A deterministic mutation fuzzer for the drawing-file, library (paste) and selection readers: valid
// files are damaged by bit flips, cuts, insertions and extreme numbers, and every reader must end
// cleanly on them.
#include <gtest/gtest.h>

#include <random>

#include "document/record_format.h"
#include "tests/document/document_fixture.h"
#include "tests/support/mutate.h"

namespace {

class DrawingFileFuzz : public DocumentTest {
protected:
    std::vector<std::string> Corpus() {
        std::vector<std::string> corpus;
        for (auto& o : make::OneOfEveryKind(Cx(), Cy()))
            ObjectList.Add(std::move(o));
        EXPECT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        corpus.push_back(WorkingFile());
        ObjectList.Flush();
        ObjectList.Add(make::Text(kText, Cx(), Cy(), " x", "F"));
        ObjectList.Add(make::Room(kDesignRoom, 0, 10, 10, 0, "a b"));
        ObjectList.Add(make::Opening(5, 5));
        EXPECT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        corpus.push_back(WorkingFile());
        ObjectList.Flush();
        return corpus;
    }
};

TEST_F(DrawingFileFuzz, ReadersSurviveMutatedFiles) {
    const std::vector<std::string> corpus = Corpus();
    std::mt19937 rng(20261207);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = testsupport::Mutate(corpus[static_cast<size_t>(i) % corpus.size()], rng);
        // In memory: the reader never builds more objects than the text holds records.
        RecordReader reader(text);
        int32_t header[6];
        if (reader.ReadHeader(header)) {
            std::unique_ptr<TObject> object;
            int32_t built = 0;
            for (RecordReader::Status status; (status = reader.Next({Cx(), Cy()}, object, RecordKinds::Paste)) ==
                                                  RecordReader::Status::Object ||
                                              status == RecordReader::Status::Skipped;) {
                if (status == RecordReader::Status::Skipped) continue;
                ASSERT_NE(object, nullptr);
                if (auto* p = dynamic_cast<TPolyobj*>(object.get())) {
                    ASSERT_LE(p->count, 17);
                }
                if (auto* t = dynamic_cast<TTextobj*>(object.get())) {
                    ASSERT_LE(t->textLength, 79);
                }
                ++built;
            }
            ASSERT_LE(built, static_cast<int32_t>(text.size()));
        }
        // Through the document, every tenth case (the files cost more than the parsing): working
        // file, library insert and, now and then, a whole-drawing turn.
        if (i % 10 != 0) continue;
        SetWorkingFile(text);
        ObjectList.Flush();
        (void)ObjectList.ReadDrawingFile(filemode::kWorking);
        EXPECT_LE(PolyHeightMin, 0);
        dir.WriteFile("LIBS/FUZZ.PLM", text);
        (void)ObjectList.InsertLibrary("FUZZ.PLM");
        if (i % 50 == 0) {
            const int32_t hows[] = {1, 90, 180, 270};
            (void)ObjectList.ReadTransformed(hows[(i / 50) % 4], "HOUSE");
        }
        ObjectList.Flush();
    }
}

// The selection files: the count in CFG/TEMP.CFG and the entries of CFG/COPY.CFG, read when a
// selection is kept as a library and when it grows.
TEST_F(DrawingFileFuzz, SelectionFilesSurviveMutation) {
    for (auto& o : make::OneOfEveryKind(Cx(), Cy()))
        ObjectList.Add(std::move(o));
    const int32_t objects = ObjectList.count;
    std::string copy;
    for (int32_t i = 0; i < objects; ++i)
        copy += std::to_string(i) + " " + std::to_string(Cx() + i) + " " + std::to_string(Cy() - i) + "\n";
    const std::string temp = std::to_string(objects) + "\n";
    std::mt19937 rng(7);
    for (int i = 0; i < 150; ++i) {
        dir.WriteFile("CFG/TEMP.CFG", testsupport::Mutate(temp, rng));
        dir.WriteFile("CFG/COPY.CFG", testsupport::Mutate(copy, rng));
        EXPECT_GE(ObjectList.ReadTempCount(), 0);
        ASSERT_EQ(ObjectList.SaveLibrary("SEL.PLM"), FileResult::Ok);
        EXPECT_EQ(ObjectList.count, objects);
        if (i % 3 == 0) (void)ObjectList.WriteCopyCfg(1, 2, 3); // the entries are fuzzed, not the write
        if (i % 10 == 0) {
            EXPECT_EQ(ObjectList.InsertLibrary("SEL.PLM"), FileResult::Ok);
            while (ObjectList.count > objects)
                ObjectList.RemoveAt(ObjectList.count - 1);
        }
    }
}

} // namespace
