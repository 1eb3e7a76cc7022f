#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/System.h"
#include "platform/fake/FakeLocales.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeResources.h"

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

    // By folder and whether the default user's profile is asked for.
    std::map<std::pair<platform::KnownFolderId, bool>, std::string> byId = {
        {{platform::KnownFolderId::LocalAppData, false}, "C:\\Users\\user\\AppData\\Local"},
        {{platform::KnownFolderId::RoamingAppData, false}, "C:\\Users\\user\\AppData\\Roaming"},
        {{platform::KnownFolderId::ProgramData, false}, "C:\\ProgramData"},
        {{platform::KnownFolderId::ProgramFilesX86, false}, "C:\\Program Files (x86)"},
        {{platform::KnownFolderId::Desktop, false}, "C:\\Users\\user\\Desktop"},
        {{platform::KnownFolderId::Desktop, true}, "C:\\Users\\Default\\Desktop"},
    };

    std::string GetKnownFolder(platform::KnownFolderId folderId, bool defaultUser) override {
        const auto found = byId.find({folderId, defaultUser});
        return found == byId.end() ? "" : found->second;
    }
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
    std::string filePath = "C:\\Users\\user\\Downloads\\PellarClassic_Setup.exe";
    std::string FilePath() override { return filePath; }
};

// The two machines the 32-bit program can meet.
enum class Windows { x64, x86 };

// One of each fake, wired into a platform::System.
struct System {
    // The fakes describe 64-bit Windows unless told otherwise.
    explicit System(Windows windows = Windows::x64) : registry(windows == Windows::x64) {
        if (windows == Windows::x86) {
            wow64.wow64 = false;
            environment.variables.erase("ProgramW6432");
            knownFolders.byId[{platform::KnownFolderId::ProgramFilesX86, false}] =
                "C:\\Program Files";
        }
    }

    FileSystem files;
    KnownFolders knownFolders;
    MessageBoxes messageBoxes;
    ModuleInfo module;
    Resources resources;
    Locales locales;
    Registry registry;
    Wow64 wow64;
    Environment environment;
    Clock clock;
    platform::System services{files,   knownFolders, messageBoxes, module,      resources,
                              locales, registry,     wow64,        environment, clock};
};

}  // namespace fake
