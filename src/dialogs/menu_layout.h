#pragma once
// The settings popup's geometry and arithmetic: two columns of items, a section
// head in row 0 of each. Plain values, so the hit test is tested natively.
#include <cstdint>

#include "app/int_rect.h"
#include "app/scale.h"

namespace dialogs {

constexpr int32_t MENU_ITEM_NONE = -1;
constexpr int32_t MENU_LAST_THEME = 4;
constexpr int32_t MENU_SHADOW_ITEM = 5;
constexpr int32_t MENU_FIRST_SIZE = 6;
constexpr int32_t MENU_LAST_ITEM = 10;

struct MenuLayout {
    int32_t columnWidth;
    int32_t rowHeight;
    int32_t width;  // the whole popup
    int32_t height;
    app::IntRect hitRect;  // where a move selects an item
};

MenuLayout menuLayout(const app::Scale& s);

// The item under client point (x, y): 0..10, or MENU_ITEM_NONE.
int32_t menuItemAt(const MenuLayout& layout, int32_t x, int32_t y);

// The display row of an item (row 0 holds the heads): 1..6 on the left, 1..5 on the right.
int32_t menuItemRow(int32_t item);
bool menuItemInRightColumn(int32_t item);

// The size in percent that a size item stands for.
int32_t menuItemSize(int32_t item);

// The row of the size dot: sizePercent / 10 - 7, so 80 is row 1 and 120 row 5.
int32_t sizeDotRow(int32_t sizePercent);

// mainLeft after the gadget changes from oldPercent to newPercent, keeping its
// right edge where it was.
int32_t mainLeftAfterResize(int32_t mainLeft, float dpiScaleX, int32_t oldPercent, int32_t newPercent);

}  // namespace dialogs
