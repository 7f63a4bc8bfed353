// The mutation step of the suite's fuzz tests: a valid file damaged by bit flips, cuts, insertions,
// extreme numbers and doubled or dropped lines, the same way for every reader of untrusted text.
#pragma once

#include <random>
#include <string>

namespace testsupport {

std::string Mutate(std::string text, std::mt19937& rng);

} // namespace testsupport
