// Start-up time of the wizard beside a minimal dialog program started the
// same way: from CreateProcess to a visible top-level dialog of the
// process. Run by hand under Wine (tests/wine/wine-run.sh); prints figures.
// Usage: startup_benchmark.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "tests/benchmarks/startup/Median.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds until program shows its dialog; the process is ended after.
double TimeToFirstWindow(const std::wstring& program) {
    const auto start = Clock::now();
    auto process = uidriver::Process::Launch(program);
    uidriver::WaitForTopLevelWindow(process.Id(), "#32770", test_support::kTimeoutMs);
    const auto shown = Clock::now();
    process.Terminate();
    return std::chrono::duration<double, std::milli>(shown - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const auto wizard = test_support::BesideTestProgram(L"quillet.exe");
    const auto baseline = test_support::BesideTestProgram(L"minimal_dialog.exe");
    std::vector<double> wizardTimes, baselineTimes;
    TimeToFirstWindow(wizard);  // warms the file cache and the Wine server
    for (int run = 0; run < runs; ++run) {
        // Side by side, alternating, so drifts of the machine hit both.
        baselineTimes.push_back(TimeToFirstWindow(baseline));
        wizardTimes.push_back(TimeToFirstWindow(wizard));
    }
    const double wizardMs = Median(wizardTimes), baselineMs = Median(baselineTimes);
    std::printf(
        "first window, median of %d runs: wizard %.1f ms, minimal dialog %.1f ms, "
        "ratio %.2f\n",
        runs, wizardMs, baselineMs, wizardMs / baselineMs);
    return 0;
}
