#pragma once

#include <windows.h>

#include "platform/KnownFolders.h"
#include "platform/MessageBoxes.h"
#include "platform/ModuleInfo.h"

namespace platform::win32 {

class KnownFolders : public platform::KnownFolders {
public:
    std::optional<std::string> Downloads() override;
    std::optional<std::string> Documents() override;
    std::string GetKnownFolder(KnownFolderId folderId, bool defaultUser) override;
};

class MessageBoxes : public platform::MessageBoxes {
public:
    void ShowMessage(std::string_view text) override;
};

// Reads the version resource of one loaded module (the program itself
// unless told otherwise).
class ModuleInfo : public platform::ModuleInfo {
public:
    explicit ModuleInfo(HMODULE module = nullptr) : module_(module) {}
    std::optional<FileVersion> OwnFileVersion() override;
    std::string FilePath() override;

private:
    HMODULE module_;
};

}  // namespace platform::win32
