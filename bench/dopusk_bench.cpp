// In-process benchmarks of the program's windows and cores, each beside a bare
// Qt baseline measured in the same run. The windows are driven through real
// input events (QTest), offscreen unless QT_QPA_PLATFORM says otherwise.
// Every window's first showing, its construction at start-up included, and every
// page's first opening are measured before anything else shows them, in several
// processes of this program (BENCH_FIRST_SHOWING_RUNS, 7 by default). After
// the Google Benchmark output a summary prints every figure with its baseline, the
// ratio and whether the target holds.
#include <benchmark/benchmark.h>

#include "Median.h"
#include "SummaryReporter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LimitCalculation.h"
#include "NumberText.h"
#include "StartUp.h"
#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "MainWindowControls.h"
#include "frm_Main_Unit.h"
#include "FitSchemeBox.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"
#include "SheetView.h"
#include "ToleranceTableCells.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

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

// Paint events of a widget or of any widget inside it, seen by an application-wide
// filter: the controls a window makes at its first showing do not exist before it,
// and a window wholly covered by opaque controls gets no paint event of its own.
class TreePaintCounter : public QObject {
public:
    explicit TreePaintCounter(QWidget* root)
        : m_root(root)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget == m_root || m_root->isAncestorOf(widget))
                ++count;
        }
        return false;
    }

private:
    QWidget* m_root;
};

// When each child of a widget began to be constructed, while `construct` ran: a
// widget's base constructor tells its parent of it, so one window's construction
// ends where the next one's begins.
class ConstructionClock : public QObject {
public:
    ConstructionClock(QObject* parent, const std::function<void()>& construct)
    {
        parent->installEventFilter(this);
        construct();
        parent->removeEventFilter(this);
        m_end = Clock::now();
    }

    // From the start of `window` to the next start of another of `windows` (the last:
    // to the end of `construct`), whatever came between included. -1 if not seen.
    double constructionNs(const QWidget* window, const std::vector<const QWidget*>& windows) const
    {
        const auto begun = std::find_if(m_starts.begin(), m_starts.end(),
                                        [window](const auto& start) { return start.first == window; });
        if (begun == m_starts.end())
            return -1;
        const auto next = std::find_if(begun + 1, m_starts.end(), [&](const auto& start) {
            return start.first != window && std::find(windows.begin(), windows.end(), start.first) != windows.end();
        });
        const Clock::time_point end = next == m_starts.end() ? m_end : next->second;
        return std::chrono::duration<double, std::nano>(end - begun->second).count();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded)
            m_starts.emplace_back(static_cast<QChildEvent*>(event)->child(), Clock::now());
        return false;
    }

private:
    std::vector<std::pair<const QObject*, Clock::time_point>> m_starts;
    Clock::time_point m_end;
};

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Every iteration: `timed` under the clock, then `untimed` to put things back.
void manualLoop(benchmark::State& state, const std::function<void(std::int64_t)>& timed,
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

// ---- the windows under test and their bare counterparts ----

struct Bare {
    QWidget window;           // one empty 644 x 439 window
    QLineEdit edit;           // a line edit with no handler
    QListWidget list;         // a list with the rows of ListBox1, no handler
    QCheckBox check{QStringLiteral("Ввести допуск вручную")};
    QTabWidget tabs;          // three pages of one label each, of the main window's size
    QDialog tableDialog;      // a stock table of the tolerance table's size
    QTableWidget* table = nullptr;
    QDialog threadDialog;     // a stock table of the thread table's size
    QTableWidget* threadTable = nullptr;
    QStringList listRows;
};

TForm1* g_main = nullptr;
// The main window's controls, by their objectNames.
MainWindowControlsCache g_controls;
const MainWindowControls& ui() { return g_controls.of(*g_main); }
Bare* g_bare = nullptr;
SheetView* g_grid = nullptr;

QTableWidget* makeStockTable(QDialog& dialog, QSize size, int rows, int columns)
{
    auto* table = new QTableWidget(rows, columns, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::number(r * 7 - c * 3)));
    dialog.resize(size);
    return table;
}

