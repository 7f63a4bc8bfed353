#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "tests/support/program_directory.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

class FileIo : public ::testing::Test {
protected:
    testsupport::ProgramDirectory dir;
    // The program names its files with backslashes; the layer maps them.
    std::string Cfg(const std::string& name) const { return dir.Path() + "CFG\\" + name; }
};

TEST_F(FileIo, IntegersRoundTripAsThirtyTwoBitsForBothConversions) {
    pl::File* out = pl::fopen(Cfg("T.CFG"), "w");
    ASSERT_NE(out, nullptr);
    pl::fprintf(out, "%ld %d %ld %d\n", kMax, kMin, int32_t{-1}, int32_t{0});
    ASSERT_EQ(pl::fclose(out), 0);
    EXPECT_EQ(dir.ReadFile("CFG/T.CFG"), "2147483647 -2147483648 -1 0\n");

    // Guard words on both sides would catch a 64-bit store through an int32_t pointer.
    struct {
        int32_t a, b, c, d, guard = 0x5a5a5a5a;
    } v{};
    pl::File* in = pl::fopen(Cfg("T.CFG"), "r");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(pl::fscanf(in, "%ld %d %ld %ld", &v.a, &v.b, &v.c, &v.d), 4);
    EXPECT_EQ(pl::fclose(in), 0);
    EXPECT_EQ(v.a, kMax);
    EXPECT_EQ(v.b, kMin);
    EXPECT_EQ(v.c, -1);
    EXPECT_EQ(v.d, 0);
    EXPECT_EQ(v.guard, 0x5a5a5a5a);
}

TEST_F(FileIo, OutOfRangeIntegersSaturate) {
    int32_t a = 0, b = 0;
    EXPECT_EQ(pl::sscanf("99999999999 -99999999999", "%d %ld", &a, &b), 2);
    EXPECT_EQ(a, kMax);
    EXPECT_EQ(b, kMin);
}

TEST_F(FileIo, FloatsPrintSixDecimalsAndScanByWidth) {
    EXPECT_EQ(pl::Format("%d %lf %f", 15000, 1.0, 0.0000012), "15000 1.000000 0.000001");
    float f = 0;
    double d = 0;
    EXPECT_EQ(pl::sscanf("-2.5 1e-3", "%f %lf", &f, &d), 2);
    EXPECT_FLOAT_EQ(f, -2.5f);
    EXPECT_DOUBLE_EQ(d, 0.001);
}

TEST_F(FileIo, FormatUsesThirtyTwoBitLongsAndTheCLocale) {
    EXPECT_EQ(pl::Format("%ld' %ld %ld/%ld''", int32_t{12}, int32_t{7}, int32_t{3}, int32_t{8}),
              "12' 7 3/8''");
    EXPECT_EQ(pl::Format("%.2f m", 3.14159), "3.14 m");
    EXPECT_EQ(pl::Format("%.3f", -0.5), "-0.500");
    EXPECT_EQ(pl::Format("[%5ld|%-3d|%s|%c|%%]", int32_t{-42}, 7, "ab", 'z'), "[  -42|7  |ab|z|%]");
}

TEST_F(FileIo, ReadsCrLfAsLf) {
    dir.WriteFile("CFG/T.CFG", "1 2\r\n3\r\nx");
    pl::File* in = pl::fopen(Cfg("T.CFG"), "r");
    ASSERT_NE(in, nullptr);
    int32_t a, b, c;
    char n, x;
    EXPECT_EQ(pl::fscanf(in, "%d %d%c%d%c", &a, &b, &n, &c, &x), 5);
    EXPECT_EQ(n, '\n');
    EXPECT_EQ(c, 3);
    EXPECT_EQ(x, '\n');
    EXPECT_EQ(pl::fclose(in), 0);
}

TEST_F(FileIo, CharConversionReadsBlanksAndLiteralsMatchExactly) {
    int32_t side = 0, length = 0;
    char text[4] = {};
    // A label with a leading blank, after a literal "/n".
    EXPECT_EQ(pl::sscanf("2 3/n ab", "%d %d/n%c%c%c", &side, &length, &text[0], &text[1], &text[2]), 5);
    EXPECT_EQ(side, 2);
    EXPECT_STREQ(text, " ab");
    // A mismatched literal stops the scan after the fields before it.
    EXPECT_EQ(pl::sscanf("2 3/x", "%d %d/n%c", &side, &length, &text[0]), 2);
}

