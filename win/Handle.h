#pragma once

#include <windows.h>

#include <utility>

namespace win {

// Owns one handle of a kind described by Traits (its invalid value and how
// to close it). Move-only; closes on destruction without disturbing the
// thread's last-error value, so a failing call can still be diagnosed after
// the handles of its scope are gone.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    void Reset(Type handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) {
            const DWORD lastError = ::GetLastError();
            Traits::Close(handle_);
            ::SetLastError(lastError);
        }
        handle_ = handle;
    }
    Type Release() { return std::exchange(handle_, Traits::Invalid()); }

    // For out-parameters: closes what is held, then lends the slot.
    Type* Put() {
        Reset();
        return &handle_;
    }

private:
    Type handle_ = Traits::Invalid();
};

template <typename T, BOOL(WINAPI* CloseFunction)(T)>
struct NullInvalidTraits {
    using Type = T;
    static constexpr T Invalid() { return nullptr; }
    static void Close(T handle) { CloseFunction(handle); }
};

// Kernel handles come in two kinds: most use null for "none"; file, find and
// snapshot handles use INVALID_HANDLE_VALUE.
template <BOOL(WINAPI* CloseFunction)(HANDLE)>
struct MinusOneInvalidTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseFunction(handle); }
};

template <typename T>
struct GdiTraits {
    using Type = T;
    static constexpr T Invalid() { return nullptr; }
    static void Close(T object) { ::DeleteObject(object); }
};

struct RegistryKeyTraits {
    using Type = HKEY;
    static constexpr HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { ::RegCloseKey(key); }
};

using UniqueKernelHandle = UniqueHandle<NullInvalidTraits<HANDLE, ::CloseHandle>>;
using UniqueFileHandle = UniqueHandle<MinusOneInvalidTraits<::CloseHandle>>;
using UniqueFindHandle = UniqueHandle<MinusOneInvalidTraits<::FindClose>>;
using UniqueWindow = UniqueHandle<NullInvalidTraits<HWND, ::DestroyWindow>>;
using UniqueIcon = UniqueHandle<NullInvalidTraits<HICON, ::DestroyIcon>>;
using UniqueMenu = UniqueHandle<NullInvalidTraits<HMENU, ::DestroyMenu>>;
using UniqueModule = UniqueHandle<NullInvalidTraits<HMODULE, ::FreeLibrary>>;
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

}  // namespace win
