// Painting the ground floor at 1920 x 1080 against raw QPainter drawing exactly the same primitives:
// the floor is painted once through the device context onto a recording device, which keeps each
// line, text and shape as a painter call, and the calls are replayed onto an image in the same run.
// Scenes: the bench house, the same house magnified four times (long lines reaching off the
// screen), 10,000 random lines across the house's area, and 10,000 objects of every kind over it
// (curves up to the whole view across, texts turned to any angle). Thousands of small texts and of
// long notes, each at its own angle, repaint beside their level twins once their first paint has
// turned the glyphs, within the machine's bound of kept glyphs and past smaller ones; the process's
// resident memory, the bytes the kept turned glyphs take, the bytes of their choices beside the
// bound and the glyphs a repaint searched again are reported with them, and beside every turned
// scene the processor time of Qt's own drawText of the same turned texts, which keeps nothing of
// them, and the ratio of the repaint's to it. So do notes of different letters, which share few
// glyphs, and texts too large to turn glyph by glyph, whose mends are kept. First paints, with
// nothing kept, are timed once each: run alone in a fresh process, one is what a user waits for on
// opening a drawing; so is a zoom to four times, every text at a new size, each beside Qt's own
// drawing. So are first paints that draw each turned text plain and put off the search for its
// inkings, as a screen paint may: the inking put off and the paint that follows it are timed
// apart, beside the same Qt drawing. TREVALYN_BENCH_SCREENS names a folder to save the screens
// painted in, to compare builds.
#include <benchmark/benchmark.h>
#include <ctime>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <QImage>
#include <QPainter>
#include <tuple>
#include <unistd.h>
#include <utility>

#include "bench/support/bench_scenes.h"
#include "bench/support/recording_device.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/glyphs/turned_glyph_cache.h"

