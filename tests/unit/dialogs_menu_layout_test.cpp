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

TEST(MenuLayout, ItemsMapToRowsAndSizes) {
    EXPECT_EQ(menuItemRow(0), 1);
    EXPECT_EQ(menuItemRow(5), 6);
    EXPECT_EQ(menuItemRow(6), 1);
    EXPECT_EQ(menuItemRow(10), 5);
    EXPECT_EQ(menuItemSize(6), 80);
    EXPECT_EQ(menuItemSize(10), 120);
}

TEST(MenuLayout, SizeDotRow) {
    const std::pair<int32_t, int32_t> cases[] = {{80, 1}, {85, 1}, {90, 2}, {100, 3}, {120, 5}, {50, -2}};
    for (auto [percent, row] : cases) EXPECT_EQ(sizeDotRow(percent), row) << percent;
}

TEST(MenuLayout, ResizeKeepsTheRightEdge) {
    struct Case {
        float dpi;
        int32_t from, to, left, expected;
    };
    const Case cases[] = {
        {1.0f, 100, 120, 1784, 1757},  // 136 -> 163: 27 to the left
        {1.0f, 120, 80, 1757, 1812},   // 163 -> 108: 55 to the right
        {1.0f, 100, 100, 500, 500},
        {1.5f, 100, 120, 0, -40},      // 204 -> 244
        {1.25f, 90, 110, 300, 266},    // 153 -> 187
    };
    for (const Case& c : cases)
        EXPECT_EQ(mainLeftAfterResize(c.left, c.dpi, c.from, c.to), c.expected) << c.dpi << " " << c.from << "->" << c.to;
}

TEST(ColorRef, DropsAlphaAndSwapsRedAndBlue) {
    EXPECT_EQ(argbToColorRef(0xffe06060u), 0x6060e0u);
    EXPECT_EQ(argbToColorRef(0x80123456u), 0x563412u);
    EXPECT_EQ(argbToColorRef(0xff00ff00u), 0x00ff00u);
}

}  // namespace
}  // namespace dialogs