void keystrokePair(QLineEdit* edit, std::int64_t i)
{
    // A digit typed after the number, then taken back: each is one keystroke.
    QTest::keyClick(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_1);
}

// ---- 2. keystroke and repaint ----

void BM_Keystroke_Edit2(benchmark::State& state)
{
    ui().Edit2->setCursorPosition(ui().Edit2->text().size());
    manualLoop(state, [](std::int64_t i) { keystrokePair(ui().Edit2, i); }, [](std::int64_t) { settle(); });
}
void BM_Keystroke_BareLineEdit(benchmark::State& state)
{
    g_bare->edit.setCursorPosition(g_bare->edit.text().size());
    manualLoop(state, [](std::int64_t i) { keystrokePair(&g_bare->edit, i); }, [](std::int64_t) { settle(); });
}

// The repaint the event loop does after a keystroke (only what the keystroke made dirty).
void BM_RepaintAfterKeystroke_Main(benchmark::State& state)
{
    std::int64_t i = 0;
    for (auto _ : state) {
        keystrokePair(ui().Edit2, i++);
        const auto start = Clock::now();
        settle();
        state.SetIterationTime(secondsSince(start));
    }
}
void BM_RepaintAfterKeystroke_Bare(benchmark::State& state)
{
    std::int64_t i = 0;
    for (auto _ : state) {
        keystrokePair(&g_bare->edit, i++);
        const auto start = Clock::now();
        settle();
        state.SetIterationTime(secondsSince(start));
    }
}

// The whole window painted, every control included.
void BM_FullPaint_MainWindow(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t) { benchmark::DoNotOptimize(g_main->grab()); });
}
void BM_FullPaint_BareWindow(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t) { benchmark::DoNotOptimize(g_bare->window.grab()); });
}

// ---- the fits page: a change of size or class until the diagram has painted ----

// On the fits page for the run of one benchmark, back on the tolerance page after it.
struct OnFitsPage {
    OnFitsPage() { ui().PageControl1->setCurrentWidget(ui().TabSheet3); settle(); }
    ~OnFitsPage() { ui().PageControl1->setCurrentWidget(ui().TabSheet1); settle(); }
};

void keyUntilPainted(benchmark::State& state, QWidget* target, QWidget* painted,
                     const std::function<void(QWidget*, std::int64_t)>& press)
{
    PaintCounter counter(painted);
    manualLoop(state, [&](std::int64_t i) {
        const int before = counter.count;
        press(target, i);
        if (!waitForPaint(counter, before))
            state.SkipWithError("no paint after the change");
    }, [](std::int64_t) { settle(); });
}

// A digit after the size and back: 5 and 51 mm lie in other rows, so the class lists refill too.
void BM_FitsSizeChange_ed_PosRazmer(benchmark::State& state)
{
    OnFitsPage page;
    FitsPage* fits = ui().TabSheet3;
    fits->ed_PosRazmer->setFocus();
    fits->ed_PosRazmer->setCursorPosition(fits->ed_PosRazmer->text().size());
    keyUntilPainted(state, fits->ed_PosRazmer, fits->pb_Shema,
                    [](QWidget* box, std::int64_t i) { keystrokePair(static_cast<QLineEdit*>(box), i); });
}
// The next shaft class in the list and back, by the arrow keys.
void BM_FitsClassChange_cmbx_Val(benchmark::State& state)
{
    OnFitsPage page;
    FitsPage* fits = ui().TabSheet3;
    fits->cmbx_Val->setFocus();
    keyUntilPainted(state, fits->cmbx_Val, fits->pb_Shema, [](QWidget* box, std::int64_t i) {
        QTest::keyClick(box, i % 2 ? Qt::Key_Up : Qt::Key_Down);
    });
}
// A keystroke in a bare line edit until it has painted.
void BM_KeyAndPaint_BareLineEdit(benchmark::State& state)
{
    g_bare->edit.setCursorPosition(g_bare->edit.text().size());
    keyUntilPainted(state, &g_bare->edit, &g_bare->edit,
                    [](QWidget* box, std::int64_t i) { keystrokePair(static_cast<QLineEdit*>(box), i); });
}

