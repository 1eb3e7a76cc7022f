#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "platform/win32/Win32Md5.h"
#include "platform/win32/Win32Services.h"
#include "remote/Md5Hex.h"
#include "remote/ReferenceService.h"
#include "res/resource.h"
#include "win/Handle.h"

// The wizard from its first page to its last, against the reference
// service: real configurations, the product installer and an offer
// installer served by the service, and a screenshot of every page. The
// installer build runs the InstallerRun tests, the download manager build
// the DownloadManagerRun tests.
namespace {

using nlohmann::json;
using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr auto kProductRoute = "/endpoint/pellar/os/riserollout/track/stable";
constexpr auto kNoShowKey = L"Software\\QuilletEndToEnd";
constexpr DWORD kInstallTimeoutMs = 120000;

// An offer the service's files folder can serve; ps is merged over the
// defaults.
json Offer(const std::string& name, const json& ps = json::object()) {
    json offer = {{"ad", {{"o", name}, {"f", name + "-feed"}}},
                  {"ps",
                   {{"i", "logo.png"},
                    {"dn", name},
                    {"u", "https://127.0.0.1/f/offer.exe"},
                    {"p", "/S"},
                    {"cp", "https://127.0.0.1/privacy/" + name},
                    {"ctu", "https://127.0.0.1/terms/" + name}}}};
    offer["ps"].update(ps);
    return offer;
}

// Wine keeps this key, so the filter refuses the offer on every run.
json OfferRefusedByTheFilter(const std::string& name) {
    return Offer(name, {{"r", {"HKEY_LOCAL_MACHINE\\Software\\Wine"}}});
}

json Scenario(const std::vector<json>& offers,
              const json& productAnswer = {{"file", "product.exe"}}) {
    return {{"/o", {{"json", {{"l", "US"}, {"f", {{"a", "e2e"}, {"m", 5}}}, {"o", offers}}}}},
            {"/zbd", {{"status", 200}, {"body", "OK"}}},
            {kProductRoute, productAnswer}};
}

// The download manager's configuration: the product of "i", with its logo.
json DownloadManagerScenario(const std::vector<json>& offers,
                             const std::string& productUrl = std::string("https://127.0.0.1") +
                                                             kProductRoute,
                             const json& productAnswer = {{"file", "product.exe"}}) {
    json scenario = Scenario(offers, productAnswer);
    scenario["/o"]["json"]["i"] = {{"ct", "Pellar"},
                                   {"cu", productUrl},
                                   {"cl", "https://127.0.0.1/f/logo.png"},
                                   {"cf", "PellarSetup.exe"}};
    return scenario;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path TempFolder() {
    wchar_t temp[MAX_PATH + 1];
    return std::wstring(temp, ::GetTempPathW(MAX_PATH + 1, temp));
}

std::filesystem::path Expanded(const wchar_t* text) {
    wchar_t expanded[MAX_PATH];
    ::ExpandEnvironmentStringsW(text, expanded, MAX_PATH);
    return expanded;
}

const std::filesystem::path& InstalledProduct() {
    static const auto path = Expanded(L"%APPDATA%\\Pellar\\Pellar.exe");
    return path;
}

std::optional<DWORD> NoShowValue(const std::string& offerKey) {
    static platform::win32::Md5 md5;
    const std::wstring key = std::wstring(kNoShowKey) + L"\\" + uidriver::Wide(offerKey);
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(),
                       uidriver::Wide(Md5Hex(md5, "Norvik")).c_str(), RRF_RT_REG_DWORD, nullptr,
                       &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

// YYYYMMDD of the day days from today.
DWORD DateInDays(int days) {
    using namespace std::chrono;
    const year_month_day date{floor<std::chrono::days>(system_clock::now()) +
                              std::chrono::days(days)};
    return static_cast<DWORD>(static_cast<int>(date.year()) * 10000 +
                              static_cast<unsigned>(date.month()) * 100 +
                              static_cast<unsigned>(date.day()));
}

const std::filesystem::path& DownloadedProduct() {
    static const std::filesystem::path path =
        *platform::win32::KnownFolders().Downloads() + "\\PellarSetup.exe";
    return path;
}

// Ends every process started from a program of this name.
void EndProcessesNamed(const std::wstring& name) {
    const win::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry)) {
        if (::lstrcmpiW(entry.szExeFile, name.c_str()) != 0) continue;
        const win::UniqueKernelHandle process(
            ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
        if (!process) continue;
        ::TerminateProcess(process.Get(), 1);
        ::WaitForSingleObject(process.Get(), kTimeoutMs);
    }
}

// Whether path is among the files and folders Windows removes at the next
// restart.
bool IsPendingRemoval(const std::filesystem::path& path) {
    constexpr auto kSessionManager = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
    DWORD size = 0;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations",
                       RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    std::wstring operations(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations",
                       RRF_RT_REG_MULTI_SZ, nullptr, operations.data(), &size) != ERROR_SUCCESS) {
        return false;
    }
    return operations.find(path.filename().wstring()) != std::wstring::npos;
}

// A wizard run: the service's scenario, the wizard, and what is left of
// both afterwards.
class WizardRun : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kNoShowKey);
        // The product an earlier run started may still be running.
        ASSERT_TRUE(uidriver::WaitFor([] {
            std::error_code failure;
            std::filesystem::remove(InstalledProduct(), failure);
            std::filesystem::remove(InstalledProduct().string() + ".launched", failure);
            return !failure && !std::filesystem::exists(InstalledProduct());
        }));
        std::filesystem::remove(DownloadedProduct());
        std::filesystem::remove(DownloadedProduct().string() + ".cmdline");
        foldersBefore_ = test_support::WorkFolders();
    }

    void TearDown() override { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kNoShowKey); }

    void Start(const json& scenario) {
        service.SetRoutes(scenario);
        service.ClearRequests();
        wizard.emplace();
    }

    HWND Host() const { return wizard->host; }

    static std::string TestName() {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    // Waits for the page that shows controlId and keeps its picture.
    void ExpectPage(int controlId, const std::string& name, DWORD timeoutMs = 30000) {
        ASSERT_TRUE(uidriver::WaitFor([&] { return uidriver::IsControlVisible(Host(), controlId); },
                                      timeoutMs))
            << "no " << name << "\n"
            << uidriver::DescribeTree(Host());
        SaveScreenshot(Host(), TestName() + "-" + name);
    }

    // Language, warning and licence pages, up to the first page after them.
    void PassTheFirstPages() {
        ExpectPage(IDC_NEXT, "language");
        uidriver::Click(Host(), IDC_NEXT);
        ExpectPage(IDC_WARNING_TITLE, "warning");
        uidriver::Click(Host(), IDC_NEXT);
        ExpectPage(IDC_LICENSE_TITLE, "licence");
        uidriver::Click(Host(), IDC_AGREE);
    }

    void ExpectOffer(const std::string& name, bool skipAllShown) {
        ASSERT_TRUE(uidriver::WaitFor([&] {
            return uidriver::IsControlVisible(Host(), IDC_ACCEPT) &&
                   uidriver::ControlText(Host(), IDC_PRODUCT_DISCLAIMER).find('"' + name + '"') !=
                       std::string::npos;
        })) << "no offer page for "
            << name << "\n"
            << testing::PrintToString(Events());
        const std::string disclaimer = uidriver::ControlText(Host(), IDC_PRODUCT_DISCLAIMER);
        EXPECT_NE(disclaimer.find("https://127.0.0.1/terms/" + name), std::string::npos)
            << disclaimer;
        EXPECT_EQ(uidriver::IsControlVisible(Host(), IDC_SKIP_ALL), skipAllShown) << name;
        SaveScreenshot(Host(), TestName() + "-offer-" + name);
    }

    // Options and configurations pages left as they are.
    void PassTheOptionPages() {
        ExpectPage(IDC_OPTIONS_TITLE, "options");
        uidriver::Click(Host(), IDC_NEXT);
        ExpectPage(IDC_CONFIGURATIONS_TITLE, "configurations");
        StartInstalling();
    }

    void StartInstalling() {
        ourWorkFolder_ = NewWorkFolder();
        uidriver::Click(Host(), IDC_NEXT);
    }

    // The work folder this run made; empty until there is exactly one.
    std::filesystem::path NewWorkFolder() const {
        std::set<std::string> ours;
        for (const auto& folder : test_support::WorkFolders()) {
            if (!foldersBefore_.count(folder)) ours.insert(folder);
        }
        return ours.size() == 1 ? TempFolder() / *ours.begin() : std::filesystem::path();
    }

    // The command line an installer the run started recorded in the work
    // folder, once it has (it makes the file before it writes to it).
    std::string InstallerCommandLine(const std::string& fileName) const {
        const auto path = ourWorkFolder_ / (fileName + ".cmdline");
        std::string text;
        uidriver::WaitFor([&] { return !(text = ReadFile(path)).empty(); }, kTimeoutMs);
        return text;
    }

    void ExpectEndedAndCleanedUp() {
        ASSERT_TRUE(wizard->process.WaitForExit(kTimeoutMs));
        EXPECT_EQ(test_support::WorkFolders(), foldersBefore_) << "the work folder is removed";
    }

    // (payload "5", payload "6") of every event the service received, in
    // order; every one must carry a valid signature.
    std::vector<std::pair<std::string, int>> Events() const {
        for (const auto& request : service.Requests()) {
            if (request.at("path") == "/zbd") {
                EXPECT_EQ(request.at("signature"), "valid");
            }
        }
        std::vector<std::pair<std::string, int>> events;
        for (const auto& payload : service.EventPayloads()) {
            events.emplace_back(payload.value("5", ""), std::stoi(payload.value("6", "0")));
        }
        return events;
    }

    // The events of one package, in order.
    std::vector<int> EventsOf(const std::string& name) const {
        std::vector<int> codes;
        for (const auto& [package, code] : Events()) {
            if (package == name) codes.push_back(code);
        }
        return codes;
    }

    // Payload field key of the first event code of package name.
    std::string EventField(const std::string& name, int code, const std::string& key) const {
        for (const auto& payload : service.EventPayloads()) {
            if (payload.value("5", "") == name && std::stoi(payload.value("6", "0")) == code) {
                return payload.value(key, "");
            }
        }
        return "(no such event)";
    }

    ReferenceService service;
    std::optional<Wizard> wizard;

    std::filesystem::path ourWorkFolder_;

private:
    std::set<std::string> foldersBefore_;
};

