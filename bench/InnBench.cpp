// What one inn costs: the generation cycle, the sheet text, and the start-up
// sequence that every run of a program pays once.
#include <benchmark/benchmark.h>

#include "cycle/InnGenerator.h"
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
