// The thread tolerances in process, each beside a plain read of the compiled-in
// thread tables: one class, every class of every thread of the plan, and a batch
// of 10,000 designations as typed. The summary prints every figure with its
// baseline, the ratio and whether its target holds.
#include <benchmark/benchmark.h>

#include "SummaryReporter.h"

#include <cstdio>
#include <string>
#include <vector>

#include "BaseTables.h"
#include "Designation.h"
#include "NumberText.h"
#include "ThreadLimits.h"

namespace {

using namespace iso965;

constexpr int BatchSize = 10000;

// Designations of a batch: nuts, bolts and fits over the plan, coarse and fine,
// typed with Latin and Cyrillic letters, a few not defined or not in the plan.
std::vector<std::string> batchLines()
{
    const char* threads[] = {"M1", "M1,6", "M2x0,25", "M3", "M4x0.5", "M5", "M6", "М8х1", "M10", "M10x1,25",
                             "M12x1,5", "M16", "M20x2,5", "M24×2", "M30", "M36x3", "M42", "M48x2", "M56", "M64x4",
                             "M72x6", "M100x3", "M140x6", "M200x4", "M300x8"};
    const char* classes[] = {"-6H", "-6g", "-6H/6g", "-5g6g", "-4H5H", "-7G/8e", "-4h6h", "-6Н", "-8g", "-7H/7g6g",
                             "-6e", "-3h4h", "-5H", "-9g8g", "-6G/6h", "-8H"};
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < BatchSize; ++i)
        lines.push_back(std::string(threads[i % std::size(threads)]) + classes[(i / 3) % std::size(classes)]);
    return lines;
}

PlanThread thread(const char* d, const char* pitch)
{
    return *findThread(*number::parseNumberText(d), *number::parseNumberText(pitch)).thread;
}

// ---- one class ----

void BM_NutLimits_OneClass(benchmark::State& state)
{
    const PlanThread t = thread("10", "1,5");
    const ThreadClass c = *readThreadClass("6H");
    for (auto _ : state)
        benchmark::DoNotOptimize(nutLimits(t, c));
}
void BM_BoltLimits_OneClass(benchmark::State& state)
{
    const PlanThread t = thread("10", "1,5");
    const ThreadClass c = *readThreadClass("6g");
    for (auto _ : state)
        benchmark::DoNotOptimize(boltLimits(t, c));
}
// The cells one class reads: a deviation and two tolerances.
void BM_Baseline_OneClassCells(benchmark::State& state)
{
    int row = 0;
    while (tables::threadRows[row].dUm != 10000)
        ++row;
    for (auto _ : state) {
        benchmark::DoNotOptimize(row);
        const tables::ThreadRow& t = tables::threadRows[row];
        benchmark::DoNotOptimize(tables::pitchRows[t.pitchRow].deviation[1] + tables::rangeRows[t.rangeRow].nutPitch[2] +
                                 tables::pitchRows[t.pitchRow].nutMinor[2]);
    }
}

// ---- every class of every thread of the plan ----

void BM_EveryThreadAndClass(benchmark::State& state)
{
    const auto& nuts = everyClass(ThreadKind::Internal);
    const auto& bolts = everyClass(ThreadKind::External);
    std::int64_t answers = 0;
    for (auto _ : state) {
        for (const PlanThread& t : planThreads()) {
            for (const ThreadClass& c : nuts)
                benchmark::DoNotOptimize(nutLimits(t, c));
            for (const ThreadClass& c : bolts)
                benchmark::DoNotOptimize(boltLimits(t, c));
        }
        answers += std::int64_t(planThreads().size() * (nuts.size() + bolts.size()));
    }
    state.counters["answers"] = double(planThreads().size() * (nuts.size() + bolts.size()));
    state.SetItemsProcessed(answers);
}
// The classes defined for each thread, as a list is filled.
void BM_ClassesOfEveryThread(benchmark::State& state)
{
    for (auto _ : state)
        for (const PlanThread& t : planThreads()) {
            benchmark::DoNotOptimize(classesFor(t, ThreadKind::Internal));
            benchmark::DoNotOptimize(classesFor(t, ThreadKind::External));
        }
}
// As many triples of cells as there are answers, read from the compiled-in rows.
void BM_Baseline_CellsOfEveryThreadAndClass(benchmark::State& state)
{
    const int classes = int(everyClass(ThreadKind::Internal).size() + everyClass(ThreadKind::External).size());
    for (auto _ : state) {
        long sum = 0;
        for (int r = 0; r < tables::threadRowCount; ++r) {
            benchmark::DoNotOptimize(r);
            const tables::ThreadRow& t = tables::threadRows[r];
            for (int c = 0; c < classes; ++c)
                sum += tables::pitchRows[t.pitchRow].deviation[c % PositionCount] +
                       tables::rangeRows[t.rangeRow].boltPitch[c % tables::BoltPitchGradeCount] +
                       tables::pitchRows[t.pitchRow].boltMajor[c % tables::BoltMajorGradeCount];
        }
        benchmark::DoNotOptimize(sum);
    }
}

