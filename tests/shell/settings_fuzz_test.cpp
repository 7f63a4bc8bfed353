// The mutation fuzz of every settings reader: each settings file, started from its shipped text, is
// damaged the way the drawing files are, and its reader must end cleanly with usable values.
#include <functional>
#include <QSize>
#include <random>

#include "dialogs/units_file.h"
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "document/sheet_size.h"
#include "render/print_settings.h"
#include "resources/command_ids.h"
#include "resources/default_settings.h"
#include "rooms/room_settings.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/mutate.h"
#include "tools/line_text_file.h"

namespace {

class SettingsFuzz : public DrawingWindowTest {
protected:
    // Writes a damaged copy of the file's shipped text (or of `start`) in CFG/.
    void Damage(const char* name, std::string_view start = {}) {
        const std::string text(start.empty() ? DefaultSettings(name) : start);
        dir.WriteFile(std::string("CFG/") + name, testsupport::Mutate(text, rng));
    }
    std::mt19937 rng{2026};
};

struct Reader {
    const char* file;
    const char* start; // null: the shipped text
    std::function<void()> read;
};

TEST_F(SettingsFuzz, ReadersOfTheirOwnFileEndCleanly) {
    const Reader readers[] = {
        {"TITLE2D.CFG", nullptr,
         [] {
             for (const std::string& t : render::ReadFloorTitles().titles)
                 EXPECT_LE(t.size(), 24u);
         }},
        {"PRNTCALM.CFG", nullptr,
         [] {
             const int32_t length = render::ReadCalibration(1).length;
             EXPECT_TRUE(length >= 14000 && length <= 16000) << length;
         }},
        {"PRNTCALI.CFG", nullptr,
         [] {
             const int32_t length = render::ReadCalibration(0).length;
             EXPECT_TRUE(length >= 40 * 288 && length <= 61 * 288 && length % 24 == 0) << length;
         }},
        {"RMCLR.CFG", nullptr, [] { (void)ReadRoomFillColours(); }},
        {"LYTGRIDM.CFG", nullptr, [] { (void)ReadLayoutGridSettings(1); }},
        {"LYTGRIDI.CFG", nullptr, [] { (void)ReadLayoutGridSettings(0); }},
        {"METRIC.CFG", nullptr,
         [] {
             const int32_t metric = ReadMetricSetting();
             EXPECT_TRUE(metric == 0 || metric == 1) << metric;
         }},
        {"START.CFG", nullptr,
         [] {
             const int32_t start = ReadStartSetting();
             EXPECT_TRUE(start == 1 || start == 2) << start;
         }},
        {"OVERLAY.CFG", "1 1 0 0 1", [this] { (void)ReadOverlayFile(dir.Path()); }},
        // Read by the label of a Line + Text line, right after its dialog has written it.
        {"LTEXT.CFG", "2 5/nhello",
         [] { EXPECT_LE(ReadLineTextFile().text.size(), size_t{kLineTextCapacity}); }},
    };
    for (const Reader& reader : readers) {
        for (int i = 0; i < 60; ++i) {
            Damage(reader.file, reader.start ? reader.start : "");
            reader.read();
        }
    }
}

// The files a drawing window, the text style and the zooms read as they start and work.
TEST_F(SettingsFuzz, FilesReadByTheDrawingWindowEndCleanly) {
    const char* const files[] = {"CLR.CFG",    "SAVE.CFG",     "TEXT.CFG",
                                 "SCROLL.CFG", "DWGSIZEM.CFG", "DWGSIZEI.CFG"};
    for (int i = 0; i < 12; ++i) {
        for (const char* file : files)
            Damage(file);
        Damage("ZOOM.CFG", "2000 1500");
        Damage("ZSTAT.CFG", "0 2000 1500 100 200 5.000000");
        MetricUnits = i % 2;
        DrawingState = 2;
        Open();
        LoadTextStyle(*client);
        EXPECT_LT(std::char_traits<char>::length(ObjectList.DefaultFontName),
                  sizeof ObjectList.DefaultFontName);
        TClient starting(dir.Path()); // reads CLR.CFG and SAVE.CFG as the program starts
        EXPECT_TRUE(SaveState == 0 || SaveState == 2);
        for (const int32_t command : {cmd::kNormalSize, cmd::kHalfSize, cmd::kFitScreen})
            (void)client->ProcessCommand(command); // the files are fuzzed, not the routing
        Repaint();
    }
}

} // namespace

// A window far wider or taller than the sheet's shape stores a sheet height the next window reads
// as it stands.
class SheetHeightWrite : public DrawingWindowTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(SheetHeightWrite, IsReadBackUnchanged) {
    MetricUnits = 1;
    Open();
    child->GetHandle()->resize(GetParam());
    child->SetupScrolling();
    const std::string stored = dir.ReadFile("CFG/DWGSIZEM.CFG");
    const SheetSize read = ReadSheetSize(1);
    EXPECT_EQ(dir.ReadFile("CFG/DWGSIZEM.CFG"), stored);
    EXPECT_EQ(read.width, 16000);
}

INSTANTIATE_TEST_SUITE_P(Windows, SheetHeightWrite,
                         ::testing::Values(QSize(1200, 150), QSize(1600, 60), QSize(60, 1200)));
