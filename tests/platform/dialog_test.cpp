#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/test_script.h"
#include "platform/validators.h"
#include "platform/when_modal.h"
#include "tests/support/held_key.h"
#include "tests/support/scripted_ui.h"

using pl::ControlKind;

namespace {

constexpr int32_t kNoControlId = pl::kNoControlId;

// Test-only templates, in the shape of the program's own.
constexpr int32_t kLengthDialog = 90001;   // one range-checked edit, OK, Cancel
constexpr int32_t kUnitsDialog = 90002;    // two radio groups, a list box, OK only
constexpr int32_t kNameDialog = 90003;     // filtered name edit
constexpr int32_t kQuestionDialog = 90004; // YES and NO, no Cancel

void RegisterTestTemplates() {
    pl::RegisterDialogTemplate(kLengthDialog, {"measurement",
                                               {{kNoControlId, ControlKind::Static, "length"},
                                                {101, ControlKind::Edit, "0", 6},
                                                {IDOK, ControlKind::PushButton, "OK"},
                                                {IDCANCEL, ControlKind::PushButton, "Cancel"}}});
    pl::RegisterDialogTemplate(kUnitsDialog, {"measuring units",
                                              {{kNoControlId, ControlKind::GroupBox, "select system"},
                                               {201, ControlKind::RadioButton, "metric - m.m."},
                                               {202, ControlKind::RadioButton, "feet && inches"},
                                               {203, ControlKind::RadioButton, "normal", 0, true},
                                               {204, ControlKind::RadioButton, "solid"},
                                               {kNoControlId, ControlKind::GroupEnd},
                                               {205, ControlKind::CheckBox, "show  dimensions"},
                                               {206, ControlKind::ListBox, "", 0, false, false, true},
                                               {IDOK, ControlKind::PushButton, "OK"}}});
    pl::RegisterDialogTemplate(kNameDialog, {"new drawing",
                                             {{kNoControlId, ControlKind::GroupBox, "title of drawing"},
                                              {301, ControlKind::Edit, "client", 25},
                                              {IDOK, ControlKind::PushButton, "OK"},
                                              {IDCANCEL, ControlKind::PushButton, "Cancel"},
                                              {IDHELP, ControlKind::PushButton, "Help"}}});
    pl::RegisterDialogTemplate(
        kQuestionDialog, {"save drawing changes ?",
                          {{IDOK, ControlKind::PushButton, "YES"}, {IDNO, ControlKind::PushButton, "NO"}}});
}

class LengthDialog : public TDialog {
public:
    explicit LengthDialog(QWidget* parent = nullptr) : TDialog(parent, kLengthDialog) {
        Edit = new TEdit(this, 101, 6);
        Edit->SetValidator(new TRangeValidator(0, 350));
    }
    // Checks every field before "writing", as the settings dialogs must.
    void CmOk() override {
        if (!Validate()) return;
        ++Writes;
        Text = Edit->GetText();
        CloseWindow(IDOK);
    }
    TEdit* Edit;
    int Writes = 0;
    std::string Text;
};

class UnitsDialog : public TDialog {
public:
    UnitsDialog() : TDialog(nullptr, kUnitsDialog) {
        Metric = new TRadioButton(this, 201);
        Feet = new TRadioButton(this, 202);
        Normal = new TRadioButton(this, 203);
        Solid = new TRadioButton(this, 204);
        Dimensions = new TCheckBox(this, 205);
        List = new TListBox(this, 206);
    }
    void SetupWindow() override {
        Metric->Check();
        Normal->Check();
        List->AddString("kitchen");
        List->AddString("Bedroom");
        List->AddString("lounge");
        List->SetSelIndex(0);
    }
    void EvSelChange(int32_t id) override {
        ++SelChanges;
        LastSelection = id == 206 ? List->GetSelString() : "";
    }
    TRadioButton *Metric, *Feet, *Normal, *Solid;
    TCheckBox* Dimensions;
    TListBox* List;
    int SelChanges = 0;
    std::string LastSelection;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestTemplates(); }
};

} // namespace

TEST_F(DialogTest, ControlsAreNamedByIdAndCarryTheirTemplateTexts) {
    TDialog dialog(nullptr, kNameDialog);
    EXPECT_EQ(dialog.windowTitle(), "new drawing");
    auto* edit = dialog.findChild<QLineEdit*>("301");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "client");
    EXPECT_EQ(edit->maxLength(), 24); // the limit counts the terminator
    auto* ok = dialog.findChild<QPushButton*>("1");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_NE(dialog.findChild<QPushButton*>("9"), nullptr);
}

