#include "offers/PresenceChecks.h"

#include <algorithm>

#include "settings/ConfigurationManager.h"
#include "settings/RegistryPath.h"
#include "settings/RegistryQuery.h"

namespace {

bool AnyExists(const std::vector<std::string>& paths, platform::FileSystem& files) {
    return std::any_of(paths.begin(), paths.end(), [&files](const std::string& path) {
        return path.find('{') == std::string::npos && files.Exists(path);
    });
}

std::vector<std::string> ChromeCandidates(ConfigurationManager& settings,
                                          win32::RegistryCache& cache) {
    std::vector<std::string> candidates;
    for (const char* path : {"{commonpf}\\Chromium\\Application\\chrome.exe",
                             "{commonpf}\\Google\\Chrome\\Application\\chrome.exe",
                             "{localappdata}\\Chromium\\Application\\chrome.exe"}) {
        candidates.push_back(settings.ExpandPathPlaceholders(path));
    }
    if (const auto folder = win32::ReadValueAsText(
            cache, "hkey_local_machine",
            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\chrome.exe", "Path")) {
        candidates.push_back(*folder + "\\chrome.exe");
    }
    if (const auto beacon = win32::ReadValueAsText(cache, "hkey_current_user",
                                                   "SOFTWARE\\Google\\Chrome\\BLBeacon", "Path")) {
        candidates.push_back(*beacon);
    }
    return candidates;
}

// Internet Explorer below version 9; the version text must start with a
// number (std::stof).
bool OldInternetExplorer(win32::RegistryCache& cache) {
    const auto version = win32::ReadValueAsText(
        cache, "hkey_local_machine", "SOFTWARE\\Microsoft\\Internet Explorer", "Version");
    return version && std::stof(*version) * 10 < 90;
}

}  // namespace

std::optional<std::string> FileRejection(const Eligibility& eligibility,
                                         platform::FileSystem& files) {
    if (AnyExists(eligibility.filesMustBeAbsent, files)) return "FILE EXISTS";
    if (!eligibility.filesMustExist.empty() && !AnyExists(eligibility.filesMustExist, files)) {
        return "NONE OF THE FILES EXISTS";
    }
    return std::nullopt;
}

std::optional<std::string> UninstallRejection(const std::vector<UninstallCheck>& checks,
                                              win32::RegistryCache& cache,
                                              std::int64_t nowSeconds) {
    for (const auto& check : checks) {
        const auto stored =
            win32::ReadValueAsText(cache, win32::LowerCase(check.hive), win32::LowerCase(check.key),
                                   win32::LowerCase(check.valueName));
        if (!stored) continue;
        auto uninstalled = std::stoull(*stored);
        if (check.milliseconds) uninstalled /= 1000;
        const auto until =
            static_cast<long double>(uninstalled) + static_cast<long double>(check.minDays) * 86400;
        if (static_cast<long double>(nowSeconds) < until) return "MIN DAYS UNINSTALL CHECKER";
    }
    return std::nullopt;
}

std::optional<std::string> BrowserRejection(const Eligibility& eligibility,
                                            ConfigurationManager& settings,
                                            platform::FileSystem& files,
                                            win32::RegistryCache& cache) {
    if (eligibility.chromeRequired || eligibility.chromeForbidden) {
        const bool present = AnyExists(ChromeCandidates(settings, cache), files);
        if (eligibility.chromeRequired && !present) return "NO CHROME";
        if (eligibility.chromeForbidden && present) return "HAVE CHROME";
    }
    if (eligibility.checkIeVersion && OldInternetExplorer(cache)) return "OLD IE VERSION";
    return std::nullopt;
}