// ---- 3. field change, filter change, manual mode ----

void clickListRow(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void BM_FieldChange_ListBox1(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t i) { clickListRow(ui().ListBox1, 1 + int(i % 2)); },
               [](std::int64_t) { settle(); });
}
void BM_FieldChange_BareList(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t i) { clickListRow(&g_bare->list, 1 + int(i % 2)); },
               [](std::int64_t) { settle(); });
}

// The type filter switched between two items: the list is refilled and recomputed.
void BM_FilterChange_RefillFieldList(benchmark::State& state)
{
    const int item = ui().ComboBox1->currentIndex();
    const int other = item == 0 ? 1 : 0;
    manualLoop(state, [=](std::int64_t i) { ui().ComboBox1->setCurrentIndex(i % 2 ? item : other); },
               [](std::int64_t) { settle(); });
    ui().ComboBox1->setCurrentIndex(item);
    settle();
}
void BM_FilterChange_BareListRefill(benchmark::State& state)
{
    manualLoop(state,
               [](std::int64_t i) {
                   QListWidget& list = g_bare->list;
                   list.clear();
                   list.addItems(g_bare->listRows);
                   list.setCurrentRow(int(i % 2));
               },
               [](std::int64_t) { settle(); });
}

void BM_ManualModeSwitch_CheckBox1(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t) { QTest::mouseClick(ui().CheckBox1, Qt::LeftButton); },
               [](std::int64_t) { settle(); });
    if (ui().CheckBox1->isChecked()) {
        QTest::mouseClick(ui().CheckBox1, Qt::LeftButton);
        settle();
    }
}
void BM_ManualModeSwitch_BareCheckBox(benchmark::State& state)
{
    manualLoop(state, [](std::int64_t) { QTest::mouseClick(&g_bare->check, Qt::LeftButton); },
               [](std::int64_t) { settle(); });
}

// ---- 4. the two table windows ----

// Shown, and every visible cell painted once the window is exposed; then hidden again.
void showAndPaint(benchmark::State& state, QWidget* window, QWidget* cells)
{
    auto* counter = new PaintCounter(cells);
    manualLoop(state,
               [&](std::int64_t) {
                   const int before = counter->count;
                   window->show();
                   if (!waitForPaint(*counter, before))
                       state.SkipWithError("the table was not painted");
               },
               [&](std::int64_t) {
                   window->hide();
                   settle();
               });
    delete counter;
}

void BM_TableShow_frm_Table(benchmark::State& state) { showAndPaint(state, g_main->frm_Table(), g_grid->viewport()); }
void BM_TableShow_BareTable(benchmark::State& state)
{
    showAndPaint(state, &g_bare->tableDialog, g_bare->table->viewport());
}
void BM_TableShow_frm_RezbTabl(benchmark::State& state)
{
    showAndPaint(state, g_main->frm_RezbTabl(), g_main->frm_RezbTabl()->strgrd_Rezba->viewport());
}
void BM_TableShow_BareThreadTable(benchmark::State& state)
{
    showAndPaint(state, &g_bare->threadDialog, g_bare->threadTable->viewport());
}

// A repaint of every visible cell of a shown table.
void fullPaint(benchmark::State& state, QWidget* window, QWidget* cells)
{
    window->show();
    settle();
    manualLoop(state, [&](std::int64_t) { benchmark::DoNotOptimize(cells->grab()); });
    window->hide();
    settle();
}
void BM_TablePaint_frm_Table(benchmark::State& state) { fullPaint(state, g_main->frm_Table(), g_grid->viewport()); }
void BM_TablePaint_BareTable(benchmark::State& state)
{
    fullPaint(state, &g_bare->tableDialog, g_bare->table->viewport());
}
void BM_TablePaint_frm_RezbTabl(benchmark::State& state)
{
    fullPaint(state, g_main->frm_RezbTabl(), g_main->frm_RezbTabl()->strgrd_Rezba->viewport());
}
void BM_TablePaint_BareThreadTable(benchmark::State& state)
{
    fullPaint(state, &g_bare->threadDialog, g_bare->threadTable->viewport());
}

