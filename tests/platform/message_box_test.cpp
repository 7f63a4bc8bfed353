#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "platform/message_box.h"
#include "platform/when_modal.h"
#include "tests/support/scripted_ui.h"

TEST(MessageBox, ScriptedYesNoAnswers) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerMessageBox(IDNO);
    EXPECT_EQ(
        MessageBox(nullptr, "Save changes?\nThe drawing was modified", "SAVE", MB_YESNO | MB_ICONQUESTION),
        IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Overwrite?", "", MB_YESNO), IDNO);
    EXPECT_TRUE(ui.LogContains(
        "MessageBox caption=\"SAVE\" text=\"Save changes?\\nThe drawing was modified\" type=0x24 answer=6"));
    EXPECT_TRUE(ui.LogContains("MessageBox caption=\"\" text=\"Overwrite?\" type=0x4 answer=7"));
}

TEST(MessageBox, OkOnlyBoxesNeedNoAnswer) {
    testsupport::ScriptedUi ui;
    EXPECT_EQ(MessageBox(nullptr, "You must open a drawing FILE first", "CONTEXT HELP", MB_OK), IDOK);
    // An explicitly queued OK is taken by the box it was meant for, not left for a later question.
    pl::script::AnswerMessageBox(IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Done", "INFO", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(pl::script::Pending(), 0u);
    EXPECT_TRUE(
        ui.LogContains("caption=\"CONTEXT HELP\" text=\"You must open a drawing FILE first\" type=0x0"));
}

TEST(MessageBox, UnansweredQuestionFailsFastAsNo) {
    pl::script::Reset();
    pl::script::Enable(true);
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "DELETE", MB_YESNO), IDNO);
    EXPECT_EQ(pl::script::Errors().size(), 1u);
    // An answer the box does not offer is an error as well.
    pl::script::AnswerMessageBox(IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "DELETE", MB_YESNO), IDNO);
    EXPECT_EQ(pl::script::Errors().size(), 2u);
    pl::script::Enable(false);
    pl::script::Reset();
}

TEST(MessageBox, RealBoxShowsTextCaptionAndButtons) {
    QString caption, text;
    bool hasYes = false;
    pl::whenModal<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        hasYes = box->button(QMessageBox::Yes) != nullptr;
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageBox(nullptr, "first line\nsecond <b>line</b>", "QUESTION", MB_YESNO), IDNO);
    EXPECT_EQ(caption, "QUESTION");
    EXPECT_EQ(text, "first line\nsecond <b>line</b>");
    EXPECT_TRUE(hasYes);

    QApplication::setApplicationName("TREVALYN");
    pl::whenModal<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MessageBox(nullptr, "hello", nullptr, MB_OK), IDOK);
    EXPECT_EQ(caption, "TREVALYN");
}

TEST(MessageBox, EscapeAndTheCloseBoxDoNothingOnYesNo) {
    bool stillOpen = false;
    pl::whenModal<QMessageBox>([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        QTest::keyClick(box->button(QMessageBox::No), Qt::Key_Escape);
        box->close();
        QCoreApplication::processEvents();
        stillOpen = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(MessageBox(nullptr, "Really?", "Q", MB_YESNO), IDYES);
    EXPECT_TRUE(stillOpen);
}

TEST(MessageBox, EscapeAnswersCancelOrOk) {
    for (const auto& [type, answer] : {std::pair{MB_YESNOCANCEL, IDCANCEL}, {MB_OKCANCEL, IDCANCEL}, {MB_OK, IDOK}}) {
        pl::whenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(MessageBox(nullptr, "Really?", "Q", type), answer);
    }
}
