// A text is painted at the size of the drawing it belongs to, whatever drawing in whichever units was
// shown before it: the window looks exactly as when its drawing is the first one opened.
#include <QCoreApplication>
#include <QImage>

#include <string>

#include "tests/platform/pixel_probe.h"
#include "tests/shell/file_commands_fixture.h"

namespace {

struct TextSizeCase {
    const char* name;
    bool firstMetric; // the drawing shown first
    bool sideBySide;  // the second drawing's window opens beside the first instead of replacing it
};

class TextSize : public FileCommandsTest, public ::testing::WithParamInterface<TextSizeCase> {
protected:
    // A saved drawing holding one text in the middle of the view its window opens on.
    void MakeDrawingWithText(const std::string& name, bool metric) {
        New(name, 2, metric);
        const int32_t x = (ScrollOriginX + ViewExtentX / 2) * ZoomDivisor;
        const int32_t y = (ScrollOriginY + ViewExtentY / 2) * ZoomDivisor;
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        ObjectList.Add(std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, IdCounter++, 0, x, 0, 0, 0, y, 0,
                                                  0, "12000", "Arial", 0, 5, 400, 12));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        client->ProcessCommand(237);
        client->CloseChildren();
        ObjectList.Flush();
    }
    // What a new start of the program holds: nothing painted yet.
    void Restart() {
        client->CloseChildren();
        ObjectList.Flush();
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
    }
    // The ink of a drawing window once painted, cut to its bounds: windows of other sizes show the
    // same drawing elsewhere in their client area.
    static QImage Shown(TWindow* window) {
        window->Invalidate(true);
        window->UpdateWindow();
        const QImage* shown = window->BackBuffer();
        return shown->copy(pixelprobe::InkBounds(*shown));
    }
    // A second drawing window beside the open one, on the named drawing.
    TChild* OpenBeside(const std::string& name) {
        ObjectList.SetDrawingName(name);
        ObjectList.Flush();
        auto* window = new TChild(*client, (name + ".PLN").c_str());
        EXPECT_TRUE(window->Create());
        QCoreApplication::processEvents();
        return window;
    }
};

TEST_P(TextSize, DoesNotDependOnTheDrawingShownBefore) {
    const std::string first = GetParam().firstMetric ? "METRE" : "FEET";
    const std::string second = GetParam().firstMetric ? "FEET" : "METRE";
    MakeDrawingWithText("METRE", true);
    MakeDrawingWithText("FEET", false);

    Restart();
    Open(dir.File("DWGS/" + second + ".DB0"));
    const QImage alone = Shown(client->ActiveDrawingWindow());
    ASSERT_GT(pixelprobe::CountInked(alone), 0);

    Restart();
    Open(dir.File("DWGS/" + first + ".DB0"));
    Shown(client->ActiveDrawingWindow());
    TWindow* window = nullptr;
    if (GetParam().sideBySide) {
        window = OpenBeside(second);
    } else {
        Open(dir.File("DWGS/" + second + ".DB0"));
        window = client->ActiveDrawingWindow();
    }
    const QImage after = Shown(window);
    ASSERT_EQ(after.size(), alone.size());
    EXPECT_EQ(pixelprobe::CountDifferent(after, alone), 0);
}

const TextSizeCase kOrders[] = {
    {"MetricAfterImperial", false, false},
    {"ImperialAfterMetric", true, false},
    {"MetricBesideImperial", false, true},
    {"ImperialBesideMetric", true, true},
};

INSTANTIATE_TEST_SUITE_P(Orders, TextSize, ::testing::ValuesIn(kOrders),
                         [](const ::testing::TestParamInfo<TextSizeCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
