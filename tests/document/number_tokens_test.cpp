// The numbers of a record as the reader splits and reads them: plain tokens taken eight bytes at a
// time, longer ones digit by digit, wherever they fall in the text and however its lines end.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "document/record_format.h"

namespace {

using Numbers = std::optional<std::vector<int32_t>>;

struct Tokens {
    const char* name;
    std::string text;
    Numbers read; // nullopt: the header is damaged
};

void PrintTo(const Tokens& tokens, std::ostream* out) {
    *out << tokens.name;
}

// More text after the six numbers, so that they are read as a long file's are.
const std::string kMore = "\n1000 -1000 1000 -1000 1000 -1000 1000 -1000 1000\n";

Numbers ReadSix(const std::string& text) {
    RecordReader reader(text);
    std::vector<int32_t> values(6);
    if (!reader.ReadHeader(values.data())) return std::nullopt;
    return values;
}

class NumberTokens : public ::testing::TestWithParam<Tokens> {};

// Each text read from the start and with blanks put before it, so that every token comes to lie
// across a 64-byte boundary and, without the text after it, among the last bytes of the file.
TEST_P(NumberTokens, ReadWhereverTheyLie) {
    for (size_t lead = 0; lead <= 72; ++lead) {
        for (const std::string& after : {std::string(), kMore}) {
            const std::string text = std::string(lead, lead % 2 ? ' ' : '\n') + GetParam().text + after;
            EXPECT_EQ(ReadSix(text), GetParam().read)
                << "after " << lead << " blanks, with " << after.size() << " bytes more";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    RecordReader, NumberTokens,
    ::testing::Values(Tokens{"SevenCharacters", "1234567 -123456 +123456 9999999 -000001 0000000",
                             std::vector<int32_t>{1234567, -123456, 123456, 9999999, -1, 0}},
                      Tokens{"EightCharacters", "12345678 -1234567 +1234567 99999999 -0000001 00000000",
                             std::vector<int32_t>{12345678, -1234567, 1234567, 99999999, -1, 0}},
                      Tokens{"NineCharacters", "123456789 -12345678 +12345678 999999999 -00000001 000000000",
                             std::vector<int32_t>{123456789, -12345678, 12345678, 999999999, -1, 0}},
                      Tokens{"Short", "1 -2 +3 45 -67 0", std::vector<int32_t>{1, -2, 3, 45, -67, 0}},
                      Tokens{"ManySigns", "-1 +2 -30 +400 -5000 +60000",
                             std::vector<int32_t>{-1, 2, -30, 400, -5000, 60000}},
                      Tokens{"SignsAfterALong", "1234567890 -1 +2 -3 -4 +5",
                             std::vector<int32_t>{1234567890, -1, 2, -3, -4, 5}},
                      Tokens{"NinesAfterDigits", "19 -29 +389 4799 -56989 1234569",
                             std::vector<int32_t>{19, -29, 389, 4799, -56989, 1234569}},
                      Tokens{"TheWholeRange", "2147483647 -2147483648 +2147483647 -0 +0 1000000000",
                             std::vector<int32_t>{INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 1000000000}},
                      Tokens{"CarriageReturns", "1\r-22\r333\r+4444\r55555\r-666666\r",
                             std::vector<int32_t>{1, -22, 333, 4444, 55555, -666666}},
                      Tokens{"CrLf", "1\r\n-22\r\n333 +4444\r\n55555\r\n\r\n-666666\r\n",
                             std::vector<int32_t>{1, -22, 333, 4444, 55555, -666666}},
                      Tokens{"TabsAndFormFeeds", "1\t2\v3\f4 \t 5\n\n6",
                             std::vector<int32_t>{1, 2, 3, 4, 5, 6}},
                      Tokens{"LetterInSeven", "1 2 12345a7 4 5 6", std::nullopt},
                      Tokens{"LetterInEight", "1 2 3 1234567a 5 6", std::nullopt},
                      // The byte after '9' ends a number wherever it stands.
                      Tokens{"ColonFirst", ":1 2 3 4 5 6", std::nullopt},
                      Tokens{"ColonInShort", "1 2 3 4:5 6 7", std::nullopt},
                      Tokens{"ColonInEight", "1 2 3 1234567: 5 6", std::nullopt},
                      Tokens{"ColonInLong", "1 2 3 4 12345678:0 6", std::nullopt},
                      Tokens{"SignAlone", "1 2 - 4 5 6", std::nullopt},
                      Tokens{"TwoSigns", "1 2 3 4 +-5 6", std::nullopt},
                      Tokens{"RunTogether", "1 2 3 4 12-34", std::vector<int32_t>{1, 2, 3, 4, 12, -34}},
                      Tokens{"PastTheTop", "1 2147483648 3 4 5 6", std::nullopt},
                      Tokens{"PastTheBottom", "1 2 3 -2147483649 5 6", std::nullopt},
                      Tokens{"ElevenDigits", "1 2 3 4 10000000000 6", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// Records read alike wherever their kind lines and numbers fall against the 64-byte stretches, one
// after a record that ends with its strings or not.
TEST(RecordTokens, ReadWhereverTheyLie) {
    const std::string records = "4\n4 50 1 0 10 -20 0 0 0 0 4 0 0 5 250 700 ArialHall\n"
                                "1\n1 50 7 0 -100 0 300 0 200 200 0 0 0 1 0\n";
    using Read = std::vector<std::pair<int32_t, int32_t>>; // each object's kind and first x
    for (size_t lead = 0; lead <= 72; ++lead) {
        const std::string text = std::string(lead, lead % 2 ? ' ' : '\n') + records + records;
        RecordReader reader(text);
        std::unique_ptr<TObject> object;
        Read read;
        RecordReader::Status status;
        while ((status = reader.Next({}, object)) == RecordReader::Status::Object)
            read.emplace_back(object->kind, object->x1);
        EXPECT_EQ(status, RecordReader::Status::End) << "after " << lead << " blanks";
        EXPECT_EQ(read, (Read{{4, 10}, {1, -100}, {4, 10}, {1, -100}})) << "after " << lead << " blanks";
        // A kind line that is no number, wherever it falls, is damage.
        const std::string bad = std::string(lead, ' ') + records + "1:" + records.substr(1);
        RecordReader damaged(bad);
        for (int32_t i = 0; i < 2; ++i)
            ASSERT_EQ(damaged.Next({}, object), RecordReader::Status::Object) << lead;
        EXPECT_EQ(damaged.Next({}, object), RecordReader::Status::Damaged) << "after " << lead << " blanks";
    }
}

} // namespace
