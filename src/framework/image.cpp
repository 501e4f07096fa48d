#include "framework/image.h"

#include <cstdlib>

namespace fw {

Image::~Image() { destroy(); }

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
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) return false;
    pixels_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = std::abs(height);
    return true;
}

void Image::destroy() {
    if (dc_) {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
        dcUsers_ = 0;
    }
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    pixels_ = nullptr;
    width_ = height_ = 0;
}

HDC Image::getDC() {
    if (!bitmap_) return nullptr;
    if (!dc_) {
        dc_ = CreateCompatibleDC(nullptr);
        oldBitmap_ = SelectObject(dc_, bitmap_);
    }
    ++dcUsers_;
    return dc_;
}

void Image::releaseDC() {
    if (!dc_ || --dcUsers_ > 0) return;
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    dcUsers_ = 0;
}

bool Image::blit(HDC dc) const {
    if (!dc_) return false;
    return BitBlt(dc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY) != 0;
}

}  // namespace fw
