#include "download/win32/ZipExtraction.h"

#include <windows.h>
#include <shldisp.h>

#include <optional>

#include "download/win32/MiniZipExtraction.h"
#include "win/ComPtr.h"
#include "win/Text.h"

namespace download {

namespace {

// The Shell application object and its automation interface.
constexpr CLSID kShellApplication = {
    0x13709620, 0xC279, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr IID kShellDispatch = {
    0xD8F015C0, 0xC278, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// No progress window, yes to every question, no error dialogs.
constexpr LONG kCopyOptions = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;

// COM for the calling thread while it lives.
class ComScope {
public:
    ComScope() : initialized_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComScope() {
        if (initialized_) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialized_;
};

// A VARIANT that clears what it holds.
class Variant {
public:
    Variant() { ::VariantInit(&value_); }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    static void Text(Variant& variant, const std::string& text) {
        variant.value_.vt = VT_BSTR;
        variant.value_.bstrVal = ::SysAllocString(Utf8ToWide(text).c_str());
    }
    static void Dispatch(Variant& variant, IDispatch* object) {
        object->AddRef();
        variant.value_.vt = VT_DISPATCH;
        variant.value_.pdispVal = object;
    }
    static void Integer(Variant& variant, LONG number) {
        variant.value_.vt = VT_I4;
        variant.value_.lVal = number;
    }
    const VARIANT& Get() const { return value_; }

private:
    VARIANT value_;
};

win::ComPtr<Folder> OpenFolder(IShellDispatch& shell, const std::string& path) {
    Variant name;
    Variant::Text(name, path);
    win::ComPtr<Folder> folder;
    if (FAILED(shell.NameSpace(name.Get(), folder.Put()))) folder.Reset();
    return folder;
}

// The shell's copy of the archive's items into destination; nullopt when
// the shell cannot open the archive as a folder.
std::optional<bool> ExtractWithShell(const std::string& archive, const std::string& destination) {
    const ComScope com;
    win::ComPtr<IShellDispatch> shell;
    if (FAILED(::CoCreateInstance(kShellApplication, nullptr, CLSCTX_INPROC_SERVER, kShellDispatch,
                                  reinterpret_cast<void**>(shell.Put())))) {
        return std::nullopt;
    }
    const auto source = OpenFolder(*shell.Get(), archive);
    const auto target = OpenFolder(*shell.Get(), destination);
    win::ComPtr<FolderItems> items;
    if (!source || !target || FAILED(source->Items(items.Put())) || !items) return std::nullopt;
    long count = 0;
    if (FAILED(items->get_Count(&count)) || count == 0) return std::nullopt;
    Variant what;
    Variant::Dispatch(what, items.Get());
    Variant options;
    Variant::Integer(options, kCopyOptions);
    return SUCCEEDED(target->CopyHere(what.Get(), options.Get()));
}

}  // namespace

bool ExtractZip(const std::string& archive, const std::string& destination) {
    if (const auto copied = ExtractWithShell(archive, destination)) return *copied;
    return ExtractWithMiniZip(archive, destination);
}

}  // namespace download
