// Benchmarks need an application for fonts and widgets, but no display.
#include <benchmark/benchmark.h>
#include <clocale>
#include <QApplication>
#include <vector>

#include "bench/support/app_lifetime.h"

namespace {

std::vector<std::function<void()>>& EndWork() {
    static std::vector<std::function<void()>> work;
    return work;
}

} // namespace

void bench::BeforeApplicationEnds(std::function<void()> done) {
    EndWork().push_back(std::move(done));
}

int main(int argc, char** argv) {
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
