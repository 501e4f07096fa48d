#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <utility>

#include "app/theme_palette.h"
#include "draw/transparent_key.h"

namespace {

app::ThemePalette paletteOf(int theme) {
    app::ThemePalette p{};
    EXPECT_TRUE(app::themePalette(theme, p)) << theme;
    return p;
}

// Rec. 601 luma of an ARGB colour, 0..255.
int luma(uint32_t argb) {
    return static_cast<int>((299 * ((argb >> 16) & 0xFF) + 587 * ((argb >> 8) & 0xFF) + 114 * (argb & 0xFF)) / 1000);
}

// The theme the user picks is known by its frame; the black one alone has a dark panel.
TEST(ThemePalette, EachThemeHasItsFrameAndADarkOrLightPanel) {
    const std::pair<uint32_t, bool> frames[app::THEME_COUNT] = {
        {0xFF404040, true}, {0xFF60A060, false}, {0xFF8080E0, false}, {0xFFE06060, false}, {0xFF808080, false}};
    for (int theme = 0; theme < app::THEME_COUNT; ++theme) {
        app::ThemePalette p = paletteOf(theme);
        EXPECT_EQ(p.frame, frames[theme].first) << theme;
        EXPECT_EQ(luma(p.panel) < 0x40, frames[theme].second) << theme;
    }
}

TEST(ThemePalette, TextStandsOutFromWhatItIsWrittenOn) {
    for (int theme = 0; theme < app::THEME_COUNT; ++theme) {
        app::ThemePalette p = paletteOf(theme);
        EXPECT_GT(std::abs(luma(p.text) - luma(p.panel)), 0x80) << theme;
        EXPECT_GT(std::abs(luma(p.frameText) - luma(p.frame)), 0x50) << theme;
    }
}

// A day's ink tells plain days, holidays, Saturdays, special days and today
// apart, on the panel they are drawn on.
TEST(ThemePalette, TheDayInksDifferFromEachOtherAndFromThePanel) {
    for (int theme = 0; theme < app::THEME_COUNT; ++theme) {
        app::ThemePalette p = paletteOf(theme);
        const uint32_t inks[] = {p.panel, p.text, p.red, p.blue, p.yellow, p.gray};
        for (size_t i = 0; i < std::size(inks); ++i)
            for (size_t j = i + 1; j < std::size(inks); ++j)
                EXPECT_NE(inks[i], inks[j]) << "theme " << theme << ", inks " << i << " and " << j;
    }
}

// Every colour is opaque, and none is the key that the layered windows cut out.
TEST(ThemePalette, ColoursAreOpaqueAndNeverTheTransparentKey) {
    for (int theme = 0; theme < app::THEME_COUNT; ++theme) {
        app::ThemePalette p = paletteOf(theme);
        for (uint32_t colour : {p.frame, p.frameText, p.panel, p.grid, p.gridTop, p.text, p.red, p.green, p.blue,
                                p.yellow, p.border, p.gray, p.silver}) {
            EXPECT_EQ(colour >> 24, 0xFFu) << theme;
            EXPECT_NE(colour, draw::TRANSPARENT_KEY) << theme;
        }
    }
}

// The black theme's marks are brighter than the light themes', for the black panel.
TEST(ThemePalette, TheDarkThemeHasMarksOfItsOwn) {
    app::ThemePalette dark = paletteOf(0), green = paletteOf(1);
    EXPECT_NE(dark.red, green.red);
    EXPECT_NE(dark.yellow, green.yellow);
    EXPECT_NE(dark.gridTop, green.gridTop);
    EXPECT_GT(luma(dark.yellow), luma(green.yellow));
    EXPECT_EQ(dark.silver, green.silver);
    // The light themes differ in their frame and panel only.
    for (int theme = 2; theme < app::THEME_COUNT; ++theme) {
        app::ThemePalette p = paletteOf(theme);
        p.frame = green.frame;
        p.panel = green.panel;
        EXPECT_EQ(p, green) << theme;
    }
}

TEST(ThemePalette, AnUnknownIndexChangesNothing) {
    for (int index : {-1, 5, 7, 2147483647}) {
        app::ThemePalette p{};
        EXPECT_FALSE(app::themePalette(index, p)) << index;
        EXPECT_EQ(p, app::ThemePalette{}) << index;
    }
}

}  // namespace
