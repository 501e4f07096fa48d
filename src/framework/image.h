#pragma once
// A DIB section with a device context of its own, which stays selected for the
// life of the image (the framework's image class).
#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/gdi_object.h"

namespace fw {

class Image {
public:
    Image() = default;
    virtual ~Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // A negative height makes a top-down image. Only 32 bits per pixel are used.
    bool create(int width, int height, int bitsPerPixel);
    void destroy();
    bool isNull() const { return !bitmap_.get(); }

    // The image's own device context, with the image selected into it.
    HDC dc() const { return dc_ ? dc_->get() : nullptr; }

    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t* pixels() const { return pixels_; }
    // Copies the whole image to `dc` at (0, 0).
    bool blit(HDC dc) const;

private:
    Bitmap bitmap_;
    std::unique_ptr<MemoryDC> dc_;  // declared after the bitmap: deleted before it
    uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace fw