TEST_F(FileIo, ShortInputReturnsFewerFieldsThenEof) {
    dir.WriteFile("CFG/T.CFG", "5 6");
    pl::File* in = pl::fopen(Cfg("T.CFG"), "r");
    ASSERT_NE(in, nullptr);
    int32_t a = 0, b = 0, c = 77;
    EXPECT_EQ(pl::fscanf(in, "%d %d %d", &a, &b, &c), 2);
    EXPECT_EQ(c, 77); // an unread field is left alone
    EXPECT_TRUE(pl::feof(in));
    EXPECT_EQ(pl::fscanf(in, "%d", &c), EOF);
    EXPECT_EQ(pl::fclose(in), 0);
    EXPECT_EQ(pl::sscanf("", "%d", &a), EOF);
    EXPECT_EQ(pl::sscanf("abc", "%d", &a), 0);
}

TEST_F(FileIo, CountedTextIsClampedToItsBuffer) {
    int32_t length = 0;
    char name[4];
    int32_t after = 0;
    EXPECT_EQ(pl::sscanf("6 abcdef 9", "%d %1t %d", &length, name, static_cast<int>(sizeof name), &after), 3);
    EXPECT_STREQ(name, "abc");
    EXPECT_EQ(length, 3);
    EXPECT_EQ(after, 9); // the surplus was skipped, not read as the next field
    EXPECT_EQ(pl::sscanf("-5 x", "%d %1t", &length, name, static_cast<int>(sizeof name)), 2);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(pl::sscanf("9 abc", "%d %1t", &length, name, static_cast<int>(sizeof name)), 1);
    // The blank before a counted text is one separator: the text keeps its own leading blanks.
    EXPECT_EQ(pl::sscanf("2  a", "%d %1t", &length, name, static_cast<int>(sizeof name)), 2);
    EXPECT_STREQ(name, " a");
    EXPECT_EQ(pl::sscanf("1 3/n  b", "%d %d/n%2t", &after, &length, name, static_cast<int>(sizeof name)), 3);
    EXPECT_STREQ(name, "  b");
}

TEST_F(FileIo, MissingFileAndDirectoryDoNotOpen) {
    EXPECT_EQ(pl::fopen(Cfg("NONE.CFG"), "r"), nullptr);
    EXPECT_EQ(pl::fopen(dir.Path() + "NODIR\\X.CFG", "w"), nullptr);
    EXPECT_EQ(pl::fopen(dir.Path() + "CFG", "r"), nullptr);
    EXPECT_EQ(pl::fclose(nullptr), EOF);
}

TEST_F(FileIo, AppendAddsToTheEnd) {
    for (int32_t i = 1; i <= 2; ++i) {
        pl::File* out = pl::fopen(Cfg("COPY.CFG"), "a+t");
        ASSERT_NE(out, nullptr);
        pl::fprintf(out, "%d %ld %ld\n", i, int32_t{-i}, i * 10);
        ASSERT_EQ(pl::fclose(out), 0);
    }
    EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG"), "1 -1 10\n2 -2 20\n");
}

TEST_F(FileIo, RewriteReplacesOnlyAtCloseAndLeavesNoTemporary) {
    dir.WriteFile("DWGS/A.DB0", "old");
    pl::File* out = pl::fopen(dir.Path() + "DWGS\\A.DB0", "w+t");
    ASSERT_NE(out, nullptr);
    pl::fprintf(out, "new %d", 1);
    EXPECT_EQ(dir.ReadFile("DWGS/A.DB0"), "old");
    ASSERT_EQ(pl::fclose(out), 0);
    EXPECT_EQ(dir.ReadFile("DWGS/A.DB0"), "new 1");
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS\\*.DB0*"), std::vector<std::string>{"A.DB0"});

    pl::File* abandoned = pl::fopen(dir.Path() + "DWGS\\A.DB0", "w");
    ASSERT_NE(abandoned, nullptr);
    pl::fprintf(abandoned, "lost");
    pl::fdiscard(abandoned);
    EXPECT_EQ(dir.ReadFile("DWGS/A.DB0"), "new 1");
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS\\*.DB0*").size(), 1u);
}

