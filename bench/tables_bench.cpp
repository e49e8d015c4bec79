// In-process benchmarks of the two table windows: shown until their visible cells have
// painted, a repaint of every visible cell and a scroll to the last cell, each beside a
// stock QTableWidget of the same size.
#include "BenchSupport.h"
#include "frm_Main_Unit.h"

#include <QTest>

#include "SheetView.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

namespace {

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

} // namespace

void registerTableBenchmarks(std::vector<SummaryLine>& lines)
{
    registerManualTimed({
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
    });
    lines.insert(lines.end(), {
        {"frm_Table shown, visible cells painted", "BM_TableShow_frm_Table", "BM_TableShow_BareTable", 0, 16},
        {"frm_Table repaint of all visible cells", "BM_TablePaint_frm_Table", "BM_TablePaint_BareTable", 0, 16},
        {"frm_Table scroll to the last cell", "BM_TableScroll_frm_Table", "BM_TableScroll_BareTable", 0, 16},
        {"frm_RezbTabl shown, visible cells painted", "BM_TableShow_frm_RezbTabl", "BM_TableShow_BareThreadTable", 0, 16},
        {"frm_RezbTabl repaint of all visible cells", "BM_TablePaint_frm_RezbTabl", "BM_TablePaint_BareThreadTable", 0, 16},
        {"frm_RezbTabl scroll to the last cell", "BM_TableScroll_frm_RezbTabl", "BM_TableScroll_BareThreadTable", 0, 16},
    });
}
