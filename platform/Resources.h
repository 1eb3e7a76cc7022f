#pragma once

#include <string>
#include <string_view>

namespace platform {

// The outcome of reading one resource: its bytes when it was found and
// loaded; an empty resource is found with no bytes.
struct Resource {
    enum class Status { Found, NotFound, CannotLoad };
    Status status = Status::NotFound;
    std::string bytes;
};

// The resources carried by the program's own module.
class Resources {
public:
    virtual ~Resources() = default;
    // The resource of the named type (e.g. "LOCALE") with numeric id id.
    virtual Resource Read(std::string_view type, int id) = 0;
};

}  // namespace platform
