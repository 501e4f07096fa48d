#include "draw/gdiplus_wrappers.h"

namespace draw {

namespace {

// The generic sans-serif family, made on first need and kept for the process.
struct FallbackFamily {
    Gdiplus::GpFontFamily* family = nullptr;
    GpStatus status = Gdiplus::Ok;
    // Never deleted: it may outlive GdiplusShutdown, after which deleting it is unsafe.
    FallbackFamily() { status = gp::GdipGetGenericFontFamilySansSerif(&family); }
};

FallbackFamily& fallbackFamily() {
    static FallbackFamily fallback;
    return fallback;
}

}  // namespace

Font createFont(const wchar_t* familyName, float emSize, int style) {
    const FontFamily named(familyName);
    Gdiplus::GpFontFamily* family = nullptr;
    GpStatus status = named.status();
    if (status == Gdiplus::Ok) {
        family = named.handle();
    } else {
        FallbackFamily& fallback = fallbackFamily();
        family = fallback.family;
        status = fallback.status;
    }
    Gdiplus::GpFont* font = nullptr;
    if (status == Gdiplus::Ok) {
        status = gp::GdipCreateFont(family, emSize, style, Gdiplus::UnitPoint, &font);
        FallbackFamily& fallback = fallbackFamily();
        if (status != Gdiplus::Ok && fallback.status == Gdiplus::Ok && family != fallback.family)
            status = gp::GdipCreateFont(fallback.family, emSize, style, Gdiplus::UnitPoint, &font);
    }
    Font result(status == Gdiplus::Ok ? font : nullptr);
    result.setStatus(status);
    return result;
}

}  // namespace draw
