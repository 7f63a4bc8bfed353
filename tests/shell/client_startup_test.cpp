#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <tuple>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "shell/app.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tools/line_tool.h"

namespace {

// The program started from `dir` in a process of its own: it starts File > New of `drawing` unless
// that is empty, says it has started, and ends as by File > Exit when its input ends; then it prints its log.
[[noreturn]] void RunStart(const std::string& dir, const std::string& drawing) {
    pl::script::Enable(true);
    QTimer::singleShot(0, [drawing] {
        TClient* client = static_cast<TAApp*>(TApplication::Current())->Client;
        if (!drawing.empty()) {
            pl::script::AnswerDialog(kNewDrawingDialogId, {{{{kNewNameEdit, drawing}}, IDOK}});
            pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
            pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
            client->ProcessCommand(cmd::kFileNew);
        }
        std::printf("copy started\n");
        std::fflush(stdout);
        auto* input = new QSocketNotifier(0, QSocketNotifier::Read);
        QObject::connect(input, &QSocketNotifier::activated, [client, input] {
            input->setEnabled(false);
            client->ProcessCommand(cmd::kExit);
        });
    });
    const int code = RunProgramFrom(dir);
    std::printf("%s", pl::script::LogText().c_str());
    std::exit(code);
}

// Every file the program writes in the folder, by name, with its bytes. A file being written beside
// its target ("NAME.~N-M") lives only until its rename, which a running copy may be in the midst of.
std::map<std::string, std::string> Files(const testsupport::ProgramDirectory& dir) {
    std::map<std::string, std::string> files;
    for (const char* folder : {"CFG", "DWGS", "LIBS"})
        for (const auto& file : std::filesystem::recursive_directory_iterator(dir.File(folder)))
            if (file.path().filename().string().find(".~") == std::string::npos)
                pl::ReadTextFile(file.path(), files[file.path()]);
    return files;
}

class ClientStartUp : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    testsupport::ProgramDirectory dir;
};

TEST_F(ClientStartUp, RecordsTheProgramDirectoryAndInstallsTheLineTool) {
    TClient client(dir.Path());
    EXPECT_EQ(ObjectList.ProgramDirectory, dir.Path());
    ASSERT_NE(client.Tool, nullptr);
    EXPECT_NE(dynamic_cast<TLineobjtool*>(client.Tool.get()), nullptr);
    EXPECT_EQ(client.Tool->Kind, 1);
    EXPECT_EQ(client.Tool->Mode, 0);
    EXPECT_EQ(client.Tool->PenWidth, 1);
    EXPECT_NE(client.Printer, nullptr);
    EXPECT_EQ(client.Frame, nullptr);
    EXPECT_EQ(client.StatusBar, nullptr);
    EXPECT_EQ(client.FontColour, 0u);
}

TEST_F(ClientStartUp, GlobalsNotReadFromFilesKeepTheirStartValues) {
    TClient client(dir.Path());
    EXPECT_EQ(SheetWidth, 1);
    EXPECT_EQ(SheetHeight, 1);
    EXPECT_EQ(MetricUnits, 1);
    EXPECT_EQ(ScrollOriginX, 0);
    EXPECT_EQ(ScrollOriginY, 0);
    EXPECT_EQ(DefaultTextHeight, 10);
    EXPECT_EQ(DefaultTextWeight, 400);
    EXPECT_EQ(CurrentView, 8);
    EXPECT_EQ(HelpContextId, 100);
    EXPECT_EQ(DrawingState, 0);
    EXPECT_EQ(PlanDisplayMode, 0);
    EXPECT_EQ(LayoutGridFlag, 2);
    EXPECT_EQ(PenWidth, 1);
    EXPECT_EQ(IdCounter, 1);
    EXPECT_EQ(PenScale, 1);
    EXPECT_EQ(PenScaleF, 1.0f);
    EXPECT_EQ(ViewExtentX, 624);
    EXPECT_EQ(ViewExtentY, 346);
    EXPECT_EQ(ZoomDivisor, 1);
    EXPECT_EQ(TextScale, 0);
}

TEST_F(ClientStartUp, WithoutADirectoryTakesTheExecutablesFolder) {
    TClient client;
    const std::string& directory = ObjectList.ProgramDirectory;
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_EQ(directory.front(), '/');
}

