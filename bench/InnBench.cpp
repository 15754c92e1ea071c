// What one inn costs: the generation cycle, its page in each format (and the
// JSON from RapidJSON, to compare), its file, and the start-up sequence that
// every run of a program pays once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "RapidJsonInn.h"
#include "cycle/InnGenerator.h"
#include "files/SafeFileWriter.h"
#include "output/formats/InnSheetText.h"
#include "output/formats/JsonFormat.h"
#include "output/formats/MarkdownFormat.h"
#include "output/formats/TextFormat.h"

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

// Generated inns, formatted again and again into a reused buffer as the
// batch tool does: enough of them that no branch learns one inn by heart.
std::vector<InnSheet> generatedInns()
{
    constexpr int kInns = 64;
    LcgRandom random(20240607);
    InnGenerator generator = startUp(random);
    std::vector<InnSheet> inns;
    for (int inn = 0; inn < kInns; ++inn) {
        generator.generate();
        inns.push_back(generator.sheet());
    }
    return inns;
}

template <typename Write>
void formatInns(benchmark::State& state, Write write)
{
    const std::vector<InnSheet> inns = generatedInns();
    std::size_t inn = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        bytes += static_cast<std::int64_t>(write(inns[inn]));
        inn = (inn + 1) % inns.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(bytes);
}

template <typename Format>
void formatPage(benchmark::State& state)
{
    Format format;
    std::string page;
    formatInns(state, [&](const InnSheet& inn) {
        page.clear();
        format.append(inn, {1, 20240607}, page);
        benchmark::DoNotOptimize(page.data());
        return page.size();
    });
}
BENCHMARK(formatPage<TextFormat>);
BENCHMARK(formatPage<MarkdownFormat>);
BENCHMARK(formatPage<JsonFormat>);

// The same JSON from RapidJSON's Writer, into its own buffer, which it
// reuses: the copy into the batch's buffer is not counted. The bytes are
// checked once to be JsonFormat's.
void jsonFromRapidJson(benchmark::State& state)
{
    RapidJsonInn rapidJson;
    std::string expected;
    for (const InnSheet& inn : generatedInns()) {
        expected.clear();
        JsonFormat().append(inn, {1, 20240607}, expected);
        rapidJson.write(inn, {1, 20240607});
        if (rapidJson.bytes() != expected) {
            state.SkipWithError("RapidJSON wrote other bytes than JsonFormat");
            return;
        }
    }
    formatInns(state, [&](const InnSheet& inn) {
        rapidJson.write(inn, {1, 20240607});
        benchmark::DoNotOptimize(rapidJson.bytes().data());
        return rapidJson.bytes().size();
    });
}
BENCHMARK(jsonFromRapidJson);

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
