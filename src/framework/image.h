#pragma once
// A DIB section with a device context of its own, which stays selected for the
// life of the image (the framework's image class).
#include <windows.h>

#include <cstdint>

namespace fw {

class Image {
public:
    Image() = default;
    virtual ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // A negative height makes a top-down image. Only 32 bits per pixel are used.
    bool create(int width, int height, int bitsPerPixel);
    void destroy();
    bool isNull() const { return bitmap_ == nullptr; }

    HDC getDC();
    void releaseDC();
    // The device context that getDC handed out, if any.
    HDC dc() const { return dc_; }

    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t* pixels() const { return pixels_; }
    // Copies the whole image to `dc` at (0, 0).
    bool blit(HDC dc) const;

private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int dcUsers_ = 0;
    uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace fw
