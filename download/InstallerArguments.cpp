#include "download/InstallerArguments.h"

#include <regex>

#include "settings/ConfigurationManager.h"

std::string InstallerOptionString(const std::array<bool, 3>& installOptions,
                                  const std::array<bool, 5>& configurationOptions) {
    const auto digit = [](bool chosen) { return chosen ? '1' : '0'; };
    const auto& [startMenu, quickLaunch, desktop] = installOptions;
    const auto& [firewall, autostart, torrentFiles, magnetLinks, searchFiles] =
        configurationOptions;
    std::string options;
    options += digit(torrentFiles);
    options += digit(magnetLinks);
    options += digit(firewall);
    options += "00";
    options += digit(autostart);
    options += "0101";
    options += digit(searchFiles);
    options += digit(torrentFiles);
    options += digit(quickLaunch);
    options += digit(desktop);
    options += digit(startMenu);
    options += '0';
    return options;
}

std::string ProductInstallerArguments(const ConfigurationManager& settings) {
    if (!settings.classicExtras) return settings.installerArguments;
    return "/S /FORCEINSTALL " +
           InstallerOptionString(settings.installOptions, settings.configurationOptions);
}

std::string ResolvePackageUrl(const std::string& url, const std::string& fileEndpointUrl) {
    static const std::regex kDirectUrl(R"(^((http|https):\/\/)?([\w.-]+)(\.[\w.-]+)+([\/?#].*)?$)",
                                       std::regex::ECMAScript);
    return std::regex_match(url, kDirectUrl) ? url : fileEndpointUrl + url;
}