// ---- a batch of 10,000 designations ----

void BM_Batch10000(benchmark::State& state)
{
    const std::vector<std::string> lines = batchLines();
    for (auto _ : state)
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(answer(line));
}
// 10,000 threads' rows and three cells each.
void BM_Baseline_Cells10000(benchmark::State& state)
{
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < BatchSize; ++i) {
            const int r = (i * 37) % tables::threadRowCount;
            benchmark::DoNotOptimize(r);
            const tables::ThreadRow& t = tables::threadRows[r];
            sum += tables::pitchRows[t.pitchRow].deviation[4] + tables::rangeRows[t.rangeRow].boltPitch[3] +
                   tables::pitchRows[t.pitchRow].boltMajor[1];
        }
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_NutLimits_OneClass);
BENCHMARK(BM_BoltLimits_OneClass);
BENCHMARK(BM_Baseline_OneClassCells);
BENCHMARK(BM_EveryThreadAndClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassesOfEveryThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_CellsOfEveryThreadAndClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_Cells10000)->Unit(benchmark::kMillisecond);

void printSummary(const SummaryReporter& reporter)
{
    const double answers = double(planThreads().size() *
                                  (everyClass(ThreadKind::Internal).size() + everyClass(ThreadKind::External).size()));
    struct Line {
        const char* title;
        const char* figure;
        const char* baseline;
        double per;      // the figure is for this many answers; the line shows one
        double targetNs; // 0: none
        const char* target;
    };
    const Line lines[] = {
        {"one nut class (nutLimits)", "BM_NutLimits_OneClass", "BM_Baseline_OneClassCells", 1, 1e6, "< 1 ms"},
        {"one bolt class (boltLimits)", "BM_BoltLimits_OneClass", "BM_Baseline_OneClassCells", 1, 1e6, "< 1 ms"},
        {"each thread and class, of all", "BM_EveryThreadAndClass", "BM_Baseline_CellsOfEveryThreadAndClass", answers,
         1e6, "< 1 ms"},
        {"every thread and class", "BM_EveryThreadAndClass", "BM_Baseline_CellsOfEveryThreadAndClass", 1, 0, "-"},
        {"classes defined, every thread", "BM_ClassesOfEveryThread", "BM_Baseline_CellsOfEveryThreadAndClass", 1, 0, "-"},
        {"batch of 10,000 designations", "BM_Batch10000", "BM_Baseline_Cells10000", 1, 1e9, "< 1 s"},
    };
    std::printf("\n%-36s %11s %11s %9s   %s\n", "ISO 965 figures", "dopusk", "table read", "ratio", "target");
    for (const Line& line : lines) {
        const double figure = reporter.figure(line.figure) / line.per;
        const double baseline = reporter.figure(line.baseline) / line.per;
        if (figure < 0 || baseline < 0)
            continue; // filtered out
        const std::string target = targetVerdict(figure, line.targetNs, line.target);
        std::printf("%-36s %11s %11s %8.1fx   %s\n", line.title, timeText(figure).c_str(), timeText(baseline).c_str(),
                    figure / baseline, target.c_str());
    }
    std::printf("(%.0f answers: %zu threads, %zu nut and %zu bolt classes)\n", answers, planThreads().size(),
                everyClass(ThreadKind::Internal).size(), everyClass(ThreadKind::External).size());
}

} // namespace

int main(int argc, char** argv)
{
    return runWithSummary(argc, argv, printSummary);
}
