#include "calendar/clock_geometry.h"

#include <cmath>
#include <numbers>

namespace calendar {

namespace {

// Each field is converted on its own, so one failed conversion costs only its field.
int localField(std::time_t now, int std::tm::*field) {
    const std::tm* local = std::localtime(&now);
    return local ? local->*field : -1;
}

}  // namespace

ClockFace::ClockFace(const draw::RectF& rect, const app::Scale& scale)
    : rect_(rect), scale_(scale), centerX_(rect.x + rect.width * 0.5f - 1), centerY_(rect.y + rect.height * 0.5f - 1) {}

float ClockFace::faceRadius() const { return (rect_.width * 0.5f + scale_.sx(1)) * 0.9f; }

float ClockFace::radius(float inset) const { return (rect_.width * 0.5f - scale_.sx(inset)) * 0.9f; }

ClockPoint ClockFace::pointAt(double radians, float radius) const {
    return {centerX_ + static_cast<float>(std::cos(radians)) * radius,
            centerY_ + static_cast<float>(std::sin(radians)) * radius};
}

ClockPoint ClockFace::numeralCenter(int n) const {
    ClockPoint p = pointAt(hourAngle(n), radius(NUMERAL_INSET));
    return {p.x + 1, p.y + 1};
}

double minuteTickAngle(int k) { return 2 * k * std::numbers::pi / 60; }

double hourAngle(int n) { return (2 * n - 6) * std::numbers::pi / 12; }

HandRotations handRotations(int hour, int minute, int second) {
    float h = static_cast<float>(hour), m = static_cast<float>(minute), s = static_cast<float>(second);
    return {(h + m / 60) * 360 / 12, (m + s / 60) * 360 / 60, s * 6};
}

ClockTime localClockTime(std::time_t now) {
    return {localField(now, &std::tm::tm_hour), localField(now, &std::tm::tm_min), localField(now, &std::tm::tm_sec)};
}

}  // namespace calendar
