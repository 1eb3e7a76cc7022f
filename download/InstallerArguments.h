#pragma once

#include <array>
#include <string>

class ConfigurationManager;

// The 16-digit option string the product's installer reads: one digit per
// choice of the options and configurations pages, "1" when chosen, at the
// positions the installer expects, with fixed digits between them.
std::string InstallerOptionString(const std::array<bool, 3>& installOptions,
                                  const std::array<bool, 5>& configurationOptions);

// The command line of the product's installer: "/S /FORCEINSTALL " and the
// option string with the publisher's extra pages, else installerArguments.
std::string ProductInstallerArguments(const ConfigurationManager& settings);

// Where a package's installer is fetched: a URL with a dotted host (or a
// dotted first segment) is used as it is; anything else names a file on
// the file endpoint.
std::string ResolvePackageUrl(const std::string& url, const std::string& fileEndpointUrl);
