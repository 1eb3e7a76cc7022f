#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "offers/Base62.h"
#include "offers/OfferFilter.h"
#include "offers/Package.h"
#include "platform/fake/FakeMachineProbe.h"
#include "platform/fake/FakeMd5.h"
#include "tests/native/remote/RemoteRig.h"

namespace {

using nlohmann::json;
using platform::RegistryRoot;
using Offers = std::vector<std::shared_ptr<Package>>;

constexpr auto kMachine = RegistryRoot::LocalMachine;
// Md5Hex of anything under the fake digest.
const std::string kZeroMd5(32, '0');

json Offer(const std::string& name, const json& ps = json::object()) {
    json offer = {{"ad", {{"o", name}, {"f", "f"}}},
                  {"ps", {{"i", "i.png"}, {"dn", name}, {"u", "https://dl.test/" + name}}}};
    offer["ps"].update(ps);
    return offer;
}

// A run of the filter on a fake 64-bit Windows 10 machine, recording the
// reported rejections as "name: reason".
struct FilterRig {
    test::RemoteRig remote;
    fake::Md5 md5;
    fake::MachineProbe probe;
    std::vector<std::string> reports;
    Offers selected;
    bool stop = false;

    std::shared_ptr<Package> Build(const json& offer) {
        const OfferEnvironment environment{*remote.settings, platform::WindowsVersion{10, 0, 0},
                                           remote.system.clock};
        return std::make_shared<Package>(remote.api->CreateEventContext(), offer, "",
                                         static_cast<int>(selected.size()), environment);
    }

    OfferFilter MakeFilter(int maxOffers) {
        remote.settings->installerVersion = "3.1.0.11073";
        return OfferFilter(maxOffers,
                           {*remote.settings, remote.system.services, remote.os, md5, probe},
                           [this](Package& offer, const std::string& reason) {
                               reports.push_back(offer.offerName + ": " + reason);
                           });
    }