TEST_F(FileIo, FailedWriteKeepsTheOldFileAndIsReported) {
    const std::string old(100, 'o');
    dir.WriteFile("DWGS/A.DB0", old);
    // A file-size limit makes the writes fail as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    pl::File* out = pl::fopen(dir.Path() + "DWGS\\A.DB0", "w");
    ASSERT_NE(out, nullptr);
    for (int32_t i = 0; i < 2000; ++i)
        pl::fprintf(out, "%d\n", i);
    const int result = pl::fclose(out);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, EOF);
    EXPECT_EQ(dir.ReadFile("DWGS/A.DB0"), old);
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS\\*.DB0*").size(), 1u);
}

TEST_F(FileIo, FailedRenameKeepsWhatIsThereAndIsReported) {
    std::filesystem::create_directories(dir.File("DWGS/B.DB0"));
    EXPECT_EQ(pl::fopen(dir.Path() + "DWGS\\B.DB0", "w"), nullptr);
    // The target turns into a directory while the file is being written.
    pl::File* out = pl::fopen(dir.Path() + "DWGS\\C.DB0", "w");
    ASSERT_NE(out, nullptr);
    std::filesystem::create_directories(dir.File("DWGS/C.DB0/inside"));
    pl::fprintf(out, "x");
    EXPECT_EQ(pl::fclose(out), EOF);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("DWGS/C.DB0/inside")));
    EXPECT_TRUE(pl::FindFiles(dir.Path() + "DWGS\\*.DB0*").empty());
}

// After a write refused as one to a folder that cannot be written, a write or a rename that goes
// through, or fails for another reason (the error given), never reports the refusal.
class WriteFaults : public FileIo, public ::testing::WithParamInterface<std::pair<bool, int>> {};

TEST_P(WriteFaults, AreEachWritesOwn) {
    const auto [rename, error] = GetParam();
    dir.WriteFile("CFG/A.CFG", "a");
    pl::OnFileCall([](pl::FileCall call, auto&, auto&) { return call == pl::FileCall::Create ? EACCES : 0; });
    ASSERT_FALSE(pl::WriteTextFile(Cfg("A.CFG"), "b"));
    pl::OnFileCall([&](pl::FileCall call, auto&, auto&) { return call == pl::FileCall::Rename ? error : 0; });
    EXPECT_EQ(rename ? pl::ReplaceFile(Cfg("A.CFG"), Cfg("B.CFG")) : pl::WriteTextFile(Cfg("A.CFG"), "c"),
              error == 0);
    pl::OnFileCall({});
    EXPECT_EQ(pl::LastWriteFault(), error == ENOSPC ? pl::WriteFault::DiskFull
                                    : error == EIO  ? pl::WriteFault::InputOutput
                                                    : pl::WriteFault::Other);
}

INSTANTIATE_TEST_SUITE_P(Sequences, WriteFaults,
                         ::testing::Values(std::pair{false, 0}, std::pair{false, ENOSPC}, std::pair{true, 0},
                                           std::pair{true, EIO}));

TEST_F(FileIo, WholeFileHelpersAndFastReader) {
    ASSERT_TRUE(pl::WriteTextFile(Cfg("W.CFG"), "3\r\n-7 x line two\n"));
    pl::File* in = pl::fopen(Cfg("W.CFG"), "r");
    ASSERT_NE(in, nullptr);
    pl::TextReader& reader = pl::Reader(in);
    int32_t a = 0, b = 0;
    char c = 0;
    std::string line;
    EXPECT_TRUE(reader.ReadInt32(a));
    EXPECT_TRUE(reader.ReadInt32(b));
    EXPECT_TRUE(reader.ReadChar(c));
    EXPECT_EQ(c, ' ');
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "x line two");
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, -7);
    EXPECT_EQ(pl::fclose(in), 0);
}

} // namespace

