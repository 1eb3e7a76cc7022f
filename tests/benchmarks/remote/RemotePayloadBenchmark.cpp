// Building and serialising what the wizard sends, per call, against the bare
// serialisation (nlohmann::json::dump) of the same finished object: the
// configuration request's body, and an event's request body from the
// package's payload base (copy, event code, wrapping as "data"). Each
// iteration times kCalls of both side by side; the counters give the time
// per call of each and their ratio (built / bare).

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "offers/EventPayload.h"
#include "platform/fake/FakeSystem.h"
#include "remote/ConfigurationRequest.h"
#include "remote/EventRequest.h"
#include "settings/ConfigurationManager.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kCalls = 1000;

// Times kCalls of built() and of bare() in turn; the built part is the
// benchmark's own time.
template <typename Built, typename Bare>
void SideBySide(benchmark::State& state, Built built, Bare bare) {
    Clock::duration builtTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int call = 0; call < kCalls; ++call) benchmark::DoNotOptimize(built());
        const auto middle = Clock::now();
        for (int call = 0; call < kCalls; ++call) benchmark::DoNotOptimize(bare());
        const auto end = Clock::now();
        builtTime += middle - start;
        bareTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    const double calls = static_cast<double>(state.iterations()) * kCalls;
    const double builtNs = std::chrono::duration<double, std::nano>(builtTime).count() / calls;
    const double bareNs = std::chrono::duration<double, std::nano>(bareTime).count() / calls;
    state.counters["built_ns"] = builtNs;
    state.counters["bare_dump_ns"] = bareNs;
    state.counters["built/bare"] = builtNs / bareNs;
}

void ConfigurationRequestBody(benchmark::State& state) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    settings.localeName = "es-ES";
    const nlohmann::json finished = BuildConfigurationRequest(settings, "ab1-cd2", "10.0.19045");
    SideBySide(
        state, [&] { return BuildConfigurationRequest(settings, "ab1-cd2", "10.0.19045").dump(); },
        [&] { return finished.dump(); });
}

// The base a package holds: the event context's keys with a main product.
nlohmann::json PayloadBase() {
    nlohmann::json body;
    for (int key = 0; key <= 22; ++key) body[std::to_string(key)] = "";
    body["1"] = "0f5ef3a4-2b8c-4c11-9d3e-7a6b5c4d3e2f";
    body["2"] = "20250301142507";
    body["3"] = "Norvik";
    body["4"] = "PellarClassic";
    body["7"] = "3.1.0.11073";
    body["15"] = 0;
    body["22"] = "Pellar Cl\xC3\xA1sico";
    body["31"] = "10.0.19045";
    body["38"] = "1";
    return MainProductPayload(body);
}

void EventRequest(benchmark::State& state) {
    const nlohmann::json base = PayloadBase();
    nlohmann::json finished = base;
    finished["6"] = "1";
    SideBySide(
        state,
        [&] {
            nlohmann::json payload = base;
            payload["6"] = std::to_string(1);
            return EventRequestBody(payload);
        },
        [&] { return finished.dump(); });
}

BENCHMARK(ConfigurationRequestBody)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(EventRequest)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
