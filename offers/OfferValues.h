#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// Typed reads of one member of an offer object. A member of the wrong JSON
// type throws nlohmann::json::type_error; the Required forms throw
// nlohmann::json::out_of_range when the member is missing, the others leave
// target alone.
namespace offer_values {

std::string RequiredText(const nlohmann::json& object, const char* key);
void ReadText(const nlohmann::json& object, const char* key, std::string& target);
void ReadFlag(const nlohmann::json& object, const char* key, bool& target);
// Integers, unsigned integers, floating-point numbers (truncated) and
// booleans (1 or 0).
void ReadInt(const nlohmann::json& object, const char* key, int& target);
// Numbers only: a boolean is a type error.
void ReadSize(const nlohmann::json& object, const char* key, std::uint64_t& target);
// An array of strings.
void ReadTexts(const nlohmann::json& object, const char* key, std::vector<std::string>& target);

}  // namespace offer_values
