#include "dialogs/calendar_dlg.h"

#include <string>

#include "app/now.h"
#include "app/ombrel_app.h"
#include "calendar/month_grid.h"
#include "dialogs/color_ref.h"
#include "draw/gimage_ex.h"
#include "resource.h"

CCalendarDlg::CCalendarDlg() : RoundedCornerWindow(IDD_CALENDAR_DIALOG) {
    dialogs::BrowserLayout l = layout();
    cellWidth = l.cellWidth;
    cellHeight = l.cellHeight;
    blockWidth = l.blockWidth;
    blockHeight = l.blockHeight;
    gridWidth = l.gridWidth;
    gridHeight = l.gridHeight;
    monthTitleRect = l.monthTitleRect;
}

CCalendarDlg::~CCalendarDlg() = default;

dialogs::BrowserLayout CCalendarDlg::layout() const { return dialogs::browserLayout(theApp.scale()); }

bool CCalendarDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static constexpr fw::MessageEntry<CCalendarDlg> messageTable[] = {
        fw::onMessage(WM_ERASEBKGND, &CCalendarDlg::onEraseBkgnd),
        fw::onMessage(WM_PAINT, &CCalendarDlg::onPaint),
        fw::onMouse(WM_MOUSEMOVE, &CCalendarDlg::onMouseMove),
        fw::onMouse(WM_LBUTTONDOWN, &CCalendarDlg::onLButtonDown),
        fw::onMouse(WM_LBUTTONUP, &CCalendarDlg::onLButtonUp),
    };
    return fw::dispatchMessage<CCalendarDlg>(this, messageTable, message, wParam, lParam, result);
}

void CCalendarDlg::doDataExchange() { yearEdit.bind(*this, IDC_YEAR_EDIT); }

BOOL CCalendarDlg::onInitDialog() {
    RoundedCornerWindow::onInitDialog();
    makeLayered();
    dialogs::BrowserLayout l = layout();
    // Right edge on the gadget's left edge, tops level; not kept on the screen.
    MoveWindow(hwnd(), theApp.mainLeft - l.width, theApp.mainTop, l.width, l.height, TRUE);
    SendMessageW(yearEdit.hwnd(), EM_LIMITTEXT, 4, 0);

    const app::ThemePalette& palette = theApp.ThemePalette;
    yearEdit.textColor = palette.frameText;
    yearEdit.backgroundColor = palette.panel;
    yearEdit.backgroundBrush.reset(CreateSolidBrush(dialogs::argbToColorRef(palette.panel)));

    browseYear = calendar::localToday(app::now()).year;  // 0 when the conversion fails
    showYear();
    MoveWindow(yearEdit.hwnd(), l.yearField.left, l.yearField.top, l.yearField.width(), l.yearField.height(), TRUE);
    closeRect = l.closeRect;
    prevYearRect = l.prevYearRect;
    nextYearRect = l.nextYearRect;
    return TRUE;
}

void CCalendarDlg::showYear() { SetWindowTextW(yearEdit.hwnd(), std::to_wstring(browseYear).c_str()); }

void CCalendarDlg::invalidate() { InvalidateRect(hwnd(), nullptr, TRUE); }

bool CCalendarDlg::preTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && yearEdit.hwnd() && msg.hwnd == yearEdit.hwnd()) {
        int length = GetWindowTextLengthW(yearEdit.hwnd());
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(yearEdit.hwnd(), text.data(), length + 1);
        text.resize(static_cast<size_t>(length));
        // The field keeps what was typed.
        browseYear = dialogs::parseYear(text);
        invalidate();
    }
    return RoundedCornerWindow::preTranslateMessage(msg);
}

// The paint covers every pixel, so nothing is erased.
LRESULT CCalendarDlg::onEraseBkgnd(WPARAM, LPARAM) { return FALSE; }

