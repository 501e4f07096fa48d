// The clock panel drawn for real into an image at a fixed time.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "calendar/analog_clock_panel.h"
#include "gadget/gadget_layout.h"
#include "support/app_scope.h"
#include "support/panels_fixtures.h"

namespace {

using wintest::inkNear;
using wintest::localTime;

struct ClockCanvas {
    wintest::TestImage image{200, 220};
    app::Scale scale = theApp.scale();
    draw::RectF rect = gadget::panelRects(scale)[gadget::ClockPanel];
    float A = rect.x + rect.width * 0.5f - 1;
    float B = rect.y + rect.height * 0.5f - 1;

    void paint(std::time_t at) {
        wintest::FixedNow now(at);
        // The frame's own fill leaves anti-aliasing on for the panels.
        image.graphics->setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        paintAnalogClock(*image.graphics, rect, image.image);
    }
    // Is there text ink `distance` (96-dpi units) from the centre at `degrees`
    // clockwise from twelve?
    bool inkAt(double degrees, double distance) const {
        double a = degrees * std::numbers::pi / 180, d = distance * scale.sx(1);
        return inkNear(image, A + std::sin(a) * d, B - std::cos(a) * d, theApp.ThemePalette.text,
                       theApp.ThemePalette.panel);
    }
};

// Where the renderer puts the ink of `text` drawn centred on a point, relative
// to that point: the clock's numerals are checked against it, so that only
// their placement is under test, not the font's side bearings.
struct InkOffset {
    double x, y;
    int height;
};
InkOffset centredInkOffset(const wchar_t* text, float points) {
    wintest::TestImage scratch(80, 80);
    draw::SolidBrush back(theApp.ThemePalette.panel), ink(theApp.ThemePalette.text);
    scratch.graphics->fillRectangleI(back, 0, 0, 80, 80);
    scratch.graphics->setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    draw::Font font = draw::createFont(L"Times New Roman", points, 0);
    draw::StringFormat centred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentCenter);
    scratch.graphics->drawString(text, font, 40, 40, 0, 0, centred, ink);
    auto box = wintest::inkBox(scratch, 0, 0, 80, 80, theApp.ThemePalette.text, theApp.ThemePalette.panel);
    return {box.centerX() - 40, box.centerY() - 40, box.height()};
}

struct Ray {
    double degrees;
    std::vector<double> distances;
};

TEST(ClockPanel, HandsPointWhereTheTimeSays) {
    struct Case {
        const char* name;
        std::time_t at;
        std::vector<Ray> inked;
        std::vector<Ray> bare;
    };
    const Case cases[] = {
        {"03:00:00",
         localTime(2024, 5, 15, 3, 0, 0),
         {{90, {8, 16, 24}}, {0, {10, 30, 40, 44}}},
         {{180, {20, 26}}, {270, {12, 24}}, {45, {20, 30}}}},
        // The hour hand has gone round once more than at half past midnight: 375 degrees.
        {"12:30:30",
         localTime(2024, 5, 15, 12, 30, 30),
         {{15, {8, 16, 24}}, {183, {34, 40}}, {180, {44}}},
         {{0, {20, 26}}, {90, {16, 24}}, {270, {16, 24}}}},
        {"04:07:22",
         localTime(2024, 5, 15, 4, 7, 22),
         {{123.5, {8, 16, 24}}, {44.2, {34, 40}}, {132, {44, 46}}},
         {{270, {20}}, {0, {25}}, {200, {20, 30}}}},
        // The runtime cannot convert it: every field is -1, so the hands turn back.
        {"unconvertible",
         std::numeric_limits<std::time_t>::max(),
         {{329.5, {8, 16, 24}}},
         {{30, {16}}, {90, {20}}, {180, {20}}}},
    };
    wintest::AppScope settings(1.0f, 100, 1);
    for (const Case& c : cases) {
        ClockCanvas clock;
        clock.paint(c.at);
        for (const Ray& ray : c.inked)
            for (double d : ray.distances)
                EXPECT_TRUE(clock.inkAt(ray.degrees, d)) << c.name << " at " << ray.degrees << " deg, " << d;
        for (const Ray& ray : c.bare)
            for (double d : ray.distances)
                EXPECT_FALSE(clock.inkAt(ray.degrees, d)) << c.name << " at " << ray.degrees << " deg, " << d;
    }
}

TEST(ClockPanel, HubLeavesAPanelRingAroundATextCentre) {
    wintest::AppScope settings(1.0f, 100, 1);
    ClockCanvas clock;
    clock.paint(localTime(2024, 5, 15, 3, 0, 0));
    const auto& palette = theApp.ThemePalette;
    int cx = int(clock.A), cy = int(clock.B);
    EXPECT_EQ(clock.image.rgb(cx, cy), palette.text & 0xFFFFFF);
    // Left of the centre, where no hand passes at three o'clock: the ring, then the face.
    EXPECT_EQ(clock.image.rgb(cx - 3, cy), palette.panel & 0xFFFFFF);
}

