// The window as the user feels it: start-up to the first complete inn on
// screen against a bare window of the same size, a click on "Generate" to
// the repainted window, and the history list of a full history. Runs on Qt's offscreen screen unless DISPLAY and
// QT_QPA_PLATFORM say otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/KeptInn.h"
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

// Edit > History… on a full history, from the command to the list shown
// and closed again.
void BM_HistoryListOfAFullHistory(benchmark::State& state)
{
    BrewickWindows windows(1, kNoSceneFile, [](const QUrl&) {});
    showAndPaint(windows.main);
    auto* generate = windows.main.findChild<QPushButton*>(QString::fromLatin1(names::generateButton));
    for (std::size_t inn = 1; inn < kMostKeptInns; ++inn)
        generate->click();
    auto* history = windows.main.findChild<QAction*>(QString::fromLatin1(names::historyAction));
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (QWidget* list = QApplication::activeModalWidget())
                list->close();
        });
        history->trigger();
    }
}
BENCHMARK(BM_HistoryListOfAFullHistory)->Unit(benchmark::kMillisecond);

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