TEST_F(ClientStartUp, ReadsTheColoursInFileOrder) {
    dir.WriteFile("CFG/CLR.CFG", "255 65280 16711680\n");
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(255, 0, 0));
    EXPECT_EQ(PenColour, RGB(0, 255, 0));
    EXPECT_EQ(SelectColour, RGB(0, 0, 255));
    EXPECT_EQ(client.GetBkgndColor(), RGB(255, 0, 0));
}

TEST_F(ClientStartUp, MissingColourFileFallsBackAndIsWrittenBack) {
    ASSERT_TRUE(std::remove(dir.File("CFG/CLR.CFG").c_str()) == 0);
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(255, 255, 255));
    EXPECT_EQ(PenColour, RGB(0, 0, 0));
    EXPECT_EQ(SelectColour, RGB(255, 0, 0));
    EXPECT_EQ(dir.ReadFile("CFG/CLR.CFG"), "16777215 0 255\n");
}

TEST_F(ClientStartUp, ShortColourFileKeepsWhatItHas) {
    dir.WriteFile("CFG/CLR.CFG", "0");
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(0, 0, 0));
    EXPECT_EQ(PenColour, RGB(0, 0, 0));
    EXPECT_EQ(SelectColour, RGB(255, 0, 0));
}

struct SaveCase {
    const char* stored;
    int32_t state;
};

