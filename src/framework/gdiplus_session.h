#pragma once
// GDI+ for as long as this object lives: version 1, no debug callback, with its
// background thread and external codecs (the start-up record's defaults). The
// program, the test programs and the benchmark each hold one.
#include "framework/gdiplus.h"

namespace fw {

class GdiplusSession {
public:
    GdiplusSession() { status_ = Gdiplus::GdiplusStartup(&token_, &input_, nullptr); }
    ~GdiplusSession() {
        if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    Gdiplus::Status status() const { return status_; }

private:
    Gdiplus::GdiplusStartupInput input_;
    ULONG_PTR token_ = 0;
    Gdiplus::Status status_;
};

}  // namespace fw