TEST_F(DialogTest, MissingTemplateOrControlDoesNotCrash) {
    TDialog dialog(nullptr, 12345);
    TEdit edit(&dialog, 77);
    edit.SetText("abc");
    EXPECT_EQ(edit.GetText(), "abc");
    TListBox list(&dialog, 78);
    EXPECT_EQ(list.GetSelIndex(), LB_ERR);
}

TEST_F(DialogTest, RangeValidatorRefusesOkThenAcceptsCorrectedValue) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kLengthDialog, {{{{101, "400"}}, IDOK}, {{{101, "12"}}, IDOK}});
    LengthDialog dialog;
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Writes, 1);
    EXPECT_EQ(dialog.Text, "12");
    EXPECT_TRUE(ui.LogContains("text=\"Please enter a value from 0 to 350\" type=0x30"));
    EXPECT_TRUE(ui.LogContains("Dialog 90001 pressed 1 -> still open"));
    EXPECT_TRUE(ui.LogContains("initial{101=\"0\"} final{101=\"12\"} result=1"));
}

TEST_F(DialogTest, EmptyRangeFieldIsRefused) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kLengthDialog, {{{{101, ""}}, IDOK}, {{}, IDCANCEL}});
    LengthDialog dialog;
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dialog.Writes, 0);
    EXPECT_TRUE(ui.LogContains("Please enter a value from 0 to 350"));
}

TEST_F(DialogTest, RefusedOkShowsTheMessageAndKeepsTheFieldFocused) {
    LengthDialog dialog;
    bool messageShown = false;
    bool stillOpen = false;
    bool fieldFocused = false;
    auto watch = pl::whenModal<LengthDialog>(
        [&](LengthDialog* shown) {
            auto* edit = shown->findChild<QLineEdit*>("101");
            edit->selectAll();
            QTest::keyClicks(edit, "250x0");
            EXPECT_EQ(edit->text(), "2500"); // the x is refused as typed
            pl::whenModal<QMessageBox>([&](QMessageBox* box) {
                messageShown = box->text() == "Please enter a value from 0 to 350";
                box->button(QMessageBox::Ok)->click();
            });
            shown->findChild<QPushButton*>("1")->click();
            stillOpen = shown->isVisible();
            fieldFocused = shown->focusWidget() == edit && edit->selectedText() == "2500";
            edit->setText("250");
            shown->findChild<QPushButton*>("1")->click();
        },
        3000);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(watch->Fired);
    EXPECT_TRUE(messageShown);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(fieldFocused);
    EXPECT_EQ(dialog.Text, "250");
}