// Ctrl+End to the last cell and the repaint that follows; Ctrl+Home back untimed.
void scrollToLast(benchmark::State& state, QWidget* window, QWidget* grid, QWidget* cells)
{
    window->show();
    settle();
    grid->setFocus();
    auto* counter = new PaintCounter(cells);
    manualLoop(state,
               [&](std::int64_t) {
                   const int before = counter->count;
                   QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
                   if (!waitForPaint(*counter, before))
                       state.SkipWithError("the table was not repainted");
               },
               [&](std::int64_t) {
                   QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
                   settle();
               });
    delete counter;
    window->hide();
    settle();
}
void BM_TableScroll_frm_Table(benchmark::State& state) { scrollToLast(state, g_main->frm_Table(), g_grid, g_grid->viewport()); }
void BM_TableScroll_BareTable(benchmark::State& state)
{
    scrollToLast(state, &g_bare->tableDialog, g_bare->table, g_bare->table->viewport());
}
void BM_TableScroll_frm_RezbTabl(benchmark::State& state)
{
    scrollToLast(state, g_main->frm_RezbTabl(), g_main->frm_RezbTabl()->strgrd_Rezba, g_main->frm_RezbTabl()->strgrd_Rezba->viewport());
}
void BM_TableScroll_BareThreadTable(benchmark::State& state)
{
    scrollToLast(state, &g_bare->threadDialog, g_bare->threadTable, g_bare->threadTable->viewport());
}

// ---- 5. the Qt-free cores ----

void BM_Core_computeFromTable(benchmark::State& state)
{
    const auto size = number::parseNumberText("25,5");
    const int field = ui().ListRowMap.at(std::size_t(std::max(0, ui().ListBox1->currentRow())));
    for (auto _ : state)
        benchmark::DoNotOptimize(tolerance::computeFromTable(size, field, tolerance::DeviationUnit::Millimetres, tolerance::Rounding::AsIs));
}
// Stock Qt text of the same numbers: the limits, the mean and the radius of a result.
void BM_Core_QtFourNumbers(benchmark::State& state)
{
    double x = 25.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        for (double v : {x + 0.021, x, x + 0.0105, 0.0105})
            benchmark::DoNotOptimize(QString::number(v, 'g', 15));
    }
}
void BM_Core_generalNumberText(benchmark::State& state)
{
    const auto value = *number::parseNumberText("25,0105");
    for (auto _ : state)
        benchmark::DoNotOptimize(number::generalNumberText(value));
}
void BM_Core_QtGeneralNumber(benchmark::State& state)
{
    double value = 25.0105;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(QString::number(value, 'g', 15));
    }
}
void BM_Core_fixedNumberText(benchmark::State& state)
{
    const auto value = *number::parseNumberText("25,0105");
    for (auto _ : state)
        benchmark::DoNotOptimize(number::fixedNumberText(value, 3, 8));
}
void BM_Core_QtFixedNumber(benchmark::State& state)
{
    double value = 25.0105;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(QString::number(value, 'f', 3));
    }
}

// ---- the summary ----

struct Line {
    const char* title;
    std::string figure;
    std::string baseline;
    double ratioTarget;    // 0: no ratio target
    double absoluteTargetMs; // 0: no absolute target
};

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

