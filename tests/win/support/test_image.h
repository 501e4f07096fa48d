#pragma once
// An off-screen image with a GDI+ graphics on it, as the windows paint.
#include <memory>

#include "app/ombrel_app.h"
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"

namespace wintest {

struct TestImage {
    GImageEx image;
    std::unique_ptr<draw::Graphics> graphics;

    TestImage(int width, int height) {
        image.create(width, -height, 32);
        graphics = std::make_unique<draw::Graphics>(image.dc());
    }
    // 0xAARRGGBB as stored; GDI leaves the alpha byte as it finds it.
    uint32_t pixel(int x, int y) const {
        GdiFlush();
        return image.pixels()[y * image.width() + x];
    }
    uint32_t rgb(int x, int y) const { return pixel(x, y) & 0xFFFFFF; }
};

}  // namespace wintest
