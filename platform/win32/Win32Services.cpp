#include "platform/win32/Win32Services.h"

#include <shlobj.h>
#include <knownfolders.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/System.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locales.h"
#include "platform/win32/Win32Machine.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "win/Text.h"

namespace platform::win32 {
namespace {

// token: null for the current user, -1 for the default user's profile.
std::optional<std::string> KnownFolderPath(REFKNOWNFOLDERID folderId, HANDLE token) {
    PWSTR path = nullptr;
    const HRESULT result = ::SHGetKnownFolderPath(folderId, 0, token, &path);
    const std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(path, ::CoTaskMemFree);
    if (FAILED(result) || !path) return std::nullopt;
    return WideToUtf8(path);
}

REFKNOWNFOLDERID KnownFolderGuid(KnownFolderId folderId) {
    switch (folderId) {
        case KnownFolderId::LocalAppData:
            return FOLDERID_LocalAppData;
        case KnownFolderId::RoamingAppData:
            return FOLDERID_RoamingAppData;
        case KnownFolderId::ProgramData:
            return FOLDERID_ProgramData;
        case KnownFolderId::ProgramFilesX86:
            return FOLDERID_ProgramFilesX86;
        case KnownFolderId::Desktop:
            break;
    }
    return FOLDERID_Desktop;
}

}  // namespace

std::optional<std::string> KnownFolders::Downloads() {
    return KnownFolderPath(FOLDERID_Downloads, nullptr);
}

std::string KnownFolders::GetKnownFolder(KnownFolderId folderId, bool defaultUser) {
    const HANDLE token = defaultUser ? reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1)) : nullptr;
    return KnownFolderPath(KnownFolderGuid(folderId), token).value_or("");
}

std::optional<std::string> KnownFolders::Documents() {
    wchar_t path[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return WideToUtf8(path);
}

void MessageBoxes::ShowMessage(std::string_view text) {
    ::MessageBoxW(nullptr, Utf8ToWide(text).c_str(), L"Quillet", MB_OK);
}

std::optional<FileVersion> ModuleInfo::OwnFileVersion() {
    const HMODULE module = module_ ? module_ : ::GetModuleHandleW(nullptr);
    const HRSRC resource =
        ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!resource) return std::nullopt;
    const DWORD size = ::SizeofResource(module, resource);
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || size == 0) return std::nullopt;
    // VerQueryValue may write into the block it reads, so it works on a copy.
    std::vector<unsigned char> copy(static_cast<const unsigned char*>(data),
                                    static_cast<const unsigned char*>(data) + size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!::VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) ||
        !info || infoSize < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                       HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

std::string ModuleInfo::FilePath() {
    // Paths may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = ::GetModuleFileNameW(module_, path.data(), size);
        if (length == 0) return "";
        if (length < size) return WideToUtf8({path.data(), length});
        path.resize(path.size() * 2);
    }
}

}  // namespace platform::win32

platform::System& platform::CurrentSystem() {
    static win32::FileSystem files;
    static win32::KnownFolders knownFolders;
    static win32::MessageBoxes messageBoxes;
    static win32::ModuleInfo module;
    static win32::Resources resources;
    static win32::Locales locales;
    static win32::Registry registry;
    static win32::Wow64 wow64;
    static win32::Environment environment;
    static win32::Clock clock;
    static System system{files,   knownFolders, messageBoxes, module,      resources,
                         locales, registry,     wow64,        environment, clock};
    return system;
}