using InstallerRun = WizardRun;

TEST_F(InstallerRun, AcceptOneOfferDeclineOneAndLaunch) {
    Start(Scenario(
        {Offer("Lumen", {{"v", 1}, {"pn", true}, {"pnr", "Software\\QuilletEndToEnd\\Lumen"}}),
         OfferRefusedByTheFilter("Vela"), Offer("Atlas", {{"v", 2}})}));
    PassTheFirstPages();
    ExpectOffer("Lumen", true);
    std::optional<DWORD> noShow;
    ASSERT_TRUE(uidriver::WaitFor([&] { return (noShow = NoShowValue("Lumen")).has_value(); }))
        << "the shown offer's no-show date";
    EXPECT_TRUE(*noShow == DateInDays(180) || *noShow == DateInDays(181)) << *noShow;
    uidriver::Click(Host(), IDC_ACCEPT);
    ExpectOffer("Atlas", false);
    uidriver::Click(Host(), IDC_DECLINE);
    PassTheOptionPages();

    ExpectPage(IDC_FINISH_TITLE, "finish", kInstallTimeoutMs);
    EXPECT_NE(InstallerCommandLine("stable").find("/S /FORCEINSTALL 1110010101111110"),
              std::string::npos);
    EXPECT_NE(InstallerCommandLine("offer.exe").find("/S"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(InstalledProduct())) << "the product is installed";
    EXPECT_TRUE(uidriver::IsChecked(Host(), IDC_LAUNCH_CHECKBOX));
    uidriver::Click(Host(), IDC_FINISH);
    ExpectEndedAndCleanedUp();
    EXPECT_TRUE(uidriver::WaitFor([] {
        return std::filesystem::exists(InstalledProduct().string() + ".launched");
    })) << "the product is started";

    EXPECT_EQ(EventsOf("Vela"), std::vector<int>{2});
    EXPECT_EQ(EventField("Vela", 2, "13"), "REGISTRY KEY EXISTS");
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{3});
    EXPECT_EQ(EventsOf("Atlas"), std::vector<int>{4});
    ASSERT_FALSE(Events().empty());
    EXPECT_EQ(Events().front().second, 1) << "the start comes first";
}

