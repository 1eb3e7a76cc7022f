#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The values that personalise an offer's URLs and parameters, in the order
// they were added; a name stands in a text as "{name}".
class PlaceholderValues {
public:
    // Keeps the first value of a name added twice.
    void Add(const std::string& name, std::string value);
    // Whether name has a value.
    bool Has(std::string_view name) const;
    const std::string* Find(std::string_view name) const;
    // text with the tokens replaced name by name in the order added; a value
    // is scanned only by the names after its own. One pass per name, so a
    // value holding its own token cannot loop.
    std::string Expand(std::string_view text) const;
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};
