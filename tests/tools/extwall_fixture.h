// The base of the external-wall tool tests: an empty metric drawing on the ground floor, with the
// shipped cavity-wall construction (110 + 55 + 110, 25 mm damp course) in CFG/EXTWALLM.CFG.
#pragma once

#include "document/program_state.h"
#include "tests/support/drawing_fixture.h"

class ExtWallToolTest : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = 5;
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
    }
};
