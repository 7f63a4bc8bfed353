#include <gtest/gtest.h>

#include <QMainWindow>

#include "document/program_state.h"
#include "platform/frame_window.h"
#include "resources/command_texts.h"
#include "shell/app.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"

namespace {

class CommandRouting : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    testsupport::ProgramDirectory dir;
};

TEST_F(CommandRouting, EveryCommandIsInTheTable) {
    TClient client(dir.Path());
    for (const auto& text : res::CommandTexts()) {
        TCommandEnabler ce(text.Id);
        EXPECT_TRUE(client.EnableCommand(ce)) << text.Id;
        // Save and Save As follow the drawing's state through their own enablers.
        if (text.Id == 237 || text.Id == 232) continue;
        EXPECT_EQ(ce.IsEnabled(), TClient::HasHandler(text.Id)) << text.Id;
    }
}

TEST_F(CommandRouting, UnknownCommandGoesToTheBase) {
    TClient client(dir.Path());
    TCommandEnabler ce(9999);
    EXPECT_FALSE(client.EnableCommand(ce));
    EXPECT_FALSE(client.ProcessCommand(9999));
}

TEST_F(CommandRouting, ExitReachesItsHandlerAndClosesTheFrame) {
    TAApp app;
    ASSERT_TRUE(app.InitInstance());
    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->MainWidget()->isVisible());
    EXPECT_TRUE(frame->RouteCommand(24310));
    EXPECT_FALSE(frame->MainWidget() && frame->MainWidget()->isVisible());
}

TEST_F(CommandRouting, ExitWithoutAFrameDoesNothing) {
    TClient client(dir.Path());
    EXPECT_TRUE(client.ProcessCommand(24310));
}

} // namespace
