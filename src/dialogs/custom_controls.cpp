#include "dialogs/custom_controls.h"

#include "app/ombrel_app.h"
#include "dialogs/color_ref.h"

#include <iterator>

namespace {

// A positive height asks for a cell height in pixels.
HFONT createMeiryoBold(int height) {
    return CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Meiryo");
}

void attachFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

void drawCaption(HDC dc, RECT rect, const wchar_t* caption, COLORREF color) {
    COLORREF old = SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, old);
}

}  // namespace

// The buttons follow the DPI only, not the size setting.
GButtonEx::GButtonEx() : font_(createMeiryoBold(app::truncToInt(theApp.dpiScaleY * 20.0f))) {}

void GButtonEx::onAttach() { attachFont(hwnd(), font_.get()); }

bool GButtonEx::reflect(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void GButtonEx::drawItem(const DRAWITEMSTRUCT& item) {
    wchar_t caption[256] = {};
    GetWindowTextW(item.hwndItem, caption, static_cast<int>(std::size(caption)));
    HDC dc = item.hDC;
    RECT rect = item.rcItem;

    fw::Brush face(CreateSolidBrush(backgroundColor));
    FillRect(dc, &rect, face.get());
    drawCaption(dc, rect, caption, textColor);
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
    if (item.itemState & ODS_FOCUS) {
        if (item.itemState & ODS_SELECTED) DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
    } else if (item.itemState & ODS_DISABLED) {
        drawCaption(dc, rect, caption, RGB(0xFF, 0xFF, 0xFF));
    }
}

GEditEx::GEditEx() : font_(createMeiryoBold(theApp.scale().isy(20))) {}

void GEditEx::onAttach() { attachFont(hwnd(), font_.get()); }

bool GEditEx::reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLOREDIT) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, dialogs::argbToColorRef(textColor));
    SetBkColor(dc, dialogs::argbToColorRef(backgroundColor));
    result = reinterpret_cast<LRESULT>(backgroundBrush.get());
    return true;
}
