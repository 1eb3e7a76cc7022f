#include "platform/win32/Win32Md5.h"

#include <windows.h>
#include <wincrypt.h>

#include <stdexcept>

#include "win/Handle.h"

namespace platform::win32 {
namespace {

struct CryptProviderTraits {
    using Type = HCRYPTPROV;
    static constexpr HCRYPTPROV Invalid() { return 0; }
    static void Close(HCRYPTPROV provider) { ::CryptReleaseContext(provider, 0); }
};

struct CryptHashTraits {
    using Type = HCRYPTHASH;
    static constexpr HCRYPTHASH Invalid() { return 0; }
    static void Close(HCRYPTHASH hash) { ::CryptDestroyHash(hash); }
};

}  // namespace

Md5Digest Md5::Digest(std::string_view bytes) {
    win::UniqueHandle<CryptProviderTraits> provider;
    if (!::CryptAcquireContextW(provider.Put(), nullptr, nullptr, PROV_RSA_FULL,
                                CRYPT_VERIFYCONTEXT)) {
        throw std::runtime_error("CryptAcquireContext failed");
    }
    win::UniqueHandle<CryptHashTraits> hash;
    if (!::CryptCreateHash(provider.Get(), CALG_MD5, 0, 0, hash.Put())) {
        throw std::runtime_error("CryptCreateHash failed");
    }
    if (!::CryptHashData(hash.Get(), reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()), 0)) {
        throw std::runtime_error("CryptHashData failed");
    }
    Md5Digest digest{};
    DWORD size = static_cast<DWORD>(digest.size());
    if (!::CryptGetHashParam(hash.Get(), HP_HASHVAL, digest.data(), &size, 0) ||
        size != digest.size()) {
        throw std::runtime_error("CryptGetHashParam failed");
    }
    return digest;
}

}  // namespace platform::win32
