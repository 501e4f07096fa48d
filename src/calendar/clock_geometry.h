#pragma once
// The arithmetic of the clock face: centre, radii, where ticks and numerals sit,
// how far each hand turns, and the local time it shows. Kept apart from the
// drawing so that it is checked natively.
#include <ctime>

#include "app/scale.h"
#include "draw/rect_f.h"

namespace calendar {

struct ClockPoint {
    float x, y;
};

// Insets of the marks from the panel's half width, at 96 dpi and 100 %.
constexpr float TICK_OUTER_INSET = 3;
constexpr float MINUTE_TICK_INNER_INSET = 7;
constexpr float HOUR_TICK_INNER_INSET = 9;
constexpr float NUMERAL_INSET = 20;

class ClockFace {
public:
    ClockFace(const draw::RectF& rect, const app::Scale& scale);

    float centerX() const { return centerX_; }  // A
    float centerY() const { return centerY_; }  // B
    // The face circle, a little outside the ticks.
    float faceRadius() const;
    // The radius `inset` (a 96-dpi length) inside the panel's half width. Only the
    // width counts, so the face stays round in a panel that is not square.
    float radius(float inset) const;
    // The point at `radians` (clockwise from the positive x axis) and `radius`.
    ClockPoint pointAt(double radians, float radius) const;
    // The centre of numeral n = 1..12, one device pixel right and down of its
    // place on the circle, which centres the glyphs better.
    ClockPoint numeralCenter(int n) const;

private:
    draw::RectF rect_;
    app::Scale scale_;
    float centerX_, centerY_;
};

// Angle of minute tick k = 0..59 and of hour n = 1..12 (12 straight up).
double minuteTickAngle(int k);
double hourAngle(int n);

// Rotations of the hands in degrees, clockwise from 12 o'clock. Fields of -1 (a
// failed conversion) turn them backwards rather than being rejected.
struct HandRotations {
    float hour, minute, second;
};
HandRotations handRotations(int hour, int minute, int second);

// Hour, minute and second of `now` in local time; a failed conversion gives -1.
struct ClockTime {
    int hour, minute, second;
};
ClockTime localClockTime(std::time_t now);

}  // namespace calendar