LRESULT CCalendarDlg::onPaint(WPARAM, LPARAM) {
    if (firstPaint) {
        firstPaint = false;
        SendMessageW(yearEdit.hwnd(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
        SendMessageW(yearEdit.hwnd(), EM_SCROLLCARET, 0, 0);
    }
    paintThroughImage([&](draw::Graphics& graphics, GImageEx& image, int width, int height) {
        paintBrowser(graphics, image, width, height);
    });
    defaultPaint();
    return 0;
}

CCalendarDlg::BaseKey CCalendarDlg::baseKey(const calendar::Today& today) const {
    return {theApp.appearance(), browseYear, today};
}

void CCalendarDlg::paintBrowser(draw::Graphics& g, GImageEx& image, int width, int height) {
    const calendar::Today today = calendar::localToday(app::now());
    base.refresh(
        [&] { return baseKey(today); }, width, height,
        [&](draw::Graphics& g, GImageEx& im) { paintLayers(g, im, width, height, draw::Layers::Base, today); });
    base.copyTo(image.dc());
    paintLayers(g, image, width, height, draw::Layers::Moving, today);
}

void CCalendarDlg::paintLayers(draw::Graphics& g, GImageEx& image, int width, int height, draw::Layers layers,
                               const calendar::Today& today) {
    if (draw::has(layers, draw::Layers::Base)) {
        app::Scale s = theApp.scale();
        const app::ThemePalette& palette = theApp.ThemePalette;
        dialogs::BrowserLayout l = layout();
        fillRoundedBackground(g, width, height, palette.frame);
        {
            draw::SolidBrush panel(palette.panel);
            g.fillRectangleI(panel, l.panel.left, l.panel.top, l.panel.width(), l.panel.height());
        }
        if (theApp.shadow != 0) {
            GdiFlush();  // the gradient writes the pixels directly
            uint32_t farColor = theApp.colorSelect == 0 ? palette.gridTop : palette.frame;
            image.fillCornerGradient({l.panel.left, l.panel.bottom - s.isy(50), l.panel.right, l.panel.bottom},
                                     palette.panel, farColor, 0, s.isy(80));
        }
        cellHolidays.fill(nullptr);
        drawYear(g, today);
    } else {
        g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);  // as the background leaves it
    }
    if (draw::has(layers, draw::Layers::Moving)) drawYearOverlays(g);
}

LRESULT CCalendarDlg::onLButtonDown(POINT p) {
    // The marks act on release.
    if (closeRect.contains(p.x, p.y) || prevYearRect.contains(p.x, p.y) || nextYearRect.contains(p.x, p.y)) return 0;
    if (p.y < layout().bandHeight) {
        dragOffset = p;
        dragging = true;
        SetCapture(hwnd());
    }
    return 0;
}

LRESULT CCalendarDlg::onLButtonUp(POINT p) {
    ReleaseCapture();
    dragging = false;
    if (closeRect.contains(p.x, p.y)) {
        endDialog(0);
    } else if (prevYearRect.contains(p.x, p.y) || nextYearRect.contains(p.x, p.y)) {
        browseYear = dialogs::stepYear(browseYear, prevYearRect.contains(p.x, p.y) ? -1 : 1);
        showYear();
        invalidate();
    }
    return 0;
}

LRESULT CCalendarDlg::onMouseMove(POINT p) {
    dialogs::BrowserLayout l = layout();
    if (dragging) {
        dragStep(p, dragOffset, l.width, l.height);
        return 0;
    }

    if (update(closeHover, closeRect.contains(p.x, p.y))) invalidate();
    if (update(prevHover, prevYearRect.contains(p.x, p.y))) invalidate();
    if (update(nextHover, nextYearRect.contains(p.x, p.y))) invalidate();

    // Outside the grid region the labels stay as they are.
    std::optional<dialogs::Cell> cell = dialogs::hoverCellAt(l, p.x, p.y);
    if (!cell) return 0;
    hoverColumn = cell->column;
    hoverRow = cell->row;
    const calendar::SpecialDay* candidate =
        cellHolidays[static_cast<size_t>(*dialogs::cellIndex(hoverColumn, hoverRow))];
    if (candidate != hoveredHoliday) {
        hoveredHoliday = candidate;
        invalidate();
    }

    // A jump from one title straight onto another follows it too.
    std::optional<dialogs::MonthBlock> title = dialogs::monthTitleAt(l, p.x, p.y);
    bool otherTitle = title && (title->column != hoverMonthColumn || title->row != hoverMonthRow);
    if (title && (!titleHover || otherTitle)) {
        titleHover = true;
        hoverMonthColumn = title->column;
        hoverMonthRow = title->row;
        invalidate();
    } else if (!title && titleHover) {
        titleHover = false;
        invalidate();
    }
    return 0;
}
