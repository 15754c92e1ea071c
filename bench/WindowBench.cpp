// The window as the user feels it: start-up to the first complete inn on
// screen against a bare window of the same size, and a click on "Generate"
// to the repainted window. Runs on Qt's offscreen screen unless DISPLAY and
// QT_QPA_PLATFORM say otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "files/ListFile.h"
#include "generators/WordLists.h"
#include "ui/BrewickWindows.h"
#include "ui/ObjectNames.h"

namespace brewick {
namespace {

namespace names = objectNames;

const std::filesystem::path kNoSceneFile = "/nonexistent/BarScenes.txt";

void showAndPaint(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::abort();
    window.repaint();
}

void BM_BareWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.setFixedSize(502, 600);
        showAndPaint(window);
    }
}
BENCHMARK(BM_BareWindowShown)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstInnShown(benchmark::State& state)
{
    for (auto _ : state) {
        BrewickWindows windows(1, kNoSceneFile, [](const QUrl&) {});
        showAndPaint(windows.main);
    }
}
BENCHMARK(BM_StartUpToFirstInnShown)->Unit(benchmark::kMillisecond);

void BM_GenerateToRepainted(benchmark::State& state)
{
    BrewickWindows windows(1, kNoSceneFile, [](const QUrl&) {});
    showAndPaint(windows.main);
    auto* generate = windows.main.findChild<QPushButton*>(QString::fromLatin1(names::generateButton));
    for (auto _ : state) {
        generate->click();
        QCoreApplication::processEvents();  // paints what the click changed
    }
}
BENCHMARK(BM_GenerateToRepainted)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

// The same with every word list of the user's own, each entry as long as a
// line of a list file may be and one word, which Qt's text layout takes the
// longest over.
void BM_GenerateToRepaintedWithTheLongestEntries(benchmark::State& state)
{
    const std::filesystem::path words = std::filesystem::temp_directory_path() / "brewick-bench-words";
    std::filesystem::create_directories(words);
    for (std::string_view name : wordListNames())
        std::ofstream(words / (std::string(name) + ".txt")) << std::string(kListLineLimit, 'x') << '\n';
    BrewickWindows windows(
        1, kNoSceneFile, [](const QUrl&) {}, words);
    showAndPaint(windows.main);
    auto* generate = windows.main.findChild<QPushButton*>(QString::fromLatin1(names::generateButton));
    for (auto _ : state) {
        generate->click();
        QCoreApplication::processEvents();
    }
    std::filesystem::remove_all(words);
}
BENCHMARK(BM_GenerateToRepaintedWithTheLongestEntries)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace brewick

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