void printSummary(const SummaryReporter& reporter, const std::vector<Once>& once)
{
    const std::vector<Line> lines = {
        {"Keystroke in Edit2, all results written", "BM_Keystroke_Edit2", "BM_Keystroke_BareLineEdit", 10, 0},
        {"Repaint after the keystroke", "BM_RepaintAfterKeystroke_Main", "BM_RepaintAfterKeystroke_Bare", 0, 16},
        {"Full paint of the main window (grab)", "BM_FullPaint_MainWindow", "BM_FullPaint_BareWindow", 0, 16},
        {"Field change in ListBox1 (click)", "BM_FieldChange_ListBox1", "BM_FieldChange_BareList", 0, 16},
        {"Filter change (RefillFieldList)", "BM_FilterChange_RefillFieldList", "BM_FilterChange_BareListRefill", 0, 16},
        {"Manual-mode switch (CheckBox1 click)", "BM_ManualModeSwitch_CheckBox1", "BM_ManualModeSwitch_BareCheckBox", 0, 16},
        {"Fits page: size change, diagram painted", "BM_FitsSizeChange_ed_PosRazmer", "BM_KeyAndPaint_BareLineEdit", 0, 16},
        {"Fits page: class change, diagram painted", "BM_FitsClassChange_cmbx_Val", "BM_KeyAndPaint_BareLineEdit", 0, 16},
        {"frm_Table shown, visible cells painted", "BM_TableShow_frm_Table", "BM_TableShow_BareTable", 0, 16},
        {"frm_Table repaint of all visible cells", "BM_TablePaint_frm_Table", "BM_TablePaint_BareTable", 0, 16},
        {"frm_Table scroll to the last cell", "BM_TableScroll_frm_Table", "BM_TableScroll_BareTable", 0, 16},
        {"frm_RezbTabl shown, visible cells painted", "BM_TableShow_frm_RezbTabl", "BM_TableShow_BareThreadTable", 0, 16},
        {"frm_RezbTabl repaint of all visible cells", "BM_TablePaint_frm_RezbTabl", "BM_TablePaint_BareThreadTable", 0, 16},
        {"frm_RezbTabl scroll to the last cell", "BM_TableScroll_frm_RezbTabl", "BM_TableScroll_BareThreadTable", 0, 16},
        {"computeFromTable (vs 4 Qt number texts)", "BM_Core_computeFromTable", "BM_Core_QtFourNumbers", 0, 0},
        {"generalNumberText (vs QString::number g)", "BM_Core_generalNumberText", "BM_Core_QtGeneralNumber", 0, 0},
        {"fixedNumberText (vs QString::number f)", "BM_Core_fixedNumberText", "BM_Core_QtFixedNumber", 0, 0},
    };
    std::printf("\n%-52s %11s %11s %8s   %s\n", "In-process figures (median)", "dopusk", "bare Qt", "ratio", "target");
    auto printLine = [](const char* title, double figure, double baseline, double ratioTarget, double absoluteMs) {
        const double ratio = figure / baseline;
        std::string target = "-";
        if (ratioTarget > 0)
            target = "<= " + std::to_string(int(ratioTarget)) + "x  " + (ratio <= ratioTarget ? "holds" : "MISSED");
        else if (absoluteMs > 0)
            target = "< " + std::to_string(int(absoluteMs)) + " ms  " + (figure < absoluteMs * 1e6 ? "holds" : "MISSED");
        std::printf("%-52s %11s %11s %7.2fx   %s\n", title, timeText(figure).c_str(), timeText(baseline).c_str(),
                    ratio, target.c_str());
    };
    for (const Line& line : lines) {
        const double figure = reporter.figure(line.figure);
        const double baseline = reporter.figure(line.baseline);
        if (figure < 0 || baseline < 0)
            continue; // filtered out or failed
        printLine(line.title, figure, baseline, line.ratioTarget, line.absoluteTargetMs);
    }
    if (!once.empty())
        std::printf("First openings and first showings (median of %d processes):\n", once.front().processes);
    for (const Once& figure : once) {
        printLine(figure.title.c_str(), figure.ns, figure.baselineNs, 0, 16);
        if (figure.constructionNs >= 0)
            std::printf("    constructor %s + shown until painted %s\n", timeText(figure.constructionNs).c_str(),
                        timeText(figure.shownNs).c_str());
    }
}

// From `open` until `shown`, or anything in it, has painted, in ns: the frame of that
// paint is painted whole before control returns to the event loop.
double untilPainted(QWidget* shown, const std::function<void()>& open)
{
    TreePaintCounter counter(shown);
    const auto start = Clock::now();
    open();
    if (!waitForPaint(counter, 0))
        std::fprintf(stderr, "%s was not painted\n", qPrintable(shown->objectName()));
    return secondsSince(start) * 1e9;
}

