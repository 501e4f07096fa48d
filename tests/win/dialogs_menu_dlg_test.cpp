// The settings popup under Windows: where it opens and how big it is, what it
// paints, and what a press applies and stores.
#include <gtest/gtest.h>

#include <optional>

#include "dialogs/menu_dlg.h"
#include "support/app_scope.h"
#include "support/probe_menu.h"
#include "support/test_image.h"

namespace {

using wintest::AppScope;
using wintest::ProbeMenu;
using wintest::TestImage;

TEST(MenuDialog, OpensLeftOfAndBelowTheClickAtItsScaledSize) {
    struct Case {
        float dpi;
        int32_t percent;
        int width, height, columnWidth, rowHeight;
    };
    const Case cases[] = {{1.0f, 100, 164, 146, 80, 20}, {1.5f, 120, 295, 262, 144, 36}};
    for (const Case& c : cases) {
        AppScope settings(c.dpi, c.percent);
        ProbeMenu menu;
        menu.anchor = {700, 300};
        menu.doModal();
        EXPECT_EQ(menu.windowRect.right, 700) << c.dpi;
        EXPECT_EQ(menu.windowRect.top, 300) << c.dpi;
        EXPECT_EQ(menu.windowRect.right - menu.windowRect.left, c.width) << c.dpi;
        EXPECT_EQ(menu.windowRect.bottom - menu.windowRect.top, c.height) << c.dpi;
        EXPECT_EQ(menu.columnWidth, c.columnWidth);
        EXPECT_EQ(menu.rowHeight, c.rowHeight);
    }
}

TEST(MenuDialog, IsNotPulledBackOnScreen) {
    AppScope settings(1.0f, 100);
    ProbeMenu menu;
    menu.anchor = {20, 5};
    menu.doModal();
    EXPECT_EQ(menu.windowRect.left, 20 - 164);
    EXPECT_EQ(menu.windowRect.top, 5);
}

// Paints a popup of 164 x 146 (96 dpi, 100 %).
struct PaintedMenu {
    TestImage image{164, 146};
    PaintedMenu(int32_t hoverItem) {
        CMenuDlg menu;
        menu.columnWidth = 80;
        menu.rowHeight = 20;
        menu.hoverItem = hoverItem;
        menu.paintItems(*image.graphics, 164, 146);
    }
};

TEST(MenuDialog, PaintsInFixedColoursWhateverTheTheme) {
    for (int theme : {0, 1, 4}) {
        AppScope settings(1.0f, 100, theme);
        PaintedMenu painted(-1);
        EXPECT_EQ(painted.image.rgb(0, 0), 0x000001u) << "corner keyed out, theme " << theme;
        EXPECT_EQ(painted.image.rgb(150, 135), 0xFFFFFFu) << theme;
        EXPECT_EQ(painted.image.rgb(40, 22), 0xC0C0C0u) << "rule under the left head, theme " << theme;
        EXPECT_EQ(painted.image.rgb(120, 22), 0xC0C0C0u) << "rule under the right head, theme " << theme;
        EXPECT_EQ(painted.image.rgb(40, 122), 0xC0C0C0u) << "rule above the shadow item, theme " << theme;
    }
}

TEST(MenuDialog, HighlightsTheHoveredItemOnly) {
    AppScope settings(1.0f, 100);
    struct Case {
        int32_t item;
        int x, y;  // a point of the highlight right of the text
    };
    const Case cases[] = {{1, 60, 52}, {5, 60, 132}, {6, 140, 32}, {10, 140, 112}};
    for (const Case& c : cases) {
        PaintedMenu painted(c.item);
        EXPECT_EQ(painted.image.rgb(c.x, c.y), 0xE0E0E0u) << c.item;
        // Highlight: x from 2 (+80), 70 wide; y from row * 20 + 2, 20 high.
        int left = c.item >= 6 ? 82 : 2;
        int top = (c.item >= 6 ? c.item - 5 : c.item + 1) * 20 + 2;
        EXPECT_EQ(painted.image.rgb(left + 69, top + 19), 0xE0E0E0u) << c.item;
        EXPECT_EQ(painted.image.rgb(left + 70, top + 10), 0xFFFFFFu) << c.item;
        EXPECT_EQ(painted.image.rgb(left + 60, top + 20), 0xFFFFFFu) << c.item;
    }
    PaintedMenu none(-1);
    EXPECT_EQ(none.image.rgb(60, 52), 0xFFFFFFu);
}

TEST(MenuDialog, DotsMarkTheCurrentThemeAndSize) {
    // A stored size outside the five offered puts the dot where the row formula says.
    const std::pair<int32_t, int32_t> cases[] = {{0, 100}, {3, 80}, {4, 120}, {2, 85}};
    for (auto [theme, size] : cases) {
        AppScope settings(1.0f, size, theme);
        app::Scale s = theApp.scale();
        TestImage image(164, 146);
        CMenuDlg menu;
        menu.columnWidth = 80;
        menu.rowHeight = 20;
        menu.paintItems(*image.graphics, 164, 146);
        // The middle of a dot of trunc(5 sx) x trunc(5 sy).
        int dotX = s.isx(8) + 2;
        auto dotY = [&](int row) { return row * 20 + s.isy(10) + 2; };
        EXPECT_EQ(image.rgb(dotX, dotY(theme + 1)), 0x000000u) << theme;
        EXPECT_EQ(image.rgb(80 + dotX, dotY(size / 10 - 7)), 0x000000u) << size;
        // Only one dot in each column.
        EXPECT_EQ(image.rgb(dotX, dotY((theme + 2) % 5 + 1)), 0xFFFFFFu) << theme;
        EXPECT_EQ(image.rgb(80 + dotX, dotY((size / 10 - 5) % 5 + 1)), 0xFFFFFFu) << size;
    }
}

TEST(MenuDialog, ShadowCheckMarkOnlyWhenShadowIsOn) {
    for (int32_t shadow : {0, 1}) {
        AppScope settings(1.0f, 100, 0, shadow);
        PaintedMenu painted(-1);
        // Second stroke from (10, 134) to (15, 129): its middle.
        bool marked = false;
        for (int y = 130; y <= 133; ++y)
            for (int x = 11; x <= 14; ++x) marked |= painted.image.rgb(x, y) == 0x000000u;
        EXPECT_EQ(marked, shadow == 1);
    }
}

class MenuPress : public testing::Test {
protected:
    void SetUp() override {
        app_.setRegistryKey(L"OmbrelMenuTest");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OmbrelMenuTest");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OmbrelMenuTest"); }

