#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "offers/OfferTerms.h"
#include "platform/FileSystem.h"
#include "settings/RegistryCache.h"

class ConfigurationManager;

// Checks of what is installed or was installed on the machine.

// "fe" then "ife". A path still holding a placeholder token never exists.
std::optional<std::string> FileRejection(const Eligibility& eligibility,
                                         platform::FileSystem& files);

// "cmdu": nowSeconds is the current time in seconds since 1970 (UTC). A
// stored time that is not a decimal number throws std::invalid_argument or
// std::out_of_range; an unknown hive name std::out_of_range.
std::optional<std::string> UninstallRejection(const std::vector<UninstallCheck>& checks,
                                              win32::RegistryCache& cache, std::int64_t nowSeconds);

// Chrome required or forbidden, then the Internet Explorer version test.
std::optional<std::string> BrowserRejection(const Eligibility& eligibility,
                                            ConfigurationManager& settings,
                                            platform::FileSystem& files,
                                            win32::RegistryCache& cache);
