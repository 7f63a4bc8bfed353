// Writing and reading back the working drawing file of a large drawing, against a baseline that
// formats and parses the same numbers with std::to_chars / std::from_chars alone.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"

namespace {

constexpr int kObjects = 10000;

void Fill(TList& list) {
    list.Flush();
    const int32_t cx = SheetWidth * ZoomDivisor / 2, cy = SheetHeight * ZoomDivisor / 2;
    for (int i = 0; i < kObjects; ++i) {
        const int32_t x = cx - 20000 + (i * 37) % 40000, y = cy - 15000 + (i * 91) % 30000;
        switch (i % 6) {
        case 0: {
            auto w = std::make_unique<TExtwallobj>();
            w->view = 50, w->kind = kExtWall, w->id = 10000 + i, w->group = 4000, w->state = 1;
            w->x1 = x, w->y1 = y, w->x2 = x + 4000, w->y2 = y, w->aux1 = 25, w->aux2 = 2550;
            w->thickness1 = 110, w->thickness2 = 55, w->thickness3 = 110, w->direction = 900;
            w->p1x = x, w->p1y = y - 110, w->p2x = x + 4000, w->p2y = y - 110, w->p3x = x, w->p3y = y - 165;
            w->p4x = x + 4000, w->p4y = y - 165, w->p5x = x, w->p5y = y - 275, w->p6x = x + 4000;
            w->p6y = y - 275;
            list.Add(std::move(w));
            break;
        }
        case 1:
            list.Add(
                new TLineobj(50, kOutlineLine, 1, 0, 10000 + i, 0, x, 0, x + 1234, 0, y, y + 567, 0, 900, 0));
            break;
        case 2:
            list.Add(new TTextobj(50, kSizeLabel, 1, 0, 10000 + i, 9, x, 0, 900, 0, y, 0, 0, "3600 x 4200",
                                  "DejaVu Sans", 0, 6, 400, 250));
            break;
        case 3: {
            int32_t px[8], py[8], ph[8];
            for (int k = 0; k < 8; ++k)
                px[k] = x + 100 * k, py[k] = y - 50 * k, ph[k] = 0;
            list.Add(new TPolyobj(50, 131, 1, 0, 10000 + i, 0, 0, 0, 0, 0, 0, 0, 0, px, py, ph, nullptr, 8, 0,
                                  0, 0, 0, 0, 0));
            break;
        }
        case 4:
            list.Add(new TDimensobj(50, kManualDimension, 1, 0, 10000 + i, 0, x, 0, x + 1500, 0, y, y, 0, 1,
                                    x + 3000, y, x + 1500, y, 900));
            break;
        default:
            list.Add(new TRoomobj(50, kFinishedRoom, 1, 0, 10000 + i, 0, x, 0, x + 3600, 0, y, y - 4200, 0, 2,
                                  250, 3600, 4200, 0, "living room", "3600", "4200"));
            break;
        }
    }
}

struct Setup {
    Setup() {
        ResetGlobals();
        SheetWidth = 16000, SheetHeight = 10000, ZoomDivisor = 5;
        std::string pattern = (std::filesystem::temp_directory_path() / "trevalyn-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        dir = pattern + "/";
        std::filesystem::create_directories(dir + "DWGS");
        std::filesystem::create_directories(dir + "CFG");
        ObjectList.ProgramDirectory = dir;
        ObjectList.SetDrawingName("BENCH");
        Fill(ObjectList);
        if (ObjectList.WriteDrawingFile(1) != FileResult::Ok) std::abort();
        // The numbers of the file, for the baseline.
        std::string text;
        RecordOrigin centre{SheetWidth * ZoomDivisor / 2, SheetHeight * ZoomDivisor / 2};
        for (int32_t i = 0; i < ObjectList.count; ++i)
            (void)AppendRecord(text, *ObjectList[i], centre);
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            int32_t v;
            auto r = std::from_chars(p, end, v);
            if (r.ec == std::errc()) {
                numbers.push_back(v);
                p = r.ptr;
            } else {
                ++p;
            }
        }
    }
    ~Setup() {
        ObjectList.Flush();
        std::filesystem::remove_all(dir);
    }
    std::string dir;
    std::vector<int32_t> numbers;
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void BM_WriteDrawingFile(benchmark::State& state) {
    Shared();
    Fill(ObjectList);
    for (auto _ : state) {
        if (ObjectList.WriteDrawingFile(1) != FileResult::Ok) state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_WriteDrawingFile)->Unit(benchmark::kMillisecond);

void BM_ReadDrawingFile(benchmark::State& state) {
    Shared();
    Fill(ObjectList);
    if (ObjectList.WriteDrawingFile(1) != FileResult::Ok) state.SkipWithError("write failed");
    for (auto _ : state) {
        ObjectList.Flush();
        if (ObjectList.ReadDrawingFile(1) != FileResult::Ok) state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ReadDrawingFile)->Unit(benchmark::kMillisecond);

void BM_BaselineToChars(benchmark::State& state) {
    const std::vector<int32_t>& numbers = Shared().numbers;
    std::string out;
    for (auto _ : state) {
        out.clear();
        char buf[16];
        for (int32_t v : numbers) {
            char* e = std::to_chars(buf, buf + sizeof(buf), v).ptr;
            *e++ = ' ';
            out.append(buf, static_cast<size_t>(e - buf));
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["numbers"] = static_cast<double>(numbers.size());
}
BENCHMARK(BM_BaselineToChars)->Unit(benchmark::kMillisecond);

void BM_BaselineFromChars(benchmark::State& state) {
    const std::vector<int32_t>& numbers = Shared().numbers;
    std::string text;
    char buf[16];
    for (int32_t v : numbers) {
        char* e = std::to_chars(buf, buf + sizeof(buf), v).ptr;
        *e++ = ' ';
        text.append(buf, static_cast<size_t>(e - buf));
    }
    std::vector<int32_t> parsed(numbers.size());
    for (auto _ : state) {
        const char* p = text.data();
        const char* end = p + text.size();
        for (int32_t& v : parsed)
            p = std::from_chars(p, end, v).ptr + 1;
        benchmark::DoNotOptimize(parsed.data());
    }
}
BENCHMARK(BM_BaselineFromChars)->Unit(benchmark::kMillisecond);

} // namespace
