// Starts the bare Qt window and the program's start-up alternately as whole
// processes and prints the median time from process start to first frame and
// the median peak resident memory of both, with their ratio and target.
//
//   bench_startup [--runs N] BARE_EXECUTABLE DOPUSK_EXECUTABLE
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printFigure(const char* name, double figure, double baseline, const char* unit, double target)
{
    const double ratio = figure / baseline;
    std::printf("%-44s %9.2f %-3s %9.2f %-3s %7.2fx   <= %.1fx  %s\n", name, figure, unit, baseline, unit, ratio, target,
                ratio <= target ? "holds" : "MISSED");
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
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: %s [--runs N] BARE_EXECUTABLE DOPUSK_EXECUTABLE\n", argv[0]);
        return 2;
    }
    const char* bare = argv[arg];
    const char* dopusk = argv[arg + 1];

    // One start of each, not counted, brings the libraries into the page cache.
    Sample warm;
    if (!runOnce(bare, warm) || !runOnce(dopusk, warm)) {
        std::fprintf(stderr, "a start-up run failed (is QT_QPA_PLATFORM or DISPLAY set?)\n");
        return 1;
    }
    std::vector<double> bareMs, bareMiB, dopuskMs, dopuskMiB;
    for (int i = 0; i < runs; ++i) {
        // Alternate which one goes first, so that drifts of the machine fall on both.
        for (int k = 0; k < 2; ++k) {
            const bool bareTurn = (i % 2 == 0) == (k == 0);
            Sample s;
            if (!runOnce(bareTurn ? bare : dopusk, s)) {
                std::fprintf(stderr, "a start-up run failed\n");
                return 1;
            }
            (bareTurn ? bareMs : dopuskMs).push_back(s.startupMs);
            (bareTurn ? bareMiB : dopuskMiB).push_back(s.peakMiB);
        }
    }
    std::printf("%-44s %13s %13s %8s   %-6s\n", "Start-up, whole processes", "dopusk", "bare Qt", "ratio", "target");
    char name[96];
    std::snprintf(name, sizeof name, "Process start to first frame (median of %d)", runs);
    printFigure(name, median(dopuskMs), median(bareMs), "ms", 1.5);
    printFigure("Peak resident memory (median)", median(dopuskMiB), median(bareMiB), "MiB", 1.3);
    return 0;
}
