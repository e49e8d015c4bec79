// In-process benchmarks of the Qt-free cores the main window calls: a result computed
// from the table and the number texts, beside Qt's texts of the same numbers.
#include "BenchSupport.h"

#include <QString>
#include <algorithm>

#include "LimitCalculation.h"
#include "NumberText.h"
#include "frm_Main_Unit.h"

namespace {

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

} // namespace

void registerEngineBenchmarks(std::vector<SummaryLine>& lines)
{
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
    lines.insert(lines.end(), {
        {"computeFromTable (vs 4 Qt number texts)", "BM_Core_computeFromTable", "BM_Core_QtFourNumbers", 0, 0},
        {"generalNumberText (vs QString::number g)", "BM_Core_generalNumberText", "BM_Core_QtGeneralNumber", 0, 0},
        {"fixedNumberText (vs QString::number f)", "BM_Core_fixedNumberText", "BM_Core_QtFixedNumber", 0, 0},
    });
}
