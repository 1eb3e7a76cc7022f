#pragma once

#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "download/SystemError.h"

namespace download {

// A step of a download that failed; what() is the text the result carries.
class DownloadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& text);
// Fails with what followed by the error as "<code> - <message>".
[[noreturn]] void FailWith(std::string_view what, const SystemError& error);

// Runs step; nullopt when it succeeded, else the text of its failure (a
// failed allocation reads "Out of memory.").
template <typename Step>
std::optional<std::string> FailureOf(Step&& step) {
    try {
        step();
        return std::nullopt;
    } catch (const DownloadFailure& failure) {
        return failure.what();
    } catch (const std::bad_alloc&) {
        return "Out of memory.";
    }
}

}  // namespace download
