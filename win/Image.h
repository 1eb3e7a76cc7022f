#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace Gdiplus {
class Bitmap;
}

namespace gfx {

// A decoded picture, shared by whoever shows it. Every Image must be gone
// before GDI+ shuts down.
class Image {
public:
    explicit Image(std::unique_ptr<Gdiplus::Bitmap> bitmap);
    ~Image();
    Gdiplus::Bitmap* Bitmap() const { return bitmap_.get(); }

private:
    std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

}  // namespace gfx

// Decodes a PNG (or any picture GDI+ reads) held in memory. Null when the
// bytes are empty or do not decode.
std::shared_ptr<gfx::Image> DecodeImage(const std::vector<std::uint8_t>& bytes);

// Decodes a PNG (or any picture GDI+ reads) stored as resource name of
// type in module. Null when the resource is missing or does not decode.
std::shared_ptr<gfx::Image> LoadImageFromResource(HINSTANCE module, LPCWSTR name, LPCWSTR type);