// A rewrite killed part-way leaves "<name>.~<number>-<counter>" beside its file; only those of a
// program that has ended go, and nothing of any other name. A program is judged by the lock it held,
// never by a live process that has its number. A file kept by a program that ended goes back in place
// of its file (silently where that changes no byte), and one it made goes; one kept by this program,
// for good, or with no lock behind its number (an earlier version's, or one a box named), stays.
TEST_F(FileIo, StaleTemporariesOfEndedProcessesAreRemoved) {
    const std::string d = dir.Path() + "DWGS/";
    for (const char* name : {"A", "D", "G", "H", "I"})
        dir.WriteFile("DWGS/" + std::string(name), name + std::string(" as it was"));
    const pid_t ended = fork();
    if (ended == 0) {
        const bool ok = !pl::KeepFileAsItIs(d + "A").empty() && pl::WriteTextFile(d + "A", "part") &&
                        !pl::KeepFileAsItIs(d + "D").empty() && !pl::MarkFileMade(d + "E").empty() &&
                        pl::WriteTextFile(d + "E", "part") && !pl::MarkFileMade(d + "F").empty() &&
                        !pl::KeepFileAsItIs(d + "G").empty() && pl::WriteTextFile(d + "G", "part") &&
                        !pl::KeepFileAsItIs(d + "H").empty() && pl::WriteTextFile(d + "H", "part") &&
                        !pl::KeepFileAsItIs(d + "I").empty() && pl::WriteTextFile(d + "I", "part");
        _exit(ok ? 0 : 1);
    }
    int status = 1;
    ASSERT_EQ(waitpid(ended, &status, 0), ended);
    ASSERT_EQ(status, 0);
    const std::vector<std::string> kept = pl::FindFiles(d + "A.~*.kept");
    ASSERT_EQ(kept.size(), 1u);
    const pid_t number = std::stoi(kept[0].substr(3));
    ASSERT_TRUE(::kill(number, 0) == 0 || errno == EPERM) << kept[0] << ": no live process has its number";
    dir.WriteFile("DWGS/B", "B");
    const std::string mine = pl::KeepFileAsItIs(d + "B");
    pl::File* writing = pl::fopen(d + "C", "w");
    const std::string gone = std::to_string(ended);
    const std::string running = std::to_string(getppid());
    const std::pair<std::string, bool> files[] = {{"HOUSE.DB0.~" + gone + "-4", true},
                                                  {"tmp.cfg.~" + running + "-0", true},
                                                  {"HOUSE.DB0", false},
                                                  {"HOUSE.DB0.~" + std::to_string(getpid()) + "-1", true},
                                                  {"HOUSE.DB0.~" + gone + "-x", false},
                                                  {"HOUSE.DB0.~-4", false},
                                                  {"notes.~" + gone + "-4.txt", false},
                                                  {".~" + gone + "-4", false},
                                                  {"A.~" + gone + "-2.kept", false},
                                                  {"A.~" + running + "-2.kept", false},
                                                  {"A.before-step-1", false}};
    for (const auto& [name, stale] : files)
        dir.WriteFile("DWGS/" + name, name);
    EXPECT_EQ(pl::RemoveStaleTemporaries(d), 3);
    // A record of an earlier version tells the file by which it is and when it was written.
    struct stat i {};
    ASSERT_EQ(::stat((d + "I").c_str(), &i), 0);
    dir.WriteFile("DWGS/" + pl::FindFiles(d + "I.~*.left").at(0),
                  std::to_string(i.st_dev) + " " + std::to_string(i.st_ino) + " 4 " +
                      std::to_string(i.st_mtim.tv_sec) + " " + std::to_string(i.st_mtim.tv_nsec) + "\n");
    // One whose digests are of a kind no longer taken cannot be checked: the file stays, and what was
    // kept is kept for good, told as a record that could not be read.
    dir.WriteFile("DWGS/" + pl::FindFiles(d + "H.~*.left").at(0), "4 1234567890\n");
    // One that cannot go back now is kept for good, not left for a start after work saved since.
    pl::OnFileCall(
        [&](pl::FileCall, const std::string&, const std::string& to) { return to == d + "G" ? EIO : 0; });
    EXPECT_EQ(pl::UndoStepsOfEndedRuns(d),
              (std::vector<pl::StepCutShort>{{d + "A", ""},
                                             {d + "E", ""},
                                             {d + "G", d + "G.before-step-1"},
                                             {d + "H", d + "H.before-step-1", false, false, true},
                                             {d + "I", ""}}));
    pl::OnFileCall({});
    EXPECT_EQ(dir.ReadFile("DWGS/G.before-step-1"), "G as it was");
    EXPECT_EQ(dir.ReadFile("DWGS/H.before-step-1"), "H as it was");
    EXPECT_EQ(dir.ReadFile("DWGS/H"), "part");
    EXPECT_EQ(dir.ReadFile("DWGS/A"), "A as it was");
    EXPECT_EQ(dir.ReadFile("DWGS/I"), "I as it was");
    EXPECT_EQ(dir.ReadFile("DWGS/D"), "D as it was");
    EXPECT_FALSE(dir.Exists("DWGS/E") || dir.Exists("DWGS/F"));
    // Nothing of the program that ended stays, its lock file included.
    for (const char* left : {"?.~%d-*", "*~%d.*"})
        EXPECT_TRUE(pl::FindFiles(d + pl::Format(left, number)).empty()) << left;
    EXPECT_TRUE(dir.Exists("DWGS/" + mine.substr(d.size())));
    EXPECT_EQ(pl::fclose(writing), 0);
    for (const auto& [name, stale] : files)
        EXPECT_EQ(dir.Exists("DWGS/" + name), !stale) << name;
}

