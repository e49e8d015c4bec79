// Starts the program and its floor alternately as whole processes and prints the
// median time from process start to the first painted frame and the median peak
// resident memory of both, with their ratio and target. The floor is the least a
// program with the program's look can do: a bare Qt window of the main window's size
// with one label in each of the eight fonts the main window's first page is drawn in.
// The same window with one Russian label (what any program that draws text must pay
// for its fonts) and the empty bare window are started in the same rounds and set
// beside for reference only.
//
//   bench_startup [--runs N] [--platform NAME] [--no-targets] FLOOR DOPUSK [ONE_LABEL [EMPTY]]
//
// --platform names the display in the summary ("under Xvfb"); --no-targets prints the
// ratios without targets (offscreen, for reference).
//
// The number of processors and the load average before and after the rounds are
// printed too, so that a reader can judge how quiet the machine was.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Median.h"
#include "SummaryTable.h"

namespace {

struct Sample {
    double startupMs = 0;
    double peakMiB = 0;
};

long long steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool runOnce(const char* executable, Sample& sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long started = steadyNs();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(executable, executable, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const auto at = text.find("first-frame ");
    if (at == std::string::npos)
        return false;
    const long long frame = std::atoll(text.c_str() + at + std::strlen("first-frame "));
    sample.startupMs = double(frame - started) / 1e6;
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

std::string text(const char* format, double value)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// One figure against its baseline, with its target (0: none).
void printFigure(SummaryTable& table, const std::string& name, double figure, double baseline, const char* unit,
                 double target)
{
    const double ratio = figure / baseline;
    std::string verdict = "-";
    if (target > 0)
        verdict = text("<= %gx, ", target) + (ratio <= target ? "holds" : "MISSED");
    table.row({name, text("%.2f ", figure) + unit, text("%.2f ", baseline) + unit, text("%.2fx", ratio), verdict});
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string line;
    std::getline(file, line);
    return line.empty() ? "unknown" : line;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    std::string platform = "offscreen";
    bool targets = true;
    int arg = 1;
    for (; arg < argc && std::strncmp(argv[arg], "--", 2) == 0; ++arg) {
        if (std::strcmp(argv[arg], "--runs") == 0 && arg + 1 < argc)
            runs = std::max(1, std::atoi(argv[++arg]));
        else if (std::strcmp(argv[arg], "--platform") == 0 && arg + 1 < argc)
            platform = argv[++arg];
        else if (std::strcmp(argv[arg], "--no-targets") == 0)
            targets = false;
        else
            break;
    }
    if (argc - arg < 2 || argc - arg > 4) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--platform NAME] [--no-targets] FLOOR DOPUSK [ONE_LABEL [EMPTY]]\n",
                     argv[0]);
        return 2;
    }
    // 0: the floor, 1: the program, 2: the one-label window, 3: the empty window.
    std::vector<const char*> programs(argv + arg, argv + argc);
    std::vector<std::vector<double>> ms(programs.size()), mib(programs.size());

    std::printf("Processors online: %ld\n", sysconf(_SC_NPROCESSORS_ONLN));
    const std::string loadBefore = loadAverage();
    std::printf("Load average before the rounds: %s\n", loadBefore.c_str());
    // One start of each, not counted, brings the libraries into the page cache.
    for (const char* program : programs) {
        Sample warm;
        if (!runOnce(program, warm)) {
            std::fprintf(stderr, "%s failed to show its first frame (is QT_QPA_PLATFORM or DISPLAY set?)\n", program);
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        // Alternate the order, so that drifts of the machine fall on all alike.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = i % 2 ? programs.size() - 1 - k : k;
            Sample s;
            if (!runOnce(programs[p], s)) {
                std::fprintf(stderr, "%s failed\n", programs[p]);
                return 1;
            }
            ms[p].push_back(s.startupMs);
            mib[p].push_back(s.peakMiB);
        }
    }
    const std::string loadAfter = loadAverage();
    std::printf("Load average after the rounds:  %s\n", loadAfter.c_str());

    SummaryTable table("Start-up, whole processes, " + platform + " (median of " + std::to_string(runs) +
                           " starts; load average " + loadBefore.substr(0, loadBefore.find(' ')) + " before, " +
                           loadAfter.substr(0, loadAfter.find(' ')) + " after)",
                       {"figure", "dopusk", "baseline", "ratio", "target"}, {56, 10, 10, 7});
    const double timeTarget = targets ? 1.2 : 0;
    const double memoryTarget = targets ? 1.2 : 0;
    printFigure(table, "process start to first painted frame vs the floor", median(ms[1]), median(ms[0]), "ms", timeTarget);
    printFigure(table, "peak resident memory vs the floor", median(mib[1]), median(mib[0]), "MiB", memoryTarget);
    if (programs.size() >= 3) {
        printFigure(table, "for reference: dopusk's first frame vs the one-label window", median(ms[1]),
                    median(ms[2]), "ms", 0);
        printFigure(table, "for reference: dopusk's memory vs the one-label window", median(mib[1]),
                    median(mib[2]), "MiB", 0);
        printFigure(table, "for reference: the floor's first frame vs the one-label window", median(ms[0]),
                    median(ms[2]), "ms", 0);
        printFigure(table, "for reference: the floor's memory vs the one-label window", median(mib[0]),
                    median(mib[2]), "MiB", 0);
    }
    if (programs.size() == 4) {
        printFigure(table, "for reference: the one-label window vs the empty window", median(ms[2]), median(ms[3]),
                    "ms", 0);
        printFigure(table, "for reference: the one-label window's memory vs the empty window", median(mib[2]),
                    median(mib[3]), "MiB", 0);
    }
    return 0;
}
