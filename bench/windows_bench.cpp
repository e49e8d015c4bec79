// In-process benchmarks of the main window: a keystroke and its repaint, the full
// paint, a field change, a filter change, the manual-mode switch and the fits page's
// changes until its diagram has painted, each beside a bare Qt counterpart.
#include "BenchSupport.h"

#include <QComboBox>
#include <QTest>

#include "frm_Main_Unit.h"
#include "FitSchemeBox.h"

namespace {

// ---- keystroke and repaint ----

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

// ---- field change, filter change, manual mode ----

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

} // namespace

void registerWindowBenchmarks(std::vector<SummaryLine>& lines)
{
    registerManualTimed({
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
    });
    lines.insert(lines.end(), {
        {"Keystroke in Edit2, all results written", "BM_Keystroke_Edit2", "BM_Keystroke_BareLineEdit", 10, 0},
        {"Repaint after the keystroke", "BM_RepaintAfterKeystroke_Main", "BM_RepaintAfterKeystroke_Bare", 0, 16},
        {"Full paint of the main window (grab)", "BM_FullPaint_MainWindow", "BM_FullPaint_BareWindow", 0, 16},
        {"Field change in ListBox1 (click)", "BM_FieldChange_ListBox1", "BM_FieldChange_BareList", 0, 16},
        {"Filter change (RefillFieldList)", "BM_FilterChange_RefillFieldList", "BM_FilterChange_BareListRefill", 0, 16},
        {"Manual-mode switch (CheckBox1 click)", "BM_ManualModeSwitch_CheckBox1", "BM_ManualModeSwitch_BareCheckBox", 0, 16},
        {"Fits page: size change, diagram painted", "BM_FitsSizeChange_ed_PosRazmer", "BM_KeyAndPaint_BareLineEdit", 0, 16},
        {"Fits page: class change, diagram painted", "BM_FitsClassChange_cmbx_Val", "BM_KeyAndPaint_BareLineEdit", 0, 16},
    });
}
