// Save as bitmap and Rotate/Mirror on an open drawing: the bitmap file by view with its header and
// size, and the working file rewritten by a turn or a mirror.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <map>
#include <QCoreApplication>
#include <QDir>
#include <sys/wait.h>
#include <unistd.h>

#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"
#include "shell/drawing_output.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/full_disk.h"
#include "tests/support/scripted_ui.h"

namespace {

int32_t Int32At(const std::string& bytes, size_t at) {
    int32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

class WholeDrawing : public DrawingWindowTest {
protected:
    // A ground floor and a first floor, each with a wall and a line.
    void WriteTwoFloors() {
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(make::ExtWall(kGroundFloor, Cx() - 5000, Cy() + 3000, Cx() + 5000, Cy() + 3000));
        objects.push_back(make::Line(kGroundFloor, Cx() - 1000, Cy() - 2000, Cx() + 2500, Cy() + 700));
        objects.push_back(make::ExtWall(kFirstFloor, Cx() - 4000, Cy() - 3000, Cx() + 4000, Cy() - 3000));
        objects.push_back(make::Line(kFirstFloor, Cx() + 100, Cy() + 200, Cx() + 1300, Cy() - 900));
        WriteDrawing(std::move(objects));
    }

    // Coordinates of the walls and lines in the working file as read back, titles left out.
    std::vector<std::array<int32_t, 5>> Geometry() {
        ObjectList.Flush();
        EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        std::vector<std::array<int32_t, 5>> g;
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* o = ObjectList[i];
            if (o->kind == kLine || o->kind == kExtWall) g.push_back({o->view, o->x1, o->y1, o->x2, o->y2});
        }
        return g;
    }

    void RotateOrMirror(int32_t radio, const std::string& name = "") {
        pl::script::AnswerMessageBox(IDYES);
        std::vector<std::pair<int32_t, std::string>> values{{radio, "1"}};
        if (!name.empty()) values.push_back({19001, name});
        pl::script::AnswerDialog(19000, {{values, IDOK}});
        client->CmRotateMirror();
    }
};

TEST_F(WholeDrawing, BitmapIsNamedByViewWithA24BitHeaderOfThePrintExtents) {
    WriteTwoFloors();
    CurrentView = kFirstFloor;
    DrawingState = 2;
    Open("HOUSE.PL1");
    {
        testsupport::ScriptedUi ui;
        client->CmSaveBitmap();
    }
    // The first floor alone: its wall's 8000 units across, and the 3200 from the wall up to the
    // line's highest point.
    const int32_t width = (Cx() + 4000) / 25 + 10 - ((Cx() - 4000) / 25 - 10);
    const int32_t height = 3200 / 25 + 10;
    ASSERT_TRUE(dir.Exists("DWGS/HOUSEFST.BMP"));
    const std::string bmp = dir.ReadFile("DWGS/HOUSEFST.BMP");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Int32At(bmp, 18), width);
    EXPECT_EQ(Int32At(bmp, 22), height);
    EXPECT_EQ(bmp[28], 24);
    const int32_t row = (width * 3 + 3) / 4 * 4;
    EXPECT_EQ(bmp.size(), 54u + static_cast<size_t>(row) * height);
    EXPECT_EQ(Int32At(bmp, 2), static_cast<int32_t>(bmp.size()));
    // The first floor's wall shows: some pixel is dark.
    bool ink = false;
    for (size_t i = 54; i + 2 < bmp.size() && !ink; i += 3)
        ink = static_cast<unsigned char>(bmp[i]) < 100;
    EXPECT_TRUE(ink);
}

// A 24-bit bitmap's pixel at column x of row y counted from the top (rows are stored bottom up).
bool DarkAt(const std::string& bmp, int x, int y) {
    const int32_t width = Int32At(bmp, 18), height = Int32At(bmp, 22);
    const size_t row = static_cast<size_t>((width * 3 + 3) / 4 * 4);
    const size_t at = 54 + static_cast<size_t>(height - 1 - y) * row + static_cast<size_t>(x) * 3;
    return at + 2 < bmp.size() && static_cast<unsigned char>(bmp[at]) < 100;
}

