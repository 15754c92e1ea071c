// What one inn costs: the generation cycle, the sheet text, its file, and
// the start-up sequence that every run of a program pays once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cycle/InnGenerator.h"
#include "files/SafeFileWriter.h"
#include "output/formats/InnSheetText.h"

namespace brewick {
namespace {

// Without a scene file: the built-in scenes only.
InnGenerator startUp(RandomSource& random) { return InnGenerator(random, {}); }

void cycleWithAll(benchmark::State& state)
{
    LcgRandom random(20240607);
    InnGenerator generator = startUp(random);
    for (auto _ : state) {
        generator.generate();
        benchmark::DoNotOptimize(generator.sheet());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(cycleWithAll);

// One generated inn, written again and again into reused buffers, as the
// batch tool does.
void sheetText(benchmark::State& state)
{
    LcgRandom random(20240607);
    InnGenerator generator = startUp(random);
    generator.generate();
    TextLines lines;
    std::string bytes;
    for (auto _ : state) {
        bytes.clear();
        buildInnSheetText(generator.sheet(), lines);
        appendCrLfText(lines, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(sheetText);

// A thousand inn files as brewick-batch --output writes them: each put on
// the disk on its own, as a save is (argument 0), or all of them by one sync
// at the end of the run (argument 1).
void innFiles(benchmark::State& state)
{
    constexpr int kFiles = 1000;
    const FileSync sync = state.range(0) == 0 ? FileSync::Now : FileSync::Later;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "brewick-bench-inns";
    LcgRandom random(20240607);
    InnGenerator generator = startUp(random);
    generator.generate();
    TextLines lines;
    std::string bytes;
    buildInnSheetText(generator.sheet(), lines);
    appendCrLfText(lines, bytes);
    for (auto _ : state) {
        std::filesystem::create_directory(folder);
        for (int n = 0; n < kFiles; ++n)
            benchmark::DoNotOptimize(writeFileSafely(folder / (std::to_string(n) + ".txt"), bytes, sync));
        if (sync == FileSync::Later)
            benchmark::DoNotOptimize(syncFileSystemOf(folder));
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(innFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void startUpSequence(benchmark::State& state)
{
    LcgRandom random(20240607);
    for (auto _ : state)
        benchmark::DoNotOptimize(startUp(random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(startUpSequence);

}  // namespace
}  // namespace brewick

BENCHMARK_MAIN();
