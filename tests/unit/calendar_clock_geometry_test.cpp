// Where the clock face puts its marks and how far the hands turn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/clock_geometry.h"
#include "common/local_time.h"
#include "gadget/gadget_layout.h"

namespace calendar {
namespace {

draw::RectF clockRect(const app::Scale& s) { return gadget::panelRects(s)[gadget::ClockPanel]; }

TEST(ClockFace, ReferenceRadiiAtNinetySixDpi) {
    ClockFace face(clockRect({}), {});
    EXPECT_FLOAT_EQ(face.centerX(), 67);
    EXPECT_FLOAT_EQ(face.centerY(), 67);
    EXPECT_NEAR(face.faceRadius(), 56.7, 1e-4);
    EXPECT_NEAR(face.radius(TICK_OUTER_INSET), 53.1, 1e-4);
    EXPECT_NEAR(face.radius(MINUTE_TICK_INNER_INSET), 49.5, 1e-4);
    EXPECT_NEAR(face.radius(HOUR_TICK_INNER_INSET), 47.7, 1e-4);
    EXPECT_NEAR(face.radius(NUMERAL_INSET), 37.8, 1e-4);
}

TEST(ClockFace, NumeralsSitClockwiseFromTwelveAtTheTop) {
    ClockFace face(clockRect({}), {});
    struct Case {
        int numeral;
        double x, y;
    };
    const Case cases[] = {
        {1, 86.9, 35.26},  // 60 degrees before 3
        {3, 105.8, 68.0},  // straight right
        {6, 68.0, 105.8},  // straight down
        {9, 30.2, 68.0},   // straight left
        {12, 68.0, 30.2},  // straight up
    };
    for (const Case& c : cases) {
        ClockPoint p = face.numeralCenter(c.numeral);
        EXPECT_NEAR(p.x, c.x, 0.01) << c.numeral;
        EXPECT_NEAR(p.y, c.y, 0.01) << c.numeral;
    }
}

TEST(ClockFace, MinuteTicksGoRoundOnceClockwiseFromThree) {
    ClockFace face(clockRect({}), {});
    float r = face.radius(TICK_OUTER_INSET);
    ClockPoint first = face.pointAt(minuteTickAngle(0), r);
    ClockPoint quarter = face.pointAt(minuteTickAngle(15), r);
    ClockPoint last = face.pointAt(minuteTickAngle(59), r);
    EXPECT_NEAR(first.x, 67 + r, 1e-4);
    EXPECT_NEAR(first.y, 67, 1e-4);
    // Screen y grows downwards, so a quarter turn clockwise ends at the bottom.
    EXPECT_NEAR(quarter.x, 67, 1e-4);
    EXPECT_NEAR(quarter.y, 67 + r, 1e-4);
    // One tick short of a full turn: just above three o'clock.
    EXPECT_LT(last.y, 67);
    EXPECT_NEAR(std::hypot(last.x - 67, last.y - 67), r, 1e-3);
}

TEST(ClockFace, LengthsFollowTheScaleButTheCentreKeepsItsPixelOffset) {
    struct Case {
        const char* name;
        app::Scale scale;
        float factor;
    };
    const Case cases[] = {
        {"120 %", {1.0f, 1.0f, 120}, 1.2f},
        {"144 dpi", {1.5f, 1.5f, 100}, 1.5f},
        {"144 dpi at 80 %", {1.5f, 1.5f, 80}, 1.2f},
    };
    for (const Case& c : cases) {
        ClockFace face(clockRect(c.scale), c.scale);
        // The centre is half the panel in, less one device pixel.
        EXPECT_NEAR(face.centerX(), 68 * c.factor - 1, 1e-3) << c.name;
        EXPECT_NEAR(face.centerY(), 68 * c.factor - 1, 1e-3) << c.name;
        EXPECT_NEAR(face.faceRadius(), 56.7 * c.factor, 1e-3) << c.name;
        EXPECT_NEAR(face.radius(TICK_OUTER_INSET), 53.1 * c.factor, 1e-3) << c.name;
        EXPECT_NEAR(face.radius(NUMERAL_INSET), 37.8 * c.factor, 1e-3) << c.name;
    }
}

TEST(ClockFace, OnlyThePanelWidthSetsTheRadii) {
    ClockFace wide({6, 6, 124, 124}, {});
    ClockFace flat({6, 6, 124, 40}, {});
    EXPECT_FLOAT_EQ(flat.faceRadius(), wide.faceRadius());
    EXPECT_FLOAT_EQ(flat.radius(NUMERAL_INSET), wide.radius(NUMERAL_INSET));
    EXPECT_FLOAT_EQ(flat.centerY(), 6 + 20 - 1);
}

TEST(HandRotations, DegreesClockwiseFromTwelve) {
    struct Case {
        int hour, minute, second;
        float hourDegrees, minuteDegrees, secondDegrees;
    };
    const Case cases[] = {
        {3, 0, 0, 90, 0, 0},
        // The hour hand of the afternoon goes round a second time: 12.5 hours.
        {12, 30, 30, 375, 183, 180},
        {0, 0, 0, 0, 0, 0},
        {23, 59, 59, 23.9833333f * 30, 59.9833333f * 6, 354},
        {6, 15, 45, 187.5f, 94.5f, 270},
        // A failed conversion gives -1 for each field.
        {-1, -1, -1, -30.5f, -6.1f, -6},
    };
    for (const Case& c : cases) {
        HandRotations r = handRotations(c.hour, c.minute, c.second);
        EXPECT_NEAR(r.hour, c.hourDegrees, 1e-3) << c.hour << ":" << c.minute << ":" << c.second;
        EXPECT_NEAR(r.minute, c.minuteDegrees, 1e-3) << c.hour << ":" << c.minute << ":" << c.second;
        EXPECT_NEAR(r.second, c.secondDegrees, 1e-3) << c.hour << ":" << c.minute << ":" << c.second;
    }
}

TEST(LocalClockTime, ReadsTheLocalHourMinuteAndSecond) {
    ClockTime t = localClockTime(testing_time::localTime(2024, 5, 15, 12, 30, 30));
    EXPECT_EQ(t.hour, 12);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 30);
}

TEST(LocalClockTime, ATimeTheRuntimeCannotConvertGivesMinusOne) {
    ClockTime t = localClockTime(std::numeric_limits<std::time_t>::max());
    EXPECT_EQ(t.hour, -1);
    EXPECT_EQ(t.minute, -1);
    EXPECT_EQ(t.second, -1);
}

}  // namespace
}  // namespace calendar
