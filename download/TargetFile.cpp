#include "download/TargetFile.h"

#include "download/DownloadFailure.h"

namespace download {

TargetFile::TargetFile(OutputFiles& files, std::string path)
    : files_(files), path_(std::move(path)), file_(files.Create(path_)) {
    if (!file_) openError_ = files.LastError();
}

void TargetFile::RequireOpen() const {
    if (!file_) FailWith("Failed to open file for writing: ", openError_);
}

void TargetFile::Write(std::span<const std::uint8_t> bytes) {
    // A short write would otherwise pass for success when no length was
    // announced to compare with.
    if (!file_->Write(bytes)) FailWith("Failed to write to file: ", files_.LastError());
}

void TargetFile::Complete(std::optional<std::uint64_t> length, ReopenFailure wording) {
    file_.reset();
    if (!length) return;
    const auto size = files_.SizeOf(path_);
    if (!size && wording == ReopenFailure::Plain) Fail("Failed to open downloaded file.");
    if (!size) FailWith("Failed to open downloaded file: ", files_.LastError());
    if (*size == *length) return;
    Fail("Download was incomplete: content length: " + std::to_string(*length) +
         ", downloaded: " + std::to_string(*size));
}

}  // namespace download
