#include "platform/win32/Win32Resources.h"

#include "win/Text.h"

namespace platform::win32 {

Resource Resources::Read(std::string_view type, int id) {
    const HMODULE module = module_ ? module_ : ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), Utf8ToWide(type).c_str());
    if (!found) return {Resource::Status::NotFound, {}};
    const DWORD size = ::SizeofResource(module, found);
    // Loaded resources stay mapped with the module; there is nothing to free.
    const HGLOBAL loaded = ::LoadResource(module, found);
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!data) return {Resource::Status::CannotLoad, {}};
    return {Resource::Status::Found, std::string(data, size)};
}

}  // namespace platform::win32
