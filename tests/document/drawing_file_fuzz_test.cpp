// A deterministic mutation fuzzer for the drawing-file and library readers: valid files are damaged
// by bit flips, cuts, insertions and extreme numbers, and every reader must end cleanly on them.
#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "document/record_format.h"
#include "tests/document/document_fixture.h"

namespace {

class DrawingFileFuzz : public DocumentTest {
protected:
    std::vector<std::string> Corpus() {
        std::vector<std::string> corpus;
        for (auto& o : make::OneOfEveryKind(Cx(), Cy()))
            ObjectList.Add(std::move(o));
        EXPECT_EQ(ObjectList.WriteDrawingFile(1), FileResult::Ok);
        corpus.push_back(WorkingFile());
        ObjectList.Flush();
        ObjectList.Add(make::Text(kText, Cx(), Cy(), " x", "F"));
        ObjectList.Add(make::Room(kDesignRoom, 0, 10, 10, 0, "a b"));
        ObjectList.Add(make::Opening(5, 5));
        EXPECT_EQ(ObjectList.WriteDrawingFile(1), FileResult::Ok);
        corpus.push_back(WorkingFile());
        ObjectList.Flush();
        return corpus;
    }
};

const char* const kEdgeNumbers[] = {"0",          "-1",          "17", "18", "2147483647", "-2147483648",
                                    "2147483648", "99999999999", "-0", "+5", "x"};

std::string Mutate(std::string text, std::mt19937& rng) {
    auto pick = [&rng](size_t n) {
        return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(rng);
    };
    const int rounds = 1 + static_cast<int>(pick(3));
    for (int r = 0; r < rounds && !text.empty(); ++r) {
        switch (pick(5)) {
        case 0: // flip a bit
            text[pick(text.size())] ^= static_cast<char>(1u << pick(8));
            break;
        case 1: // cut the file short
            text.resize(pick(text.size()));
            break;
        case 2: { // insert a few bytes
            const char bytes[] = {' ', '\n', '-', '9', '\0', 'A', '\r'};
            text.insert(pick(text.size() + 1), 1 + pick(4), bytes[pick(sizeof(bytes))]);
            break;
        }
        case 3: { // replace a number with an extreme value
            size_t at = pick(text.size());
            while (at < text.size() && !std::isdigit(static_cast<unsigned char>(text[at])))
                ++at;
            size_t end = at;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            text.replace(at, end - at, kEdgeNumbers[pick(std::size(kEdgeNumbers))]);
            break;
        }
        default: { // duplicate or drop a line
            const size_t at = text.find('\n', pick(text.size()));
            if (at == std::string::npos) break;
            const size_t next = text.find('\n', at + 1);
            const std::string line =
                text.substr(at, next == std::string::npos ? std::string::npos : next - at);
            if (pick(2)) {
                text.insert(at, line);
            } else {
                text.erase(at, line.size());
            }
        }
        }
    }
    return text;
}

TEST_F(DrawingFileFuzz, ReadersSurviveMutatedFiles) {
    const std::vector<std::string> corpus = Corpus();
    std::mt19937 rng(20261207);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = Mutate(corpus[static_cast<size_t>(i) % corpus.size()], rng);
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
        (void)ObjectList.ReadDrawingFile(1);
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

} // namespace
