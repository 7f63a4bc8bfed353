#include <gtest/gtest.h>

#include <cstring>
#include <QLineEdit>
#include <QTest>

#include "platform/input_dialog.h"
#include "platform/when_modal.h"
#include "tests/support/scripted_ui.h"

TEST(InputDialog, ScriptedAnswerIsCutToTheBufferSize) {
    testsupport::ScriptedUi ui;
    char buffer[6] = "90";
    pl::script::AnswerInput("1234567890");
    TInputDialog dialog(nullptr, "ROTATE", "clockwise", buffer, sizeof buffer);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_STREQ(buffer, "12345");
    EXPECT_TRUE(
        ui.LogContains("InputDialog title=\"ROTATE\" prompt=\"clockwise\" initial=\"90\" answer=\"12345\""));
}

TEST(InputDialog, CancelLeavesTheBuffer) {
    testsupport::ScriptedUi ui;
    char buffer[10] = "keep";
    pl::script::CancelInput();
    TInputDialog dialog(nullptr, "Text", "Enter text", buffer, sizeof buffer);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_TRUE(ui.LogContains("answer=cancel"));
}

TEST(InputDialog, RealDialogPreselectsAndLimitsTyping) {
    char buffer[9]; // no terminator within the size: only size - 1 characters are read
    std::memcpy(buffer, "clockwise", 9);
    TInputDialog dialog(nullptr, "ROTATE", "angle", buffer, 9);
    QString selected;
    pl::whenModal<TInputDialog>([&](TInputDialog* shown) {
        QLineEdit* edit = shown->Edit();
        selected = edit->selectedText();
        QTest::keyClicks(edit, "270 degrees");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(selected, "clockwis");
    EXPECT_STREQ(buffer, "270 degr");
}

TEST(InputDialog, UnansweredInputFailsFast) {
    pl::script::Reset();
    pl::script::Enable(true);
    char buffer[4] = "";
    TInputDialog dialog(nullptr, "Grid Spacing", "", buffer, sizeof buffer);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(pl::script::Errors().size(), 1u);
    pl::script::Enable(false);
    pl::script::Reset();
}
