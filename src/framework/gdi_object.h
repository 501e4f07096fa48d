#pragma once
// Owners of GDI handles, each released by its owner's destructor: fonts,
// brushes and bitmaps; a memory device context with an object selected into
// it; a window's device context.
#include <windows.h>

namespace fw {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    void reset(Handle handle = nullptr) {
        GdiObject old(handle_);
        handle_ = handle;
    }
    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

// A memory device context compatible with the screen, with `object` selected
// into it until the context is deleted.
class MemoryDC {
public:
    explicit MemoryDC(HGDIOBJ object) : dc_(CreateCompatibleDC(nullptr)) {
        if (dc_) old_ = SelectObject(dc_, object);
    }
    ~MemoryDC() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// The device context of a window's client area (or of the screen, for none),
// for as long as the owner lives.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace fw