TEST_F(WholeDrawing, BitmapHoldsTheLinesKeyedSinceTheLastRead) {
    WriteDrawing({});
    DrawingState = 2;
    Open();
    // Keyed lines are in the document, not yet read back from the file; well above the sheet centre.
    ObjectList.Add(make::Line(kGroundFloor, Cx() + 2000, Cy() + 5000, Cx() + 6000, Cy() + 5000));
    ObjectList.Add(make::Line(kGroundFloor, Cx() + 6000, Cy() + 5000, Cx() + 6000, Cy() + 3000));
    {
        testsupport::ScriptedUi ui;
        client->CmSaveBitmap();
        EXPECT_FALSE(ui.LogContains("nothing drawn")) << ui.Log();
    }
    const std::string bmp = dir.ReadFile("DWGS/HOUSEGND.BMP");
    ASSERT_GE(bmp.size(), 54u);
    // 4000 by 2000 at 25 units a pixel, with 10 pixels each side across and 5 above and below.
    EXPECT_EQ(Int32At(bmp, 18), 180);
    EXPECT_EQ(Int32At(bmp, 22), 90);
    for (int x = 12; x < 168; x += 4)
        EXPECT_TRUE(DarkAt(bmp, x, 5)) << x;
    for (int y = 7; y < 84; y += 4)
        EXPECT_TRUE(DarkAt(bmp, 170, y)) << y;
    EXPECT_FALSE(DarkAt(bmp, 90, 45));
}

TEST_F(WholeDrawing, BitmapNamesByView) {
    EXPECT_EQ(BitmapFilePath("/p/", "HOUSE", kGroundFloor), "/p/DWGS/HOUSEGND.BMP");
    EXPECT_EQ(BitmapFilePath("/p/", "HOUSE", kSecondFloor), "/p/DWGS/HOUSESEC.BMP");
    EXPECT_EQ(BitmapFilePath("/p/", "HOUSE", kSitePlan), "/p/DWGS/HOUSESTE.BMP");
    EXPECT_EQ(BitmapFilePath("/p/", "HOUSE", kFourthLevel), "/p/DWGS/HOUSE.BMP");
}

TEST_F(WholeDrawing, BitmapOfAnEmptyViewIsRefusedWithAMessage) {
    WriteTwoFloors();
    CurrentView = kSecondFloor;
    DrawingState = 2;
    Open("HOUSE.PL2");
    testsupport::ScriptedUi ui;
    client->CmSaveBitmap();
    EXPECT_FALSE(dir.Exists("DWGS/HOUSESEC.BMP"));
    EXPECT_TRUE(ui.LogContains("nothing drawn on this view")) << ui.Log();
}

TEST_F(WholeDrawing, BitmapTooLargeForAPictureIsRefusedAsSuch) {
    WriteDrawing({});
    DrawingState = 2;
    Open();
    // 600000 units at 25 a pixel is 24000 pixels across.
    ObjectList.Add(make::Line(kGroundFloor, Cx() - 300000, Cy(), Cx(), Cy()));
    ObjectList.Add(make::Line(kGroundFloor, Cx(), Cy(), Cx() + 300000, Cy()));
    testsupport::ScriptedUi ui;
    client->CmSaveBitmap();
    EXPECT_FALSE(dir.Exists("DWGS/HOUSEGND.BMP"));
    EXPECT_TRUE(ui.LogContains("too large to save as a bitmap")) << ui.Log();
}

TEST_F(WholeDrawing, BitmapOnARoomLayoutIsRefused) {
    WriteTwoFloors();
    DrawingState = 2;
    Open();
    CurrentView = kRoomLayout;
    testsupport::ScriptedUi ui;
    client->CmSaveBitmap();
    EXPECT_TRUE(ui.LogContains("This function works on plan views only - not room layouts")) << ui.Log();
}

TEST_F(WholeDrawing, TurningByHalfATurnTwiceAndMirroringTwiceGiveTheDrawingBack) {
    WriteTwoFloors();
    DrawingState = 2;
    Open();
    const auto original = Geometry();
    const int32_t cx = Cx(), cy = Cy();

    testsupport::ScriptedUi ui;
    RotateOrMirror(19003);
    const auto turned = Geometry();
    ASSERT_EQ(turned.size(), original.size());
    // Half a turn about the sheet centre: every point to (2cx - x, 2cy - y), no unit lost.
    for (size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(turned[i][1], 2 * cx - original[i][1]) << i;
        EXPECT_EQ(turned[i][2], 2 * cy - original[i][2]) << i;
        EXPECT_EQ(turned[i][3], 2 * cx - original[i][3]) << i;
        EXPECT_EQ(turned[i][4], 2 * cy - original[i][4]) << i;
    }
    RotateOrMirror(19003);
    EXPECT_EQ(Geometry(), original);

    RotateOrMirror(19005);
    EXPECT_NE(Geometry(), original);
    RotateOrMirror(19005);
    EXPECT_EQ(Geometry(), original);
    EXPECT_STREQ(ObjectList.DrawingName, "HOUSE");
}

