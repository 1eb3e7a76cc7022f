#include "download/DownloadFailure.h"

namespace download {

void Fail(const std::string& text) {
    throw DownloadFailure(text);
}

void FailWith(std::string_view what, const SystemError& error) {
    std::string text(what);
    text += std::to_string(error.code);
    text += " - ";
    text += error.message;
    Fail(text);
}

}  // namespace download
