// What one inn costs: the generation cycle, the sheet text, and the start-up
// sequence that every run of a program pays once.
#include <benchmark/benchmark.h>

#include "core/InnGenerator.h"
#include "output/InnSheetText.h"

namespace brewick {
namespace {

void IgnoreErrors(const std::string&) {}

// Without a scene file: the built-in scenes only.
InnGenerator StartUp(RandomSource& random) { return InnGenerator(random, "", IgnoreErrors); }

void CycleWithAll(benchmark::State& state)
{
    LcgRandom random(20240607);
    InnGenerator generator = StartUp(random);
    for (auto _ : state) {
        generator.ReGenerate();
        benchmark::DoNotOptimize(generator.Sheet());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CycleWithAll);

// One generated inn, written again and again into reused buffers, as the
// batch tool does.
void SheetText(benchmark::State& state)
{
    LcgRandom random(20240607);
    InnGenerator generator = StartUp(random);
    generator.ReGenerate();
    TextLines lines;
    std::string bytes;
    for (auto _ : state) {
        bytes.clear();
        InnSheetText(generator.Sheet(), lines);
        AppendCrLfText(lines, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(SheetText);

void StartUpSequence(benchmark::State& state)
{
    LcgRandom random(20240607);
    for (auto _ : state)
        benchmark::DoNotOptimize(StartUp(random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(StartUpSequence);

}  // namespace
}  // namespace brewick

BENCHMARK_MAIN();
