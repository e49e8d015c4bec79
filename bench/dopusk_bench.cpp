// In-process benchmarks of the program's windows and cores, each beside a bare
// Qt baseline measured in the same run. The windows are driven through real
// input events (QTest), offscreen unless QT_QPA_PLATFORM says otherwise.
// Every window's first showing, its construction at start-up included, and every
// page's first opening are measured before anything else shows them, in several
// processes of this program (startup_bench.cpp). The benchmarks of the main window,
// the two tables and the cores are in windows_bench.cpp, tables_bench.cpp and
// engine_bench.cpp. After the Google Benchmark output a summary prints every figure
// with its baseline, the ratio and whether the target holds.
#include "BenchSupport.h"
#include "SummaryReporter.h"
#include "SummaryTable.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "SheetView.h"
#include "StartUp.h"
#include "frm_Main_Unit.h"
#include "frm_Tabl_unit.h"

TForm1* g_main = nullptr;
namespace {
MainWindowControlsCache g_controls;
}
const MainWindowControls& ui() { return g_controls.of(*g_main); }
Bare* g_bare = nullptr;
SheetView* g_grid = nullptr;

void registerManualTimed(std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>> benchmarks)
{
    for (auto [name, fn] : benchmarks)
        benchmark::RegisterBenchmark(name, fn)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

namespace {

std::string ratioText(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", ratio);
    return text;
}

void printSummary(const SummaryReporter& reporter, const std::vector<SummaryLine>& lines,
                  const std::vector<Once>& once)
{
    const auto row = [](SummaryTable& table, const std::string& title, double figure, double baseline,
                        double ratioTarget, double absoluteMs) {
        const double ratio = figure / baseline;
        std::string target = "-";
        if (ratioTarget > 0)
            target = "<= " + std::to_string(int(ratioTarget)) + "x, " + (ratio <= ratioTarget ? "holds" : "MISSED");
        else if (absoluteMs > 0)
            target = "< " + std::to_string(int(absoluteMs)) + " ms, " + (figure < absoluteMs * 1e6 ? "holds" : "MISSED");
        table.row({title, timeText(figure), timeText(baseline), ratioText(ratio), target});
    };
    const std::vector<int> widths = {52, 11, 11, 8};
    {
        SummaryTable table("In-process figures (median)", {"figure", "dopusk", "bare Qt", "ratio", "target"}, widths);
        for (const SummaryLine& line : lines) {
            const double figure = reporter.figure(line.figure);
            const double baseline = reporter.figure(line.baseline);
            if (figure < 0 || baseline < 0)
                continue; // filtered out or failed
            row(table, line.title, figure, baseline, line.ratioTarget, line.absoluteTargetMs);
        }
    }
    if (once.empty())
        return;
    SummaryTable table("First openings of pages and first showings of windows, construction included (median of " +
                           std::to_string(once.front().processes) + " processes)",
                       {"figure", "dopusk", "bare Qt", "ratio", "target"}, widths);
    for (const Once& figure : once) {
        row(table, figure.title, figure.ns, figure.baselineNs, 0, 16);
        if (figure.constructionNs >= 0)
            table.note("    constructor " + timeText(figure.constructionNs) + " + shown until painted " +
                       timeText(figure.shownNs));
    }
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
    const std::vector<WindowConstruction> constructions = createSecondaryWindowsTimed(&mainWindow);
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
    for (int tab = 0; tab < ui().PageControl1->count(); ++tab) {
        auto* page = new QWidget;
        (new QLabel(QStringLiteral("Квалитет 0"), page))->move(8, 8);
        bare.tabs.addTab(page, ui().PageControl1->tabText(tab));
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
    std::vector<Once> once = firstShowings(mainWindow, bare, constructions);
    if (once.empty())
        return 1;
    if (reportFirstShowingsOnly(once))
        return 0;
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

    std::vector<SummaryLine> lines;
    registerWindowBenchmarks(lines);
    registerTableBenchmarks(lines);
    registerEngineBenchmarks(lines);

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
    printSummary(reporter, lines, once);
    benchmark::Shutdown();
    return 0;
}
