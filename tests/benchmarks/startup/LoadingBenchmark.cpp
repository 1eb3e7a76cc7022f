// What the loading page waits for after the first Next, split into its
// three parts: the configuration request, the offer filter, and the offers'
// images. Run by hand beside the reference service answering at once
// (tests/wine/wine-service-run.sh with the demo scenario); prints figures.
// Usage: loading_benchmark.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "download/DownloadManager.h"
#include "platform/System.h"
#include "platform/win32/Win32MachineProbe.h"
#include "platform/win32/Win32Md5.h"
#include "platform/win32/Win32OsVersion.h"
#include "remote/ApiManager.h"
#include "remote/ConfigurationResponse.h"
#include "remote/OfferLoader.h"
#include "settings/ConfigurationManager.h"
#include "tests/benchmarks/startup/Median.h"
#include "win/GdiplusSession.h"
#include "win/Image.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const win::GdiplusSession gdiplus;
    platform::win32::OsVersion os;
    platform::win32::Md5 md5;
    platform::win32::MachineProbe probe;
    auto& system = platform::CurrentSystem();
    const auto settings = ConfigurationManager::Instance();
    const auto api = ApiManager::Instance();
    const auto downloads = download::DownloadManager::Instance();
    std::vector<double> configuration, filter, images;
    std::size_t offerCount = 0;
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        const nlohmann::json answer = api->RequestConfiguration();
        if (ApplyConfiguration(answer, *settings) != ConfigurationOutcome::WithOffers) {
            std::fprintf(stderr, "the configuration has no offers\n");
            return 1;
        }
        configuration.push_back(MillisecondsSince(start));

        start = Clock::now();
        const OfferEnvironment environment{*settings, os.TrueVersion(), system.clock};
        const auto offers = SelectOffers(answer.at("o"), *api, *settings, environment,
                                         {*settings, system, os, md5, probe});
        filter.push_back(MillisecondsSince(start));
        offerCount = offers.size();

        // One after another here; the page fetches them side by side.
        start = Clock::now();
        for (const auto& offer : offers) {
            offer->image =
                DecodeImage(downloads->GetToMemory(settings->fileEndpointUrl + offer->imageName));
        }
        images.push_back(MillisecondsSince(start));
    }
    std::printf(
        "first Next to offers, median of %d runs (%zu offers shown): configuration "
        "%.1f ms, filter %.1f ms, images %.1f ms\n",
        runs, offerCount, Median(configuration), Median(filter), Median(images));
    return 0;
}
