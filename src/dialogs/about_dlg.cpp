#include "dialogs/about_dlg.h"

#include <algorithm>

#include "app/ombrel_app.h"
#include "dialogs/color_ref.h"
#include "draw/gimage_ex.h"
#include "framework/message_box.h"
#include "framework/shell.h"
#include "resource.h"

namespace {

// The About box follows the DPI only: its lengths ignore the size setting.
struct DpiOnly {
    float dx, dy;
    int32_t x(float c) const { return app::truncToInt(c * dx); }
    int32_t y(float c) const { return app::truncToInt(c * dy); }
};

DpiOnly dpiOnly() { return {theApp.dpiScaleX, theApp.dpiScaleY}; }

// The buttons' places, in 96-dpi pixels: (x, y, width, height).
constexpr float WEBSITE_BUTTON[] = {65, 115, 70, 18};
constexpr float OK_BUTTON[] = {295, 115, 30, 18};
// The smallest face that holds the OK button with the margins it has beside
// and below it when the template's font is Meiryo.
constexpr float MIN_WIDTH = 295 + 30 + 18;
constexpr float MIN_HEIGHT = 115 + 18 + 15;

void placeButton(HWND button, const float (&place)[4], const DpiOnly& d) {
    MoveWindow(button, d.x(place[0]), d.y(place[1]), d.x(place[2]), d.y(place[3]), TRUE);
}

// The black theme writes light on the frame colour; the others dark on the panel colour.
struct AboutColors {
    uint32_t background, writing, gradientFar, buttonFace, buttonCaption;
};

AboutColors aboutColors() {
    const app::ThemePalette& p = theApp.ThemePalette;
    if (theApp.colorSelect == 0) return {p.frame, p.text, p.gridTop, p.frame, p.text};
    return {p.panel, p.frameText, p.frame, p.panel, p.text};
}

}  // namespace

CAboutDlg::CAboutDlg() : RoundedCornerWindow(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

bool CAboutDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static constexpr fw::MessageEntry<CAboutDlg> messageTable[] = {
        fw::onMessage(WM_PAINT, &CAboutDlg::onPaint),
        fw::onCommand(IDC_WEBSITE, &CAboutDlg::onWebsite),
    };
    return fw::dispatchMessage<CAboutDlg>(this, messageTable, message, wParam, lParam, result);
}

void CAboutDlg::doDataExchange() {
    websiteButton.bind(*this, IDC_WEBSITE);
    okButton.bind(*this, IDOK);
}

BOOL CAboutDlg::onInitDialog() {
    RoundedCornerWindow::onInitDialog();
    DpiOnly d = dpiOnly();
    placeButton(websiteButton.hwnd(), WEBSITE_BUTTON, d);
    placeButton(okButton.hwnd(), OK_BUTTON, d);
    growToHoldTheButtons();
    AboutColors colors = aboutColors();
    for (GButtonEx* button : {&websiteButton, &okButton}) {
        button->textColor = dialogs::argbToColorRef(colors.buttonCaption);
        button->backgroundColor = dialogs::argbToColorRef(colors.buttonFace);
    }
    makeLayered();
    return TRUE;
}

// The template is sized in dialog units, which follow its font, while the
// buttons sit at fixed pixels. With a font smaller than Meiryo (a system
// without it) the face would end above the buttons, so it grows around its
// centre until they fit. With Meiryo it is large enough already.
void CAboutDlg::growToHoldTheButtons() {
    DpiOnly d = dpiOnly();
    RECT window{};
    GetWindowRect(hwnd(), &window);
    int width = window.right - window.left, height = window.bottom - window.top;
    int wantWidth = std::max(width, d.x(MIN_WIDTH)), wantHeight = std::max(height, d.y(MIN_HEIGHT));
    if (wantWidth == width && wantHeight == height) return;
    MoveWindow(hwnd(), window.left - (wantWidth - width) / 2, window.top - (wantHeight - height) / 2, wantWidth,
               wantHeight, TRUE);
}

LRESULT CAboutDlg::onPaint(WPARAM, LPARAM) {
    defaultPaint();
    paintThroughImage([&](draw::Graphics& graphics, GImageEx& image, int width, int height) {
        paintContent(graphics, image, width, height);
    });
    return 0;
}

void CAboutDlg::paintContent(draw::Graphics& g, GImageEx& image, int width, int height) const {
    DpiOnly d = dpiOnly();
    AboutColors colors = aboutColors();
    fillRoundedBackground(g, width, height, colors.background);
    if (theApp.shadow != 0) {
        GdiFlush();  // the gradient writes the pixels directly
        image.fillCornerGradient({0, 0, width, d.y(80)}, colors.background, colors.gradientFar, 3, d.y(80));
    }

    draw::Font nameFont = draw::createFont(L"Meiryo", 18, 1);
    draw::Font textFont = draw::createFont(L"Meiryo", 10, 0);
    draw::SolidBrush writing(colors.writing);
    draw::StringFormat format(Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentNear);
    g.drawString(L"Ombrel", nameFont, 60 * d.dx, 20 * d.dy, 0, 0, format, writing);
    std::wstring lines = theApp.versionText + L"\n" + theApp.noticeText;
    g.drawString(lines, textFont, 65 * d.dx, 60 * d.dy, 0, 0, format, writing);
}

LRESULT CAboutDlg::onWebsite(WPARAM wParam, LPARAM) {
    // An owner-drawn button also reports double clicks: open the page once per click.
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    HINSTANCE opened = fw::shellExecute(nullptr, L"open", PRODUCT_WEB_PAGE, nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(opened) <= 32) fw::messageBox(L"ウェブサイトが開けません。");
    return 0;
}