// A held key repeats into the focused window: the Return that put a refusal up, or that closed it,
// neither answers the refusal unseen nor presses OK again behind it, also once the refusal was
// answered with the mouse; the Return or Escape that closed a dialog leaves the next one alone.
TEST_F(DialogTest, AHeldReturnAnswersOnlyTheBoxItWentDownIn) {
    LengthDialog dialog;
    int stayed = 0;
    pl::whenModal<LengthDialog>([&](LengthDialog* shown) {
        auto* edit = shown->findChild<QLineEdit*>("101");
        // The refusal answered by the held Return, then by a click while the Return is still down.
        for (const bool click : {false, true}) {
            edit->setText("400");
            pl::whenModal<QMessageBox>([&](QMessageBox* box) {
                testsupport::HoldKey(box, Qt::Key_Return);
                stayed += box->isVisible();
                click ? box->button(QMessageBox::Ok)->click() : QTest::keyPress(box, Qt::Key_Return);
            });
            QTest::keyPress(edit, Qt::Key_Return);
            edit->setText("250"); // a repeat that reached the dialog now would close it
            testsupport::HoldKey(edit, Qt::Key_Return);
            stayed += shown->isVisible();
        }
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dialog.Writes, 0);
    for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        LengthDialog first, next;
        pl::whenModal<LengthDialog>([&](LengthDialog* shown) { QTest::keyPress(shown, closing); });
        EXPECT_EQ(first.Execute(), closing == Qt::Key_Return ? IDOK : IDCANCEL);
        pl::whenModal<LengthDialog>([&](LengthDialog* shown) {
            testsupport::HoldKey(shown->findChild<QLineEdit*>("101"), closing);
            stayed += shown->isVisible();
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        EXPECT_EQ(next.Execute(), IDCANCEL);
    }
    pl::cancelModalWatches();
    EXPECT_EQ(stayed, 6);
}

// A held Space toggles the check box it went down on once, however many release-and-press pairs it gives.
TEST_F(DialogTest, AHeldSpaceTogglesACheckBoxOnce) {
    for (const int pairs : {0, 1, 2, 5}) {
        pl::whenModal<UnitsDialog>([&](UnitsDialog* shown) {
            auto* box = shown->findChild<QAbstractButton*>("205");
            QTest::keyPress(box, Qt::Key_Space);
            for (int i = 0; i < pairs; ++i)
                testsupport::HoldKey(box, Qt::Key_Space);
            QTest::keyRelease(box, Qt::Key_Space);
            EXPECT_TRUE(box->isChecked()) << pairs << " pairs";
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        UnitsDialog().Execute();
    }
}

TEST_F(DialogTest, TypingReplacesTheOfferOfAFieldOpenedOnOrTabbedIntoNotOneClickedInto) {
    LengthDialog dialog;
    dialog.Edit->SetText("24");
    std::string typed;
    pl::whenModal<LengthDialog>([&](LengthDialog* shown) {
        auto* edit = shown->findChild<QLineEdit*>("101");
        // Tab selects as the focus moves, which it does only once the dialog has the focus.
        EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }, 10000));
        // Typed as the field opens, after a click into it, then after Tab and Shift+Tab back into it.
        for (const bool click : {false, true, false}) {
            if (click) QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, edit->height() / 2));
            QTest::keyClicks(edit, click ? "1" : "3");
            typed += edit->text().toStdString() + " ";
            QTest::keyClick(edit, Qt::Key_Tab);
            QTest::keyClick(shown->findChild<QPushButton*>("1"), Qt::Key_Backtab);
        }
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(typed, "3 13 3 ");
}

TEST_F(DialogTest, FilterValidatorDropsCharactersAsTyped) {
    TDialog dialog(nullptr, kNameDialog);
    TEdit name(&dialog, 301, 25);
    name.SetValidator(new TFilterValidator("A-Za-z0-9, "));
    auto* edit = dialog.findChild<QLineEdit*>("301");
    edit->clear();
    QTest::keyClicks(edit, "Room; 1,A!");
    EXPECT_EQ(name.GetText(), "Room 1,A");
    QTest::keyClicks(edit, "../x");
    EXPECT_EQ(name.GetText(), "Room 1,Ax");
}

TEST_F(DialogTest, ScriptedTypingGoesThroughFilterAndLimit) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kNameDialog, {{{{301, "Room; 1,A! and a great many more letters"}}, IDOK}});
    TDialog dialog(nullptr, kNameDialog);
    TEdit name(&dialog, 301, 25);
    name.SetValidator(new TFilterValidator("A-Za-z0-9, "));
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(name.GetText(), "Room 1,A and a great man");
    char buffer[6];
    EXPECT_EQ(name.GetText(buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "Room ");
}

