#pragma once
// For the panel tests: a fixed "now", and reading which colour of ink covers a
// spot of an image whose text and edges may be anti-aliased.
#include <algorithm>
#include <cmath>
#include <ctime>
#include <initializer_list>

#include "app/now.h"
#include "common/local_time.h"
#include "support/test_image.h"

namespace wintest {

using testing_time::localTime;

// app::now() answers `t` until the destructor restores the real clock.
class FixedNow {
public:
    explicit FixedNow(std::time_t t) {
        set(t);
        app::setNowForTesting([] { return current(); });
    }
    ~FixedNow() { app::setNowForTesting(nullptr); }
    FixedNow(const FixedNow&) = delete;
    FixedNow& operator=(const FixedNow&) = delete;
    void set(std::time_t t) { current() = t; }

private:
    static std::time_t& current() {
        static std::time_t value = 0;
        return value;
    }
};

// How much of `ink` over `background` pixel `rgb` shows (0..1), and how far the
// pixel lies from that blend (0..255 per channel, root mean square).
struct Blend {
    double coverage, residual;
};
inline Blend blendOf(uint32_t rgb, uint32_t background, uint32_t ink) {
    double num = 0, den = 0, d[3], e[3];
    for (int i = 0; i < 3; ++i) {
        int shift = 16 - 8 * i;
        double b = (background >> shift) & 0xFF;
        d[i] = double((ink >> shift) & 0xFF) - b;
        e[i] = double((rgb >> shift) & 0xFF) - b;
        num += d[i] * e[i];
        den += d[i] * d[i];
    }
    double a = den > 0 ? num / den : 0;
    a = a < 0 ? 0 : a > 1 ? 1 : a;
    double r = 0;
    for (int i = 0; i < 3; ++i) r += (e[i] - a * d[i]) * (e[i] - a * d[i]);
    return {a, std::sqrt(r / 3)};
}

// True when some pixel within one pixel of (x, y) is mostly `ink` over `background`.
inline bool inkNear(const TestImage& image, double x, double y, uint32_t ink, uint32_t background) {
    int cx = int(std::lround(x)), cy = int(std::lround(y));
    for (int py = cy - 1; py <= cy + 1; ++py)
        for (int px = cx - 1; px <= cx + 1; ++px) {
            Blend b = blendOf(image.rgb(px, py), background & 0xFFFFFF, ink & 0xFFFFFF);
            if (b.coverage >= 0.6 && b.residual < 24) return true;
        }
    return false;
}

// The bounding box of the pixels in [left, right) x [top, bottom) that are at
// least half `ink` over `background`; empty (right <= left) when there are none.
struct InkBox {
    int left, top, right, bottom;
    double centerX() const { return (left + right - 1) / 2.0; }
    double centerY() const { return (top + bottom - 1) / 2.0; }
    int height() const { return bottom - top; }
};
inline InkBox inkBox(const TestImage& image, int left, int top, int right, int bottom, uint32_t ink,
                     uint32_t background) {
    InkBox box{right, bottom, left, top};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            Blend b = blendOf(image.rgb(x, y), background & 0xFFFFFF, ink & 0xFFFFFF);
            if (b.coverage < 0.5 || b.residual >= 24) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    return box;
}

}  // namespace wintest