TEST(ClockPanel, NumeralsAreCentredOnTheirPlaces) {
    wintest::AppScope settings(1.0f, 100, 1);
    ClockCanvas clock;
    // The hands point away from 1 and 3.
    clock.paint(localTime(2024, 5, 15, 7, 25, 40));
    struct Case {
        const wchar_t* numeral;
        double x, y;
    };
    for (const Case& c : {Case{L"1", 86.9, 35.3}, Case{L"3", 105.8, 68.0}}) {
        InkOffset offset = centredInkOffset(c.numeral, 12);
        auto box = wintest::inkBox(clock.image, int(c.x) - 7, int(c.y) - 8, int(c.x) + 9, int(c.y) + 9,
                                   theApp.ThemePalette.text, theApp.ThemePalette.panel);
        ASSERT_GT(box.right, box.left) << char(c.numeral[0]);
        EXPECT_NEAR(box.centerX(), c.x + offset.x, 1.0) << char(c.numeral[0]);
        EXPECT_NEAR(box.centerY(), c.y + offset.y, 1.0) << char(c.numeral[0]);
        EXPECT_EQ(box.height(), offset.height) << char(c.numeral[0]);
    }
}

TEST(ClockPanel, ShadowShadesTheLowerRightOnlyWhenSwitchedOn) {
    struct Case {
        const char* name;
        int theme, shadow;
        uint32_t corner;  // what (125, 125) shows
    };
    app::ThemePalette black{}, green{};
    app::themePalette(0, black);
    app::themePalette(1, green);
    const Case cases[] = {
        {"green, on", 1, 1, green.frame},
        {"green, off", 1, 0, green.panel},
        // The black theme's frame is too dark to fade into.
        {"black, on", 0, 1, black.gridTop},
        {"black, off", 0, 0, black.panel},
    };
    for (const Case& c : cases) {
        wintest::AppScope settings(1.0f, 100, c.theme, c.shadow);
        ClockCanvas clock;
        clock.paint(localTime(2024, 5, 15, 9, 45, 50));
        const auto& palette = theApp.ThemePalette;
        EXPECT_EQ(clock.image.rgb(125, 125), c.corner & 0xFFFFFF) << c.name;
        // Inside the quarter circle the shade is still the panel colour.
        EXPECT_EQ(clock.image.rgb(100, 100), palette.panel & 0xFFFFFF) << c.name;
        // Right of the shaded rectangle, inside the panel.
        EXPECT_EQ(clock.image.rgb(127, 125), palette.panel & 0xFFFFFF) << c.name;
        // Below the panel nothing was drawn.
        EXPECT_EQ(clock.image.rgb(60, 140), 0u) << c.name;
    }
}

TEST(ClockPanel, LengthsFollowSizeAndDpiButTheNumeralsFollowSizeOnly) {
    struct Case {
        const char* name;
        float dpi;
        int size;
        double fontFactor;  // the image has 96 dpi, so points do not follow the DPI factor
    };
    const Case cases[] = {{"100 %", 1.0f, 100, 1.0}, {"120 %", 1.0f, 120, 1.2}, {"144 dpi", 1.5f, 100, 1.0}};
    int baseHeight = 0;
    for (const Case& c : cases) {
        wintest::AppScope settings(c.dpi, c.size, 1);
        ClockCanvas clock;
        // Hour hand at 48.75 degrees, minute hand at 225: between numerals and ticks.
        clock.paint(localTime(2024, 5, 15, 1, 37, 30));
        EXPECT_TRUE(clock.inkAt(48.75, 31.5 * 0.85)) << c.name;
        EXPECT_FALSE(clock.inkAt(48.75, 31.5 * 1.15)) << c.name;
        EXPECT_TRUE(clock.inkAt(225, 46.8 * 0.85)) << c.name;
        EXPECT_FALSE(clock.inkAt(225, 46.8 * 1.03)) << c.name;
        // The face circle in the frame colour at radius 56.7 (scaled), straight left.
        const auto& palette = theApp.ThemePalette;
        float r = 56.7f * clock.scale.sx(1);
        EXPECT_TRUE(inkNear(clock.image, clock.A - r, clock.B, palette.frame, palette.panel)) << c.name;
        EXPECT_FALSE(inkNear(clock.image, clock.A - r + 4 * clock.scale.sx(1), clock.B, palette.frame, palette.panel))
            << c.name;

        // The numeral 3, straight right at radius 37.8 (scaled), one pixel right and down.
        float x = clock.A + 37.8f * clock.scale.sx(1) + 1, y = clock.B + 1;
        int half = int(12 * clock.scale.sx(1));
        // The glyph sits a little right of its place; the hour tick further right stays out.
        auto box = wintest::inkBox(clock.image, int(x) - half / 2, int(y) - half, int(x + 0.6f * half), int(y) + half,
                                   palette.text, palette.panel);
        InkOffset offset = centredInkOffset(L"3", 12 * c.size / 100.0f);
        ASSERT_GT(box.right, box.left) << c.name;
        EXPECT_NEAR(box.centerX(), x + offset.x, 1.0) << c.name;
        EXPECT_NEAR(box.centerY(), y + offset.y, 1.0) << c.name;
        if (baseHeight == 0) baseHeight = box.height();
        EXPECT_NEAR(box.height(), baseHeight * c.fontFactor, 1.0) << c.name;
    }
}

}  // namespace