TEST_F(InstallerRun, ClearedBoxesSurviveGoingBack) {
    Start(Scenario({Offer("Lumen")}));
    PassTheFirstPages();
    ExpectOffer("Lumen", false);
    uidriver::Click(Host(), IDC_DECLINE);
    ExpectPage(IDC_OPTIONS_TITLE, "options");
    uidriver::Click(Host(), IDC_OPTION_QUICK_LAUNCH);
    uidriver::Click(Host(), IDC_NEXT);
    ExpectPage(IDC_CONFIGURATIONS_TITLE, "configurations");
    uidriver::Click(Host(), IDC_CONFIGURATION_AUTOSTART);
    uidriver::Click(Host(), IDC_CONFIGURATION_SEARCH_FILES);
    uidriver::Click(Host(), IDC_BACK);
    ExpectPage(IDC_OPTIONS_TITLE, "options-again");
    EXPECT_FALSE(uidriver::IsChecked(Host(), IDC_OPTION_QUICK_LAUNCH));
    EXPECT_TRUE(uidriver::IsChecked(Host(), IDC_OPTION_DESKTOP));
    uidriver::Click(Host(), IDC_NEXT);
    ExpectPage(IDC_CONFIGURATIONS_TITLE, "configurations-again");
    EXPECT_FALSE(uidriver::IsChecked(Host(), IDC_CONFIGURATION_AUTOSTART));
    StartInstalling();

    ExpectPage(IDC_FINISH_TITLE, "finish", kInstallTimeoutMs);
    EXPECT_NE(InstallerCommandLine("stable").find("/S /FORCEINSTALL 1110000101010110"),
              std::string::npos);
    uidriver::Click(Host(), IDC_LAUNCH_CHECKBOX);
    uidriver::Click(Host(), IDC_FINISH);
    ExpectEndedAndCleanedUp();
    EXPECT_FALSE(std::filesystem::exists(InstalledProduct().string() + ".launched"))
        << "not started with the box cleared";
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{4});
}

