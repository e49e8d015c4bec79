// Starts the program and its floor, a bare Qt window of the main window's size with
// one Russian label (what any program that draws text must pay for its fonts),
// alternately as whole processes and prints the median time from process start to
// the first painted frame and the median peak resident memory of both, with their
// ratio and target. The empty bare window is started in the same rounds and set
// beside for reference only: against the program, and against the floor (what
// loading the fonts costs).
//
//   bench_startup [--runs N] FLOOR_EXECUTABLE DOPUSK_EXECUTABLE [EMPTY_EXECUTABLE [FONTS_EXECUTABLE]]
//
// FONTS_EXECUTABLE is the floor's window with one label in each of the fonts the
// main window's first page is drawn in: what those fonts alone cost beside the floor.
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

void printFigure(const char* name, double figure, double baseline, const char* unit, double target)
{
    const double ratio = figure / baseline;
    std::printf("%-52s %9.2f %-3s %9.2f %-3s %7.2fx   ", name, figure, unit, baseline, unit, ratio);
    if (target > 0)
        std::printf("<= %gx  %s\n", target, ratio <= target ? "holds" : "MISSED");
    else
        std::printf("-\n");
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
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--runs") == 0) {
        runs = std::max(1, std::atoi(argv[arg + 1]));
        arg += 2;
    }
    if (argc - arg < 2 || argc - arg > 4) {
        std::fprintf(stderr, "usage: %s [--runs N] FLOOR_EXECUTABLE DOPUSK_EXECUTABLE [EMPTY_EXECUTABLE [FONTS_EXECUTABLE]]\n",
                     argv[0]);
        return 2;
    }
    // 0: the floor, 1: the program, 2: the empty window, 3: the floor in the program's fonts.
    std::vector<const char*> programs(argv + arg, argv + argc);
    std::vector<std::vector<double>> ms(programs.size()), mib(programs.size());

    std::printf("Processors online: %ld\n", sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("Load average before the rounds: %s\n", loadAverage().c_str());
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
    std::printf("Load average after the rounds:  %s\n\n", loadAverage().c_str());

    std::printf("%-52s %13s %13s %8s   %s\n", "Start-up, whole processes", "dopusk", "floor", "ratio", "target");
    char name[96];
    std::snprintf(name, sizeof name, "Process start to first painted frame (median of %d)", runs);
    printFigure(name, median(ms[1]), median(ms[0]), "ms", 1.2);
    printFigure("Peak resident memory (median)", median(mib[1]), median(mib[0]), "MiB", 1.12);
    if (programs.size() >= 3) {
        std::printf("For reference, beside the empty bare window:\n");
        printFigure("  dopusk: first frame vs empty window", median(ms[1]), median(ms[2]), "ms", 0);
        printFigure("  dopusk: peak memory vs empty window", median(mib[1]), median(mib[2]), "MiB", 0);
        printFigure("  floor: first frame vs empty window (fonts)", median(ms[0]), median(ms[2]), "ms", 0);
        printFigure("  floor: peak memory vs empty window (fonts)", median(mib[0]), median(mib[2]), "MiB", 0);
    }
    if (programs.size() == 4) {
        std::printf("For reference, the floor's window in the main window's eight fonts:\n");
        printFigure("  eight fonts: first frame vs floor", median(ms[3]), median(ms[0]), "ms", 0);
        printFigure("  eight fonts: peak memory vs floor", median(mib[3]), median(mib[0]), "MiB", 0);
        printFigure("  dopusk: first frame vs eight fonts", median(ms[1]), median(ms[3]), "ms", 0);
        printFigure("  dopusk: peak memory vs eight fonts", median(mib[1]), median(mib[3]), "MiB", 0);
    }
    return 0;
}
