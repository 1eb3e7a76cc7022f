#include "offers/PlaceholderValues.h"

#include <algorithm>

void PlaceholderValues::Add(const std::string& name, std::string value) {
    if (!Has(name)) entries_.emplace_back(name, std::move(value));
}

const std::string* PlaceholderValues::Find(std::string_view name) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    return found == entries_.end() ? nullptr : &found->second;
}

bool PlaceholderValues::Has(std::string_view name) const {
    return Find(name) != nullptr;
}

std::string PlaceholderValues::Expand(std::string_view text) const {
    std::string result(text);
    for (const auto& [name, value] : entries_) {
        const std::string token = "{" + name + "}";
        std::string expanded;
        std::size_t from = 0;
        for (auto at = result.find(token); at != std::string::npos; at = result.find(token, from)) {
            expanded.append(result, from, at - from).append(value);
            from = at + token.size();
        }
        result = expanded.append(result, from);
    }
    return result;
}
