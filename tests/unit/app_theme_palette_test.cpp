#include <gtest/gtest.h>

#include "app/theme_palette.h"

namespace {

TEST(ThemePalette, EachThemeHasItsFrameAndPanel) {
    struct Case {
        int theme;
        uint32_t frame, panel, text;
    } cases[] = {
        {0, 0xFF404040, 0xFF000000, 0xFFC0C0C0}, {1, 0xFF60A060, 0xFFE0F0E0, 0xFF202020},
        {2, 0xFF8080E0, 0xFFE0E0F0, 0xFF202020}, {3, 0xFFE06060, 0xFFF0E0E0, 0xFF202020},
        {4, 0xFF808080, 0xFFF0F0F0, 0xFF202020},
    };
    for (const Case& c : cases) {
        app::ThemePalette p{};
        ASSERT_TRUE(app::themePalette(c.theme, p));
        EXPECT_EQ(p.frame, c.frame) << c.theme;
        EXPECT_EQ(p.panel, c.panel) << c.theme;
        EXPECT_EQ(p.text, c.text) << c.theme;
    }
}

TEST(ThemePalette, DarkThemeDiffersFromTheLightOnesBeyondFrameAndPanel) {
    app::ThemePalette dark{}, green{};
    ASSERT_TRUE(app::themePalette(0, dark));
    ASSERT_TRUE(app::themePalette(1, green));
    EXPECT_EQ(dark.red, 0xFFFF2020u);
    EXPECT_EQ(green.red, 0xFFFF4040u);
    EXPECT_EQ(dark.yellow, 0xFFD0D000u);
    EXPECT_EQ(green.yellow, 0xFFA0A000u);
    EXPECT_EQ(dark.gridTop, 0xFF808080u);
    EXPECT_EQ(green.gridTop, 0xFF707070u);
    EXPECT_EQ(green.frameText, 0xFF000000u);
    EXPECT_EQ(dark.silver, green.silver);
}

TEST(ThemePalette, AnUnknownIndexChangesNothing) {
    for (int index : {-1, 5, 7, 2147483647}) {
        app::ThemePalette p{};
        EXPECT_FALSE(app::themePalette(index, p)) << index;
        EXPECT_EQ(p.frame, 0u) << index;
        EXPECT_EQ(p.silver, 0u) << index;
    }
}

}  // namespace