class SaveStateAtStart : public ClientStartUp, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveStateAtStart, OnlyAutoSaveSurvivesTheStart) {
    dir.WriteFile("CFG/SAVE.CFG", GetParam().stored);
    TClient client(dir.Path());
    EXPECT_EQ(SaveState, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Stored, SaveStateAtStart,
                         ::testing::Values(SaveCase{"1", 0}, SaveCase{"2", 2}, SaveCase{"0", 0},
                                           SaveCase{"7", 0}, SaveCase{"", 0}, SaveCase{"x", 0}));

TEST_F(ClientStartUp, MissingSaveFileCountsAsOffAndIsRestored) {
    ASSERT_TRUE(std::remove(dir.File("CFG/SAVE.CFG").c_str()) == 0);
    TClient client(dir.Path());
    EXPECT_EQ(SaveState, 0);
    EXPECT_EQ(dir.ReadFile("CFG/SAVE.CFG"), "1");
}

// While a copy runs from a folder, whatever it has open, a start there says where it is and changes no
// file, and runs where the copy ended while it waited for an answer; once the copy ended (Exit,
// kill -9, SIGTERM) a start runs, and leaves no lock when it ends.
TEST_F(ClientStartUp, ASecondStartChangesNoFileWhileACopyRunsFromTheFolder) {
    if (const char* folder = std::getenv("TREVALYN_TEST_PROGRAM"))
        RunStart(folder, std::getenv("TREVALYN_TEST_DRAWING"));
    // The program from the folder in a process of its own: what it printed once started (or ended);
    // `asked` is called once it waits for a running copy's answer.
    const auto start = [](QProcess& program, const std::string& folder, const char* drawing, bool input,
                          const std::function<void()>& asked = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* share : {"GTEST_TOTAL_SHARDS", "GTEST_SHARD_INDEX"})
            environment.remove(share);
        environment.insert("TREVALYN_TEST_PROGRAM", QString::fromStdString(folder));
        environment.insert("TREVALYN_TEST_DRAWING", drawing);
        if (asked) environment.insert("TREVALYN_TEST_LOG", "/dev/stdout");
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(),
                      {"--gtest_filter=ClientStartUp.ASecondStartChangesNoFileWhileACopyRunsFromTheFolder"});
        if (!input) program.closeWriteChannel();
        std::string said;
        const auto until = [&](const std::string& text) {
            while (said.find(text) == std::string::npos && program.waitForReadyRead(-1))
                said += program.readAllStandardOutput().toStdString();
        };
        if (asked) until("Waiting for the copy running from the folder to answer"), asked();
        if (input) until("copy started");
        if (!input && program.waitForFinished(-1)) said += program.readAllStandardOutput().toStdString();
        return said;
    };
    // A copy running from a folder (its drawing), signals sent to it before a second start there and
    // while that start waits for its answer, what else is so ("lock": its lock file deleted from outside;
    // "beside": a copy runs in another folder; "unlockable": no lock file can be made), how it ends
    // (File > Exit or a signal), and how the second start refuses (none: it runs).
    for (const auto& [drawing, stop, asked, also, end, refusal] :
         std::initializer_list<std::tuple<const char*, int, int, std::string, int, const char*>>{
             {"", 0, 0, "", 0, "with no drawing open"},
             {"HOUSE", 0, 0, "", 0, "with the drawing HOUSE open"},
             {"HOUSE", 0, 0, "", SIGKILL, "with the drawing HOUSE open"},
             {"HOUSE", 0, 0, "", SIGTERM, "with the drawing HOUSE open"},
             {"HOUSE", SIGSTOP, SIGCONT, "", 0, "with the drawing HOUSE open"},
             {"HOUSE", SIGSTOP, SIGKILL, "", 0, nullptr},
             {"HOUSE", SIGSTOP, 0, "", SIGKILL, "but it did not say where its window is"},
             {"HOUSE", 0, 0, "lock", 0, "with the drawing HOUSE open"},
             {"HOUSE", 0, 0, "beside", 0, "with the drawing HOUSE open"},
             {"HOUSE", 0, 0, "unlockable", 0, "with the drawing HOUSE open"},
         }) {
        SCOPED_TRACE(also + std::to_string(stop) + "/" + std::to_string(asked) + "/" + std::to_string(end));
        const testsupport::ProgramDirectory folder, other;
        QProcess beside, first, second, third;
        if (also == "beside") {
            ASSERT_NE(start(beside, other.Path(), "OTHER", true).find("copy started"), std::string::npos);
        }
        const std::string lock = folder.File("CFG/~run.lock"),
                          refused = "running from the folder\\n" + folder.Path() + "\\n";
        if (also == "unlockable") std::filesystem::create_symlink(folder.File("NONE/LOCK"), lock);
        std::string firstSaid = start(first, folder.Path(), drawing, true);
        ASSERT_NE(firstSaid.find("copy started"), std::string::npos);
        if (also == "lock") std::filesystem::remove(lock);
        const auto files = Files(folder);
        const auto signal = [&first](int number) { ::kill(static_cast<pid_t>(first.processId()), number); };
        if (stop) signal(stop);
        const std::string said = asked ? start(second, folder.Path(), "OTHER", false, [&] { signal(asked); })
                                       : start(second, folder.Path(), "", false);
        EXPECT_EQ(said.find(refused + (refusal ? refusal : "")) != std::string::npos, refusal != nullptr)
            << said;
        EXPECT_EQ(said.find("GUIDE LINE: Press FILE/NEW") != std::string::npos, refusal == nullptr) << said;
        EXPECT_TRUE(!refusal || Files(folder) == files); // a refused start changes no file
        if (first.state() != QProcess::NotRunning) end ? signal(end) : first.closeWriteChannel();
        beside.closeWriteChannel();
        ASSERT_TRUE(first.waitForFinished(-1));
        firstSaid += first.readAllStandardOutput().toStdString();
        EXPECT_EQ(firstSaid.find("cannot be locked (No such") != std::string::npos, also == "unlockable")
            << firstSaid;
        std::filesystem::remove(lock);
        beside.waitForFinished(-1);
        const std::string next = start(third, folder.Path(), "", false);
        EXPECT_NE(next.find("GUIDE LINE: Press FILE/NEW or FILE/OPEN"), std::string::npos) << next;
        EXPECT_EQ(pl::FindFiles(folder.Path() + "CFG/*~*"), std::vector<std::string>{});
    }
}

TEST_F(ClientStartUp, ChoosesTheBuiltInHtmlHelp) {
    TClient client(dir.Path());
    EXPECT_EQ(HelpMode, 1);
}

TEST_F(ClientStartUp, InstallingAToolReplacesTheOldOne) {
    TClient client(dir.Path());
    auto fresh = std::make_unique<TLineobjtool>();
    fresh->Kind = 21;
    TDrawingtool* raw = fresh.get();
    client.InstallTool(std::move(fresh));
    EXPECT_EQ(client.Tool.get(), raw);
    EXPECT_EQ(client.Tool->Kind, 21);
}

} // namespace