namespace {

enum Scene : int64_t {
    kHouse,
    kHouseZoomed,
    kLongLines,
    kEveryKind,
    kTurnedTexts,
    kLevelTexts,
    kTurnedSmallTexts, // 8 to 30 pixels
    kLevelSmallTexts,
    kTurnedNotes, // 60 letters of 30 to 40 pixels
    kLevelNotes,
    kTurnedLargeTexts, // 41 to 60 pixels, turned as Qt turns them and mended
    kLevelLargeTexts,
    kTurnedVariedNotes, // 60 different letters of 30 to 40 pixels
    kLevelVariedNotes
};

constexpr RECT kClient{0, 0, bench::kScreenWidth, bench::kScreenHeight};

// Every scene of turned texts is numbered like the first, its level twin after it.
bool Turned(int64_t scene) {
    return scene >= kTurnedTexts && (scene - kTurnedTexts) % 2 == 0;
}

// Resident memory of the process in megabytes.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/statm");
    long pages = 0, resident = 0;
    status >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void Prepare(int64_t scene, int64_t displayMode, int64_t count = 0, int32_t zoom = 1) {
    static std::pair<int64_t, int64_t> built{-1, 0};
    if (std::pair(scene, count) != built) {
        if (scene == kLongLines)
            bench::BuildLongLines(10000);
        else if (scene == kEveryKind)
            bench::BuildEveryKind(10000);
        else if (scene == kTurnedTexts || scene == kLevelTexts)
            bench::BuildTexts(int32_t(count), scene == kTurnedTexts);
        else if (scene == kTurnedSmallTexts || scene == kLevelSmallTexts)
            bench::BuildSizedTexts(int32_t(count), 8, 30, 0, scene == kTurnedSmallTexts);
        else if (scene == kTurnedNotes || scene == kLevelNotes)
            bench::BuildSizedTexts(int32_t(count), 30, 40, 60, scene == kTurnedNotes);
        else if (scene == kTurnedLargeTexts || scene == kLevelLargeTexts)
            bench::BuildSizedTexts(int32_t(count), 41, 60, 0, scene == kTurnedLargeTexts);
        else if (scene == kTurnedVariedNotes || scene == kLevelVariedNotes)
            bench::BuildSizedTexts(int32_t(count), 30, 40, 60, scene == kTurnedVariedNotes, true);
        else
            bench::BuildHouse();
        built = {scene, count};
    }
    // Zoomed in, texts keep the scale of the unzoomed view, as the window's zooms keep it: they grow
    // with the drawing.
    bench::FrameHouse(1);
    TextScale = zoom == 1 ? 0 : PenScale;
    bench::FrameHouse(scene == kHouseZoomed ? 4 : zoom);
    PlanDisplayMode = static_cast<int32_t>(displayMode);
}

// What the painter draws for a scene and display mode, recorded once.
const bench::RecordingDevice& Recorded(int64_t scene, int64_t displayMode) {
    static std::map<std::pair<int64_t, int64_t>, std::unique_ptr<bench::RecordingDevice>> recordings;
    auto& recording = recordings[{scene, displayMode}];
    if (!recording) {
        recording = std::make_unique<bench::RecordingDevice>(bench::kScreenWidth, bench::kScreenHeight);
        Prepare(scene, displayMode);
        TDC dc(recording.get());
        ObjectList.Paint(dc, kClient);
    }
    return *recording;
}

void BM_PaintFloor(benchmark::State& state) {
    Prepare(state.range(0), state.range(1));
    QImage image(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        TextScale = 0;
        TDC dc(image);
        ObjectList.Paint(dc, kClient);
    }
    state.counters["objects"] = ObjectList.count;
}

// Saves the screen a benchmark painted, named after its scene, count and `stage`, into the folder
// named by TREVALYN_BENCH_SCREENS where that is set, so that the screens of two builds compare.
void KeepScreen(const benchmark::State& state, const QString& stage, const QImage& image) {
    const QString folder = qEnvironmentVariable("TREVALYN_BENCH_SCREENS");
    if (folder.isEmpty()) return;
    image.save(
        QString("%1/scene%2_%3_%4.png").arg(folder).arg(state.range(0)).arg(state.range(1)).arg(stage));
}

// Milliseconds of the process's processor time.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// What the painter draws of the scene's texts, each turned as the painter turns it, for Qt's own
// drawing of them. Made for each row, beside its own paints: many texts' recordings would be counted
// in the resident memory of later rows.
std::unique_ptr<bench::RecordingDevice> QtRecording(int64_t scene, int64_t count, int32_t zoom = 1) {
    auto recording = std::make_unique<bench::RecordingDevice>(bench::kScreenWidth, bench::kScreenHeight);
    Prepare(scene, 0, count, zoom);
    TDC dc(recording.get());
    ObjectList.Paint(dc, kClient);
    return recording;
}

// The processor time of Qt's own drawing of the recorded texts onto `image`, with nothing kept but
// Qt's glyph caches: what a program that keeps no inkings pays for a paint.
double QtDrawTextMilliseconds(const bench::RecordingDevice& recording, QImage& image) {
    image.fill(Qt::white);
    const double start = CpuMilliseconds();
    QPainter painter(&image);
    recording.Replay(painter);
    painter.end();
    return CpuMilliseconds() - start;
}

// A repaint of many small texts, after the first paint has drawn every one of them, with the
// turned glyphs kept within a bound of the given megabytes.
void BM_PaintTexts(benchmark::State& state) {
    const int64_t scene = state.range(0);
    TurnedGlyphCache& kept = TurnedGlyphCache::OfThread();
    // What another scene kept goes, and the heap gives back what it freed, so that the memory
    // reported is this scene's; the same scene under a smaller bound keeps what fits.
    static std::pair<int64_t, int64_t> last{-1, 0};
    if (std::pair(scene, state.range(1)) != last) {
        kept.SetBound(kept.SetBound(0));
        last = {scene, state.range(1)};
    }
    Prepare(scene, 0, state.range(1));
    malloc_trim(0);
    const size_t bound = kept.SetBound(size_t(state.range(2)) << 20);
    QImage image(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    auto paint = [&] {
        image.fill(Qt::white);
        TextScale = 0;
        TDC dc(image);
        ObjectList.Paint(dc, kClient);
    };
    paint();
    KeepScreen(state, QString("paint%1MB").arg(state.range(2)), image);
    state.counters["resident_MB"] = ResidentMegabytes();
    // Qt's own drawing of the same turned texts, each time beside the row's own repaint.
    std::unique_ptr<bench::RecordingDevice> qtTexts;
    if (Turned(scene)) {
        qtTexts = QtRecording(scene, state.range(1));
        Prepare(scene, 0, state.range(1));
    }
    QImage qtImage(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    const uint64_t searches = kept.Searches();
    double spent = 0, qt = 0;
    for (auto _ : state) {
        const double start = CpuMilliseconds();
        paint();
        spent += CpuMilliseconds() - start;
        if (!qtTexts) continue;
        state.PauseTiming();
        qt += QtDrawTextMilliseconds(*qtTexts, qtImage);
        state.ResumeTiming();
    }
    KeepScreen(state, QString("repaint%1MB").arg(state.range(2)), image);
    state.counters["texts"] = ObjectList.count;
    state.counters["searched"] =
        benchmark::Counter(double(kept.Searches() - searches), benchmark::Counter::kAvgIterations);
    state.counters["glyphs_MB"] = double(kept.Bytes()) / (1024.0 * 1024.0);
    state.counters["choices_MB"] = double(kept.ChoiceBytes()) / (1024.0 * 1024.0);
    kept.SetBound(bound);
    // Beside every turned scene: Qt's drawing of the 40,000 varied notes alone takes some 25 seconds.
    if (qtTexts) {
        state.counters["qt_ms"] = qt / double(state.iterations());
        state.counters["vs_qt"] = spent / qt;
    }
}

// The first paint of a drawing with nothing kept from an earlier one: every turned glyph is inked
// anew. Run in a fresh process it is the first paint a user waits for. Zoomed in, the drawing is
// painted first as a whole and then magnified: the zoom a user waits for, every text at a new
// size. Beside the turned texts, Qt's own drawing of the same texts at the same scale.
void BM_FirstPaint(benchmark::State& state) {
    const int64_t scene = state.range(0);
    const auto zoom = int32_t(state.range(2));
    QImage image(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    auto paint = [&](int32_t scale) {
        Prepare(scene, 0, state.range(1), scale);
        image.fill(Qt::white);
        TDC dc(image);
        ObjectList.Paint(dc, kClient);
    };
    double spent = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TurnedGlyphCache::OfThread().Clear();
        if (zoom != 1) paint(1);
        state.ResumeTiming();
        const double start = CpuMilliseconds();
        paint(zoom);
        spent += CpuMilliseconds() - start;
    }
    KeepScreen(state, QString("first%1x").arg(zoom), image);
    state.counters["objects"] = ObjectList.count;
    if (!Turned(scene)) return;
    // Qt's own drawing of the same texts at the same scale, after the row's own paint.
    const std::unique_ptr<bench::RecordingDevice> qtTexts = QtRecording(scene, state.range(1), zoom);
    double qt = 0;
    for (int64_t paint = 0; paint < int64_t(state.iterations()); ++paint)
        qt += QtDrawTextMilliseconds(*qtTexts, image);
    state.counters["qt_ms"] = qt / double(state.iterations());
    state.counters["vs_qt"] = spent / qt;
}

// The first paint of a drawing as a screen paint makes it, the search for its turned texts'
// inkings put off: each text is drawn plain, the processor time a user waits for, beside Qt's own
// drawing of the same texts. The texts are then inked, as the window inks them while it waits for
// input, and the screen painted again, which is timed apart (`later_ms`): the screen it ends on is
// saved as the first paint's, to compare with a build that inks the texts at once. Zoomed in, the
// drawing is painted and finished first as a whole.
void BM_FirstPaintPutOff(benchmark::State& state) {
    const int64_t scene = state.range(0);
    const auto zoom = int32_t(state.range(2));
    QImage image(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    auto paint = [&](int32_t scale) {
        Prepare(scene, 0, state.range(1), scale);
        image.fill(Qt::white);
        TDC dc(image);
        dc.PutOffTurnedInking(true);
        ObjectList.Paint(dc, kClient);
    };
    double spent = 0, later = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TurnedGlyphCache::OfThread().Clear();
        if (zoom != 1) {
            paint(1);
            TDC::FinishTurnedInking();
        }
        state.ResumeTiming();
        double start = CpuMilliseconds();
        paint(zoom);
        spent += CpuMilliseconds() - start;
        state.PauseTiming();
        KeepScreen(state, QString("plain%1x").arg(zoom), image);
        start = CpuMilliseconds();
        const bool finished = TDC::FinishTurnedInking();
        const QRect plain = TDC::TakePlainArea(&image);
        paint(zoom);
        later += CpuMilliseconds() - start;
        if (!finished || TDC::TurnedInkingPutOff() || plain.isEmpty())
            state.SkipWithError("texts are left plain");
        state.ResumeTiming();
    }
    KeepScreen(state, QString("first%1x").arg(zoom), image);
    state.counters["objects"] = ObjectList.count;
    const std::unique_ptr<bench::RecordingDevice> qtTexts = QtRecording(scene, state.range(1), zoom);
    double qt = 0;
    for (int64_t paint = 0; paint < int64_t(state.iterations()); ++paint)
        qt += QtDrawTextMilliseconds(*qtTexts, image);
    state.counters["qt_ms"] = qt / double(state.iterations());
    state.counters["vs_qt"] = spent / qt;
    state.counters["later_ms"] = later / double(state.iterations());
    state.counters["later_vs_qt"] = later / qt;
}

void BM_ReplayOnQPainter(benchmark::State& state) {
    const bench::RecordingDevice& recording = Recorded(state.range(0), state.range(1));
    QImage image(bench::kScreenWidth, bench::kScreenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        recording.Replay(painter);
    }
    state.counters["painter_calls"] = static_cast<double>(recording.Calls());
}

// Each paint is followed by its baseline, so the two run side by side.
void PairedScenes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"scene", "display_mode"});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kHouse, 0});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kHouse, 0});
BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kHouse, 10});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kHouse, 10});
BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kHouse, 20});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kHouse, 20});
BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kHouseZoomed, 0});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kHouseZoomed, 0});
BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kLongLines, 0});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kLongLines, 0});
BENCHMARK(BM_PaintFloor)->Apply(PairedScenes)->Args({kEveryKind, 0});
BENCHMARK(BM_ReplayOnQPainter)->Apply(PairedScenes)->Args({kEveryKind, 0});

