// The window as the user feels it: start-up to the first complete inn on
// screen against a bare window of the same size, a click on "Generate" to
// the repainted window, and the history list of a full history and of a
// restored session, opened and filtered. Runs on Qt's
// offscreen screen unless DISPLAY and QT_QPA_PLATFORM say otherwise.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "cycle/InnGenerator.h"
#include "files/InnReader.h"
#include "files/ListFile.h"
#include "files/SafeFileWriter.h"
#include "generators/WordLists.h"
#include "keeping/KeptInn.h"
#include "keeping/SessionFile.h"
#include "ui/BrewickWindows.h"
#include "ui/controls/ObjectNames.h"

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

// Clicks "Generate" once an iteration, to the repainted window.
void generateEachIteration(QWidget& window, benchmark::State& state)
{
    auto* generate = window.findChild<QPushButton*>(QString::fromLatin1(names::generateButton));
    for (auto _ : state) {
        generate->click();
        QCoreApplication::processEvents();  // paints what the click changed
    }
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
    generateEachIteration(windows.main, state);
}
BENCHMARK(BM_GenerateToRepainted)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

// A window whose session of `count` ordinary inns was restored, as a user
// has it after some runs; the session's folder goes with it.
class RestoredWindow {
public:
    explicit RestoredWindow(std::size_t count)
    {
        std::filesystem::create_directories(folder_);
        std::vector<KeptInn> inns;
        LcgRandom random(7);
        InnGenerator generator(random, {});
        for (std::size_t inn = 1; inn <= count; ++inn) {
            generator.generate();
            inns.push_back({std::make_shared<const std::string>(innJsonPacking().pack(generator.sheet(), {inn, 7})),
                            {inn, 7},
                            "bench-" + std::to_string(inn),
                            static_cast<std::int64_t>(inn),
                            static_cast<std::int64_t>(inn)});
        }
        if (writeFileSafely(folder_ / "session.jsonl", SessionBytes(inns).pieces()))
            std::abort();
        windows_.emplace(1, kNoSceneFile, [](const QUrl&) {});
        QSignalSpy restored(&main().desk(), &InnDesk::sessionRestored);
        main().keepInnsIn(folder_, folder_ / "kept-inns.jsonl");
        showAndPaint(main());
        if (restored.isEmpty() && !restored.wait())
            std::abort();
    }
    ~RestoredWindow()
    {
        windows_.reset();
        std::filesystem::remove_all(folder_);
    }
    RestoredWindow(const RestoredWindow&) = delete;
    RestoredWindow& operator=(const RestoredWindow&) = delete;

    MainWindow& main() { return windows_->main; }

    // Edit > History…, `inList` run on the list once it is shown, which then closes.
    void inHistoryList(const std::function<void(QWidget* list)>& inList)
    {
        QTimer::singleShot(0, [&inList] {
            if (QWidget* list = QApplication::activeModalWidget()) {
                inList(list);
                list->close();
            }
        });
        main().findChild<QAction*>(QString::fromLatin1(names::historyAction))->trigger();
    }

private:
    const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "brewick-bench-session";
    std::optional<BrewickWindows> windows_;
};

// Generate to the repainted window with a full history of ordinary inns
// restored from a session, one Generate a repetition: the slowest of them
// (the 99th percentile) should stay within a frame, 16.7 ms.
void BM_GenerateToRepaintedWithAFullHistory(benchmark::State& state)
{
    RestoredWindow window(kMostKeptInns);
    generateEachIteration(window.main(), state);
}
BENCHMARK(BM_GenerateToRepaintedWithAFullHistory)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(300)
    ->ComputeStatistics("p99",
                        [](const std::vector<double>& times) {
                            std::vector<double> sorted = times;
                            std::sort(sorted.begin(), sorted.end());
                            return sorted[sorted.size() * 99 / 100];
                        })
    ->ReportAggregatesOnly();

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
    generateEachIteration(windows.main, state);
    std::filesystem::remove_all(words);
}
BENCHMARK(BM_GenerateToRepaintedWithTheLongestEntries)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

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

