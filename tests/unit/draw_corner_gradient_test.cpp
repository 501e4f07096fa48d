#include <gtest/gtest.h>

#include <vector>

#include "draw/corner_gradient.h"
#include "draw/transparent_key.h"

namespace {

constexpr uint32_t nearColor = 0xFF102030;
constexpr uint32_t farColor = 0xFFF0E0D0;
constexpr uint32_t nearRgb = nearColor & 0xFFFFFF;  // written with alpha 0
constexpr uint32_t farRgb = farColor & 0xFFFFFF;
constexpr uint32_t untouched = 0xFF777777;

struct Canvas {
    int width, height;
    std::vector<uint32_t> pixels;
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w * h), untouched) {}
    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; }
    void fill(app::IntRect r, int origin, int spread) {
        draw::fillCornerGradient(pixels.data(), width, height, r, nearColor, farColor, origin, spread);
    }
};

TEST(CornerGradient, ClockShadeFromTheTopLeftCorner) {
    Canvas c(136, 136);
    c.fill({68, 68, 126, 126}, 0, 20);
    EXPECT_EQ(c.at(68, 68), nearRgb);
    for (int i = 68; i < 126; ++i) {
        EXPECT_EQ(c.at(i, 68), nearRgb) << "first row, x " << i;
        EXPECT_EQ(c.at(68, i), nearRgb) << "first column, y " << i;
    }
    // dx = dy = 57: r = 80.6, q = 58, v = 22, past a spread of 20.
    EXPECT_EQ(c.at(125, 125), farRgb);
    // Outside the rectangle nothing changes.
    EXPECT_EQ(c.at(67, 67), untouched);
    EXPECT_EQ(c.at(126, 126), untouched);
}

TEST(CornerGradient, RampsLinearlyAlongTheDiagonal) {
    Canvas c(200, 200);
    c.fill({0, 0, 100, 100}, 0, 20);
    // On the diagonal of a square q is its side: at dx = dy = 78, r = 110.3, v = 10, t = 0.5.
    uint32_t p = c.at(78, 78);
    EXPECT_EQ((p >> 16) & 0xFF, (0x10u + 0xF0u) / 2);
    EXPECT_EQ((p >> 8) & 0xFF, (0x20u + 0xE0u) / 2);
    EXPECT_EQ(p & 0xFF, (0x30u + 0xD0u) / 2);
    EXPECT_EQ(p >> 24, 0u);
    // Still inside the ellipse: near; far along the same ray: far.
    EXPECT_EQ(c.at(70, 70), nearRgb);
    EXPECT_EQ(c.at(99, 99), farRgb);
}

TEST(CornerGradient, KeyPixelsStayButTransparentBlackIsOverwritten) {
    Canvas c(20, 20);
    c.at(5, 5) = draw::TRANSPARENT_KEY;
    c.at(6, 6) = 0x00000001;
    c.fill({0, 0, 20, 20}, 0, 5);
    EXPECT_EQ(c.at(5, 5), draw::TRANSPARENT_KEY);
    EXPECT_NE(c.at(6, 6), 0x00000001u);
}

TEST(CornerGradient, BottomLeftOriginShadesTheTop) {
    Canvas c(100, 100);
    c.fill({0, 0, 100, 80}, 3, 80);
    // dy counts up from the bottom edge: the bottom row is near, the far top right is past the ellipse.
    EXPECT_EQ(c.at(0, 79), nearRgb);
    EXPECT_NE(c.at(99, 0), nearRgb);
}

TEST(CornerGradient, OtherOriginsGiveTheNearColourEverywhere) {
    for (int origin : {1, 2}) {
        Canvas c(30, 30);
        c.at(10, 10) = draw::TRANSPARENT_KEY;
        c.fill({0, 0, 30, 30}, origin, 10);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                if (x == 10 && y == 10) continue;
                ASSERT_EQ(c.at(x, y), nearRgb) << origin << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(c.at(10, 10), draw::TRANSPARENT_KEY);
    }
}

TEST(CornerGradient, ARectanglePartlyOutsideTouchesOnlyThePixelsInside) {
    Canvas c(10, 10);
    c.fill({-5, -5, 5, 5}, 0, 4);
    EXPECT_NE(c.at(0, 0), untouched);
    EXPECT_NE(c.at(4, 4), untouched);
    EXPECT_EQ(c.at(5, 5), untouched);
    EXPECT_EQ(c.at(9, 0), untouched);
    // Wholly outside, and empty: nothing at all.
    Canvas d(10, 10);
    d.fill({20, 20, 40, 40}, 0, 4);
    d.fill({3, 3, 3, 9}, 0, 4);
    for (uint32_t p : d.pixels) EXPECT_EQ(p, untouched);
}

TEST(CornerGradient, AZeroSpreadFromASizeOfZeroIsNoRamp) {
    Canvas c(10, 10);
    c.fill({0, 0, 10, 10}, 0, 0);
    EXPECT_EQ(c.at(9, 9), nearRgb);
}

}  // namespace