    // Evaluates the offers in order as the loading task does; the names of
    // those selected.
    std::vector<std::string> Run(OfferFilter& filter, const std::vector<json>& offers) {
        std::vector<std::string> names;
        for (const auto& offerJson : offers) {
            const auto offer = Build(offerJson);
            if (filter.Evaluate(offer, stop, selected)) {
                selected.push_back(offer);
                names.push_back(offer->offerName);
            }
            if (stop) break;
        }
        return names;
    }
};

using Names = std::vector<std::string>;

TEST(OfferFilter, StopsAtTheOfferLimitWithoutReporting) {
    FilterRig rig;
    auto filter = rig.MakeFilter(2);
    EXPECT_EQ(
        rig.Run(filter, {Offer("A", {{"v", 1}}), Offer("B", {{"v", 2}}), Offer("C", {{"v", 3}})}),
        (Names{"A", "B"}));
    EXPECT_TRUE(rig.stop);
    EXPECT_TRUE(rig.reports.empty());
}

TEST(OfferFilter, SelectionRules) {
    const struct {
        std::vector<json> offers;
        Names selected;
        std::vector<std::string> reports;
    } cases[] = {
        {{Offer("A"), Offer("B")}, {"A"}, {"B: SAME VERTICAL OFFER ALREADY PRESENT"}},
        {{Offer("A", {{"v", -1}}), Offer("B", {{"v", -1}})},
         {"A"},
         {"B: MULTIPLE OFFERS W/O VERTICAL"}},
        {{Offer("A", {{"v", 1}}), Offer("B", {{"v", 2}, {"exc", true}})},
         {"A"},
         {"B: EXCLUSIVE, BUT ANOTHER OFFER ALREADY PRESENT"}},
        {{Offer("A", {{"v", 1}, {"exc", true}}), Offer("B", {{"v", 2}})}, {"A", "B"}, {}},
        // "mb" counts only with "pn".
        {{Offer("A", {{"v", 1}}), Offer("B", {{"v", 2}, {"pn", true}, {"cfs", {{"mb", 0}}}})},
         {"A"},
         {"B: SHOWED 1 PRODUCTS BUT ONLY 0 ALLOWED BEFORE"}},
        {{Offer("A", {{"v", 1}}), Offer("B", {{"v", 2}, {"cfs", {{"mb", 0}}}})}, {"A", "B"}, {}},
        {{Offer("A", {{"v", 1}}), Offer("abc", {{"v", 2}}),
          Offer("C", {{"v", 3}, {"pn", true}, {"cfs", {{"ab", {"qMin"}}}}})},
         {"A", "abc"},
         {"C: NOT ALLOWED AFTER A"}},
        {{Offer("A", {{"v", 1}, {"pn", true}, {"cfs", {{"ma", 1}}}}), Offer("B", {{"v", 2}}),
          Offer("C", {{"v", 3}})},
         {"A", "B"},
         {"C: ONLY 1 PRODUCTS ALLOWED TO BE SHOWN AFTER A"}},
        {{Offer("A", {{"v", 1}, {"pn", true}, {"cfs", {{"aa", {"qMin"}}}}}),
          Offer("xyz", {{"v", 2}}), Offer("abc", {{"v", 3}})},
         {"A", "abc"},
         {"xyz: NOT ALLOWED AFTER A"}},
    };
    for (const auto& [offers, selected, reports] : cases) {
        FilterRig rig;
        auto filter = rig.MakeFilter(5);
        EXPECT_EQ(rig.Run(filter, offers), selected) << offers.back();
        EXPECT_EQ(rig.reports, reports) << offers.back();
    }
}

TEST(OfferFilter, SkipIfAnyDeclinedOfferOpensASlotAndLiftsTheAfterRules) {
    FilterRig rig;
    auto filter = rig.MakeFilter(2);
    const json sied = {{"v", 2}, {"pn", true}, {"cfs", {{"sied", true}}}};
    const json onlyOneAfter = {{"v", 1}, {"pn", true}, {"cfs", {{"ma", 1}, {"aa", {"qMin"}}}}};
    EXPECT_EQ(rig.Run(filter, {Offer("A", onlyOneAfter), Offer("abc", sied), Offer("C", {{"v", 3}}),
                               Offer("D", {{"v", 4}})}),
              (Names{"A", "abc", "C"}));
    EXPECT_EQ(rig.remote.settings->extraOfferSlots, 1);
    EXPECT_TRUE(rig.stop);
}

TEST(OfferFilter, RejectionsAfterTheLimitAreNotReported) {
    FilterRig rig;
    rig.remote.settings->extraOfferSlots = 1;
    auto filter = rig.MakeFilter(1);
    EXPECT_EQ(rig.Run(filter, {Offer("A"), Offer("B")}), Names{"A"});
    EXPECT_TRUE(rig.reports.empty());
}

TEST(OfferFilter, DefaultReportSendsEventTwo) {
    FilterRig rig;
    rig.remote.http.replies = {test::Reply(200)};
    auto filter = OfferFilter(
        3, {*rig.remote.settings, rig.remote.system.services, rig.remote.os, rig.md5, rig.probe});
    const auto offer = rig.Build(Offer("A", {{"ov", 64}}));
    EXPECT_FALSE(filter.Evaluate(offer, rig.stop, rig.selected));
    offer->WaitForEvents();
    const auto payloads = rig.remote.ReceivedPayloads();
    ASSERT_EQ(payloads.size(), 1u);
    EXPECT_EQ(payloads[0].at("6"), "2");
    EXPECT_EQ(payloads[0].at("13"), "UNSUPPORTED OS VERSION");
}

// One offer on a prepared machine: its reason, or "" when it passes.
struct MachineCase {
    const char* what;
    json ps;
    std::function<void(FilterRig&)> prepare;
    const char* reason;
};

void Nothing(FilterRig&) {}

std::function<void(FilterRig&)> Key(const char* path) {
    return [path](FilterRig& rig) { rig.remote.system.registry.AddKey(kMachine, path); };
}

std::function<void(FilterRig&)> Value(const char* path, const char* name,
                                      platform::RegistryValue value) {
    return
        [=](FilterRig& rig) { rig.remote.system.registry.SetValue(kMachine, path, name, value); };
}

std::function<void(FilterRig&)> File(const char* path) {
    return [path](FilterRig& rig) { rig.remote.system.files.files.insert(path); };
}

std::function<void(FilterRig&)> Running(std::vector<std::string> processes) {
    return [processes](FilterRig& rig) { rig.probe.processes = processes; };
}

// lumo.exe registered under App Paths in the 64-bit view, with its program
// file present or not.
std::function<void(FilterRig&)> RegisteredApp(bool fileExists) {
    return [fileExists](FilterRig& rig) {
        Value("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumo.exe", "",
              {platform::kRegSz, "C:\\Lumo\\lumo.exe", 0})(rig);
        if (fileExists) File("C:\\Lumo\\lumo.exe")(rig);
    };
}

// Seconds since 1970 of the fake clock.
std::int64_t Now(FilterRig& rig) {
    return rig.remote.system.clock.now / 10'000'000;
}

std::function<void(FilterRig&)> UninstalledDaysAgo(double days) {
    return [days](FilterRig& rig) {
        const auto when = Now(rig) - static_cast<std::int64_t>(days * 86400);
        rig.remote.system.registry.SetValue(RegistryRoot::CurrentUser, "Software\\Lumo", "Removed",
                                            {platform::kRegSz, std::to_string(when), 0});
    };
}

const json kUninstall = {
    {"utr", "HKEY_CURRENT_USER"}, {"utk", "Software\\Lumo"}, {"utvn", "Removed"}, {"utvt", "sz"}};

json Uninstall(int days) {
    json check = kUninstall;
    check["umd"] = days;
    return {{"cmdu", {check}}};
}

// Keys given as configured ("SOFTWARE\\...", not lower-cased) are read in the
// program's own 32-bit view, kept under Wow6432Node on 64-bit Windows.
TEST(OfferFilter, MachineChecks) {
    const MachineCase cases[] = {
        {"no requirement", json::object(), Nothing, ""},
        {"disk", {{"disk", 102401}}, Nothing, "NOT ENOUGH DISK SPACE"},
        {"disk enough", {{"disk", 102400}}, Nothing, ""},
        {"disk unreadable",
         {{"disk", 1}},
         [](FilterRig& rig) {
             rig.probe.freeDisk = {0, 21};
         },
         "DISK SPACE CHECK FAILED 21"},
        {"ram", {{"ram", 8193}}, Nothing, "NOT ENOUGH RAM"},
        {"ram enough", {{"ram", 8192}}, Nothing, ""},
        {"ram unreadable",
         {{"ram", 1}},
         [](FilterRig& rig) {
             rig.probe.memory = {0, 87};
         },
         "RAM CHECK FAILED 87"},
        {"preset ram",
         {{"x", 3}},
         [](FilterRig& rig) {
             rig.probe.memory = {1ull << 30, 0};
         },
         "NOT ENOUGH RAM"},
        {"cpu", {{"cpu", 2401}}, Nothing, "NOT ENOUGH CPU"},
        {"cpu key",
         {{"cpu", 1}},
         [](FilterRig& rig) {
             rig.probe.clock = {false, std::nullopt};
         },
         "CPU CHECK FAILED: Couldn't open registry"},
        {"cpu value",
         {{"cpu", 1}},
         [](FilterRig& rig) {
             rig.probe.clock = {true, std::nullopt};
         },
         "CPU CHECK FAILED: Couldn't read value"},
        {"a any extension",
         {{"a", {"LUMO"}}},
         Running({"x.exe", "Lumo.exe"}),
         "APPLICATION RUNNING"},
        {"a with extension", {{"a", {"lumo.exe"}}}, Running({"LUMO.EXE"}), "APPLICATION RUNNING"},
        {"a extension not run", {{"a", {"lumo.exe"}}}, Running({"lumo"}), ""},
        {"a last extension only", {{"a", {"lumo"}}}, Running({"lumo.bin.exe"}), ""},
        {"iapp present", {{"iapp", {"lumo.exe"}}}, RegisteredApp(true), ""},
        {"iapp no file",
         {{"iapp", {"lumo.exe"}}},
         RegisteredApp(false),
         "REGISTRY INCLUDE APP NOT FOUND"},
        {"iapp capitals",
         {{"iapp", {"Lumo.exe"}}},
         RegisteredApp(true),
         "REGISTRY INCLUDE APP NOT FOUND"},
        {"eapp present",
         {{"eapp", {"lumo.exe"}}},
         RegisteredApp(true),
         "REGISTRY EXCLUDE APP FOUND"},
        {"eapp no file", {{"eapp", {"lumo.exe"}}}, RegisteredApp(false), ""},
        {"ov 64", {{"ov", 64}}, Nothing, "UNSUPPORTED OS VERSION"},
        {"ov 100", {{"ov", 100}}, Nothing, ""},
        {"pv equal prefix", {{"pv", "3.1"}}, Nothing, ""},
        {"pv newer", {{"pv", "3.2"}}, Nothing, "UNSUPPORTED PLATFORM VERSION"},
        {"pv newer build", {{"pv", "3.1.0.11074"}}, Nothing, "UNSUPPORTED PLATFORM VERSION"},
        {"win64", {{"win64", true}}, Nothing, ""},
        {"r", {{"r", {"Lumo"}}}, Key("SOFTWARE\\Lumo"), "REGISTRY KEY EXISTS"},
        {"r absent", {{"r", {"Lumo"}}}, Nothing, ""},
        {"r empty first", {{"r", {"", "Lumo"}}}, Key("SOFTWARE\\Lumo"), ""},
        {"ir absent", {{"ir", {"Lumo"}}}, Nothing, "NONE OF THE REGISTRY KEYS EXISTS"},
        {"ir present", {{"ir", {"HKLM\\SOFTWARE\\Lumo"}}}, Key("SOFTWARE\\Lumo"), ""},
        {"ir empty first",
         {{"ir", {"", "Lumo"}}},
         Key("SOFTWARE\\Lumo"),
         "NONE OF THE REGISTRY KEYS EXISTS"},
        {"rvn",
         {{"rvn", {"Lumo\\Build"}}},
         Value("SOFTWARE\\Lumo", "Build", {platform::kRegDword, "", 7}),
         "REGISTRY VALUE EXISTS"},
        {"rvn other value",
         {{"rvn", {"Lumo\\Other"}}},
         Value("SOFTWARE\\Lumo", "Build", {platform::kRegDword, "", 7}),
         ""},
        {"rvd",
         {{"rvd", {"", "Lumo\\Build\\7"}}},
         Value("SOFTWARE\\Lumo", "Build", {platform::kRegDword, "", 7}),
         "REGISTRY VALUE DATA MATCHES"},
        {"rvd other data",
         {{"rvd", {"Lumo\\Channel\\Beta"}}},
         Value("SOFTWARE\\Lumo", "Channel", {platform::kRegSz, "Stable", 0}),
         ""},
        {"rvd text any case",
         {{"rvd", {"Lumo\\Channel\\STABLE"}}},
         Value("SOFTWARE\\Lumo", "Channel", {platform::kRegSz, "Stable", 0}),
         "REGISTRY VALUE DATA MATCHES"},
        {"fe", {{"fe", {"C:\\Lumo\\lumo.exe"}}}, File("C:\\Lumo\\lumo.exe"), "FILE EXISTS"},
        {"fe token", {{"fe", {"{nope}\\lumo.exe"}}}, File("{nope}\\lumo.exe"), ""},
        {"ife none", {{"ife", {"C:\\Lumo\\lumo.exe"}}}, Nothing, "NONE OF THE FILES EXISTS"},
        {"ife one", {{"ife", {"C:\\a", "C:\\Lumo\\lumo.exe"}}}, File("C:\\Lumo\\lumo.exe"), ""},
        {"cmdu recent", Uninstall(3), UninstalledDaysAgo(2), "MIN DAYS UNINSTALL CHECKER"},
        {"cmdu just old enough", Uninstall(2), UninstalledDaysAgo(2), ""},
        {"cmdu absent", Uninstall(2), Nothing, ""},
        {"no chrome", {{"x", 12}}, Nothing, "NO CHROME"},
        {"chrome by beacon",
         {{"x", 12}},
         [](FilterRig& rig) {
             rig.remote.system.registry.SetValue(RegistryRoot::CurrentUser,
                                                 "Software\\Google\\Chrome\\BLBeacon", "Path",
                                                 {platform::kRegSz, "D:\\c.exe", 0});
             rig.remote.system.files.files.insert("D:\\c.exe");
         },
         ""},
        {"have chrome",
         {{"x", 13}},
         File("C:\\Users\\user\\AppData\\Local\\Chromium\\Application\\chrome.exe"),
         "HAVE CHROME"},
        {"old ie",
         {{"x", 2}},
         [](FilterRig& rig) {
             File("C:\\Users\\user\\AppData\\Local\\Chromium\\Application\\chrome.exe")(rig);
             Value("SOFTWARE\\Wow6432Node\\Microsoft\\Internet Explorer", "Version",
                   {platform::kRegSz, "8.0.7601", 0})(rig);
         },
         "OLD IE VERSION"},
        {"no-show ahead",
         {{"pn", true}, {"pnr", "SOFTWARE\\Lumo\\Pn"}},
         Value("SOFTWARE\\Wow6432Node\\Lumo\\Pn", kZeroMd5.c_str(),
               {platform::kRegDword, "", 20991231}),
         "PN NO SHOW"},
        {"no-show over",
         {{"pn", true}, {"pnr", "SOFTWARE\\Lumo\\Pn"}},
         Value("SOFTWARE\\Wow6432Node\\Lumo\\Pn", kZeroMd5.c_str(),
               {platform::kRegDword, "", 20250301}),
         ""},
    };
    for (const auto& [what, ps, prepare, reason] : cases) {
        FilterRig rig;
        prepare(rig);
        auto filter = rig.MakeFilter(3);
        const bool passes = rig.Run(filter, {Offer("Lumo", ps)}) == Names{"Lumo"};
        EXPECT_EQ(passes, std::string(reason).empty()) << what;
        EXPECT_EQ(rig.reports, passes ? std::vector<std::string>{}
                                      : std::vector<std::string>{std::string("Lumo: ") + reason})
            << what;
    }
}

TEST(OfferFilter, MeasuresOncePerRunUnlessAMeasurementFailed) {
    FilterRig rig;
    auto filter = rig.MakeFilter(5);
    const json needs = {{"disk", 1}, {"ram", 1}, {"cpu", 1}, {"a", {"x"}}};
    rig.probe.processes = {"a.exe"};
    auto offers = std::vector<json>{Offer("A", needs), Offer("B", needs), Offer("C", needs)};
    for (int i = 0; i < 3; ++i) offers[i]["ps"]["v"] = i;
    EXPECT_EQ(rig.Run(filter, offers).size(), 3u);
    EXPECT_EQ(rig.probe.memoryReads, 1);
    EXPECT_EQ(rig.probe.clockReads, 1);
    EXPECT_EQ(rig.probe.processListings, 1);
    EXPECT_EQ(rig.probe.diskRootsAsked, std::vector<std::string>{"C:\\"});

    FilterRig failing;
    failing.probe.memory = {0, 5};
    auto again = failing.MakeFilter(5);
    failing.Run(again, offers);
    EXPECT_EQ(failing.probe.memoryReads, 3);
    EXPECT_EQ(failing.probe.processListings, 0);  // never reached
}

TEST(OfferFilter, SixtyFourBitWindowsRequired) {
    FilterRig rig;
    rig.remote.system.wow64.wow64 = false;
    auto filter = rig.MakeFilter(3);
    EXPECT_TRUE(rig.Run(filter, {Offer("A", {{"x", 10}})}).empty());
    EXPECT_EQ(rig.reports, std::vector<std::string>{"A: 64 BIT OS REQUIRED"});
}

}  // namespace
