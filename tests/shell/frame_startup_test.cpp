#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <string>
#include <vector>

#include "document/program_state.h"
#include "platform/frame_window.h"
#include "platform/gadget_window.h"
#include "platform/resources.h"
#include "resources/command_texts.h"
#include "resources/main_menu.h"
#include "shell/app.h"
#include "shell/client.h"
#include "shell/datum_readout.h"

namespace {

class FrameStartUp : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ASSERT_TRUE(app.InitInstance());
        frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override { ResetGlobals(); }

    TAApp app;
    TDecoratedMDIFrame* frame = nullptr;
};

TEST_F(FrameStartUp, ShowsTheTitledFrameMaximised) {
    EXPECT_EQ(frame->GetCaption(), "TREVALYN 6.1");
    EXPECT_EQ(app.nCmdShow, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(frame->MainWidget()->windowState() & Qt::WindowMaximized);
}

TEST_F(FrameStartUp, StartTextsAreTheGuideLineAndCursorDistance) {
    EXPECT_STREQ(app.StatusBar->GetText(), "GUIDE LINE: Press FILE/NEW or FILE/OPEN");
    EXPECT_STREQ(app.DistanceGadget->GetText(), "cursor distance");
    EXPECT_STREQ(app.ToolGadget->GetText(), "");
    EXPECT_EQ(app.DistanceGadget->GetNumChars(), 16u);
    EXPECT_EQ(app.ToolGadget->GetNumChars(), 10u);
}

// Every text a gadget shows fits it whole: the read-out at six-digit distances in both forms and
// units, the tool names, and a text longer than any of them, for which the gadget widens.
TEST_F(FrameStartUp, GadgetsShowTheirLongestTextsWhole) {
    struct Shown {
        TTextGadget* gadget;
        std::string text;
    };
    const std::vector<Shown> cases{
        {app.DistanceGadget, shell::DatumReadout(-289000, -228200, 2, true)},
        {app.DistanceGadget, shell::DatumReadout(-999999, 999999, 4, true)},
        {app.DistanceGadget, shell::DatumReadout(-999999, -999999, 4, false)},
        {app.DistanceGadget, shell::DatumReadout(999999, -999999, 2, false)},
        {app.ToolGadget, "GUIDE: Pick Tool"},
        {app.ToolGadget, "10, LINE dotdash+txt"},
        {app.ToolGadget, "10,RoundRect"},
        {app.ToolGadget, "a tool name longer than any the program has today"},
    };
    for (const Shown& c : cases) {
        QLabel* label = c.gadget->Label();
        ASSERT_NE(label, nullptr);
        const int width = label->maximumWidth();
        c.gadget->SetText(c.text.c_str());
        EXPECT_EQ(label->text().toStdString(), c.text);
        EXPECT_GE(label->maximumWidth(), label->sizeHint().width()) << c.text;
        EXPECT_GE(label->maximumWidth(), width) << "a gadget never narrows";
    }
}

TEST_F(FrameStartUp, TheClientKnowsTheFrameAndItsBars) {
    ASSERT_NE(app.Client, nullptr);
    EXPECT_EQ(app.Client->Frame, frame);
    EXPECT_EQ(app.Client->StatusBar, app.StatusBar);
    EXPECT_EQ(app.Client->DistanceGadget, app.DistanceGadget);
    EXPECT_EQ(app.Client->ToolGadget, app.ToolGadget);
    EXPECT_EQ(frame->GetClientWindow(), app.Client);
}

TEST_F(FrameStartUp, ToolGadgetSitsInTheStatusBarAfterTheMessage) {
    const auto& gadgets = app.StatusBar->GetGadgets();
    ASSERT_EQ(gadgets.size(), 1u);
    EXPECT_EQ(gadgets[0], app.ToolGadget);
    EXPECT_EQ(app.StatusBar->GetHintMode(), TGadgetWindow::EnterHints);
}

TEST_F(FrameStartUp, ControlBarHoldsEighteenButtonsWithTheDistanceGadgetBetween) {
    ASSERT_NE(app.ControlBar, nullptr);
    std::vector<int32_t> commands;
    int distanceAt = -1;
    const auto& gadgets = app.ControlBar->GetGadgets();
    for (size_t i = 0; i < gadgets.size(); ++i) {
        if (auto* button = dynamic_cast<TButtonGadget*>(gadgets[i]))
            commands.push_back(button->GetCommandId());
        if (gadgets[i] == app.DistanceGadget) distanceAt = static_cast<int>(commands.size());
    }
    EXPECT_EQ(commands, (std::vector<int32_t>{430, 302, 300, 301, 313, 470, 343, 274, 272, 373, 383, 415, 520,
                                              527, 318, 521, 413, 530}));
    EXPECT_EQ(distanceAt, 9); // after the multi-line button, before the windows button
    EXPECT_EQ(app.ControlBar->GetHintMode(), TGadgetWindow::EnterHints);
}

TEST_F(FrameStartUp, ButtonsCarryTheirHintsAndTips) {
    for (auto* gadget : app.ControlBar->GetGadgets()) {
        auto* button = dynamic_cast<TButtonGadget*>(gadget);
        if (!button) continue;
        int32_t id = button->GetCommandId();
        EXPECT_EQ(pl::CommandHint(id), res::CommandHint(id)) << id;
        EXPECT_FALSE(pl::CommandHint(id).empty()) << id;
    }
    EXPECT_EQ(pl::CommandHint(415), "***INTERNAL WALL*** - Draws an internal wall");
    EXPECT_EQ(pl::CommandTip(415), "Internal Wall");
}

TEST_F(FrameStartUp, EveryMenuItemIsRoutedOrShownDisabled) {
    frame->CommandEnablePass();
    for (const auto& popup : res::MainMenu())
        for (const auto& item : popup.Items) {
            if (item.Command == 0) continue;
            QAction* action = frame->FindMenuAction(item.Command);
            ASSERT_NE(action, nullptr) << item.Text;
            // Save and Save As follow the drawing's state through their own enablers.
            if (item.Command == 237 || item.Command == 232) continue;
            EXPECT_EQ(action->isEnabled(), TClient::HasHandler(item.Command)) << item.Text;
        }
    EXPECT_TRUE(frame->FindMenuAction(24310)->isEnabled());
}

TEST_F(FrameStartUp, UnhandledButtonsStayDisabled) {
    frame->CommandEnablePass();
    for (auto* gadget : app.ControlBar->GetGadgets()) {
        auto* button = dynamic_cast<TButtonGadget*>(gadget);
        if (!button) continue;
        EXPECT_EQ(button->Action()->isEnabled(), TClient::HasHandler(button->GetCommandId()))
            << button->GetCommandId();
    }
}

TEST(FrameShowState, MinimisedRequestStaysMinimised) {
    TAApp app;
    app.nCmdShow = SW_SHOWMINIMIZED;
    app.InitMainWindow();
    EXPECT_EQ(app.nCmdShow, SW_SHOWMINIMIZED);
}

} // namespace