TEST_F(InstallerRun, SkipAllPassesOverTheRest) {
    Start(Scenario({Offer("Lumen", {{"v", 1}}), Offer("Atlas", {{"v", 2}})}));
    PassTheFirstPages();
    ExpectOffer("Lumen", true);
    uidriver::Click(Host(), IDC_SKIP_ALL);
    PassTheOptionPages();
    ExpectPage(IDC_FINISH_TITLE, "finish", kInstallTimeoutMs);
    uidriver::Click(Host(), IDC_FINISH);
    ExpectEndedAndCleanedUp();
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{4});
    EXPECT_EQ(EventsOf("Atlas"), std::vector<int>{2}) << "passed over";
}

TEST_F(InstallerRun, AFailedProductDownloadEndsOnTheErrorPage) {
    Start(Scenario({Offer("Lumen")}, {{"status", 404}}));
    PassTheFirstPages();
    ExpectOffer("Lumen", false);
    uidriver::Click(Host(), IDC_ACCEPT);
    PassTheOptionPages();
    ExpectPage(IDC_ERROR_TITLE, "error", kInstallTimeoutMs);
    EXPECT_NE(
        uidriver::ControlText(Host(), IDC_ERROR_TITLE).find("Error occurred while installing"),
        std::string::npos);
    EXPECT_NE(uidriver::ControlText(Host(), IDC_ERROR_TEXT).find("try again later"),
              std::string::npos);
    EXPECT_NE(InstallerCommandLine("offer.exe").find("/S"), std::string::npos)
        << "the offer is still installed";
    uidriver::Click(Host(), IDC_CLOSE);
    ExpectEndedAndCleanedUp();
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{3});
    EXPECT_FALSE(std::filesystem::exists(InstalledProduct()));
}

TEST_F(InstallerRun, ClosingDuringTheDownloadStopsAndCleansUp) {
    Start(Scenario({Offer("Lumen")}, {{"file", "product.exe"}, {"delay_ms", 60000}}));
    PassTheFirstPages();
    ExpectOffer("Lumen", false);
    uidriver::Click(Host(), IDC_DECLINE);
    PassTheOptionPages();
    ExpectPage(IDC_DOWNLOAD_PROGRESS, "download");
    if (uidriver::CanReadSystemMenu(Host())) {
        for (const auto& item : uidriver::SystemMenuItems(Host())) {
            EXPECT_NE(item.id, static_cast<UINT>(SC_CLOSE)) << "no Close while installing";
        }
    }
    uidriver::PostClose(Host());
    const auto question = uidriver::WaitForMessageBox(wizard->process.Id(), kTimeoutMs);
    ASSERT_TRUE(question) << "closing asks first";
    // The service holds the product back for a minute; the wizard must not
    // wait for it. The file it was to fill is still open, so the work folder
    // may only be set to go at the next restart.
    uidriver::AnswerMessageBox(question->window, IDOK);
    ASSERT_TRUE(wizard->process.WaitForExit(kTimeoutMs));
    EXPECT_TRUE(!std::filesystem::exists(ourWorkFolder_) || IsPendingRemoval(ourWorkFolder_))
        << ourWorkFolder_;
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{4});
    EXPECT_FALSE(std::filesystem::exists(InstalledProduct()));
    const auto events = Events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().second, 5) << "the product reports the close";
}

