#pragma once
// Thin owners of GDI+ flat-API objects. Each remembers nothing but its handle; a
// failed creation leaves an empty handle and later calls with it simply fail.
// The graphics wrapper records the status of the last failing call, which
// nothing reads: a paint always runs to its end.
#include "framework/gdiplus.h"

#include <cstdint>
#include <string_view>

namespace draw {

using Gdiplus::GpStatus;
namespace gp = Gdiplus::DllExports;

struct PointF {
    float x, y;
};

class SolidBrush {
public:
    explicit SolidBrush(uint32_t argb) { gp::GdipCreateSolidFill(argb, &handle_); }
    ~SolidBrush() {
        if (handle_) gp::GdipDeleteBrush(handle_);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    void setColor(uint32_t argb) { gp::GdipSetSolidFillColor(handle_, argb); }
    Gdiplus::GpBrush* handle() const { return handle_; }

private:
    Gdiplus::GpSolidFill* handle_ = nullptr;
};

class Pen {
public:
    Pen(uint32_t argb, float width) { gp::GdipCreatePen1(argb, width, Gdiplus::UnitWorld, &handle_); }
    ~Pen() {
        if (handle_) gp::GdipDeletePen(handle_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    void setColor(uint32_t argb) { gp::GdipSetPenColor(handle_, argb); }
    void setWidth(float width) { gp::GdipSetPenWidth(handle_, width); }
    Gdiplus::GpPen* handle() const { return handle_; }

private:
    Gdiplus::GpPen* handle_ = nullptr;
};

class Font {
public:
    Font() = default;
    explicit Font(Gdiplus::GpFont* handle) : handle_(handle) {}
    ~Font() {
        if (handle_) gp::GdipDeleteFont(handle_);
    }
    Font(Font&& other) noexcept : handle_(other.handle_), status_(other.status_) { other.handle_ = nullptr; }
    Font& operator=(const Font&) = delete;
    Gdiplus::GpFont* handle() const { return handle_; }
    GpStatus status() const { return status_; }
    void setStatus(GpStatus status) { status_ = status; }

private:
    Gdiplus::GpFont* handle_ = nullptr;
    GpStatus status_ = Gdiplus::Ok;
};

class StringFormat {
public:
    // No flags, neutral language; near (left) and near (top) alignment.
    StringFormat() { gp::GdipCreateStringFormat(0, LANG_NEUTRAL, &handle_); }
    StringFormat(Gdiplus::StringAlignment horizontal, Gdiplus::StringAlignment vertical) : StringFormat() {
        setAlignment(horizontal);
        setLineAlignment(vertical);
    }
    ~StringFormat() {
        if (handle_) gp::GdipDeleteStringFormat(handle_);
    }
    StringFormat(const StringFormat&) = delete;
    StringFormat& operator=(const StringFormat&) = delete;
    void setAlignment(Gdiplus::StringAlignment a) { gp::GdipSetStringFormatAlign(handle_, a); }
    void setLineAlignment(Gdiplus::StringAlignment a) { gp::GdipSetStringFormatLineAlign(handle_, a); }
    Gdiplus::GpStringFormat* handle() const { return handle_; }

private:
    Gdiplus::GpStringFormat* handle_ = nullptr;
};

// A path of figures, filled in `mode`; the status of its creation is kept.
class Path {
public:
    explicit Path(Gdiplus::FillMode mode) { status_ = gp::GdipCreatePath(mode, &handle_); }
    ~Path() {
        if (handle_) gp::GdipDeletePath(handle_);
    }
    Path(const Path&) = delete;
    Path& operator=(const Path&) = delete;
    Gdiplus::GpPath* handle() const { return handle_; }
    GpStatus status() const { return status_; }

private:
    Gdiplus::GpPath* handle_ = nullptr;
    GpStatus status_;
};

// A font family of the system's collection, by name; empty when not installed.
class FontFamily {
public:
    explicit FontFamily(const wchar_t* name) { status_ = gp::GdipCreateFontFamilyFromName(name, nullptr, &handle_); }
    ~FontFamily() {
        if (handle_) gp::GdipDeleteFontFamily(handle_);
    }
    FontFamily(const FontFamily&) = delete;
    FontFamily& operator=(const FontFamily&) = delete;
    Gdiplus::GpFontFamily* handle() const { return handle_; }
    GpStatus status() const { return status_; }

private:
    Gdiplus::GpFontFamily* handle_ = nullptr;
    GpStatus status_;
};

// GDI+ graphics on a device context, unit the device pixel, identity transform.
class Graphics {
public:
    explicit Graphics(HDC dc) { record(gp::GdipCreateFromHDC(dc, &handle_)); }
    ~Graphics() {
        if (handle_) gp::GdipDeleteGraphics(handle_);
    }
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Gdiplus::GpGraphics* handle() const { return handle_; }
    GpStatus lastStatus() const { return lastStatus_; }

    void setSmoothingMode(Gdiplus::SmoothingMode mode) { record(gp::GdipSetSmoothingMode(handle_, mode)); }
    void setClip(float x, float y, float w, float h) {
        record(gp::GdipSetClipRect(handle_, x, y, w, h, Gdiplus::CombineModeReplace));
    }
    void setClipI(int x, int y, int w, int h) {
        record(gp::GdipSetClipRectI(handle_, x, y, w, h, Gdiplus::CombineModeReplace));
    }
    void fillRectangle(const SolidBrush& b, float x, float y, float w, float h) {
        record(gp::GdipFillRectangle(handle_, b.handle(), x, y, w, h));
    }
    void fillRectangleI(const SolidBrush& b, int x, int y, int w, int h) {
        record(gp::GdipFillRectangleI(handle_, b.handle(), x, y, w, h));
    }
    void drawRectangle(const Pen& p, float x, float y, float w, float h) {
        record(gp::GdipDrawRectangle(handle_, p.handle(), x, y, w, h));
    }
    void drawLine(const Pen& p, float x1, float y1, float x2, float y2) {
        record(gp::GdipDrawLine(handle_, p.handle(), x1, y1, x2, y2));
    }
    void drawLineI(const Pen& p, int x1, int y1, int x2, int y2) {
        record(gp::GdipDrawLineI(handle_, p.handle(), x1, y1, x2, y2));
    }
    void drawLines(const Pen& p, const PointF* points, int count) {
        record(gp::GdipDrawLines(handle_, p.handle(), reinterpret_cast<const Gdiplus::GpPointF*>(points), count));
    }
    void drawEllipse(const Pen& p, float x, float y, float w, float h) {
        record(gp::GdipDrawEllipse(handle_, p.handle(), x, y, w, h));
    }
    void fillEllipse(const SolidBrush& b, float x, float y, float w, float h) {
        record(gp::GdipFillEllipse(handle_, b.handle(), x, y, w, h));
    }
    void fillEllipseI(const SolidBrush& b, int x, int y, int w, int h) {
        record(gp::GdipFillEllipseI(handle_, b.handle(), x, y, w, h));
    }
    void drawPolygon(const Pen& p, const PointF* points, int count) {
        record(gp::GdipDrawPolygon(handle_, p.handle(), reinterpret_cast<const Gdiplus::GpPointF*>(points), count));
    }
    void fillPolygon(const SolidBrush& b, const PointF* points, int count) {
        record(gp::GdipFillPolygon(handle_, b.handle(), reinterpret_cast<const Gdiplus::GpPointF*>(points), count,
                                   Gdiplus::FillModeAlternate));
    }
    void drawString(std::wstring_view text, const Font& font, float x, float y, float w, float h,
                    const StringFormat& format, const SolidBrush& brush) {
        Gdiplus::RectF box(x, y, w, h);
        record(gp::GdipDrawString(handle_, text.data(), static_cast<INT>(text.size()), font.handle(), &box,
                                  format.handle(), brush.handle()));
    }
    // Rotation by `degrees` about (cx, cy): translate, rotate, translate back, each prepended.
    void rotateAbout(float cx, float cy, float degrees) {
        record(gp::GdipTranslateWorldTransform(handle_, cx, cy, Gdiplus::MatrixOrderPrepend));
        record(gp::GdipRotateWorldTransform(handle_, degrees, Gdiplus::MatrixOrderPrepend));
        record(gp::GdipTranslateWorldTransform(handle_, -cx, -cy, Gdiplus::MatrixOrderPrepend));
    }
    void resetTransform() { record(gp::GdipResetWorldTransform(handle_)); }
    GpStatus record(GpStatus status) {
        if (status != Gdiplus::Ok) lastStatus_ = status;
        return status;
    }

private:
    Gdiplus::GpGraphics* handle_ = nullptr;
    GpStatus lastStatus_ = Gdiplus::Ok;
};

// A font of `family` in points (0 regular, 1 bold). A family that is not
// installed gives the generic sans-serif family at the same size and style.
Font createFont(const wchar_t* family, float emSize, int style);

}  // namespace draw
