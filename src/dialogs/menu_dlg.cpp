#include "dialogs/menu_dlg.h"

#include "app/ombrel_app.h"
#include "dialogs/menu_layout.h"
#include "framework/image.h"
#include "gadget/ombrel_dlg.h"
#include "resource.h"

namespace {

// Posted to itself from the initialisation: the capture taken there does not
// survive the showing of the window on every platform, so it is taken again.
constexpr UINT WM_POPUP_SHOWN = WM_APP + 1;

// The popup looks the same in every theme.
constexpr uint32_t BACKGROUND = 0xFFFFFFFF;
constexpr uint32_t TEXT = 0xFF000000;
constexpr uint32_t HIGHLIGHT = 0xFFE0E0E0;
constexpr uint32_t SEPARATOR = 0xFFC0C0C0;
constexpr uint32_t MARK = 0xFF000000;

constexpr const wchar_t* LEFT_HEAD = L"色の選択";
constexpr const wchar_t* RIGHT_HEAD = L"サイズ";
constexpr const wchar_t* LEFT_ITEMS[] = {L"黒", L"緑", L"青", L"赤", L"白", L"影"};
constexpr const wchar_t* RIGHT_ITEMS[] = {L" 80%", L" 90%", L"100%", L"110%", L"120%"};

}  // namespace

CMenuDlg::CMenuDlg() : RoundedCornerWindow(IDD_MENU_DIALOG) {}

CMenuDlg::~CMenuDlg() = default;

bool CMenuDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static constexpr fw::MessageEntry<CMenuDlg> messageTable[] = {
        fw::onMessage(WM_PAINT, &CMenuDlg::onPaint),
        fw::onMouse(WM_MOUSEMOVE, &CMenuDlg::onMouseMove),
        fw::onMessage(WM_LBUTTONDOWN, &CMenuDlg::onLButtonDown),
        fw::onMessage(WM_POPUP_SHOWN, &CMenuDlg::onShown),
    };
    return fw::dispatchMessage<CMenuDlg>(this, messageTable, message, wParam, lParam, result);
}

BOOL CMenuDlg::onInitDialog() {
    RoundedCornerWindow::onInitDialog();
    makeLayered();
    dialogs::MenuLayout layout = dialogs::menuLayout(theApp.scale());
    columnWidth = layout.columnWidth;
    rowHeight = layout.rowHeight;
    // The top-right corner on the click point; not kept on the screen on purpose.
    MoveWindow(hwnd(), anchor.x - layout.width, anchor.y, layout.width, layout.height, TRUE);
    SetCapture(hwnd());
    PostMessageW(hwnd(), WM_POPUP_SHOWN, 0, 0);
    return TRUE;
}

LRESULT CMenuDlg::onShown(WPARAM, LPARAM) {
    if (GetCapture() != hwnd()) SetCapture(hwnd());
    return 0;
}

LRESULT CMenuDlg::onPaint(WPARAM, LPARAM) {
    defaultPaint();
    paintThroughImage(
        [&](draw::Graphics& graphics, GImageEx&, int width, int height) { paintItems(graphics, width, height); });
    return 0;
}

