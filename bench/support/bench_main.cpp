// Benchmarks need an application for fonts and widgets, but no display.
#include <benchmark/benchmark.h>
#include <clocale>
#include <string_view>
#include <QApplication>
#include <vector>

#include "bench/support/app_lifetime.h"
#include "bench/support/bench_scenes.h"

namespace {

std::vector<std::function<void()>>& EndWork() {
    static std::vector<std::function<void()>> work;
    return work;
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto& done : EndWork())
        done();
    return 0;
}
