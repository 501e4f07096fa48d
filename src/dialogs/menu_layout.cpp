#include "dialogs/menu_layout.h"

namespace dialogs {

MenuLayout menuLayout(const app::Scale& s) {
    MenuLayout layout{};
    layout.columnWidth = s.isx(80);
    layout.rowHeight = s.isy(20);
    layout.width = 2 * layout.columnWidth + s.isx(4);
    layout.height = 7 * layout.rowHeight + s.isy(6);
    layout.hitRect = {s.isx(5), layout.rowHeight, 2 * layout.columnWidth + s.isx(5), 7 * layout.rowHeight + s.isy(2)};
    return layout;
}

int32_t menuItemAt(const MenuLayout& layout, int32_t x, int32_t y) {
    const app::IntRect& hit = layout.hitRect;
    if (!hit.contains(x, y) || layout.columnWidth <= 0 || layout.rowHeight <= 0) return MENU_ITEM_NONE;
    int32_t column = (x - hit.left) / layout.columnWidth;
    int32_t row = (y - hit.top) / layout.rowHeight;
    int32_t item = row + 6 * column;
    // The right column's sixth row and the band below the sixth row hold no item.
    if (row > 5 || item > MENU_LAST_ITEM) return MENU_ITEM_NONE;
    return item;
}

int32_t menuItemRow(int32_t item) { return menuItemInRightColumn(item) ? item - 5 : item + 1; }

bool menuItemInRightColumn(int32_t item) { return item >= MENU_FIRST_SIZE; }

int32_t menuItemSize(int32_t item) { return (item + 2) * 10; }

int32_t sizeDotRow(int32_t sizePercent) { return sizePercent / 10 - 7; }

int32_t mainLeftAfterResize(int32_t mainLeft, float dpiScaleX, int32_t oldPercent, int32_t newPercent) {
    int32_t oldWidth = app::gadgetWindowSize({dpiScaleX, dpiScaleX, oldPercent}).width;
    int32_t newWidth = app::gadgetWindowSize({dpiScaleX, dpiScaleX, newPercent}).width;
    return static_cast<int32_t>(static_cast<int64_t>(mainLeft) + oldWidth - newWidth);
}

}  // namespace dialogs
