#include "win/Image.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <cstring>

#include "win/ComPtr.h"

namespace gfx {

Image::Image(std::unique_ptr<Gdiplus::Bitmap> bitmap) : bitmap_(std::move(bitmap)) {}
Image::~Image() = default;

}  // namespace gfx

namespace {

// A movable global memory block holding a copy of bytes; the stream made
// over it takes ownership.
HGLOBAL CopyToGlobalMemory(const void* bytes, DWORD size) {
    const HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    void* target = ::GlobalLock(block);
    if (!target) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

}  // namespace

namespace {

std::shared_ptr<gfx::Image> DecodeStream(IStream* stream) {
    std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return std::make_shared<gfx::Image>(std::move(bitmap));
}

}  // namespace

std::shared_ptr<gfx::Image> DecodeImage(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return nullptr;
    win::ComPtr<IStream> stream;
    stream = win::ComPtr<IStream>::Adopt(
        ::SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
    return stream ? DecodeStream(stream.Get()) : nullptr;
}

std::shared_ptr<gfx::Image> LoadImageFromResource(HINSTANCE module, LPCWSTR name, LPCWSTR type) {
    const HRSRC resource = ::FindResourceW(module, name, type);
    if (!resource) return nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    if (size == 0) return nullptr;
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return nullptr;

    const HGLOBAL block = CopyToGlobalMemory(bytes, size);
    if (!block) return nullptr;
    win::ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, stream.Put()))) {
        ::GlobalFree(block);
        return nullptr;
    }
    return DecodeStream(stream.Get());
}
