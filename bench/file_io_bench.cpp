// Writing and reading 100,000 "%d " integers through the file layer, against to_chars/from_chars
// on a plain string as the floor of what is possible.
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/file_io.h"

namespace {

constexpr int32_t kCount = 100000;

std::string ScratchPath() {
    return (std::filesystem::temp_directory_path() /
            ("trevalyn-bench-" + std::to_string(::getpid()) + ".txt"))
        .string();
}

int32_t ValueAt(int32_t i) {
    return (i % 2 ? -1 : 1) * (i * 7919 % 300000);
}

void WriteWithFprintf(benchmark::State& state) {
    const std::string path = ScratchPath();
    for (auto _ : state) {
        pl::File* out = pl::fopen(path, "w");
        for (int32_t i = 0; i < kCount; ++i)
            pl::fprintf(out, "%d ", ValueAt(i));
        if (pl::fclose(out) != 0) state.SkipWithError("write failed");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(WriteWithFprintf)->Unit(benchmark::kMillisecond);

void WriteWithTextWriter(benchmark::State& state) {
    const std::string path = ScratchPath();
    for (auto _ : state) {
        pl::File* out = pl::fopen(path, "w");
        pl::TextWriter& writer = pl::Writer(out);
        for (int32_t i = 0; i < kCount; ++i) {
            writer.Put(ValueAt(i));
            writer.Put(' ');
        }
        if (pl::fclose(out) != 0) state.SkipWithError("write failed");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(WriteWithTextWriter)->Unit(benchmark::kMillisecond);

void WriteBaselineToChars(benchmark::State& state) {
    const std::string path = ScratchPath();
    std::string text;
    for (auto _ : state) {
        text.clear();
        char buffer[16];
        for (int32_t i = 0; i < kCount; ++i) {
            auto result = std::to_chars(buffer, buffer + sizeof buffer, ValueAt(i));
            text.append(buffer, result.ptr);
            text.push_back(' ');
        }
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(WriteBaselineToChars)->Unit(benchmark::kMillisecond);

// A file of the integers for the readers.
class IntegerFile {
public:
    IntegerFile() : path_(ScratchPath() + ".in") {
        std::string text;
        for (int32_t i = 0; i < kCount; ++i)
            text += std::to_string(ValueAt(i)) + " ";
        if (!pl::WriteTextFile(path_, text)) path_.clear();
    }
    ~IntegerFile() { std::filesystem::remove(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void ReadWithFscanf(benchmark::State& state) {
    IntegerFile file;
    for (auto _ : state) {
        pl::File* in = pl::fopen(file.Path(), "r");
        int64_t sum = 0;
        int32_t value = 0;
        while (pl::fscanf(in, "%d ", &value) == 1)
            sum += value;
        pl::fclose(in);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(ReadWithFscanf)->Unit(benchmark::kMillisecond);

void ReadWithTextReader(benchmark::State& state) {
    IntegerFile file;
    for (auto _ : state) {
        pl::File* in = pl::fopen(file.Path(), "r");
        pl::TextReader& reader = pl::Reader(in);
        int64_t sum = 0;
        int32_t value = 0;
        while (reader.ReadInt32(value))
            sum += value;
        pl::fclose(in);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(ReadWithTextReader)->Unit(benchmark::kMillisecond);

void ReadBaselineFromChars(benchmark::State& state) {
    IntegerFile file;
    for (auto _ : state) {
        std::FILE* in = std::fopen(file.Path().c_str(), "rb");
        std::string text(static_cast<size_t>(std::filesystem::file_size(file.Path())), '\0');
        size_t got = std::fread(text.data(), 1, text.size(), in);
        std::fclose(in);
        const char* p = text.data();
        const char* end = p + got;
        int64_t sum = 0;
        int32_t value = 0;
        while (p < end) {
            while (p < end && *p == ' ')
                ++p;
            auto result = std::from_chars(p, end, value);
            if (result.ec != std::errc()) break;
            sum += value;
            p = result.ptr;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(ReadBaselineFromChars)->Unit(benchmark::kMillisecond);

} // namespace