void CMenuDlg::paintItems(draw::Graphics& g, int width, int height) const {
    app::Scale s = theApp.scale();
    fillRoundedBackground(g, width, height, BACKGROUND);

    draw::Font font = draw::createFont(L"Meiryo", s.points(9), 0);
    draw::SolidBrush text(TEXT);
    draw::SolidBrush highlight(HIGHLIGHT);
    draw::Pen separator(SEPARATOR, 1.0f);
    draw::Pen mark(MARK, 2.0f);
    draw::StringFormat format(Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentNear);

    // The highlight goes under the texts.
    if (hoverItem >= 0) {
        int32_t row = dialogs::menuItemRow(hoverItem);
        int32_t x = s.isx(2) + (dialogs::menuItemInRightColumn(hoverItem) ? columnWidth : 0);
        g.fillRectangleI(highlight, x, row * rowHeight + s.isy(2), columnWidth - s.isx(10), rowHeight);
    }

    // Each text at a point: a layout rectangle of zero size.
    float y0 = s.sy(4);
    float right = static_cast<float>(columnWidth);
    float rowStep = static_cast<float>(rowHeight);
    g.drawString(LEFT_HEAD, font, s.sx(10), y0, 0, 0, format, text);
    for (int k = 1; k <= 6; ++k)
        g.drawString(LEFT_ITEMS[k - 1], font, s.sx(20), y0 + static_cast<float>(k) * rowStep, 0, 0, format, text);
    g.drawString(RIGHT_HEAD, font, right + s.sx(10), y0, 0, 0, format, text);
    for (int k = 1; k <= 5; ++k)
        g.drawString(RIGHT_ITEMS[k - 1], font, right + s.sx(20), y0 + static_cast<float>(k) * rowStep, 0, 0, format,
                     text);

    int32_t headRule = s.isy(22);
    g.drawLineI(separator, s.isx(5), headRule, s.isx(70), headRule);
    g.drawLineI(separator, columnWidth + s.isx(5), headRule, columnWidth + s.isx(70), headRule);
    g.drawLineI(separator, s.isx(5), 5 * rowHeight + headRule, s.isx(70), 5 * rowHeight + headRule);

    // The current choices. A size setting outside the five offered puts its dot
    // wherever the row formula says, possibly outside the popup.
    int32_t dotWidth = s.isx(5), dotHeight = s.isy(5);
    g.fillEllipseI(text, s.isx(8), app::truncToInt((theApp.colorSelect + 1.0) * rowHeight + s.isy(10)), dotWidth,
                   dotHeight);
    g.fillEllipseI(
        text, columnWidth + s.isx(8),
        app::truncToInt(static_cast<double>(dialogs::sizeDotRow(theApp.sizePercent)) * rowHeight + s.isy(10)), dotWidth,
        dotHeight);

    if (theApp.shadow != 0) {
        int32_t base = 5 * rowHeight;
        g.drawLineI(mark, s.isx(8), base + s.isy(31), s.isx(10), base + s.isy(33));
        mark.setWidth(1.0f);
        g.drawLineI(mark, s.isx(10), base + s.isy(34), s.isx(15), base + s.isy(29));
    }
}

LRESULT CMenuDlg::onMouseMove(POINT p) {
    // With the capture the point may lie anywhere on the desktop.
    dialogs::MenuLayout layout = dialogs::menuLayout(theApp.scale());
    hoverItem = dialogs::menuItemAt(layout, p.x, p.y);
    InvalidateRect(hwnd(), nullptr, FALSE);
    return 0;
}

LRESULT CMenuDlg::onLButtonDown(WPARAM, LPARAM) {
    applyHoverItem();
    endDialog(0);
    return 0;
}

void CMenuDlg::applyHoverItem() {
    if (hoverItem < 0 || hoverItem > dialogs::MENU_LAST_ITEM) return;
    if (hoverItem <= dialogs::MENU_LAST_THEME) {
        theApp.colorSelect = hoverItem;
        theApp.applyTheme(theApp.colorSelect);
        theApp.writeSetting(L"ColorSelect", theApp.colorSelect);
    } else if (hoverItem == dialogs::MENU_SHADOW_ITEM) {
        // A stored value other than 0 and 1 still counts as on, and turns off.
        theApp.shadow = theApp.shadow != 0 ? 0 : 1;
        theApp.writeSetting(L"Shadow", theApp.shadow);
    } else {
        int32_t size = dialogs::menuItemSize(hoverItem);
        theApp.mainLeft = dialogs::mainLeftAfterResize(theApp.mainLeft, theApp.dpiScaleX, theApp.sizePercent, size);
        theApp.sizePercent = size;
        if (theApp.mainDialog) theApp.mainDialog->rebuildBackBuffer(false);
        theApp.writeSetting(L"Size", theApp.sizePercent);
        theApp.writeSetting(L"MainLeft", theApp.mainLeft);
    }
    if (theApp.mainDialog) InvalidateRect(theApp.mainDialog->hwnd(), nullptr, TRUE);
}
