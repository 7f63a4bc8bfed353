#include "tests/shell/program_frame.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "document/program_state.h"

void StartProgramFrame(TAApp& app, TClient*& client, const testsupport::ProgramDirectory& dir) {
    ResetGlobals();
    ASSERT_TRUE(app.InitInstance());
    client = app.Client;
    ASSERT_NE(client, nullptr);
    ObjectList.ProgramDirectory = dir.Path();
    ObjectList.SetDrawingName("HOUSE");
    ObjectList.Flush();
    MetricUnits = 1;
    CurrentView = kGroundFloor;
}
