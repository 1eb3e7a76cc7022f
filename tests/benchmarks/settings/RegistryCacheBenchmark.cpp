// Existence checks of keys below the software branch, against a registry of
// 20,000 vendor keys: through the cache of the branch's subkeys, against
// opening each key. Each iteration makes 10,000 checks. The cache is filled
// before the checks are timed; its one enumeration per run is timed on its
// own. Prints the time per check of both ways and their ratio.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakeRegistry.h"
#include "settings/RegistryPath.h"
#include "settings/RegistryQuery.h"

namespace {

constexpr int kVendors = 20'000;
constexpr int kChecks = 10'000;

fake::Registry& Machine() {
    static const auto registry = [] {
        auto machine = std::make_unique<fake::Registry>(true);
        for (int i = 0; i < kVendors; ++i) {
            machine->AddKey(platform::RegistryRoot::LocalMachine,
                            "Software\\Vendor" + std::to_string(i) + "\\App");
        }
        return machine;
    }();
    return *registry;
}

// Checks of listed vendors, or of vendors the machine does not have.
std::vector<std::string> Checks(bool listed) {
    std::vector<std::string> paths;
    for (int i = 0; i < kChecks; ++i) {
        const int vendor = listed ? i * 2 : kVendors + i;
        paths.push_back("hkey_local_machine\\software\\vendor" + std::to_string(vendor) + "\\app");
    }
    return paths;
}

// The way without the cache: open the key in its view.
bool OpenEachKey(platform::Registry& registry, std::string path) {
    std::uint32_t flags = platform::kKeyRead;
    if (win32::ResolveRegistryView(path, flags, true)) return false;
    const auto slash = path.find('\\');
    const auto& hive = registry.Root(win32::LookUpHive(path.substr(0, slash)));
    return hive.Open(path.substr(slash + 1), flags).Succeeded();
}

template <typename Check>
void Run(benchmark::State& state, bool listed, Check check) {
    auto& registry = Machine();
    const auto paths = Checks(listed);
    win32::RegistryCache cache(registry, true);
    win32::RegistryKeyExists(cache, paths.front());
    const int opensBefore = registry.opens;
    for (auto _ : state) {
        int found = 0;
        for (const auto& path : paths) found += check(cache, path);
        if (found != (listed ? kChecks : 0)) state.SkipWithError("wrong answers");
    }
    state.SetItemsProcessed(state.iterations() * kChecks);
    state.counters["opens/check"] = static_cast<double>(registry.opens - opensBefore) /
                                    static_cast<double>(state.iterations() * kChecks);
}

void Cached(benchmark::State& state, bool listed) {
    Run(state, listed, [](win32::RegistryCache& cache, const std::string& path) {
        return win32::RegistryKeyExists(cache, path);
    });
}

void Uncached(benchmark::State& state, bool listed) {
    Run(state, listed, [](win32::RegistryCache& cache, const std::string& path) {
        return OpenEachKey(cache.Registry(), path);
    });
}

// The first check of a run: it enumerates the branch.
void Enumeration(benchmark::State& state) {
    auto& registry = Machine();
    for (auto _ : state) {
        win32::RegistryCache cache(registry, true);
        benchmark::DoNotOptimize(
            win32::RegistryKeyExists(cache, "hkey_local_machine\\software\\vendor0\\app"));
    }
}

BENCHMARK_CAPTURE(Cached, absent_vendors, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Uncached, absent_vendors, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cached, listed_vendors, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Uncached, listed_vendors, true)->Unit(benchmark::kMillisecond);
BENCHMARK(Enumeration)->Unit(benchmark::kMillisecond);

// The console report, then the time per check of both ways side by side.
class PerCheckReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            nanoseconds_[run.benchmark_name()] =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    void PrintRatios() const {
        for (const char* kind : {"absent_vendors", "listed_vendors"}) {
            const double cached = PerCheck(std::string("Cached/") + kind);
            const double uncached = PerCheck(std::string("Uncached/") + kind);
            std::printf(
                "%s: cached %.1f ns/check, uncached (open each key) %.1f ns/check, "
                "uncached/cached %.2fx\n",
                kind, cached, uncached, uncached / cached);
        }
        const double enumeration = nanoseconds_.at("Enumeration");
        std::printf(
            "the branch's one enumeration per run: %.2f ms, the time of %.0f uncached "
            "checks of absent vendors\n",
            enumeration / 1e6, enumeration / PerCheck("Uncached/absent_vendors"));
    }

private:
    double PerCheck(const std::string& name) const { return nanoseconds_.at(name) / kChecks; }

    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    PerCheckReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