// The first showing of a window, its construction included: `constructionNs`, then
// shown until painted, and hidden again.
Once firstShowing(const char* name, QWidget* window, double constructionNs)
{
    const double shownNs = untilPainted(window, [window] { window->show(); });
    window->hide();
    settle();
    return {std::string(name) + ", construction incl.", constructionNs + shownNs, 0, constructionNs, shownNs};
}

// A bare dialog made (under the clock) by `make`, then shown until painted: the
// baseline of a window's first showing. Hidden again.
double bareFirstShowing(QDialog& dialog, const std::function<void()>& make)
{
    const auto start = Clock::now();
    make();
    const double madeNs = secondsSince(start) * 1e9;
    const double ns = madeNs + untilPainted(&dialog, [&dialog] { dialog.show(); });
    dialog.hide();
    settle();
    return ns;
}

// A bare dialog of `size` with one label, made and shown until painted.
double bareLabelFirstShowing(QSize size)
{
    QDialog dialog(g_main);
    return bareFirstShowing(dialog, [&] {
        auto* label = new QLabel(QStringLiteral("Квалитет 0"), &dialog);
        label->move(8, 8);
        dialog.resize(size);
    });
}

// The environment variable that makes this program measure the first showings only
// and print them, one tab-separated line each, for the process that started it.
constexpr const char* FirstShowingsOnly = "DOPUSK_BENCH_FIRST_SHOWINGS_ONLY";

