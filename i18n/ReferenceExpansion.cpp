#include "i18n/ReferenceExpansion.h"

#include <algorithm>
#include <vector>

namespace {

using Table = std::map<std::string, std::string>;

// Text inserted for a key, which the scan has not yet left: [.., end).
struct Insertion {
    std::string key;
    std::size_t end;
};

// A key may not be inserted into its own entry nor inside its own
// insertion: that would repeat without end.
bool WouldRecurse(const std::string& key, const std::string& entryKey,
                  const std::vector<Insertion>& inside) {
    return key == entryKey || std::any_of(inside.begin(), inside.end(),
                                          [&](const Insertion& i) { return i.key == key; });
}

void ExpandEntry(const std::string& entryKey, std::string& text, const Table& table) {
    std::vector<Insertion> inside;  // outermost first
    std::size_t position = 0;
    for (;;) {
        const std::size_t open = text.find('{', position);
        if (open == std::string::npos) return;
        const std::size_t close = text.find('}', open);
        if (close == std::string::npos) return;
        while (!inside.empty() && inside.back().end <= open) inside.pop_back();

        const std::string key = text.substr(open + 1, close - open - 1);
        const auto found = table.find(key);
        if (found == table.end() || WouldRecurse(key, entryKey, inside)) {
            position = close + 1;
            continue;
        }
        const std::string& replacement = found->second;
        const std::size_t replaced = close - open + 1;
        text.replace(open, replaced, replacement);
        const std::size_t end = open + replacement.size();
        // Enclosing insertions grow or shrink with the text; one that ended
        // inside the reference now ends with the inserted text.
        for (Insertion& outer : inside) {
            outer.end = outer.end > close ? outer.end + replacement.size() - replaced : end;
        }
        inside.push_back({key, end});
        position = open;  // the inserted text is scanned too
    }
}

}  // namespace

void ExpandReferences(Table& table) {
    for (auto& [key, text] : table) ExpandEntry(key, text, table);
}
