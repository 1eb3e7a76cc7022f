#pragma once

#include "platform/FileSystem.h"

namespace platform::win32 {

class FileSystem : public platform::FileSystem {
public:
    std::optional<std::string> TempFolder() override;
    std::optional<std::string> CreateUniqueFile(const std::string& folder,
                                                const std::string& prefix) override;
    Status RemoveFile(const std::string& path) override;
    Status MakeFolder(const std::string& path) override;
    Status RemoveEmptyFolder(const std::string& path) override;
    Status ScheduleDeleteOnRestart(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    bool IsFolderEmpty(const std::string& path) override;
    std::vector<std::string> ListFolder(const std::string& path) override;
};

}  // namespace platform::win32
