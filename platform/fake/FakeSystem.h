#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/System.h"

namespace fake {

// An in-memory file system: a set of files and a set of folders. Errors can
// be set per path for the removal operations.
class FileSystem : public platform::FileSystem {
public:
    std::optional<std::string> tempFolder = "C:\\Users\\user\\AppData\\Local\\Temp\\";
    bool failFolderCreation = false;
    std::set<std::string> files;
    std::set<std::string> folders;
    std::map<std::string, std::uint32_t> removeErrors;  // path -> error of RemoveFile/RemoveEmptyFolder
    std::vector<std::string> scheduledForRestart;

    std::optional<std::string> TempFolder() override { return tempFolder; }
    std::optional<std::string> CreateUniqueFile(const std::string& folder,
                                                const std::string& prefix) override;
    platform::Status RemoveFile(const std::string& path) override;
    platform::Status MakeFolder(const std::string& path) override;
    platform::Status RemoveEmptyFolder(const std::string& path) override;
    platform::Status ScheduleDeleteOnRestart(const std::string& path) override;
    bool Exists(const std::string& path) override { return files.count(path) || folders.count(path); }
    bool IsFolder(const std::string& path) override { return folders.count(path) == 1; }
    bool IsFolderEmpty(const std::string& path) override;
    std::vector<std::string> ListFolder(const std::string& path) override;

private:
    unsigned nextUnique_ = 0x1A2B;
};

class KnownFolders : public platform::KnownFolders {
public:
    std::optional<std::string> downloads = "C:\\Users\\user\\Downloads";
    std::optional<std::string> documents = "C:\\Users\\user\\Documents";

    std::optional<std::string> Downloads() override { return downloads; }
    std::optional<std::string> Documents() override { return documents; }
};

// Records every message instead of showing it.
class MessageBoxes : public platform::MessageBoxes {
public:
    std::vector<std::string> shown;
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

class ModuleInfo : public platform::ModuleInfo {
public:
    std::optional<platform::FileVersion> version = platform::FileVersion{3, 1, 0, 11073};
    std::optional<platform::FileVersion> OwnFileVersion() override { return version; }
};

// One of each fake, wired into a platform::System.
struct System {
    FileSystem files;
    KnownFolders knownFolders;
    MessageBoxes messageBoxes;
    ModuleInfo module;
    platform::System services{files, knownFolders, messageBoxes, module};
};

}  // namespace fake