const int64_t kBoundMB = int64_t(TurnedGlyphCache::DefaultBound() >> 20);

void TextScenes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"scene", "texts", "bound_MB"});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedTexts, 3600, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelTexts, 3600, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedTexts, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelTexts, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedSmallTexts, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelSmallTexts, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 2000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelNotes, 2000, kBoundMB});
// Many notes, each at its own angle: 40,000 are kept within the bound of a machine of 4 GB.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelNotes, 10000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 20000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 20000, 48}); // past the bound
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelNotes, 20000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 40000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 40000, 96}); // past the bound
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelNotes, 40000, kBoundMB});
// Notes that share few glyphs.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedVariedNotes, 20000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelVariedNotes, 20000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedVariedNotes, 40000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelVariedNotes, 40000, kBoundMB});
// Texts too large to turn glyph by glyph, whose mends are kept.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedLargeTexts, 4500, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelLargeTexts, 4500, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedLargeTexts, 12000, kBoundMB});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kLevelLargeTexts, 12000, kBoundMB});
// Past the bound: a paint keeps what it drew first and inks the rest again from the glyphs'
// choices, beside Qt's own drawing of the same turned texts.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedSmallTexts, 10000, 4});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 2000, 2});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 10000, 8});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedVariedNotes, 2000, 2});
// Sparse drawings past a bound, whose screens compare between builds: most of each stays clear.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedNotes, 300, 1});
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedVariedNotes, 300, 1});
// The bound of a machine of 2 GB.
BENCHMARK(BM_PaintTexts)->Apply(TextScenes)->Args({kTurnedVariedNotes, 40000, 128});

// A first paint each, timed once: a user waits for it once.
void FirstPaints(benchmark::internal::Benchmark* b) {
    b->ArgNames({"scene", "objects", "zoom"});
    b->Unit(benchmark::kMillisecond);
    b->Iterations(1);
}

BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kEveryKind, 10000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedTexts, 3600, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedTexts, 10000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedSmallTexts, 10000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedLargeTexts, 300, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedLargeTexts, 1000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kLevelLargeTexts, 1000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedLargeTexts, 4000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kLevelLargeTexts, 4000, 1});
// Long notes of different letters, each at its own angle, opened and then zoomed in four times.
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 40000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 40000, 4});
// The same, their search put off; and a sparse drawing, whose screens compare between builds.
BENCHMARK(BM_FirstPaintPutOff)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 40000, 1});
BENCHMARK(BM_FirstPaintPutOff)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 2000, 1});
BENCHMARK(BM_FirstPaintPutOff)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 300, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 300, 1});
// A sparse drawing's zoom: a third of its notes reach the screen, mostly in part.
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 2000, 1});
BENCHMARK(BM_FirstPaint)->Apply(FirstPaints)->Args({kTurnedVariedNotes, 2000, 4});

} // namespace