TEST_F(WholeDrawing, TurningIntoAnExistingDrawingAsksFirst) {
    WriteTwoFloors();
    dir.WriteFile("DWGS/OTHER.DB0", "kept");
    DrawingState = 2;
    Open();
    testsupport::ScriptedUi ui;
    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(19000, {{{{19003, "1"}, {19001, "OTHER"}}, IDOK}});
    pl::script::AnswerMessageBox(IDNO);
    client->CmRotateMirror();
    EXPECT_EQ(dir.ReadFile("DWGS/OTHER.DB0"), "kept");
    EXPECT_STREQ(ObjectList.DrawingName, "HOUSE");

    // Into a new name: the copy is written, the old drawing stays.
    const std::string house = dir.ReadFile("DWGS/HOUSE.DB0");
    RotateOrMirror(19004, "HOUSE2");
    EXPECT_TRUE(dir.Exists("DWGS/HOUSE2.DB0"));
    EXPECT_STREQ(ObjectList.DrawingName, "HOUSE2");
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), house);
}

// Turning into another drawing with the disk's room at each size a write of the step needs: the
// other drawing ends turned whole or as it was (none, where there was none), the open one stays, and
// a failure is told once.
class TurningOnAFullDisk : public WholeDrawing, public ::testing::WithParamInterface<bool> {};

TEST_P(TurningOnAFullDisk, LeavesTheOtherDrawingWholeOrAsItWas) {
    const bool otherBefore = GetParam();
    auto restart = [&] {
        client->CloseChildren();
        QCoreApplication::processEvents();
        ObjectList.Flush();
        ObjectList.SetDrawingName("HOUSE");
        CurrentView = kGroundFloor;
        if (otherBefore)
            dir.WriteFile("DWGS/OTHER.DB0", "kept");
        else
            static_cast<void>(pl::RemoveFile(dir.File("DWGS/OTHER.DB0")));
        WriteTwoFloors();
        DrawingState = 2;
        Open();
    };
    auto turn = [&] {
        pl::script::AnswerMessageBox(IDYES);
        pl::script::AnswerDialog(19000, {{{{19003, "1"}, {19001, "OTHER"}}, IDOK}});
        if (otherBefore) pl::script::AnswerMessageBox(IDYES); // replace it
        client->ProcessCommand(233);
        // A step whose first write failed asks nothing further.
        while (pl::script::TakeIfNext(pl::script::AnswerKind::Dialog) ||
               pl::script::TakeIfNext(pl::script::AnswerKind::MessageBox)) {
        }
    };
    restart();
    const auto geometry = Geometry();
    std::vector<size_t> rooms;
    {
        testsupport::ScriptedUi ui;
        OnWorkingFileWritten([&] {
            const size_t size = std::filesystem::file_size(ObjectList.DrawingFilePath(filemode::kWorking));
            rooms.insert(rooms.end(), {size - 1, size});
        });
        turn();
        OnWorkingFileWritten({});
    }
    const std::string turned = dir.ReadFile("DWGS/OTHER.DB0");
    for (const size_t room : rooms) {
        SCOPED_TRACE("room " + std::to_string(room));
        restart();
        testsupport::ScriptedUi ui;
        {
            const testsupport::FullDisk full(room);
            turn();
        }
        const std::string other = dir.ReadFile("DWGS/OTHER.DB0");
        if (other == turned) continue;
        if (otherBefore) {
            EXPECT_EQ(other, "kept");
        } else {
            EXPECT_FALSE(dir.Exists("DWGS/OTHER.DB0"));
        }
        const std::string log = ui.Log();
        EXPECT_NE(log.find("could not"), std::string::npos) << log;
        EXPECT_EQ(log.find("could not", log.find("could not") + 1), std::string::npos) << log;
        EXPECT_STREQ(ObjectList.DrawingName, "HOUSE");
        EXPECT_EQ(Geometry(), geometry);
    }
    // The program killed once the turned drawing is written, before its titles are: the next start
    // leaves the other drawing as it was (none, where there was none), and says so. Where another copy
    // of the program wrote the other drawing since, while the step was open or after the kill, that is
    // later work, which stays, and no box tells of a drawing that went back or was removed.
    enum class Writer { None, DuringStep, AfterKill };
    for (const Writer writer : {Writer::None, Writer::DuringStep, Writer::AfterKill}) {
        SCOPED_TRACE(static_cast<int>(writer));
        restart();
        if (const pid_t killed = fork(); killed == 0) {
            OnWorkingFileWritten([] {
                if (ObjectList.DrawingFilePath(filemode::kWorking).ends_with("OTHER.DB0")) ::raise(SIGSTOP);
            });
            const testsupport::ScriptedUi answers;
            turn();
            _exit(0);
        } else {
            int status = 0;
            ASSERT_EQ(waitpid(killed, &status, WUNTRACED), killed);
            ASSERT_TRUE(WIFSTOPPED(status));
            if (writer == Writer::DuringStep) {
                ASSERT_TRUE(pl::WriteTextFile(dir.Path() + "DWGS/OTHER.DB0", "later"));
            }
            ::kill(killed, SIGKILL);
            ASSERT_EQ(waitpid(killed, nullptr, 0), killed);
        }
        ASSERT_NE(dir.ReadFile("DWGS/OTHER.DB0"), otherBefore ? "kept" : "");
        if (writer == Writer::AfterKill) {
            ASSERT_TRUE(pl::WriteTextFile(dir.Path() + "DWGS/OTHER.DB0", "later"));
        }
        testsupport::ScriptedUi ui;
        const TClient next(dir.Path());
        const std::string was = otherBefore ? "kept" : "";
        EXPECT_EQ(dir.Exists("DWGS/OTHER.DB0") ? dir.ReadFile("DWGS/OTHER.DB0") : "",
                  writer == Writer::None ? was : "later");
        EXPECT_EQ(ui.LogContains(otherBefore ? "OTHER went back" : "OTHER was removed"),
                  writer == Writer::None)
            << ui.Log();
        // What was kept of a drawing replaced stays beside the later work, and a box names it.
        const bool keptBeside = writer != Writer::None && otherBefore;
        EXPECT_TRUE(pl::FindFiles(dir.Path() + "DWGS/OTHER.DB0.*").empty());
        EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS/OTHER before*"),
                  keptBeside ? std::vector<std::string>{"OTHER before 1.DB0"} : std::vector<std::string>{});
        EXPECT_EQ(ui.LogContains(writer == Writer::AfterKill ? "OTHER holds work written after"
                                                             : "OTHER was not put back"),
                  keptBeside)
            << ui.Log();
        static_cast<void>(pl::RemoveFile(dir.Path() + "DWGS/OTHER before 1.DB0"));
    }
}

