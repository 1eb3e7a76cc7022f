#pragma once

#include "platform/FileSystem.h"

namespace platform::win32 {

class FileSystem : public platform::FileSystem {
public:
    std::optional<std::string> TempFolder() override;
    std::optional<std::string> CreateUniqueFile(const std::string& folder,
                                                const std::string& prefix) override;
    bool RemoveFile(const std::string& path) override;
    bool MakeFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
};

}  // namespace platform::win32