TEST_F(FileIo, WriteSyncedToDiskReplacesTheFile) {
    dir.WriteFile("DWGS/A.DB0", "old");
    ASSERT_TRUE(pl::WriteTextFile(dir.Path() + "DWGS/A.DB0", "new", pl::Sync::ToDisk));
    EXPECT_EQ(dir.ReadFile("DWGS/A.DB0"), "new");
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS/A.DB0*").size(), 1u); // no temporary left
}

// A run always takes a number and a lock of its own, whatever leftovers carry: past a thousand locks
// of runs that ended, never a number a leftover kept file carries, and a fresh one once its own is
// retired, as it is when a kept name cannot be dropped. A start leaves a live program's files be,
// judged by the lock it holds, and removes every lock of a run that ended.
TEST_F(FileIo, EveryRunHasALockOfItsOwnAndLocksGoWithTheirRuns) {
    const std::string d = dir.Path() + "DWGS/";
    for (int number = 1; number <= 1000; ++number)
        dir.WriteFile("DWGS/~" + std::to_string(number) + ".lock", "");
    for (const char* name : {"C", "D", "E", "F"})
        dir.WriteFile("DWGS/" + std::string(name), name + std::string(" before"));
    dir.WriteFile("DWGS/C.~1001-5.kept", "C leftover");
    // This program wrote G last; another keeps it for a step and ends before writing it.
    ASSERT_TRUE(pl::WriteTextFile(d + "G", "G before"));
    int ready[2], end[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(end), 0);
    if (fork() == 0) {
        pl::OnFileCall([&](pl::FileCall call, const std::string& from, const std::string&) {
            return call == pl::FileCall::Remove && from.starts_with(d + "D.") ? EACCES : 0;
        });
        const std::string kept = pl::KeepFileAsItIs(d + "D");
        bool ok = !kept.empty() && pl::WriteTextFile(d + "D", "D later");
        pl::DropKept(kept);
        ok = ok && !pl::KeepFileAsItIs(d + "E").empty() && pl::WriteTextFile(d + "E", "E part");
        _exit(ok && !pl::KeepFileAsItIs(d + "G").empty() ? 0 : 1);
    }
    int status = 1;
    ASSERT_GT(wait(&status), 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(pl::WriteTextFile(d + "G", "G later"));
    const pid_t live = fork();
    if (live == 0) {
        ::close(end[1]);
        const bool ok = !pl::KeepFileAsItIs(d + "F").empty() && pl::WriteTextFile(d + "F", "F part");
        char byte = ok ? 1 : 0;
        static_cast<void>(::write(ready[1], &byte, 1));
        static_cast<void>(::read(end[0], &byte, 1));
        _exit(0);
    }
    ::close(ready[1]);
    ::close(end[0]);
    char started = 0;
    ASSERT_EQ(::read(ready[0], &started, 1), 1);
    ASSERT_EQ(started, 1);
    pl::RemoveStaleTemporaries(d);
    EXPECT_EQ(pl::UndoStepsOfEndedRuns(d), (std::vector<pl::StepCutShort>{{d + "E", ""}}));
    EXPECT_EQ(dir.ReadFile("DWGS/C"), "C before");
    EXPECT_EQ(dir.ReadFile("DWGS/D"), "D later");
    EXPECT_EQ(dir.ReadFile("DWGS/E"), "E before");
    EXPECT_EQ(dir.ReadFile("DWGS/F"), "F part");
    EXPECT_EQ(dir.ReadFile("DWGS/G"), "G later");
    EXPECT_EQ(pl::FindFiles(d + "~*.lock").size(), 2u); // the live program's and this one's
    ::close(end[1]);
    ASSERT_EQ(waitpid(live, &status, 0), live);
    EXPECT_EQ(pl::UndoStepsOfEndedRuns(d), (std::vector<pl::StepCutShort>{{d + "F", ""}}));
    EXPECT_EQ(pl::FindFiles(d + "~*.lock").size(), 1u);
    EXPECT_EQ(pl::FindFiles(d + "C.*"), std::vector<std::string>{"C.~1001-5.kept"});
}
