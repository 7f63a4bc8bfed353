// The edit-to-screen cycle through the drawing window (offscreen, client 1920 x 1080): a new line is
// shown and appended as a tool does it, the working file is rewritten, the window invalidated and
// repainted (which reads the file back and paints the floor) and the event loop turned so the back
// buffer reaches the screen. On the bench house and on 10,000 long random lines, each fitted to the
// window; the cycle reports its write, read and paint apart, and beside it runs the repaint alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <QCoreApplication>
#include <QWidget>
#include <string>

#include "bench/support/app_lifetime.h"
#include "bench/support/bench_scenes.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/window_dc.h"
#include "shell/app.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/working_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

enum Scene : int64_t { kHouse, kLongLines };

// A program directory of its own: the shipped settings beside the executable when they are there.
std::string MakeProgramDirectory() {
    std::string pattern = (fs::temp_directory_path() / "trevalyn-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    const fs::path shipped = QCoreApplication::applicationDirPath().toStdString();
    for (const char* sub : {"CFG", "DWGS", "LIBS"}) {
        std::error_code ignored; // a missing folder leaves the settings at their defaults
        fs::create_directories(fs::path(pattern) / sub);
        fs::copy(shipped / sub, fs::path(pattern) / sub, fs::copy_options::recursive, ignored);
    }
    return pattern + "/";
}

class DrawingWindow {
public:
    DrawingWindow() : dir_(MakeProgramDirectory()) {
        ResetGlobals();
        if (!app_.InitInstance()) std::abort();
        StartDrawing();
        child_ = new TChild(*app_.Client, "BENCH.PLN");
        if (!child_->Create()) std::abort();
        QCoreApplication::processEvents();
        SizeClient();
    }
    ~DrawingWindow() {
        ObjectList.Flush();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Makes the scene the drawing, fitted to the window.
    void Load(int64_t scene) {
        if (scene == kLongLines)
            bench::BuildLongLines(10000);
        else
            bench::BuildHouse();
        StartDrawing();
        if (tools::Failed(tools::SaveWorkingFile())) std::abort();
        DrawingState = 2;
        child_->Zoom(zoomkind::kFit);
        Repaint();
    }

    // A line across the middle of the floor, made as the line tool makes it.
    void AddLine() {
        auto line = std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 0, 0, 20000, 0, 40000, 0, 15000,
                                               21000, RGB(0, 0, 0), 0, 0);
        const TRect client = child_->GetClientRect();
        TClientDC dc(child_);
        line->PaintInWindow(dc, client, 0);
        ObjectList.Add(std::move(line));
    }

    void Repaint() {
        child_->Invalidate(true);
        child_->UpdateWindow();
        QCoreApplication::processEvents();
    }

    TChild* Child() const { return child_; }

private:
    void StartDrawing() {
        ObjectList.ProgramDirectory = dir_;
        ObjectList.SetDrawingName("BENCH");
        MetricUnits = 1;
        CurrentView = kGroundFloor;
    }

    // Grows the window until its client area is the bench screen.
    void SizeClient() {
        QWidget* frame = child_->GetHandle();
        for (int attempt = 0; attempt < 3; ++attempt) {
            const TRect client = child_->GetClientRect();
            if (client.right == bench::kScreenWidth && client.bottom == bench::kScreenHeight) return;
            frame->resize(frame->width() + bench::kScreenWidth - client.right,
                          frame->height() + bench::kScreenHeight - client.bottom);
            QCoreApplication::processEvents();
        }
    }

    std::string dir_;
    TAApp app_;
    TChild* child_ = nullptr;
};

DrawingWindow& Window(int64_t scene) {
    static std::unique_ptr<DrawingWindow> window;
    static int64_t loaded = -1;
    if (!window) {
        window = std::make_unique<DrawingWindow>();
        bench::BeforeApplicationEnds([] { window.reset(); });
    }
    if (loaded != scene) {
        window->Load(scene);
        loaded = scene;
    }
    return *window;
}

void ReportClient(benchmark::State& state, const DrawingWindow& window) {
    const TRect client = window.Child()->GetClientRect();
    state.counters["client_width"] = client.right;
    state.counters["client_height"] = client.bottom;
    state.counters["objects"] = ObjectList.count;
}

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Milliseconds per edit.
benchmark::Counter PerEdit(double seconds) {
    return benchmark::Counter(seconds * 1e3, benchmark::Counter::kAvgIterations);
}

// Beside the whole cycle, its parts: the write of the working file, the read the repaint starts with
// and the rest of the repaint (the paint). The read is timed again on its own, untimed by the cycle,
// from the same file into the same document, and taken off the repaint to give the paint.
void BM_EditToScreen(benchmark::State& state) {
    DrawingWindow& window = Window(state.range(0));
    double write = 0, read = 0, repaint = 0;
    for (auto _ : state) {
        window.AddLine();
        const Clock::time_point writing = Clock::now();
        if (tools::Failed(tools::SaveWorkingFile())) state.SkipWithError("write failed");
        const Clock::time_point repainting = Clock::now();
        window.Repaint();
        const Clock::time_point done = Clock::now();
        // Back to the drawing as it was, untimed, so every edit meets the same drawing.
        state.PauseTiming();
        const Clock::time_point reading = Clock::now();
        ObjectList.Flush();
        if (ObjectList.ReadDrawingFile(filemode::kWorking) != FileResult::Ok)
            state.SkipWithError("read failed");
        read += Seconds(reading, Clock::now());
        write += Seconds(writing, repainting);
        repaint += Seconds(repainting, done);
        ObjectList.RemoveAt(ObjectList.count - 1);
        if (tools::Failed(tools::SaveWorkingFile())) state.SkipWithError("write failed");
        state.ResumeTiming();
    }
    ReportClient(state, window);
    state.counters["write_ms"] = PerEdit(write);
    state.counters["read_ms"] = PerEdit(read);
    state.counters["paint_ms"] = PerEdit(repaint - read);
}

void BM_RepaintOnly(benchmark::State& state) {
    DrawingWindow& window = Window(state.range(0));
    for (auto _ : state)
        window.Repaint();
    ReportClient(state, window);
}

BENCHMARK(BM_EditToScreen)->ArgName("scene")->Arg(kHouse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOnly)->ArgName("scene")->Arg(kHouse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditToScreen)->ArgName("scene")->Arg(kLongLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOnly)->ArgName("scene")->Arg(kLongLines)->Unit(benchmark::kMillisecond);

} // namespace
