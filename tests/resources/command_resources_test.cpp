#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "resources/command_texts.h"
#include "resources/control_bar_layout.h"
#include "resources/glyphs.h"
#include "resources/main_menu.h"

namespace {

std::vector<int32_t> ButtonCommands() {
    std::vector<int32_t> commands;
    for (const auto& gadget : res::ControlBarLayout())
        if (gadget.Kind == res::GadgetKind::Button) commands.push_back(gadget.Command);
    return commands;
}

TEST(CommandTexts, EachCommandHasOneEntry) {
    std::set<int32_t> seen;
    for (const auto& text : res::CommandTexts())
        EXPECT_TRUE(seen.insert(text.Id).second) << text.Id;
    EXPECT_EQ(seen.size(), 96u);
}

TEST(CommandTexts, HintAndTipSplitAtTheLineFeed) {
    EXPECT_EQ(res::CommandHint(430),
              "***UNDO*** - Deletes last drawn object - unless external wall (use Delete Wall)");
    EXPECT_EQ(res::CommandTip(430), "Undo Last Object");
    EXPECT_EQ(res::CommandHint(527), "FINISH DESIGN ROOMS -  Changes DESIGN rooms to  permanent rooms");
    EXPECT_EQ(res::CommandTip(527), "");
    EXPECT_EQ(res::CommandHint(12345), "");
    EXPECT_EQ(res::CommandString(12345), nullptr);
}

TEST(MainMenu, EveryItemHasAHintAndEveryCommandWithAMenuTextAppears) {
    std::set<int32_t> inMenu;
    for (const auto& popup : res::MainMenu())
        for (const auto& item : popup.Items) {
            if (item.Command == 0) continue;
            inMenu.insert(item.Command);
            EXPECT_FALSE(res::CommandHint(item.Command).empty()) << item.Text;
        }
    // Only the control-bar aids, undo and the six keyboard-only commands stay out of the menu.
    const std::set<int32_t> offMenu = {300, 301, 302, 430, 408, 217, 425, 531, 416, 417};
    for (const auto& text : res::CommandTexts())
        EXPECT_EQ(inMenu.count(text.Id), offMenu.count(text.Id) ? 0u : 1u) << text.Id;
}

TEST(MainMenu, ItemsKeepTheirExactTexts) {
    std::set<std::string> texts;
    for (const auto& popup : res::MainMenu())
        for (const auto& item : popup.Items)
            texts.insert(item.Text);
    for (const char* text :
         {"New...", "Auto Save (toggle on/off)", "Hints,reminders", "How to.....",
          "Change External wall type", "ALTER Finished Room", "Doors, Wall Openings", "Textsize"})
        EXPECT_EQ(texts.count(text), 1u) << text;
}

TEST(MainMenu, PopupsListTheirCommandsInOrder) {
    const std::vector<std::pair<std::string, std::vector<int32_t>>> expected = {
        {"File", {230, 231, 237, 232, 233, 235, 250, 251, 238, 24310}},
        {"Edit", {310, 311, 312, 317, 318, 313}},
        {"Tools", {270, 287, 272, 274, 275, 276, 277, 278, 279, 281, 282, 285, 317}},
        {"Views", {470, 343, 330, 331, 332, 344, 345, 342}},
        {"Zoom", {500, 501, 502, 503}},
        {"Walls && Base", {383, 415, 532, 533, 418, 419, 420, 422, 426}},
        {"Design Rooms", {413, 520, 521, 522, 523, 524, 525, 526, 527, 318, 530}},
        {"Other", {372, 382, 373, 383, 379}},
        {"Libraries", {350, 351, 352, 353, 354}},
        {"Customise", {402, 403, 406, 404, 405, 423, 424, 471, 410}},
        {"Help", {202, 207, 204, 206, 201, 205, 203, 208, 529}},
    };
    std::vector<std::pair<std::string, std::vector<int32_t>>> actual;
    for (const auto& popup : res::MainMenu()) {
        actual.push_back({popup.Caption, {}});
        for (const auto& item : popup.Items)
            if (item.Command != 0) actual.back().second.push_back(item.Command);
    }
    EXPECT_EQ(actual, expected);
}

TEST(ControlBar, EighteenButtonsInTheirOrder) {
    EXPECT_EQ(ButtonCommands(), (std::vector<int32_t>{430, 302, 300, 301, 313, 470, 343, 274, 272, 373, 383,
                                                      415, 520, 527, 318, 521, 413, 530}));
}

TEST(ControlBar, DistanceGadgetSitsBetweenMultilinesAndWindows) {
    auto layout = res::ControlBarLayout();
    ASSERT_EQ(layout.size(), 26u);
    EXPECT_EQ(layout[13].Kind, res::GadgetKind::DistanceText);
    EXPECT_EQ(layout[13].Size, 16);
    EXPECT_EQ(layout[11].Command, 272);
    EXPECT_EQ(layout[15].Command, 373);
    EXPECT_EQ(layout[19].Kind, res::GadgetKind::Separator);
    EXPECT_EQ(layout[19].Size, 10);
}

TEST(Glyphs, EveryButtonHasAVisiblePicture) {
    for (const auto& gadget : res::ControlBarLayout()) {
        if (gadget.Kind != res::GadgetKind::Button) continue;
        QImage glyph = res::Glyph(gadget.Bitmap);
        ASSERT_EQ(glyph.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(glyph.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 12) << gadget.Bitmap;
    }
}

TEST(Glyphs, NoTwoButtonsShareAPicture) {
    std::vector<QImage> seen;
    for (const auto& gadget : res::ControlBarLayout()) {
        if (gadget.Kind != res::GadgetKind::Button) continue;
        QImage glyph = res::Glyph(gadget.Bitmap);
        for (const QImage& other : seen)
            EXPECT_NE(glyph, other) << gadget.Bitmap;
        seen.push_back(glyph);
    }
}

TEST(Glyphs, UnknownNumberGivesATransparentImage) {
    QImage glyph = res::Glyph(1007);
    EXPECT_EQ(glyph.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(glyph.pixel(8, 8)), 0);
}

} // namespace
