// A drawing session for a person or a driving script under a real display: the frame with a drawing
// window open on a small working file and the Line tool current, kept running until the frame is
// closed or the time given in TREVALYN_MANUAL_SESSION (seconds) has passed. Disabled in the normal
// runs; start it with --gtest_also_run_disabled_tests and a display.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/frame_window.h"
#include "shell/app.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tests/support/floor_records.h"
#include "tests/support/program_directory.h"

TEST(ManualSession, DISABLED_DrawInAWindowUntilClosed) {
    const int seconds = qEnvironmentVariableIntValue("TREVALYN_MANUAL_SESSION");
    if (seconds <= 0) GTEST_SKIP() << "set TREVALYN_MANUAL_SESSION to the session's length in seconds";
    ResetGlobals();
    testsupport::ProgramDirectory dir;
    TAApp app;
    ASSERT_TRUE(app.InitInstance());
    ObjectList.ProgramDirectory = dir.Path();
    ObjectList.SetDrawingName("HOUSE");
    MetricUnits = 1;
    CurrentView = kGroundFloor;
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    DrawingState = 2;
    auto* child = new TChild(*app.Client, "HOUSE.PLN");
    ASSERT_TRUE(child->Create());
    ObjectList.Flush();
    testsupport::AddStartingFloorRecords(ObjectList);
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    child->Invalidate(true);
    app.Client->CmLine();

    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    QPointer<QMainWindow> main = frame ? frame->MainWidget() : nullptr;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000LL && main && main->isVisible())
        QTest::qWait(100);

    TList check;
    check.ProgramDirectory = ObjectList.ProgramDirectory;
    check.SetDrawingName("HOUSE");
    (void)check.ReadDrawingFile(filemode::kWorking);
    std::printf("working file holds %d objects\n", check.count);
    for (int32_t i = 0; i < check.count; ++i)
        std::printf("  kind %d view %d (%d, %d) - (%d, %d)\n", check[i]->kind, check[i]->view, check[i]->x1,
                    check[i]->y1, check[i]->x2, check[i]->y2);
}