using DownloadManagerRun = WizardRun;

TEST_F(DownloadManagerRun, TheProductIsKeptInDownloadsAndTheOffersAreStarted) {
    Start(DownloadManagerScenario({Offer("Lumen", {{"v", 1}}), Offer("Atlas", {{"v", 2}})}));
    ExpectPage(IDC_NEXT, "language");
    EXPECT_EQ(uidriver::WindowText(Host()), "Setup");
    PassTheFirstPages();
    ExpectOffer("Lumen", true);
    EXPECT_EQ(uidriver::WindowText(Host()), "Pellar Setup");
    EXPECT_TRUE(uidriver::IsControlVisible(Host(), IDC_HEADER_TITLE));
    EXPECT_EQ(uidriver::ControlText(Host(), IDC_HEADER_TITLE), "Pellar");
    uidriver::Click(Host(), IDC_ACCEPT);
    ExpectOffer("Atlas", false);
    uidriver::Click(Host(), IDC_ACCEPT);
    PassTheOptionPages();

    ExpectPage(IDC_LAUNCH_RADIO, "finish", kInstallTimeoutMs);
    EXPECT_TRUE(std::filesystem::exists(DownloadedProduct())) << DownloadedProduct();
    EXPECT_NE(InstallerCommandLine("offer.exe").find("/S"), std::string::npos);
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{3});
    EXPECT_EQ(EventsOf("Atlas"), std::vector<int>{3});
    // The start is reported before the configuration names the product.
    EXPECT_EQ(Events().front().second, 1);
    EXPECT_EQ(EventsOf("Pellar"), std::vector<int>{3});
    EXPECT_EQ(EventField("Pellar", 3, "12"), "");

    uidriver::Click(Host(), IDC_LAUNCH_RADIO);
    uidriver::Click(Host(), IDC_FINISH);
    ExpectEndedAndCleanedUp();
    // The product's installer, started without arguments, leaves its
    // command line beside itself.
    EXPECT_TRUE(uidriver::WaitFor(
        [] { return std::filesystem::exists(DownloadedProduct().string() + ".cmdline"); },
        kTimeoutMs))
        << "the downloaded product is started";
    EndProcessesNamed(L"PellarSetup.exe");
}

TEST_F(DownloadManagerRun, AnEmptyProductUrlShowsTheConfigurationError) {
    Start(DownloadManagerScenario({Offer("Lumen")}, ""));
    ExpectPage(IDC_NEXT, "language");
    uidriver::Click(Host(), IDC_NEXT);
    ExpectPage(IDC_ERROR_TITLE, "configuration-error");
    EXPECT_EQ(uidriver::ControlText(Host(), IDC_ERROR_TITLE), "Something went wrong");
    for (const auto& request : service.Requests()) {
        EXPECT_NE(request.at("method"), "GET") << "nothing is downloaded: " << request.at("path");
    }
    uidriver::Click(Host(), IDC_CLOSE);
    ExpectEndedAndCleanedUp();
    EXPECT_FALSE(std::filesystem::exists(DownloadedProduct()));
}

TEST_F(DownloadManagerRun, AFailedProductDownloadStillStartsTheOffers) {
    Start(DownloadManagerScenario({Offer("Lumen", {{"v", 1}}), Offer("Atlas", {{"v", 2}})},
                                  std::string("https://127.0.0.1") + kProductRoute,
                                  {{"status", 404}}));
    PassTheFirstPages();
    ExpectOffer("Lumen", true);
    uidriver::Click(Host(), IDC_ACCEPT);
    ExpectOffer("Atlas", false);
    uidriver::Click(Host(), IDC_ACCEPT);
    PassTheOptionPages();
    ExpectPage(IDC_ERROR_TITLE, "download-error", kInstallTimeoutMs);
    EXPECT_EQ(uidriver::ControlText(Host(), IDC_ERROR_TITLE), "Error in downloading");
    EXPECT_EQ(EventsOf("Lumen"), std::vector<int>{3});
    EXPECT_EQ(EventsOf("Atlas"), std::vector<int>{3});
    // The product's outcome is reported as done, with its failure.
    EXPECT_EQ(EventsOf("Pellar"), std::vector<int>{3});
    EXPECT_EQ(EventField("Pellar", 3, "12").rfind("DOWNLOAD FAILED: ", 0), 0u);
    uidriver::Click(Host(), IDC_CLOSE);
    ExpectEndedAndCleanedUp();
    EXPECT_FALSE(std::filesystem::exists(DownloadedProduct()));
}

}  // namespace
