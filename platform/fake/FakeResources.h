#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Resources.h"

namespace fake {

// Resources held in memory. It starts with the program's own LOCALE
// resources, read from the files that res/quillet.rc embeds, so tests see
// the very documents the program carries.
class Resources : public platform::Resources {
public:
    Resources();

    // (type, id) -> what reading it gives; absent entries are not found.
    std::map<std::pair<std::string, int>, platform::Resource> entries;

    platform::Resource Read(std::string_view type, int id) override;
};

}  // namespace fake
