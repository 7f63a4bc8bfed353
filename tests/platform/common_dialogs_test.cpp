#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include <QFontDatabase>
#include <QFontDialog>

#include "platform/colour_dialog.h"
#include "platform/file_dialog.h"
#include "platform/font_dialog.h"
#include "platform/print_dialog.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

TEST(FileDialog, FilterPairsAndCaseInsensitivePatterns) {
    const auto pairs = pl::ParseFileFilter("Plan files(*.DB0)|*.DB0|Allfiles(*.*)||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "Plan files(*.DB0)");
    EXPECT_EQ(pairs[1].second, "*.*");
    EXPECT_EQ(pl::QtNameFilter(pairs[0]), "Plan files(*.DB0) (*.[dD][bB]0)");
    EXPECT_TRUE(pl::FileMatchesPatterns("smith.db0", "*.DB0"));
    EXPECT_TRUE(pl::FileMatchesPatterns("SMITH.DB0", "*.txt;*.DB0"));
    EXPECT_FALSE(pl::FileMatchesPatterns("smith.db1", "*.DB0"));
    EXPECT_TRUE(pl::ParseFileFilter("").empty());
}

TEST(FileDialog, ScriptedPathMustExistWhenTheFlagsSaySo) {
    testsupport::ScriptedUi ui;
    testsupport::ProgramDirectory dir;
    dir.WriteFile("DWGS/SMITH.DB0", "");
    TOpenSaveDialog::TData data(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR,
                                "Plan files(*.DB0)|*.DB0||", nullptr, (dir.Path() + "DWGS").c_str());
    pl::script::AnswerFile(dir.File("DWGS/SMITH.DB0"));
    EXPECT_EQ(TFileOpenDialog(nullptr, data).Execute(), IDOK);
    EXPECT_EQ(data.FileName, dir.File("DWGS/SMITH.DB0"));
    pl::script::CancelFile();
    EXPECT_EQ(TFileOpenDialog(nullptr, data).Execute(), IDCANCEL);
    EXPECT_EQ(data.FileName, dir.File("DWGS/SMITH.DB0"));
    EXPECT_TRUE(ui.LogContains("FileOpen title=\"Open\" filter=\"Plan files(*.DB0)|*.DB0||\""));
}

TEST(ColourDialog, ScriptedColourAndCancel) {
    testsupport::ScriptedUi ui;
    TChooseColorDialog::TData data;
    data.Flags = CC_RGBINIT;
    data.Color = RGB(255, 255, 255);
    pl::script::AnswerColour(RGB(10, 20, 30));
    EXPECT_EQ(TChooseColorDialog(nullptr, data).Execute(), IDOK);
    EXPECT_EQ(data.Color.GetValue(), RGB(10, 20, 30));
    pl::script::CancelColour();
    EXPECT_EQ(TChooseColorDialog(nullptr, data).Execute(), IDCANCEL);
    EXPECT_EQ(data.Color.GetValue(), RGB(10, 20, 30));
    EXPECT_TRUE(ui.LogContains("ChooseColor initial=0xFFFFFF answer=0x1E140A"));
}

TEST(FontDialog, HeightFollowsThePointSize) {
    EXPECT_EQ(pl::LogFontHeightForPointSize(100), -13);
    EXPECT_EQ(pl::LogFontHeightForPointSize(120), -16);
    EXPECT_EQ(pl::LogFontHeightForPointSize(80), -11);
}

class FontDialogOpens : public ::testing::TestWithParam<std::tuple<const char*, int32_t, bool>> {};

// The dialog opens on the stored style: an upright font is not shown slanted, nor a bold one light.
TEST_P(FontDialogOpens, OnTheStoredStyle) {
    const auto [face, weight, italic] = GetParam();
    TChooseFontDialog::TData data;
    std::strncpy(data.LogFont.lfFaceName, face, LF_FACESIZE - 1);
    data.LogFont.lfWeight = weight, data.LogFont.lfItalic = italic ? 1 : 0, data.PointSize = 100;
    const QFont shown = QFontDialog(pl::FontDialogStart(data)).currentFont();
    EXPECT_EQ(shown.style() != QFont::StyleNormal, italic) << shown.styleName().toStdString();
    EXPECT_EQ(shown.weight() >= QFont::DemiBold, weight >= 600) << shown.styleName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faces, FontDialogOpens,
                         ::testing::Combine(::testing::Values("DejaVu Sans", "DejaVu Serif"),
                                            ::testing::Values(400, 700), ::testing::Bool()));

TEST(FontDialog, ScriptedFontFillsTheData) {
    testsupport::ScriptedUi ui;
    TChooseFontDialog::TData data;
    data.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    data.PointSize = 100;
    std::strcpy(data.LogFont.lfFaceName, "Arial");
    LOGFONT chosen;
    std::strcpy(chosen.lfFaceName, "Times New Roman");
    chosen.lfWeight = 700;
    pl::script::AnswerFont(chosen, 140, RGB(0, 0, 255));
    EXPECT_EQ(TChooseFontDialog(nullptr, data).Execute(), IDOK);
    EXPECT_STREQ(data.LogFont.lfFaceName, "Times New Roman");
    EXPECT_EQ(data.PointSize, 140);
    EXPECT_EQ(data.LogFont.lfHeight, -19);
    EXPECT_EQ(data.Color.GetValue(), RGB(0, 0, 255));
}

TEST(PrintDialog, ScriptedSettingsAndPageSetup) {
    testsupport::ScriptedUi ui;
    TPrintDialog::TData data;
    pl::script::AnswerPrint(3, 1, 2);
    EXPECT_EQ(TPrintDialog(nullptr, data).Execute(), IDOK);
    EXPECT_EQ(data.Copies, 3);
    EXPECT_EQ(data.ToPage, 2);
    pl::script::CancelPrint();
    EXPECT_EQ(TPrintDialog(nullptr, data).Execute(), IDCANCEL);
    pl::script::AnswerPageSetup(true);
    EXPECT_EQ(TPageSetupDialog(nullptr, data).Execute(), IDOK);
}