TEST_F(DialogTest, EscapeAndCloseBoxCancelWithoutCancelButton) {
    {
        UnitsDialog dialog;
        auto watch =
            pl::whenModal<UnitsDialog>([](UnitsDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
        EXPECT_EQ(dialog.Execute(), IDCANCEL);
        EXPECT_TRUE(watch->Fired);
    }
    {
        UnitsDialog dialog;
        pl::whenModal<UnitsDialog>([](UnitsDialog* shown) { shown->close(); });
        EXPECT_EQ(dialog.Execute(), IDCANCEL);
    }
    {
        testsupport::ScriptedUi ui;
        pl::script::AnswerDialog(kUnitsDialog, {{{}, IDCANCEL}});
        UnitsDialog dialog;
        EXPECT_EQ(dialog.Execute(), IDCANCEL);
    }
}

TEST_F(DialogTest, EscapeAndCloseBoxDoNothingOnAYesNoQuestion) {
    TDialog dialog(nullptr, kQuestionDialog);
    bool stillOpen = false;
    pl::whenModal<TDialog>([&](TDialog* shown) {
        QTest::keyClick(shown, Qt::Key_Escape);
        QTest::keyClick(shown->Control(IDNO), Qt::Key_Escape);
        shown->close();
        QCoreApplication::processEvents();
        stillOpen = shown->isVisible();
        shown->PressButton(IDNO);
    });
    EXPECT_EQ(dialog.Execute(), IDNO);
    EXPECT_TRUE(stillOpen);
}

TEST_F(DialogTest, EnterPressesOk) {
    LengthDialog dialog;
    pl::whenModal<LengthDialog>([](LengthDialog* shown) {
        auto* edit = shown->findChild<QLineEdit*>("101");
        edit->setFocus();
        edit->setText("7");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Text, "7");
}

TEST_F(DialogTest, RadioGroupsExcludeWithinTheirGroupOnly) {
    UnitsDialog dialog;
    dialog.SetupWindow();
    EXPECT_EQ(dialog.Metric->GetCheck(), BF_CHECKED);
    EXPECT_EQ(dialog.Normal->GetCheck(), BF_CHECKED);
    dialog.Feet->Check();
    EXPECT_EQ(dialog.Metric->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(dialog.Normal->GetCheck(), BF_CHECKED); // the group-start flag split the box in two
    dialog.findChild<QRadioButton*>("204")->click();
    EXPECT_EQ(dialog.Normal->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(dialog.Feet->GetCheck(), BF_CHECKED);
    // The program may leave a group with nothing checked.
    dialog.Solid->Uncheck();
    EXPECT_EQ(dialog.Solid->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(dialog.Normal->GetCheck(), BF_UNCHECKED);
    dialog.Normal->Check();
    EXPECT_EQ(dialog.Normal->GetCheck(), BF_CHECKED);
}

TEST_F(DialogTest, ScriptedRadioAndCheckValues) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kUnitsDialog, {{{{202, "1"}, {204, "1"}, {205, "1"}}, IDOK}});
    UnitsDialog dialog;
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Metric->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(dialog.Feet->GetCheck(), BF_CHECKED);
    EXPECT_EQ(dialog.Solid->GetCheck(), BF_CHECKED);
    EXPECT_EQ(dialog.Dimensions->GetCheck(), BF_CHECKED);
    EXPECT_TRUE(ui.LogContains("initial{201=1 202=0 203=1 204=0 205=0 206=\"Bedroom\"}"));
    EXPECT_TRUE(ui.LogContains("final{201=0 202=1 203=0 204=1 205=1 206=\"Bedroom\"} result=1"));
}

TEST_F(DialogTest, ListBoxNotifiesUserSelectionOnly) {
    UnitsDialog dialog;
    dialog.SetupWindow();
    // Sorted without regard to case.
    EXPECT_EQ(dialog.List->GetString(0), "Bedroom");
    EXPECT_EQ(dialog.List->GetString(1), "kitchen");
    EXPECT_EQ(dialog.List->GetString(2), "lounge");
    EXPECT_EQ(dialog.SelChanges, 0);
    dialog.List->SetSelIndex(2);
    EXPECT_EQ(dialog.SelChanges, 0);
    EXPECT_EQ(dialog.List->GetSelIndex(), 2);

    dialog.show();
    auto* list = dialog.findChild<QListWidget*>("206");
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(dialog.SelChanges, 1);
    EXPECT_EQ(dialog.LastSelection, "kitchen");
    char buffer[4];
    EXPECT_EQ(dialog.List->GetSelString(buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "kit");
    EXPECT_EQ(dialog.List->SetSelIndex(9), LB_ERR);
    dialog.List->SetSelIndex(-1);
    EXPECT_EQ(dialog.List->GetSelString(buffer, sizeof buffer), LB_ERR);
}

TEST_F(DialogTest, ScriptedListSelectionNotifies) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kUnitsDialog, {{{{206, "lounge"}}, IDOK}});
    UnitsDialog dialog;
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.SelChanges, 1);
    EXPECT_EQ(dialog.LastSelection, "lounge");
}

TEST_F(DialogTest, DialogWithoutScriptedAnswerFailsFast) {
    pl::script::Reset();
    pl::script::Enable(true);
    UnitsDialog dialog;
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    ASSERT_EQ(pl::script::Errors().size(), 1u);
    EXPECT_NE(pl::script::Errors()[0].find("no scripted answer for the dialog 90002"), std::string::npos);
    pl::script::Reset();
    pl::script::AnswerDialog(kLengthDialog, {{{}, IDOK}});
    UnitsDialog other; // takes the length dialog's answer: a mismatch is an error too
    EXPECT_EQ(other.Execute(), IDCANCEL);
    EXPECT_EQ(pl::script::Errors().size(), 1u);
    pl::script::Enable(false);
    pl::script::Reset();
}

TEST_F(DialogTest, UnansweredRealModalIsClosedAfterTheTimeout) {
    UnitsDialog dialog;
    auto watch = pl::whenModal<QMessageBox>([](QMessageBox*) {}, 150);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(watch->TimedOut);
    EXPECT_FALSE(watch->Fired);
}

TEST_F(DialogTest, OtherButtonsReachEvCommandAndNoClosesWithIdNo) {
    pl::RegisterDialogTemplate(90004, {"save",
                                       {{kNoControlId, ControlKind::Static, "Save changes?"},
                                        {IDOK, ControlKind::PushButton, "Yes"},
                                        {IDNO, ControlKind::PushButton, "No"},
                                        {42, ControlKind::PushButton, "More"}}});
    struct SaveDialog : TDialog {
        SaveDialog() : TDialog(nullptr, 90004) {}
        void EvCommand(int32_t id) override { Commands.push_back(id); }
        std::vector<int32_t> Commands;
    } dialog;
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(90004, {{{}, 42}, {{}, IDNO}});
    EXPECT_EQ(dialog.Execute(), IDNO);
    EXPECT_EQ(dialog.Commands, std::vector<int32_t>{42});
}
