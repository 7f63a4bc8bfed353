// Benchmarks need an application for fonts and widgets, but no display.
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>
#include <QApplication>
#include <vector>

#include "bench/support/app_lifetime.h"
#include "bench/support/bench_scenes.h"
#include "document/document.h"
#include "document/program_state.h"

namespace {

std::vector<std::function<void()>>& EndWork() {
    static std::vector<std::function<void()>> work;
    return work;
}

// Writes the heaviest floor of the text scenes, 40,000 varied notes turned each to its own angle, as
// DWGS/NOTES.DB0 of the program directory, and its level twin as DWGS/LEVEL.DB0: the drawings a
// person opens in the real window to see how it answers while they paint (scripts/probe-answer).
int WriteNoteDrawings(const std::string& directory) {
    for (const bool turned : {true, false}) {
        // Building the scene empties the document, its directory with it.
        bench::BuildSizedTexts(40000, 30, 40, 60, turned, true);
        ObjectList.ProgramDirectory = directory.ends_with('/') ? directory : directory + "/";
        ObjectList.SetDrawingName(turned ? "NOTES" : "LEVEL");
        if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok) {
            std::fprintf(stderr, "cannot write %s\n", ObjectList.DrawingFilePath(filemode::kWorking).c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

void bench::BeforeApplicationEnds(std::function<void()> done) {
    EndWork().push_back(std::move(done));
}

// Takes --small-scenes out of the arguments, where Google Benchmark would refuse it.
bool TakeSmallScenesFlag(int& argc, char** argv) {
    bool found = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::string_view(argv[i]) == "--small-scenes")
            found = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return found;
}

int main(int argc, char** argv) {
    bench::UseSmallScenes(TakeSmallScenesFlag(argc, argv));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    constexpr std::string_view kWriteNotes = "--write-notes=";
    if (argc > 1 && std::string_view(argv[1]).starts_with(kWriteNotes))
        return WriteNoteDrawings(std::string(argv[1] + kWriteNotes.size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto& done : EndWork())
        done();
    return 0;
}
