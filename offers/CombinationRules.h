#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Package;

// The "cfs" rules between offer and the offers selected before it, in
// selection order (selectedNames: their offerNames). The reason of the first
// rule broken; nullopt when all hold. While extraOfferSlots is not 0 only
// "mb" and "ab" apply.
std::optional<std::string> CombinationRejection(
    const Package& offer, int selectedCount, const std::vector<std::string>& selectedNames,
    const std::vector<std::shared_ptr<Package>>& selected, int extraOfferSlots);
