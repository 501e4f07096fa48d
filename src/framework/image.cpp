#include "framework/image.h"

#include <cstdlib>

namespace fw {

bool Image::create(int width, int height, int bitsPerPixel) {
    destroy();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (isNull()) return false;
    dc_ = std::make_unique<MemoryDC>(bitmap_.get());
    pixels_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = std::abs(height);
    return true;
}

void Image::destroy() {
    dc_.reset();
    bitmap_.reset();
    pixels_ = nullptr;
    width_ = height_ = 0;
}

bool Image::blit(HDC target) const {
    if (!dc()) return false;
    return BitBlt(target, 0, 0, width_, height_, dc(), 0, 0, SRCCOPY) != 0;
}

}  // namespace fw
