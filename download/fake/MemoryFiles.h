#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "download/OutputFiles.h"

namespace fake {

// Files in memory: a set of folders and the contents of each file. A file
// can be created only directly in one of the folders. Paths are taken as
// Windows takes them: "." and ".." parts are resolved first. For one thread.
class MemoryFiles : public download::OutputFiles {
public:
    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    // Bytes that can still be written; nullopt: no limit.
    std::optional<std::size_t> spaceLeft;
    // Files that cannot be opened again once written.
    std::set<std::string> unreadable;

    bool IsFolder(const std::string& path) override { return folders.count(path) == 1; }
    std::unique_ptr<download::OutputFile> Create(const std::string& path) override;
    std::optional<std::uint64_t> SizeOf(const std::string& path) override;
    void Remove(const std::string& path) override { files.erase(path); }
    download::SystemError LastError() override;
};

}  // namespace fake
