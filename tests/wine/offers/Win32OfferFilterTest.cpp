#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "offers/OfferFilter.h"
#include "offers/Package.h"
#include "platform/System.h"
#include "platform/win32/Win32MachineProbe.h"
#include "platform/win32/Win32Md5.h"
#include "platform/win32/Win32OsVersion.h"
#include "settings/ConfigurationManager.h"

// The filter on the machine it runs on: the checks read the real registry,
// App Paths, processes, memory, disk and processor clock.
namespace {

using nlohmann::json;

json Offer(const std::string& name, const json& ps) {
    json offer = {{"ad", {{"o", name}, {"f", "f"}}},
                  {"ps", {{"i", "i.png"}, {"dn", name}, {"u", "https://127.0.0.1/" + name}}}};
    offer["ps"].update(ps);
    return offer;
}

TEST(Win32OfferFilter, ChecksTheRealMachine) {
    platform::win32::OsVersion os;
    platform::win32::Md5 md5;
    platform::win32::MachineProbe probe;
    auto& system = platform::CurrentSystem();
    ConfigurationManager settings("ISV", system);
    settings.installerVersion = "3.1.0.11073";
    const OfferEnvironment environment{settings, os.TrueVersion(), system.clock};
    std::vector<std::string> reports;
    std::vector<std::string> selectedNames;
    {
        std::vector<std::shared_ptr<Package>> selected;
        OfferFilter filter(9, {settings, system, os, md5, probe},
                           [&](Package& offer, const std::string& reason) {
                               reports.push_back(offer.offerName + ": " + reason);
                           });
        // Wine registers itself under HKLM\Software\Wine, runs explorer.exe
        // for its desktop and lists iexplore.exe under App Paths.
        const std::vector<json> offers = {
            Offer("Plain", {{"v", 1}}),
            Offer("Modest", {{"v", 2}, {"ram", 1}, {"disk", 1}, {"cpu", 1}}),
            Offer("KeyHolder", {{"v", 3}, {"r", {"HKEY_LOCAL_MACHINE\\Software\\Wine"}}}),
            Offer("Running", {{"v", 4}, {"a", {"explorer"}}}),
            Offer("Registered", {{"v", 5}, {"eapp", {"iexplore.exe"}}}),
            Offer("Unregistered", {{"v", 6}, {"eapp", {"no-such-app.exe"}}}),
            Offer("Greedy", {{"v", 7}, {"ram", 1e9}}),
        };
        for (const auto& element : offers) {
            auto offer = std::make_shared<Package>(EventContext{}, element, "",
                                                   static_cast<int>(selected.size()), environment);
            bool stop = false;
            if (filter.Evaluate(offer, stop, selected)) selected.push_back(offer);
            ASSERT_FALSE(stop);
        }
        for (const auto& offer : selected) selectedNames.push_back(offer->offerName);
    }
    EXPECT_EQ(selectedNames, (std::vector<std::string>{"Plain", "Modest", "Unregistered"}));
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "KeyHolder: REGISTRY KEY EXISTS", "Running: APPLICATION RUNNING",
                           "Registered: REGISTRY EXCLUDE APP FOUND", "Greedy: NOT ENOUGH RAM"}));
}

}  // namespace
