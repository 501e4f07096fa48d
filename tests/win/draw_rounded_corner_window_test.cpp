// The shared drawing pieces, drawn for real through GDI+ into an image.
#include <gtest/gtest.h>

#include "draw/rounded_corner_window.h"
#include "draw/transparent_key.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

TEST(RoundedBackground, CornersKeepTheKeyAndNothingIsBlended) {
    wintest::AppScope settings(1.0f, 100);
    wintest::TestImage canvas(136, 462);
    constexpr uint32_t colour = 0xFF60A060;
    RoundedCornerWindow::fillRoundedBackground(*canvas.graphics, 136, 462, colour);
    const uint32_t key = draw::TRANSPARENT_KEY & 0xFFFFFF;
    for (auto [x, y] : {std::pair{0, 0}, {135, 0}, {0, 461}, {135, 461}})
        EXPECT_EQ(canvas.rgb(x, y), key) << x << "," << y;
    EXPECT_EQ(canvas.rgb(68, 231), colour & 0xFFFFFF);
    // Along the edges the fill starts a few pixels in from the corner: radius 8.
    EXPECT_EQ(canvas.rgb(68, 0), colour & 0xFFFFFF);
    EXPECT_EQ(canvas.rgb(0, 231), colour & 0xFFFFFF);
    int keyed = 0;
    for (int y = 0; y < 462; ++y)
        for (int x = 0; x < 136; ++x) {
            uint32_t p = canvas.rgb(x, y);
            ASSERT_TRUE(p == key || p == (colour & 0xFFFFFF)) << std::hex << p << " at " << std::dec << x << "," << y;
            keyed += p == key;
        }
    // Four quarter circles of radius 8 leave a few pixels in each corner, no more.
    EXPECT_GT(keyed, 4 * 5);
    EXPECT_LT(keyed, 4 * 64);
}

TEST(RoundedBackground, LeavesAntiAliasingOnForThePaintersThatFollow) {
    wintest::AppScope settings(1.0f, 100);
    wintest::TestImage canvas(40, 40);
    RoundedCornerWindow::fillRoundedBackground(*canvas.graphics, 40, 40, 0xFF000000);
    Gdiplus::SmoothingMode mode{};
    draw::gp::GdipGetSmoothingMode(canvas.graphics->handle(), &mode);
    EXPECT_EQ(mode, Gdiplus::SmoothingModeAntiAlias);
}

TEST(FontCreation, AFamilyThatIsNotInstalledFallsBackToSansSerif) {
    draw::Font missing = draw::createFont(L"No Such Family Ombrel", 9.0f, 1);
    ASSERT_NE(missing.handle(), nullptr) << "status " << missing.status();
    EXPECT_EQ(missing.status(), Gdiplus::Ok);
    float size = 0;
    draw::gp::GdipGetFontSize(missing.handle(), &size);
    EXPECT_FLOAT_EQ(size, 9.0f);
    INT style = -1;
    draw::gp::GdipGetFontStyle(missing.handle(), &style);
    EXPECT_EQ(style, 1);
    Gdiplus::Unit unit{};
    draw::gp::GdipGetFontUnit(missing.handle(), &unit);
    EXPECT_EQ(unit, Gdiplus::UnitPoint);

    // The fallback draws text where the named family would have.
    wintest::TestImage canvas(80, 30);
    draw::SolidBrush white(0xFFFFFFFF), black(0xFF000000);
    canvas.graphics->fillRectangleI(white, 0, 0, 80, 30);
    draw::StringFormat format;
    canvas.graphics->drawString(L"Ab", missing, 0, 0, 80, 30, format, black);
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) dark += canvas.rgb(x, y) != 0xFFFFFF;
    EXPECT_GT(dark, 10);
}

TEST(GraphicsWrapper, RecordsTheLastFailureAndGoesOn) {
    wintest::TestImage canvas(10, 10);
    EXPECT_EQ(canvas.graphics->lastStatus(), Gdiplus::Ok);
    draw::Font empty;  // a failed creation leaves an empty handle
    draw::StringFormat format;
    draw::SolidBrush brush(0xFF000000);
    canvas.graphics->drawString(L"x", empty, 0, 0, 10, 10, format, brush);
    EXPECT_NE(canvas.graphics->lastStatus(), Gdiplus::Ok);
    canvas.graphics->fillRectangleI(brush, 0, 0, 10, 10);
    EXPECT_EQ(canvas.rgb(5, 5), 0u);
}

TEST(GImageEx, GradientWritesIntoTheImage) {
    wintest::TestImage canvas(136, 136);
    draw::SolidBrush panel(0xFF000000);
    canvas.graphics->fillRectangleI(panel, 0, 0, 136, 136);
    canvas.image.fillCornerGradient({68, 68, 126, 126}, 0xFF000000, 0xFF808080, 0, 20);
    EXPECT_EQ(canvas.rgb(125, 125), 0x808080u);
    EXPECT_EQ(canvas.rgb(68, 125), 0u);
    EXPECT_EQ(canvas.rgb(10, 10), 0u);
}

}  // namespace
