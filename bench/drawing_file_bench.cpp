// Writing and reading back the working drawing file, against a baseline that formats and parses
// the same numbers with std::to_chars / std::from_chars alone: on the bench house and on mixed
// drawings of 100, 10,000 and 50,000 objects (the reader must stay linear in the count).
// BM_ReadAgainstFromChars times a read and the baseline parse turn about in one loop, so a busy
// machine slows both alike, and reports how many times the baseline the reader takes. A count no
// other work moves: BM_ReadDrawingFile and BM_BaselineFromChars under callgrind, each with
// --toggle-collect='TList::ReadDrawingFile(int)' or '(anonymous namespace)::FromChars*', give the
// instructions of one read and of one parse.
// BM_CountPastSheet is what a user's step adds beside them: the count of the objects past the sheet,
// made when the step begins (after a repaint's read) and again at each of its writes of the file.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/bench_scenes.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/sheet_edge.h"
#include "platform/file_io.h"

namespace {

constexpr int64_t kHouse = 0; // a drawing argument of 0 is the bench house, else an object count
constexpr int64_t kSmall = 100; // a small drawing, whose read pays its file's opening most

// Parses every number of the file's own text into `out` (when given) and counts them: a number and
// the one separator after it, or a byte that starts none.
size_t NumbersIn(const std::string& text, int32_t* out) {
    const char* p = text.data();
    const char* end = p + text.size();
    int32_t v = 0;
    size_t n = 0;
    while (p < end) {
        const auto r = std::from_chars(p, end, v);
        if (r.ec == std::errc()) {
            if (out) out[n] = v;
            ++n;
            p = r.ptr + 1;
        } else {
            ++p;
        }
    }
    return n;
}

// A scratch program directory holding the drawing, and the numbers of its file.
struct Drawing {
    explicit Drawing(int64_t which) {
        if (which == kHouse)
            bench::BuildHouse();
        else
            bench::BuildMixed(static_cast<int32_t>(which));
        std::string pattern = (std::filesystem::temp_directory_path() / "trevalyn-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        dir = pattern + "/";
        std::filesystem::create_directories(dir + "DWGS");
        std::filesystem::create_directories(dir + "CFG");
        ObjectList.ProgramDirectory = dir;
        ObjectList.SetDrawingName("BENCH");
        if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok) std::abort();
        std::string text;
        const RecordOrigin centre{SheetWidth * ZoomDivisor / 2, SheetHeight * ZoomDivisor / 2};
        for (int32_t i = 0; i < ObjectList.count; ++i)
            (void)AppendRecord(text, *ObjectList[i], centre); // only its numbers are wanted
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
        objects = ObjectList.count;
        char buf[16];
        for (int32_t v : numbers) {
            char* e = std::to_chars(buf, buf + sizeof(buf), v).ptr;
            *e++ = ' ';
            blankApart.append(buf, static_cast<size_t>(e - buf));
        }
        fileBytes = static_cast<double>(std::filesystem::file_size(dir + "DWGS/BENCH.DB0"));
        if (!pl::ReadTextFile(dir + "DWGS/BENCH.DB0", fileText)) std::abort();
        inFile = NumbersIn(fileText, nullptr);
    }
    ~Drawing() {
        ObjectList.Flush();
        std::filesystem::remove_all(dir);
    }
    std::string dir;
    std::vector<int32_t> numbers;
    std::string blankApart; // the numbers written one blank apart
    std::string fileText;   // the file as it stands, header, kind lines and strings included
    size_t inFile = 0;      // the numbers from_chars finds in it
    double fileBytes = 0;
    int32_t objects = 0;
};

// Parses the numbers written one blank apart into `parsed`. A call of its own, so a profile counts
// its instructions apart from the loop around it.
[[gnu::noinline]] void FromChars(const std::string& text, std::vector<int32_t>& parsed) {
    const char* p = text.data();
    const char* end = p + text.size();
    for (int32_t& v : parsed)
        p = std::from_chars(p, end, v).ptr + 1;
    benchmark::DoNotOptimize(parsed.data());
}

Drawing& Use(int64_t which) {
    static std::unique_ptr<Drawing> current;
    static int64_t built = -1;
    if (built != which) {
        current.reset();
        current = std::make_unique<Drawing>(which);
        built = which;
    }
    if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok) std::abort();
    return *current;
}

void BM_WriteDrawingFile(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    for (auto _ : state) {
        if (ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok)
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * drawing.objects);
}

// The same write while a step keeps the file, as an edit's write is: the digest of what is written
// and the record beside the kept file come on top.
void BM_WriteDrawingFileInStep(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    const std::string kept = pl::KeepFileAsItIs(ObjectList.DrawingFilePath(filemode::kWorking));
    for (auto _ : state) {
        if (kept.empty() || ObjectList.WriteDrawingFile(filemode::kWorking) != FileResult::Ok)
            state.SkipWithError("write failed");
    }
    pl::DropKept(kept);
    state.SetItemsProcessed(state.iterations() * drawing.objects);
}

void BM_ReadDrawingFile(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    for (auto _ : state) {
        ObjectList.Flush();
        if (ObjectList.ReadDrawingFile(filemode::kWorking) != FileResult::Ok)
            state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * drawing.objects);
}

void BM_CountPastSheet(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountPastSheet(ObjectList));
    state.SetItemsProcessed(state.iterations() * drawing.objects);
}

