// What the in-process benchmarks of the windows share: the clock, a paint counter,
// the event loop's settling, the manual timing loop, the windows under test with
// their bare Qt counterparts, and the summary lines each subject adds.
#pragma once

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowControls.h"

class SheetView;
class TForm1;

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Counts paint events of a widget, to know that a paint has really happened.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Processes events until the counter has seen a paint beyond `before`.
template <class Counter>
bool waitForPaint(const Counter& counter, int before)
{
    for (int i = 0; i < 1000 && counter.count == before; ++i)
        QCoreApplication::processEvents();
    return counter.count != before;
}

inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Every iteration: `timed` under the clock, then `untimed` to put things back.
inline void manualLoop(benchmark::State& state, const std::function<void(std::int64_t)>& timed,
                       const std::function<void(std::int64_t)>& untimed = {})
{
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        timed(i);
        state.SetIterationTime(secondsSince(start));
        if (untimed)
            untimed(i);
        ++i;
    }
}

inline void keystrokePair(QLineEdit* edit, std::int64_t i)
{
    // A digit typed after the number, then taken back: each is one keystroke.
    QTest::keyClick(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_1);
}

// ---- the windows under test and their bare counterparts ----

struct Bare {
    QWidget window;           // one empty 644 x 439 window
    QLineEdit edit;           // a line edit with no handler
    QListWidget list;         // a list with the rows of ListBox1, no handler
    QCheckBox check{QStringLiteral("Ввести допуск вручную")};
    QTabWidget tabs;          // one label per page, of the main window's size
    QDialog tableDialog;      // a stock table of the tolerance table's size
    QTableWidget* table = nullptr;
    QDialog threadDialog;     // a stock table of the thread table's size
    QTableWidget* threadTable = nullptr;
    QStringList listRows;
};

extern TForm1* g_main;
// The main window's controls, by their objectNames.
const MainWindowControls& ui();
extern Bare* g_bare;
extern SheetView* g_grid;

// ---- start-up in process (startup_bench.cpp) ----

// A figure that a process can measure once only (a first showing or opening), beside
// its baseline; for a window, made up of its construction and its showing.
struct Once {
    std::string title;
    double ns;
    double baselineNs;
    double constructionNs = -1; // -1: a page, opened by its tab
    double shownNs = -1;
    int processes = 1; // the figures are the medians of so many processes
};

struct WindowConstruction {
    QWidget* window;
    double constructionNs; // -1: not seen
};

// Makes the secondary windows as start-up does, each one's construction on the clock.
std::vector<WindowConstruction> createSecondaryWindowsTimed(TForm1* mainWindow);
// Every page's first opening and every window's first showing, in this process, before
// anything else opens or shows them; empty when a construction was not seen.
std::vector<Once> firstShowings(TForm1& mainWindow, Bare& bare, const std::vector<WindowConstruction>& constructions);
// In the mode that measures the first showings only, prints them for the parent: true.
bool reportFirstShowingsOnly(const std::vector<Once>& once);
// The same figures as the medians of several processes of `program`.
std::vector<Once> firstShowingMedians(const char* program, std::vector<Once> measured);

// ---- the summary ----

// A figure of the summary beside its baseline (Google Benchmark names), with its target.
struct SummaryLine {
    const char* title;
    std::string figure;
    std::string baseline;
    double ratioTarget;      // 0: no ratio target
    double absoluteTargetMs; // 0: no absolute target
};

// Each subject registers its benchmarks and adds its lines to the summary, in order.
void registerWindowBenchmarks(std::vector<SummaryLine>& lines);
void registerTableBenchmarks(std::vector<SummaryLine>& lines);
void registerEngineBenchmarks(std::vector<SummaryLine>& lines);

// Registers `benchmarks` in their order, timed by the benchmarks themselves, in µs.
void registerManualTimed(std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>> benchmarks);
