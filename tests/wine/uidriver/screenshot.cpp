#include "uidriver.h"

#include <cstring>
#include <stdexcept>

namespace uidriver {

namespace {

// GetDC(nullptr) / ReleaseDC for the whole screen.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {
        if (!dc_) throw std::runtime_error("Screenshot: GetDC(screen) failed");
    }
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
        if (!dc_) throw std::runtime_error("Screenshot: CreateCompatibleDC failed");
    }
    ~MemoryDC() { DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject() {
        if (object_) DeleteObject(object_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Puts the DC's previous object back before the object is deleted.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {
        if (!previous_ || previous_ == HGDI_ERROR) throw std::runtime_error("Screenshot: SelectObject failed");
    }
    ~SelectGuard() { SelectObject(dc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

template <typename T>
void Append(std::vector<char>& out, const T& value) {
    const char* bytes = reinterpret_cast<const char*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

}  // namespace

POINT ClientToWindowOffset(HWND window) {
    RECT windowRect{};
    POINT clientOrigin{0, 0};
    if (!GetWindowRect(window, &windowRect) || !ClientToScreen(window, &clientOrigin))
        throw std::runtime_error("ClientToWindowOffset: not a window");
    return POINT{clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top};
}

Screenshot Screenshot::OfWindow(HWND window) {
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect)) throw std::runtime_error("Screenshot: not a window");
    return OfScreenRect(rect);
}

Screenshot Screenshot::OfWindowWhenStable(HWND window, DWORD timeoutMs) {
    Screenshot last = OfWindow(window);
    WaitFor(
        [&] {
            Sleep(100);
            Screenshot next = OfWindow(window);
            const bool same = next.width_ == last.width_ && next.height_ == last.height_ && next.pixels_ == last.pixels_;
            last = std::move(next);
            return same;
        },
        timeoutMs, 1);
    return last;
}

Screenshot Screenshot::OfScreenRect(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) throw std::runtime_error("Screenshot: empty rectangle");

    // Copy from the screen DC rather than PrintWindow: under Wine,
    // PrintWindow on another process's window succeeds without drawing
    // anything, while the screen DC reads the X server's real pixels.
    ScreenDC screen;
    MemoryDC memory(screen.get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.get() || !bits) throw std::runtime_error("Screenshot: CreateDIBSection failed");
    {
        SelectGuard select(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY | CAPTUREBLT))
            throw std::runtime_error("Screenshot: BitBlt failed");
        GdiFlush();
    }
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
    for (auto& pixel : pixels) pixel &= 0x00FFFFFFu;  // the fourth byte is undefined for BI_RGB
    return Screenshot(width, height, std::move(pixels));
}

COLORREF Screenshot::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("Screenshot::PixelAt(" + std::to_string(x) + "," + std::to_string(y) +
                                ") outside " + std::to_string(width_) + "x" + std::to_string(height_));
    const std::uint32_t p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Screenshot::SaveBmp(const std::wstring& path) const {
    // 24-bit bottom-up: the most widely read .bmp form.
    const size_t rowBytes = (static_cast<size_t>(width_) * 3 + 3) & ~size_t{3};
    const size_t imageBytes = rowBytes * static_cast<size_t>(height_);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + imageBytes);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(imageBytes);
    header.biXPelsPerMeter = header.biYPelsPerMeter = 3780;  // 96 dpi

    std::vector<char> out;
    out.reserve(file.bfSize);
    Append(out, file);
    Append(out, header);
    for (int y = height_ - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
            out.push_back(static_cast<char>(p & 0xFF));          // blue
            out.push_back(static_cast<char>((p >> 8) & 0xFF));   // green
            out.push_back(static_cast<char>((p >> 16) & 0xFF));  // red
        }
        out.resize(rowStart + rowBytes, '\0');
    }

    UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    DWORD written = 0;
    return WriteFile(handle.get(), out.data(), static_cast<DWORD>(out.size()), &written, nullptr) &&
           written == out.size();
}

}  // namespace uidriver