void BM_BaselineToChars(benchmark::State& state) {
    const std::vector<int32_t>& numbers = Use(state.range(0)).numbers;
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

void BM_BaselineFromChars(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    std::vector<int32_t> parsed(drawing.numbers.size());
    for (auto _ : state)
        FromChars(drawing.blankApart, parsed);
}

// Seconds of processor time this thread has had: a machine shared with other work slows neither
// side of the comparison.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

bool Read() {
    return ObjectList.ReadDrawingFile(filemode::kWorking) == FileResult::Ok;
}

// The house read against from_chars over the same numbers: the reader's whole ReadDrawingFile (the
// path, the file's opening and reading, the header, the records and the objects they make) beside
// from_chars over the numbers of its records, one blank apart. The flush before each read empties
// the document, which no parse has to do: it is not timed.
void BM_ReadAgainstFromChars(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    std::vector<int32_t> parsed(drawing.numbers.size());
    double reading = 0, baseline = 0;
    for (auto _ : state) {
        // Each side is timed on its second run, so both find in the cache what their first left.
        ObjectList.Flush();
        bool read = Read();
        ObjectList.Flush();
        const double start = ThreadSeconds();
        read = Read() && read;
        const double readAll = ThreadSeconds();
        if (!read) state.SkipWithError("read failed");
        FromChars(drawing.blankApart, parsed);
        const double parseFrom = ThreadSeconds();
        FromChars(drawing.blankApart, parsed);
        const double parsedAll = ThreadSeconds();
        reading += readAll - start;
        baseline += parsedAll - parseFrom;
        state.SetIterationTime(readAll - start + parsedAll - parseFrom);
    }
    const double per = 1e3 / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["read_ms"] = reading * per;
    state.counters["from_chars_ms"] = baseline * per;
    state.counters["ratio"] = baseline > 0 ? reading / baseline : 0;
    state.counters["numbers"] = static_cast<double>(drawing.numbers.size());
    state.counters["KB"] = drawing.fileBytes / 1000;
}

// What a repaint's read costs against from_chars over the very text it reads: the whole
// ReadDrawingFile (the path, the file's opening and reading, the header, the records and the objects
// they make) beside a from_chars loop over the file's bytes with their separators, kind lines and
// strings. The flush before each read is timed apart.
void BM_WholeReadAgainstFromChars(benchmark::State& state) {
    const Drawing& drawing = Use(state.range(0));
    std::vector<int32_t> parsed(drawing.inFile);
    std::string text;
    double reading = 0, flushing = 0, opening = 0, baseline = 0;
    for (auto _ : state) {
        ObjectList.Flush();
        bool read = ObjectList.ReadDrawingFile(filemode::kWorking) == FileResult::Ok;
        const double flushFrom = ThreadSeconds();
        ObjectList.Flush();
        const double readFrom = ThreadSeconds();
        read = ObjectList.ReadDrawingFile(filemode::kWorking) == FileResult::Ok && read;
        const double readAll = ThreadSeconds();
        if (!read) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(NumbersIn(drawing.fileText, parsed.data()));
        const double parseFrom = ThreadSeconds();
        benchmark::DoNotOptimize(NumbersIn(drawing.fileText, parsed.data()));
        benchmark::ClobberMemory();
        const double parsedAll = ThreadSeconds();
        // The opening and reading of the file alone, the part of the read that is no record.
        const double openFrom = ThreadSeconds();
        if (!pl::ReadTextFile(ObjectList.DrawingFilePath(filemode::kWorking), text))
            state.SkipWithError("open failed");
        opening += ThreadSeconds() - openFrom;
        flushing += readFrom - flushFrom;
        reading += readAll - readFrom;
        baseline += parsedAll - parseFrom;
        state.SetIterationTime(readAll - readFrom + parsedAll - parseFrom);
    }
    const double per = 1e3 / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["read_ms"] = reading * per;
    state.counters["flush_ms"] = flushing * per;
    state.counters["file_ms"] = opening * per;
    state.counters["from_chars_ms"] = baseline * per;
    state.counters["ratio"] = baseline > 0 ? reading / baseline : 0;
    state.counters["numbers"] = static_cast<double>(drawing.inFile);
}

// The reader, the writer and their baselines run side by side on each drawing.
void Drawings(benchmark::internal::Benchmark* b) {
    b->ArgName("objects")->Unit(benchmark::kMillisecond);
}

#define TREVALYN_FILE_BENCHMARKS(drawing)                                                                    \
    BENCHMARK(BM_WriteDrawingFile)->Apply(Drawings)->Arg(drawing);                                           \
    BENCHMARK(BM_WriteDrawingFileInStep)->Apply(Drawings)->Arg(drawing);                                     \
    BENCHMARK(BM_BaselineToChars)->Apply(Drawings)->Arg(drawing);                                            \
    BENCHMARK(BM_ReadDrawingFile)->Apply(Drawings)->Arg(drawing);                                            \
    BENCHMARK(BM_BaselineFromChars)->Apply(Drawings)->Arg(drawing);                                          \
    BENCHMARK(BM_ReadAgainstFromChars)->Apply(Drawings)->Arg(drawing)->UseManualTime();                      \
    BENCHMARK(BM_WholeReadAgainstFromChars)->Apply(Drawings)->Arg(drawing)->UseManualTime();                 \
    BENCHMARK(BM_CountPastSheet)->Apply(Drawings)->Arg(drawing)

TREVALYN_FILE_BENCHMARKS(kHouse);
TREVALYN_FILE_BENCHMARKS(kSmall);
TREVALYN_FILE_BENCHMARKS(10000);
TREVALYN_FILE_BENCHMARKS(50000);

} // namespace
