#include "download/fake/MemoryFiles.h"

#include <algorithm>
#include <vector>

#include "download/fake/ScriptedHttp.h"

namespace fake {

namespace {

class MemoryFile : public download::OutputFile {
public:
    MemoryFile(std::string& contents, std::optional<std::size_t>& spaceLeft)
        : contents_(contents), spaceLeft_(spaceLeft) {}

    bool Write(std::span<const std::uint8_t> bytes) override {
        std::size_t count = bytes.size();
        if (spaceLeft_) {
            count = std::min(count, *spaceLeft_);
            *spaceLeft_ -= count;
        }
        contents_.append(reinterpret_cast<const char*>(bytes.data()), count);
        if (count == bytes.size()) return true;
        SetThreadError({112, "There is not enough space on the disk."});
        return false;
    }

private:
    std::string& contents_;
    std::optional<std::size_t>& spaceLeft_;
};

// path with its "." and ".." parts resolved.
std::string Resolved(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; start <= path.size(); start = end + 1) {
        end = std::min(path.find('\\', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();
        } else if (part != ".") {
            parts.push_back(part);
        }
    }
    std::string resolved;
    for (const auto& part : parts) resolved += (resolved.empty() ? "" : "\\") + part;
    return resolved;
}

}  // namespace

std::unique_ptr<download::OutputFile> MemoryFiles::Create(const std::string& given) {
    const std::string path = Resolved(given);
    const auto backslash = path.rfind('\\');
    if (backslash == std::string::npos || backslash + 1 == path.size() ||
        !IsFolder(path.substr(0, backslash))) {
        SetThreadError({3, "The system cannot find the path specified."});
        return nullptr;
    }
    std::string& contents = files[path];
    contents.clear();
    return std::make_unique<MemoryFile>(contents, spaceLeft);
}

std::optional<std::uint64_t> MemoryFiles::SizeOf(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end() || unreadable.count(path)) {
        SetThreadError({2, "The system cannot find the file specified."});
        return std::nullopt;
    }
    return found->second.size();
}

download::SystemError MemoryFiles::LastError() {
    return ThreadError();
}

}  // namespace fake