INSTANTIATE_TEST_SUITE_P(OtherDrawing, TurningOnAFullDisk, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Replaced" : "New"); });

TEST_F(WholeDrawing, NamesThatCannotBeADrawingAreRefused) {
    WriteTwoFloors();
    DrawingState = 2;
    Open();
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    testsupport::ScriptedUi ui;
    RotateOrMirror(19003, "AB"); // too short: only repaints
    // The filter drops '.' and '/' as they are typed.
    RotateOrMirror(19003, "../X");
    RotateOrMirror(19003, "     "); // blanks only
    EXPECT_FALSE(dir.Exists("X.DB0"));
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS/*.DB0").size(), 1u);
    // Outer blanks are no part of the name: the drawing turned into "  NEW " is NEW.
    RotateOrMirror(19003, "  NEW ");
    EXPECT_TRUE(dir.Exists("DWGS/NEW.DB0"));
    EXPECT_STREQ(ObjectList.DrawingName, "NEW");
}

TEST_F(WholeDrawing, RotateAnsweredNoChangesNothing) {
    WriteTwoFloors();
    DrawingState = 2;
    Open();
    SaveState = 0;
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    testsupport::ScriptedUi ui;
    pl::script::AnswerMessageBox(IDNO);
    client->CmRotateMirror();
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
    EXPECT_EQ(SaveState, 1);
}

} // namespace

namespace {

TEST_F(WholeDrawing, AFailedBitmapWriteIsReported) {
    WriteTwoFloors();
    DrawingState = 2;
    Open();
    // A folder where the file should go: the write cannot replace it.
    QDir(QString::fromStdString(dir.File("DWGS"))).mkdir("HOUSEGND.BMP");
    testsupport::ScriptedUi ui;
    client->CmSaveBitmap();
    EXPECT_TRUE(ui.LogContains("could not be written")) << ui.Log();
}

} // namespace