// The same on a window whose session of 10 or 1,000 inns was restored: the
// list should open within 100 ms, and no slower than 1.5 times with 10.
void BM_HistoryListOfARestoredSession(benchmark::State& state)
{
    RestoredWindow window(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        window.inHistoryList([](QWidget*) {});
}
BENCHMARK(BM_HistoryListOfARestoredSession)->Arg(10)->Arg(kMostKeptInns)->Unit(benchmark::kMillisecond);

// A key typed into the history list's filter of a restored session of 1,000
// inns, to the repainted list: a letter, then the key that takes it back.
// After nothing, the letter lists nearly every inn and the key every inn;
// after letters no inn holds, both search every inn's text through. Each
// should answer within a frame, 16.7 ms.
void BM_HistoryFilterKeyOfAFullHistory(benchmark::State& state)
{
    RestoredWindow window(kMostKeptInns);
    window.inHistoryList([&state](QWidget* list) {
        auto* filter = list->findChild<QLineEdit*>(QString::fromLatin1(names::historyFilterEdit));
        if (state.range(0) == 1)
            QTest::keyClicks(filter, QStringLiteral("zyx"));
        bool typed = false;
        for (auto _ : state) {
            QTest::keyClick(filter, typed ? Qt::Key_Backspace : Qt::Key_E);
            typed = !typed;
            QCoreApplication::processEvents();  // paints what the key changed
        }
    });
}
BENCHMARK(BM_HistoryFilterKeyOfAFullHistory)
    ->ArgName("afterLettersNoInnHolds")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// A word of 1 MB, far inside the bounds of an inn, which Qt's text layout
// breaks at a box's edge in a time that grows with the square of its length.
const std::string kLongWord(1024 * 1024, 'x');

// A modal window of the main one, opened by `action`, painted, and closed
// again by `close`: a key, or the window's closing.
void roundTrip(MainWindow& main, const char* action, const std::function<void(QWidget*)>& close)
{
    QTimer::singleShot(0, [&close] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            window->repaint();
            close(window);
        }
    });
    main.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

// Edit > Inn Notes… on notes of one long word, to the painted window, and
// closed again: by Cancel (0) or by OK (1). Each should take within 100 ms.
void BM_NotesOfALongWord(benchmark::State& state)
{
    BrewickWindows windows(1, kNoSceneFile, [](const QUrl&) {});
    showAndPaint(windows.main);
    windows.main.desk().shownSheet().notes = kLongWord;
    const char* button = state.range(0) == 1 ? names::notesOkButton : names::notesCancelButton;
    for (auto _ : state)
        roundTrip(windows.main, names::notesAction,
                  [button](QWidget* notes) { notes->findChild<QPushButton*>(QString::fromLatin1(button))->click(); });
}
BENCHMARK(BM_NotesOfALongWord)->ArgName("ok")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Edit > History… listing an inn whose name, landlord, notes and pinned menu
// line are each one long word, to the painted list, and closed again:
// within 100 ms, as the list of ordinary inns.
void BM_HistoryListOfLongWords(benchmark::State& state)
{
    BrewickWindows windows(1, kNoSceneFile, [](const QUrl&) {});
    showAndPaint(windows.main);
    InnDesk& desk = windows.main.desk();
    InnSheet& inn = desk.shownSheet();
    inn.innName = inn.landlordName = inn.notes = kLongWord;
    TextLines menu;
    menu.add("  " + kLongWord);
    menu.addAll(inn.menuLines);
    inn.menuLines = menu;
    windows.main.findChild<QPushButton*>(QString::fromLatin1(names::generateButton))->click();
    desk.showPrevious();
    desk.chooseLineBox(LineBox::Menu);
    desk.chooseMenuLine(0);
    desk.togglePin();
    for (auto _ : state)
        roundTrip(windows.main, names::historyAction, [](QWidget* list) { list->close(); });
}
BENCHMARK(BM_HistoryListOfLongWords)->Unit(benchmark::kMillisecond);

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