// The first showings measured in BENCH_FIRST_SHOWING_RUNS (by default 7) processes of
// this program: each figure the median of its processes. `measured` gives the titles
// and order; a figure that no process reported keeps this process's own.
std::vector<Once> firstShowingMedians(const char* program, std::vector<Once> measured)
{
    const int asked = qEnvironmentVariableIntValue("BENCH_FIRST_SHOWING_RUNS");
    const int runs = asked > 0 ? asked : 7;
    std::map<std::string, std::vector<std::vector<double>>> samples; // title -> runs -> 4 figures
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FirstShowingsOnly), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QString::fromLocal8Bit(program), {});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "a first-showing run failed\n");
            continue;
        }
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() != 5)
                continue;
            std::vector<double> figures;
            for (int i = 1; i < 5; ++i)
                figures.push_back(fields[i].toDouble());
            samples[fields[0].toStdString()].push_back(figures);
        }
    }
    for (Once& figure : measured) {
        const auto found = samples.find(figure.title);
        if (found == samples.end())
            continue;
        double* fields[] = {&figure.ns, &figure.baselineNs, &figure.constructionNs, &figure.shownNs};
        for (int i = 0; i < 4; ++i) {
            std::vector<double> values;
            for (const std::vector<double>& run : found->second)
                values.push_back(run[std::size_t(i)]);
            *fields[i] = median(values);
        }
        figure.processes = int(found->second.size());
    }
    return measured;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    StartUp::ReadAhead readAhead;
    QApplication app(argc, argv);

    // The program's start-up, as app/main.cpp does it, with the secondary windows'
    // constructions on the clock.
    readAhead.applicationMade();
    StartUp::prepareApplication();
    TForm1 mainWindow;
    const ConstructionClock constructions(&mainWindow, [&mainWindow] { createSecondaryWindows(&mainWindow); });
    QApplication::setWindowIcon(readAhead.icon());
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow)) {
        std::fprintf(stderr, "the main window was not exposed\n");
        return 1;
    }
    g_main = &mainWindow;

    Bare bare;
    g_bare = &bare;
    bare.window.resize(644, 439);
    bare.window.show();
    bare.edit.setText(QStringLiteral("5"));
    bare.edit.show();
    for (int row = 0; row < ui().ListBox1->count(); ++row)
        bare.listRows << ui().ListBox1->item(row)->text();
    bare.list.addItems(bare.listRows);
    bare.list.resize(ui().ListBox1->size());
    bare.list.show();
    bare.check.show();
    for (const QString& title : {QStringLiteral("Допуски"), QStringLiteral("Резьбы"), QStringLiteral("Посадки")}) {
        auto* page = new QWidget;
        (new QLabel(QStringLiteral("Квалитет 0"), page))->move(8, 8);
        bare.tabs.addTab(page, title);
    }
    bare.tabs.resize(644, 439);
    bare.tabs.show();
    for (QWidget* w : std::initializer_list<QWidget*>{&bare.window, &bare.edit, &bare.list, &bare.check, &bare.tabs})
        if (!QTest::qWaitForWindowExposed(w))
            return 1;

    // Every page's first opening and every window's first showing, before anything
    // else opens or shows them. A process has one first showing of each, so the figures
    // printed are the medians of as many processes (this program started again, in the
    // mode that measures them only); this process measures them too, to show the windows.
    std::vector<Once> once;
    for (auto [title, tab] : std::initializer_list<std::pair<const char*, int>>{
             {"Thread page (TabSheet2)", 1}, {"Fits page (TabSheet3)", 2}}) {
        // A page's controls are made at its first opening: its tab clicked until the page
        // has painted, beside the same click on a stock tab widget.
        const auto open = [tab = tab](QTabWidget* tabs) {
            QTabBar* bar = tabs->tabBar();
            const double ns = untilPainted(tabs->widget(tab), [bar, tab] {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            });
            tabs->setCurrentIndex(0);
            settle();
            return ns;
        };
        const double ns = open(ui().PageControl1);
        once.push_back({title, ns, open(&bare.tabs)});
    }
    struct Secondary {
        const char* name;
        QWidget* window;
        std::function<double()> bareShowing; // by default a dialog of its size with one label
    };
    // The stock tables take the sizes of the program's tables, known once these are made.
    const std::vector<Secondary> secondary = {
        {"Tfrm_Table", g_main->frm_Table(),
         [&bare] {
             return bareFirstShowing(bare.tableDialog, [&bare] {
                 bare.table = makeStockTable(bare.tableDialog, g_main->frm_Table()->size(), tolerance_table::GridRows,
                                             tolerance_table::GridColumns);
             });
         }},
        {"Tfrm_About", g_main->frm_About(), {}},
        {"Tfrm_ListOf_Ferrak", g_main->frm_ListOf_Ferrak(), {}},
        {"Tfrm_FastNamber", g_main->frm_FastNamber(), {}},
        {"Tfrm_RezbTabl", g_main->frm_RezbTabl(),
         [&bare] {
             const QAbstractItemModel* threads = g_main->frm_RezbTabl()->strgrd_Rezba->model();
             return bareFirstShowing(bare.threadDialog, [&bare, threads] {
                 bare.threadTable = makeStockTable(bare.threadDialog, g_main->frm_RezbTabl()->size(), threads->rowCount(),
                                                   threads->columnCount());
             });
         }},
        {"Tfrm_KeyBoard", g_main->frm_KeyBoard(), {}},
    };
    std::vector<const QWidget*> windows;
    for (const Secondary& s : secondary)
        windows.push_back(s.window);
    for (const Secondary& s : secondary) {
        const double constructionNs = constructions.constructionNs(s.window, windows);
        if (constructionNs < 0) {
            std::fprintf(stderr, "the construction of %s was not seen\n", s.name);
            return 1;
        }
        once.push_back(firstShowing(s.name, s.window, constructionNs));
        once.back().baselineNs = s.bareShowing ? s.bareShowing() : bareLabelFirstShowing(s.window->size());
    }
    if (qEnvironmentVariableIsSet(FirstShowingsOnly)) {
        for (const Once& figure : once)
            std::printf("%s\t%.0f\t%.0f\t%.0f\t%.0f\n", figure.title.c_str(), figure.ns, figure.baselineNs,
                        figure.constructionNs, figure.shownNs);
        return 0;
    }
    once = firstShowingMedians(argv[0], once);

    g_grid = g_main->frm_Table()->DrawGrid1;
    if (!g_grid) {
        std::fprintf(stderr, "DrawGrid1 not found\n");
        return 1;
    }

    // What a keystroke must do: every result box holds its new text when keyClick returns.
    {
        ui().Edit2->setCursorPosition(ui().Edit2->text().size());
        const QString before = ui().Edit5->text() + ui().Edit6->text() + ui().Edit3->text();
        QTest::keyClick(ui().Edit2, Qt::Key_1);
        const QString after = ui().Edit5->text() + ui().Edit6->text() + ui().Edit3->text();
        QTest::keyClick(ui().Edit2, Qt::Key_Backspace);
        settle();
        if (before == after) {
            std::fprintf(stderr, "a keystroke in Edit2 did not change the results\n");
            return 1;
        }
    }

    for (auto [name, fn] : std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
             {"BM_Keystroke_Edit2", BM_Keystroke_Edit2},
             {"BM_Keystroke_BareLineEdit", BM_Keystroke_BareLineEdit},
             {"BM_RepaintAfterKeystroke_Main", BM_RepaintAfterKeystroke_Main},
             {"BM_RepaintAfterKeystroke_Bare", BM_RepaintAfterKeystroke_Bare},
             {"BM_FullPaint_MainWindow", BM_FullPaint_MainWindow},
             {"BM_FullPaint_BareWindow", BM_FullPaint_BareWindow},
             {"BM_FieldChange_ListBox1", BM_FieldChange_ListBox1},
             {"BM_FieldChange_BareList", BM_FieldChange_BareList},
             {"BM_FilterChange_RefillFieldList", BM_FilterChange_RefillFieldList},
             {"BM_FilterChange_BareListRefill", BM_FilterChange_BareListRefill},
             {"BM_ManualModeSwitch_CheckBox1", BM_ManualModeSwitch_CheckBox1},
             {"BM_ManualModeSwitch_BareCheckBox", BM_ManualModeSwitch_BareCheckBox},
             {"BM_FitsSizeChange_ed_PosRazmer", BM_FitsSizeChange_ed_PosRazmer},
             {"BM_FitsClassChange_cmbx_Val", BM_FitsClassChange_cmbx_Val},
             {"BM_KeyAndPaint_BareLineEdit", BM_KeyAndPaint_BareLineEdit},
             {"BM_TableShow_frm_Table", BM_TableShow_frm_Table},
             {"BM_TableShow_BareTable", BM_TableShow_BareTable},
             {"BM_TablePaint_frm_Table", BM_TablePaint_frm_Table},
             {"BM_TablePaint_BareTable", BM_TablePaint_BareTable},
             {"BM_TableScroll_frm_Table", BM_TableScroll_frm_Table},
             {"BM_TableScroll_BareTable", BM_TableScroll_BareTable},
             {"BM_TableShow_frm_RezbTabl", BM_TableShow_frm_RezbTabl},
             {"BM_TableShow_BareThreadTable", BM_TableShow_BareThreadTable},
             {"BM_TablePaint_frm_RezbTabl", BM_TablePaint_frm_RezbTabl},
             {"BM_TablePaint_BareThreadTable", BM_TablePaint_BareThreadTable},
             {"BM_TableScroll_frm_RezbTabl", BM_TableScroll_frm_RezbTabl},
             {"BM_TableScroll_BareThreadTable", BM_TableScroll_BareThreadTable},
         }) {
        benchmark::RegisterBenchmark(name, fn)->UseManualTime()->Unit(benchmark::kMicrosecond);
    }
    for (auto [name, fn] : std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
             {"BM_Core_computeFromTable", BM_Core_computeFromTable},
             {"BM_Core_QtFourNumbers", BM_Core_QtFourNumbers},
             {"BM_Core_generalNumberText", BM_Core_generalNumberText},
             {"BM_Core_QtGeneralNumber", BM_Core_QtGeneralNumber},
             {"BM_Core_fixedNumberText", BM_Core_fixedNumberText},
             {"BM_Core_QtFixedNumber", BM_Core_QtFixedNumber},
         }) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kNanosecond);
    }

    // Repetitions of all benchmarks interleaved at random, so that the noise of a
    // shared machine falls on figures and baselines alike; only the aggregates shown.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    std::string repetitions = "--benchmark_repetitions=5";
    std::string minTime = "--benchmark_min_time=0.1";
    // Before the caller's own flags, which override them.
    args.insert(args.begin() + 1, {interleave.data(), aggregates.data(), repetitions.data(), minTime.data()});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter, once);
    benchmark::Shutdown();
    return 0;
}
