// Starts two programs in turns, N times each, and prints how long each took
// from CreateProcess until it showed a window, then the minimum, median and
// maximum of each and their ratios. A benchmark, not a test: nothing here
// passes or fails.
//
//     tessaly_startup_timer.exe N PROGRAM.exe YARDSTICK.exe
#include "tools/driver/window_driver.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the program shows a window (or -1 when it shows none in
// 60 s); the program is ended afterwards.
double TimeToWindow(const char* path) {
    const double start = Now();
    tessaly::driver::Program program(path);
    if (!program.started()) {
        return -1;
    }
    double shown = -1;
    while (Now() - start < 60000 && WaitForSingleObject(program.handle(), 0) == WAIT_TIMEOUT) {
        if (!program.windows()().empty()) {
            shown = Now() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(program.handle(), 0);
    WaitForSingleObject(program.handle(), 10000);
    return shown;
}

struct Summary {
    double min, median, max;
};

Summary Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    return {times.front(), median, times.back()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s N PROGRAM.exe YARDSTICK.exe\n", argv[0]);
        return 2;
    }
    // Tessaly shows a warning first when it finds no install folder: give it one.
    constexpr wchar_t kInstallKey[] = L"SOFTWARE\\TENCENT\\QQ";
    constexpr wchar_t kFolder[] = L"C:\\QQ";
    const bool hadFolder = RegGetValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", RRF_RT_ANY,
                                        nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    if (!hadFolder) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", REG_SZ, kFolder,
                        sizeof kFolder);
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<double> times[2];
    // ABBA order, so neither always goes first.
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;
            times[which].push_back(TimeToWindow(argv[1 + 1 + which]));
            std::printf("round %2d %-9s %8.1f ms\n", round + 1,
                        which == 0 ? "program" : "yardstick", times[which].back());
            std::fflush(stdout);
        }
    }
    if (!hadFolder) {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install");
    }
    Summary summary[2];
    for (int which = 0; which < 2; ++which) {
        summary[which] = Summarise(times[which]);
        std::printf("%-9s min %8.1f  median %8.1f  max %8.1f ms  (%s)\n",
                    which == 0 ? "program" : "yardstick", summary[which].min, summary[which].median,
                    summary[which].max, argv[2 + which]);
    }
    std::printf("ratio program/yardstick: min %.2f  median %.2f\n", summary[0].min / summary[1].min,
                summary[0].median / summary[1].median);
    return 0;
}
