// The text tool driven directly on a device context: typing, backspace, Enter, the 79-character
// field and a text handed over whole.
#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/support/program_directory.h"
#include "tools/text_tool.h"

namespace {

class TextTool : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("TEXTS");
        CurrentView = kGroundFloor;
        tool.Kind = toolkind::kTextAtClick;
        tool.TextStyle() = 2;
        tool.Mode = textmode::kPlaced; // as the click that places the text leaves it
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    void Type(const std::string& text) {
        for (char c : text)
            tool.Char(dc, client, static_cast<unsigned char>(c));
    }
    const TTextobj* LastText() const {
        const TObject* o = ObjectList[ObjectList.count - 1];
        return o && o->kind == kDialogText ? static_cast<const TTextobj*>(o) : nullptr;
    }

    testsupport::ProgramDirectory dir;
    QImage image{400, 300, QImage::Format_RGB32};
    TDC dc{image};
    TRect client{0, 0, 400, 300};
    TTextobjtool tool;
};

TEST_F(TextTool, ClickFixesThePositionForTyping) {
    tool.Mode = textmode::kAwaitingClick; // as the Text command leaves it
    TPoint at(100, 150);
    tool.ButtonDown(dc, client, &at);
    EXPECT_EQ(tool.Mode, 1);
    EXPECT_EQ(tool.PointPlaced, 1);
    EXPECT_NE(tool.X0, 0);
}

TEST_F(TextTool, TypedCharactersBecomeATextAtEnter) {
    tool.X0 = 5000;
    tool.Y0 = 4000;
    Type("HALL");
    EXPECT_EQ(tool.TypedCount, 4);
    tool.Char(dc, client, 13);
    ASSERT_NE(LastText(), nullptr);
    EXPECT_STREQ(LastText()->text, "HALL");
    EXPECT_EQ(LastText()->x1, 5000);
    EXPECT_EQ(tool.TypedCount, 0);
    EXPECT_EQ(tool.TextLength, 0);
}

TEST_F(TextTool, FirstCharacterSetsTheLineHeightOnce) {
    Type("A");
    const int32_t height = tool.TextHeight();
    EXPECT_GT(height, 0);
    tool.TextHeight() = 1;
    Type("B");
    EXPECT_EQ(tool.TextHeight(), 1);
}

TEST_F(TextTool, BackspaceTakesBackOneCharacterAndNothingBeyondTheStart) {
    Type("AB");
    tool.Char(dc, client, 8);
    EXPECT_STREQ(tool.TextBuffer, "A");
    tool.Char(dc, client, 8);
    tool.Char(dc, client, 8);
    tool.Char(dc, client, 8);
    EXPECT_EQ(tool.TypedCount, 0);
    EXPECT_STREQ(tool.TextBuffer, "");
}

TEST_F(TextTool, TypingStopsAtSeventyNineCharacters) {
    Type(std::string(100, 'x'));
    EXPECT_EQ(tool.TypedCount, 79);
    EXPECT_EQ(std::string(tool.TextBuffer).size(), 79u);
    tool.Char(dc, client, 13);
    ASSERT_NE(LastText(), nullptr);
    EXPECT_EQ(LastText()->textLength, 79);
}

TEST_F(TextTool, EnterWithNothingTypedMakesNoText) {
    const int32_t before = ObjectList.count;
    tool.Char(dc, client, 13);
    Type("A");
    tool.Char(dc, client, 13);
    tool.Char(dc, client, 13); // the text just made is not made twice
    EXPECT_EQ(ObjectList.count, before + 1);
}

TEST_F(TextTool, ControlCharactersAreNotTyped) {
    tool.Char(dc, client, 27);
    tool.Char(dc, client, 9);
    tool.Char(dc, client, 0x263A);
    EXPECT_EQ(tool.TypedCount, 0);
}

TEST_F(TextTool, HandedOverTextIsCutToTheField) {
    tool.Kind = toolkind::kText;
    const int32_t ids = IdCounter;
    TPoint at(200, 100);
    const std::string longText(120, 'w');
    tool.SetText(dc, client, &at, longText.c_str());
    EXPECT_EQ(tool.TextLength, 79);
    EXPECT_EQ(IdCounter, ids + 1);
    EXPECT_EQ(tool.TextId(), IdCounter);
    const TObject* o = ObjectList[ObjectList.count - 1];
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->kind, kText);
    EXPECT_EQ(static_cast<const TTextobj*>(o)->textLength, 79);
}

} // namespace
