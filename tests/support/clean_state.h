// Every test starts from the state the program starts with, whatever ran before it in the same
// process, so the suite passes in any order (--gtest_shuffle).
#pragma once

#include <gtest/gtest.h>

namespace testsupport {

// The program's globals, the document and the layer's test hooks back to their start state.
void ResetAllState();

// Calls ResetAllState before every test of the run. Called once by the test runner.
void StartEveryTestClean();

// The one base of the fixtures: each test starts, and leaves, from the start state.
class CleanStateTest : public ::testing::Test {
protected:
    CleanStateTest() { ResetAllState(); }
    ~CleanStateTest() override { ResetAllState(); }
};

} // namespace testsupport
