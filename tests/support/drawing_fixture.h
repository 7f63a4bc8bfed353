// The base of the fixtures that work on a document: an empty drawing named HOUSE over a private
// program directory, emptied again after the test. Each fixture sets its own sheet (most take the
// standard one), view and units after calling SetUp.
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

    // The sheet most tests draw on: 16000 by 10000 logical units at zoom divisor 5.
    static void UseStandardSheet() {
        SheetWidth = 16000;
        SheetHeight = 10000;
        ZoomDivisor = 5;
    }

    ProgramDirectory dir;
};

} // namespace testsupport
