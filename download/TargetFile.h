#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "download/OutputFiles.h"

namespace download {

// How an engine words a written file that cannot be opened again.
enum class ReopenFailure {
    Plain,            // "Failed to open downloaded file."
    WithSystemError,  // "Failed to open downloaded file: <code> - <message>"
};

// The file a download writes. It is opened before any network call; a
// failure to open it is reported only once the answer has been accepted,
// with the reason captured when opening failed.
class TargetFile {
public:
    TargetFile(OutputFiles& files, std::string path);

    // Throws "Failed to open file for writing: ..." when it is not open.
    void RequireOpen() const;
    // Throws "Failed to write to file: ..." when not every byte was written.
    void Write(std::span<const std::uint8_t> bytes);
    // Closes the file and, when the length was announced, opens it again to
    // check that it holds exactly that many bytes; throws "Download was
    // incomplete: ..." when not.
    void Complete(std::optional<std::uint64_t> length, ReopenFailure wording);

private:
    OutputFiles& files_;
    std::string path_;
    std::unique_ptr<OutputFile> file_;
    SystemError openError_;
};

}  // namespace download
