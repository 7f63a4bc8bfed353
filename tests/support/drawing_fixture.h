// The base of the fixtures that work on a document: an empty drawing named HOUSE over a private
// program directory, emptied again after the test. Each fixture sets its own sheet, zoom, view and
// units after calling SetUp.
#pragma once

#include <gtest/gtest.h>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"

namespace testsupport {

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    ProgramDirectory dir;
};

} // namespace testsupport
