#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "settings/ConfigurationManager.h"

// The configuration request: the protocol version "0.1", the installer's
// version, the language (the locale name's first two letters, lower case),
// publisher, product, campaign, installer tag and Windows version, all as
// strings. nlohmann::json keeps keys sorted, so dump() gives the compact
// body with its keys in order.
nlohmann::json BuildConfigurationRequest(const ConfigurationManager& settings,
                                         std::string_view installerTag, std::string_view osVersion);
