#include "tests/support/mutate.h"

#include <cctype>
#include <iterator>

namespace testsupport {

namespace {

const char* const kEdgeNumbers[] = {"0",          "-1",          "17", "18", "2147483647", "-2147483648",
                                    "2147483648", "99999999999", "-0", "+5", "x"};

} // namespace

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

} // namespace testsupport
