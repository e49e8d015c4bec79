// The ISO 286 system and dopusk-limits in process, each beside a plain read of
// the catalogue's deviation table: one class, every class at a size, and a batch
// of 10,000 queries. The summary prints every figure with its baseline, the
// ratio and whether its target holds.
#include <benchmark/benchmark.h>

#include "SummaryReporter.h"
#include "SummaryTable.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Answers.h"
#include "ClassList.h"
#include "Data_Unit.h"
#include "LimitCalculation.h"
#include "Fit.h"
#include "NumberReading.h"

namespace {

constexpr int BatchSize = 10000;

// Queries of a batch: classes and fits over the whole range of sizes.
std::vector<std::string> batchLines()
{
    const char* sizes[] = {"0,8", "2", "5", "8", "12,5", "25", "40", "63", "90", "110", "150", "190", "240",
                           "300", "340", "420", "480", "530", "600", "750", "900", "1100", "1500", "2100", "3150"};
    const char* queries[] = {"H7", "h6", "g6", "k6", "p6", "s7", "u8", "JS9", "js7", "K8", "M6", "N9",
                             "H7/g6", "H7/p6", "H8/f7", "G7/h6", "F8/h7", "a11", "ZC10", "cd8"};
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < BatchSize; ++i)
        lines.push_back(std::string(sizes[i % std::size(sizes)]) + " " + queries[(i / 3) % std::size(queries)]);
    return lines;
}

// ---- one class ----

void BM_LimitsOf_OneClass(benchmark::State& state)
{
    const auto size = *iso286::readNumber("25,5");
    const auto c = *iso286::parseClass("H7");
    for (auto _ : state)
        benchmark::DoNotOptimize(iso286::limitsOf(size, c));
}
// The catalogue: the interval of the size, then one cell.
void BM_Baseline_OneCatalogueCell(benchmark::State& state)
{
    auto size = *iso286::readNumber("25,5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(size);
        benchmark::DoNotOptimize(Data_Unit::DeviationTable(24, tolerance::FindRangeIndex(size)));
    }
}

// ---- every class at a size ----

void BM_ClassesAt(benchmark::State& state)
{
    const auto size = *iso286::readNumber("25,5");
    for (auto _ : state)
        benchmark::DoNotOptimize(iso286::classesAt(size));
}
// As many cells as there are classes, read from the catalogue's table.
void BM_Baseline_CatalogueCellsOfAllClasses(benchmark::State& state)
{
    auto size = *iso286::readNumber("25,5");
    const int count = 2 * iso286::LetterCount * iso286::GradeCount;
    for (auto _ : state) {
        benchmark::DoNotOptimize(size);
        const int range = tolerance::FindRangeIndex(size);
        double sum = 0;
        for (int i = 0; i < count; ++i)
            sum += Data_Unit::DeviationTable(1 + i % Data_Unit::FieldCount, range).UpperDeviation;
        benchmark::DoNotOptimize(sum);
    }
}

// ---- a batch of 10,000 queries ----

void BM_Batch10000_Json(benchmark::State& state)
{
    const std::vector<std::string> lines = batchLines();
    for (auto _ : state)
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(limits::answerLine(line, {}, limits::Format::Json));
}
void BM_Batch10000_Text(benchmark::State& state)
{
    const std::vector<std::string> lines = batchLines();
    for (auto _ : state)
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(limits::answerLine(line, {}, limits::Format::Text));
}
// 10,000 sizes looked up in the catalogue, one cell each.
void BM_Baseline_Catalogue10000(benchmark::State& state)
{
    std::vector<number::Decimal> sizes;
    for (const std::string& line : batchLines())
        sizes.push_back(*iso286::readNumber(line.substr(0, line.find(' '))));
    for (auto _ : state) {
        double sum = 0;
        for (std::size_t i = 0; i < sizes.size(); ++i)
            sum += Data_Unit::DeviationTable(1 + int(i % Data_Unit::FieldCount), tolerance::FindRangeIndex(sizes[i])).UpperDeviation;
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_LimitsOf_OneClass);
BENCHMARK(BM_Baseline_OneCatalogueCell);
BENCHMARK(BM_ClassesAt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_CatalogueCellsOfAllClasses)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Batch10000_Json)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch10000_Text)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_Catalogue10000)->Unit(benchmark::kMillisecond);



void printSummary(const SummaryReporter& reporter)
{
    struct Line {
        const char* title;
        const char* figure;
        const char* baseline;
        double targetNs; // 0: none
        const char* target;
    };
    const Line lines[] = {
        {"one class (limitsOf)", "BM_LimitsOf_OneClass", "BM_Baseline_OneCatalogueCell", 0, "-"},
        {"every class at a size (classesAt)", "BM_ClassesAt", "BM_Baseline_CatalogueCellsOfAllClasses", 1e6, "< 1 ms"},
        {"batch of 10,000 queries, JSON", "BM_Batch10000_Json", "BM_Baseline_Catalogue10000", 1e9, "< 1 s"},
        {"batch of 10,000 queries, text", "BM_Batch10000_Text", "BM_Baseline_Catalogue10000", 1e9, "< 1 s"},
    };
    SummaryTable table("ISO 286 figures (median)", {"figure", "dopusk", "table read", "ratio", "target"},
                       {36, 11, 11, 8});
    for (const Line& line : lines) {
        const double figure = reporter.figure(line.figure);
        const double baseline = reporter.figure(line.baseline);
        if (figure < 0 || baseline < 0)
            continue; // filtered out
        const std::string target = targetVerdict(figure, line.targetNs, line.target);
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.1fx", figure / baseline);
        table.row({line.title, timeText(figure), timeText(baseline), ratio, target});
    }
}

} // namespace

int main(int argc, char** argv)
{
    return runWithSummary(argc, argv, printSummary);
}