    static std::optional<DWORD> stored(const wchar_t* name) {
        DWORD value = 0, size = sizeof value;
        std::wstring key = L"Software\\OmbrelMenuTest\\" + theApp.appName() + L"\\Settings";
        if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }
    static void press(int32_t item) { wintest::pressMenuItem(item); }

    AppScope app_;
};

TEST_F(MenuPress, ThemeIsAppliedAndStored) {
    AppScope settings(1.0f, 100, 0);
    press(1);
    EXPECT_EQ(theApp.colorSelect, 1);
    EXPECT_EQ(theApp.ThemePalette.frame, 0xFF60A060u);
    EXPECT_EQ(stored(L"ColorSelect"), 1u);
    EXPECT_EQ(stored(L"Size"), std::nullopt);
}

TEST_F(MenuPress, ShadowToggles) {
    AppScope settings(1.0f, 100, 0, 0);
    press(5);
    EXPECT_EQ(theApp.shadow, 1);
    EXPECT_EQ(stored(L"Shadow"), 1u);
    press(5);
    EXPECT_EQ(theApp.shadow, 0);
    EXPECT_EQ(stored(L"Shadow"), 0u);
    // A stored value out of range counts as on, so the press turns it off.
    settings.setShadow(7);
    press(5);
    EXPECT_EQ(theApp.shadow, 0);
}

TEST_F(MenuPress, SizeKeepsTheRightEdgeAndStoresSizeAndLeft) {
    AppScope settings(1.0f, 100);
    settings.setMainPosition(1784, theApp.mainTop);
    press(10);
    EXPECT_EQ(theApp.sizePercent, 120);
    EXPECT_EQ(theApp.mainLeft, 1757);
    EXPECT_EQ(stored(L"Size"), 120u);
    EXPECT_EQ(stored(L"MainLeft"), 1757u);
    press(6);
    EXPECT_EQ(theApp.mainLeft, 1812);
    EXPECT_EQ(stored(L"Size"), 80u);
}

TEST_F(MenuPress, NoItemChangesNothing) {
    AppScope settings(1.0f, 100, 2, 0);
    int32_t left = theApp.mainLeft;
    press(-1);
    EXPECT_EQ(theApp.colorSelect, 2);
    EXPECT_EQ(theApp.shadow, 0);
    EXPECT_EQ(theApp.sizePercent, 100);
    EXPECT_EQ(theApp.mainLeft, left);
    for (const wchar_t* name : {L"ColorSelect", L"Shadow", L"Size", L"MainLeft"})
        EXPECT_EQ(stored(name), std::nullopt) << name;
}

}  // namespace
