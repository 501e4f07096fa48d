// The settings popup's arithmetic: where it sits, which item a point selects,
// where the size dot goes and how a size change keeps the gadget's right edge.
#include <gtest/gtest.h>

#include "dialogs/color_ref.h"
#include "dialogs/menu_layout.h"

namespace dialogs {
namespace {

TEST(MenuLayout, SizeFollowsDpiAndSizeSetting) {
    struct Case {
        float dpi;
        int32_t percent;
        int32_t columnWidth, rowHeight, width, height;
    };
    const Case cases[] = {
        {1.0f, 100, 80, 20, 164, 146},
        {1.5f, 120, 144, 36, 295, 262},
        {1.0f, 80, 64, 16, 131, 116},
    };
    for (const Case& c : cases) {
        MenuLayout layout = menuLayout({c.dpi, c.dpi, c.percent});
        EXPECT_EQ(layout.columnWidth, c.columnWidth) << c.dpi << " " << c.percent;
        EXPECT_EQ(layout.rowHeight, c.rowHeight) << c.dpi << " " << c.percent;
        EXPECT_EQ(layout.width, c.width) << c.dpi << " " << c.percent;
        EXPECT_EQ(layout.height, c.height) << c.dpi << " " << c.percent;
    }
}

TEST(MenuLayout, PointSelectsItem) {
    MenuLayout layout = menuLayout({1.0f, 1.0f, 100});
    struct Case {
        int32_t x, y, item;
        const char* where;
    };
    const Case cases[] = {
        {10, 19, MENU_ITEM_NONE, "left head row"},
        {90, 10, MENU_ITEM_NONE, "right head row"},
        {10, 20, 0, "first theme, top edge"},
        {10, 45, 1, "second theme"},
        {84, 125, 5, "shadow, last pixel of the left column"},
        {85, 25, 6, "80 %, first pixel of the right column"},
        {164, 105, 10, "120 %, right border"},
        {90, 125, MENU_ITEM_NONE, "right column, sixth row"},
        {10, 141, MENU_ITEM_NONE, "lowest band, left"},
        {90, 141, MENU_ITEM_NONE, "lowest band, right"},
        {10, 142, MENU_ITEM_NONE, "below the hit rectangle"},
        {4, 25, MENU_ITEM_NONE, "left margin"},
        {165, 25, MENU_ITEM_NONE, "right of the hit rectangle"},
        {-40, -5, MENU_ITEM_NONE, "outside the popup, captured"},
    };
    for (const Case& c : cases) EXPECT_EQ(menuItemAt(layout, c.x, c.y), c.item) << c.where;
}

// At 96 dpi and 100 % the rows are 20 high from y = 20 and the right column
// starts at x = 85; the middle of each item's row selects that item.
TEST(MenuLayout, EachItemIsHitInTheMiddleOfItsRow) {
    MenuLayout layout = menuLayout({1.0f, 1.0f, 100});
    struct Case {
        int32_t x, y, item, size;
    };
    const Case cases[] = {
        {40, 30, 0, 0},   {40, 50, 1, 0},   {40, 70, 2, 0},    {40, 90, 3, 0},    {40, 110, 4, 0},     {40, 130, 5, 0},
        {120, 30, 6, 80}, {120, 50, 7, 90}, {120, 70, 8, 100}, {120, 90, 9, 110}, {120, 110, 10, 120},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menuItemAt(layout, c.x, c.y), c.item) << c.x << "," << c.y;
        EXPECT_EQ(menuItemInRightColumn(c.item), c.x > 85) << c.item;
        if (c.size) {
            EXPECT_EQ(menuItemSize(c.item), c.size) << c.item;
        }
    }
}

// The dot marks the size item of the current size: its row, at 20 a row from
// y = 20, is the row that a click selects that item in.
TEST(MenuLayout, TheSizeDotSitsOnTheItemOfTheCurrentSize) {
    MenuLayout layout = menuLayout({1.0f, 1.0f, 100});
    auto itemBesideTheDot = [&](int32_t percent) { return menuItemAt(layout, 120, 20 * sizeDotRow(percent) + 10); };
    for (int32_t percent : {80, 90, 100, 110, 120}) {
        int32_t item = itemBesideTheDot(percent);
        ASSERT_NE(item, MENU_ITEM_NONE) << percent;
        EXPECT_EQ(menuItemSize(item), percent);
    }
    // A size between the items goes with the one below it; one below 80 % marks no item.
    EXPECT_EQ(menuItemSize(itemBesideTheDot(85)), 80);
    EXPECT_EQ(itemBesideTheDot(50), MENU_ITEM_NONE);
}

TEST(MenuLayout, ResizeKeepsTheRightEdge) {
    struct Case {
        float dpi;
        int32_t from, to, left, expected;
    };
    const Case cases[] = {
        {1.0f, 100, 120, 1784, 1757},                            // 136 -> 163: 27 to the left
        {1.0f, 120, 80, 1757, 1812},                             // 163 -> 108: 55 to the right
        {1.0f, 100, 100, 500, 500},   {1.5f, 100, 120, 0, -40},  // 204 -> 244
        {1.25f, 90, 110, 300, 266},                              // 153 -> 187
    };
    for (const Case& c : cases)
        EXPECT_EQ(mainLeftAfterResize(c.left, c.dpi, c.from, c.to), c.expected)
            << c.dpi << " " << c.from << "->" << c.to;
}

TEST(ColorRef, DropsAlphaAndSwapsRedAndBlue) {
    EXPECT_EQ(argbToColorRef(0xffe06060u), 0x6060e0u);
    EXPECT_EQ(argbToColorRef(0x80123456u), 0x563412u);
    EXPECT_EQ(argbToColorRef(0xff00ff00u), 0x00ff00u);
}

}  // namespace
}  // namespace dialogs
