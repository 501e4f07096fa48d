#pragma once
// An off-screen image with a GDI+ graphics on it, as the windows paint, and the
// app's scale and palette set for one test and restored after it.
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

// Sets theApp's scale and theme for a test; the destructor puts back what was there.
class AppSettings {
public:
    AppSettings(float dpi, int32_t sizePercent, int32_t theme = 0, int32_t shadow = 0)
        : dpiX_(theApp.dpiScaleX), dpiY_(theApp.dpiScaleY), size_(theApp.sizePercent),
          colorSelect_(theApp.colorSelect), shadow_(theApp.shadow), palette_(theApp.ThemePalette) {
        theApp.dpiScaleX = theApp.dpiScaleY = dpi;
        theApp.sizePercent = sizePercent;
        theApp.colorSelect = theme;
        theApp.shadow = shadow;
        theApp.applyTheme(theme);
    }
    ~AppSettings() {
        theApp.dpiScaleX = dpiX_;
        theApp.dpiScaleY = dpiY_;
        theApp.sizePercent = size_;
        theApp.colorSelect = colorSelect_;
        theApp.shadow = shadow_;
        theApp.ThemePalette = palette_;
    }
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

private:
    float dpiX_, dpiY_;
    int32_t size_, colorSelect_, shadow_;
    app::ThemePalette palette_;
};

}  // namespace wintest
