#include "gadget/ombrel_dlg.h"

#include "app/now.h"
#include "app/ombrel_app.h"
#include "calendar/analog_clock_panel.h"
#include "draw/hover_label.h"
#include "meters/meter_panels.h"
#include "meters/meter_timer.h"
#include "resource.h"

using draw::Graphics;

namespace {

// The boxes keep these colours in every theme.
struct BoxStyle {
    uint32_t fill, fillHover, line, lineHover;
    float ends[2][4];  // two lines, (x1, y1, x2, y2) at 96 dpi and 100 %
};
constexpr BoxStyle closeBox{0xFFB00000, 0xFFFF0000, 0xFFD0D0D0, 0xFFFFFFFF, {{114, 12, 122, 20}, {114, 20, 122, 12}}};
constexpr BoxStyle moveBox{0xFF505050, 0xFF707070, 0xFFA0A0A0, 0xFFE0E0E0, {{16, 12, 16, 20}, {12, 16, 20, 16}}};
constexpr BoxStyle prevBox{0xFF202020, 0xFF404040, 0xFF808080, 0xFFFFFFFF, {{12, 140, 17, 137}, {12, 140, 17, 144}}};
constexpr BoxStyle nextBox{
    0xFF202020, 0xFF404040, 0xFF808080, 0xFFFFFFFF, {{124, 140, 119, 137}, {124, 140, 119, 144}}};

}  // namespace

COmbrelDlg::COmbrelDlg() : RoundedCornerWindow(IDD_OMBREL_DIALOG) {
    icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

COmbrelDlg::~COmbrelDlg() = default;

bool COmbrelDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static constexpr fw::MessageEntry<COmbrelDlg> messageTable[] = {
        fw::onMessage(WM_POWERBROADCAST, &COmbrelDlg::onPowerBroadcast),
        fw::onMessage(WM_QUERYENDSESSION, &COmbrelDlg::onQueryEndSession),
        fw::onMessage(WM_ENDSESSION, &COmbrelDlg::onEndSession),
        fw::onMessage(WM_ERASEBKGND, &COmbrelDlg::onEraseBkgnd),
        fw::onMessage(WM_PAINT, &COmbrelDlg::onPaint),
        fw::onMessage(WM_DESTROY, &COmbrelDlg::onDestroy),
        fw::onMessage(WM_MOUSELEAVE, &COmbrelDlg::onMouseLeave),
        fw::onMouse(WM_MOUSEMOVE, &COmbrelDlg::onMouseMove),
        fw::onMouse(WM_LBUTTONDOWN, &COmbrelDlg::onLButtonDown),
        fw::onMouse(WM_LBUTTONUP, &COmbrelDlg::onLButtonUp),
        fw::onMouse(WM_LBUTTONDBLCLK, &COmbrelDlg::onLButtonDblClk),
        fw::onMouse(WM_RBUTTONDOWN, &COmbrelDlg::onRButtonDown),
    };
    return fw::dispatchMessage<COmbrelDlg>(this, messageTable, message, wParam, lParam, result);
}

BOOL COmbrelDlg::onInitDialog() {
    RoundedCornerWindow::onInitDialog();
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetWindowTextW(hwnd(), MAIN_WINDOW_TITLE);
    rebuildBackBuffer(true);
    makeLayered();
    meterTimerId = meters::startMeterTimer(hwnd());
    return TRUE;
}

void COmbrelDlg::rebuildBackBuffer(bool initial) {
    if (!initial) {
        backGraphics.reset();
        backBuffer.destroy();
    }
    app::Scale s = theApp.scale();
    app::WindowSize size = app::gadgetWindowSize(s);
    ++backBufferGeneration;
    MoveWindow(hwnd(), theApp.mainLeft, theApp.mainTop, size.width, size.height, TRUE);
    backBuffer.create(size.width, -size.height, 32);
    backGraphics = std::make_unique<Graphics>(backBuffer.dc());

    gadget::HitRects hits = gadget::hitRects(s);
    calendarRect = hits.calendarRect;
    closeRect = hits.closeRect;
    moveRect = hits.moveRect;
    prevMonthRect = hits.prevMonthRect;
    nextMonthRect = hits.nextMonthRect;
    titleRect = hits.titleRect;
    mouseBands = hits.bands;
}

// The timer follows suspend and resume; the answer is the default one.
std::optional<LRESULT> COmbrelDlg::onPowerBroadcast(WPARAM wParam, LPARAM) {
    meters::onPowerEvent(meterTimerId, wParam, hwnd());
    return std::nullopt;
}

LRESULT COmbrelDlg::onQueryEndSession(WPARAM, LPARAM) { return TRUE; }

LRESULT COmbrelDlg::onEndSession(WPARAM wParam, LPARAM) {
    if (wParam) endDialog(0);
    return 0;
}

// The paint covers every pixel, so nothing is erased.
LRESULT COmbrelDlg::onEraseBkgnd(WPARAM, LPARAM) { return FALSE; }

LRESULT COmbrelDlg::onDestroy(WPARAM, LPARAM) {
    meters::stopMeterTimer(meterTimerId);
    backGraphics.reset();
    return 0;
}

void COmbrelDlg::drawBox(Graphics& g, draw::SolidBrush& fill, draw::Pen& line, const app::IntRect& box,
                         uint32_t fillColor, uint32_t lineColor, const float (&ends)[2][4]) {
    app::Scale s = theApp.scale();
    fill.setColor(fillColor);
    g.fillRectangleI(fill, box.left, box.top, box.width(), box.height());
    line.setColor(lineColor);
    for (const float* e : ends) g.drawLineI(line, s.isx(e[0]), s.isy(e[1]), s.isx(e[2]), s.isy(e[3]));
}

LRESULT COmbrelDlg::onPaint(WPARAM, LPARAM) {
    defaultPaint();
    paintWindow(fw::WindowDC(hwnd()).get());
    return 0;
}

COmbrelDlg::BaseKey COmbrelDlg::baseKey(const calendar::Today& today) const {
    return {theApp.appearance(),
            backBufferGeneration,
            monthCalendar.shownYear,
            monthCalendar.shownMonth,
            monthCalendar.followToday,
            today,
            prevHover,
            nextHover};
}

void COmbrelDlg::paintWindow(HDC target) {
    const calendar::Today today = calendar::localToday(app::now());
    const app::WindowSize size = app::gadgetWindowSize(theApp.scale());
    base.refresh([&] { return baseKey(today); }, size.width, size.height,
                 [&](Graphics& g, GImageEx& image) { paintLayers(g, image, draw::Layers::Base, today); });
    base.copyTo(backBuffer.dc());
    paintLayers(*backGraphics, backBuffer, draw::Layers::Moving, today);
    if (target) backBuffer.blit(target);
}

void COmbrelDlg::paintWindowFull(HDC target) {
    paintLayers(*backGraphics, backBuffer, draw::Layers::All, calendar::localToday(app::now()));
    if (target) backBuffer.blit(target);
}

void COmbrelDlg::paintLayers(Graphics& g, GImageEx& image, draw::Layers layers, const calendar::Today& today) {
    const app::WindowSize size = app::gadgetWindowSize(theApp.scale());
    if (draw::has(layers, draw::Layers::Base))
        fillRoundedBackground(g, size.width, size.height, theApp.ThemePalette.frame);
    else
        g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);  // as the background leaves it
    paintPanels(g, image, layers, today);
    g.setClipI(0, 0, size.width, size.height);
    paintOverlays(g, layers);
}

void COmbrelDlg::paintPanels(Graphics& g, GImageEx& image, draw::Layers layers, const calendar::Today& today) {
    std::array<draw::RectF, gadget::PANEL_COUNT> panels = gadget::panelRects(theApp.scale());
    paintAnalogClock(g, panels[gadget::ClockPanel], image, layers);
    if (draw::has(layers, draw::Layers::Base))
        paintMonthCalendar(monthCalendar, g, panels[gadget::CalendarPanel], image, today);
    paintCpuPanel(g, panels[gadget::CpuPanel], layers);
    paintDiskPanel(g, panels[gadget::DiskPanel], layers);
    paintClockPanel(g, panels[gadget::CpuClockPanel], layers);
    paintMemoryPanel(g, panels[gadget::MemoryPanel], layers);
    paintRxPanel(g, panels[gadget::RxPanel], layers);
    paintTxPanel(g, panels[gadget::TxPanel], layers);
}

void COmbrelDlg::paintOverlays(Graphics& g, draw::Layers layers) {
    const bool base = draw::has(layers, draw::Layers::Base), moving = draw::has(layers, draw::Layers::Moving);
    app::Scale s = theApp.scale();

    draw::SolidBrush boxFill(0xFF000000);
    draw::Pen line(0xFFFFFFFF, s.sy(2));
    if (moving && mouseInside) {
        drawBox(g, boxFill, line, closeRect, closeHover ? closeBox.fillHover : closeBox.fill,
                closeHover ? closeBox.lineHover : closeBox.line, closeBox.ends);
        drawBox(g, boxFill, line, moveRect, moveHover ? moveBox.fillHover : moveBox.fill,
                moveHover ? moveBox.lineHover : moveBox.line, moveBox.ends);
    }
    // The month arrows change only with their hover flags, which the base's key
    // holds; nothing of the moving layer reaches them.
    if (base) {
        drawBox(g, boxFill, line, prevMonthRect, prevHover ? prevBox.fillHover : prevBox.fill,
                prevHover ? prevBox.lineHover : prevBox.line, prevBox.ends);
        drawBox(g, boxFill, line, nextMonthRect, nextHover ? nextBox.fillHover : nextBox.fill,
                nextHover ? nextBox.lineHover : nextBox.line, nextBox.ends);
    }
    if (!moving || (!hoveredHoliday && !titleHover)) return;

    const app::ThemePalette& palette = theApp.ThemePalette;
    draw::SolidBrush labelBack(palette.silver);
    draw::SolidBrush labelText(0xFF000000);
    draw::Pen framePen(0xFF404040, 1.0f);
    draw::Font labelFont = draw::createFont(L"Meiryo", s.points(8), 0);
    draw::StringFormat format;
    if (hoveredHoliday) drawHolidayLabel(g, framePen, labelBack, labelText, labelFont, format);
    if (titleHover) drawEraLabel(g, framePen, labelBack, labelText, labelFont, format);
}

void COmbrelDlg::drawHolidayLabel(Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack,
                                  draw::SolidBrush& labelText, const draw::Font& font, draw::StringFormat& format) {
    app::Scale s = theApp.scale();
    format.setAlignment(Gdiplus::StringAlignmentCenter);
    format.setLineAlignment(Gdiplus::StringAlignmentNear);
    float x =
        s.sx(calendar::MONTH_CELL_WIDTH) * static_cast<float>(hoverColumn) + static_cast<float>(calendarRect.left);
    float y = s.sy(calendar::MONTH_CELL_HEIGHT) * static_cast<float>(hoverRow) + static_cast<float>(calendarRect.top);
    g.drawRectangle(framePen, x, y, s.sx(16), s.sy(14));
    const std::wstring& name = hoveredHoliday->name;
    float w = draw::labelWidth(s, name.size());
    if (hoverColumn >= 4) x = x - (w - s.sx(calendar::MONTH_CELL_WIDTH));
    y = y - s.sy(calendar::MONTH_CELL_HEIGHT);
    g.fillRectangle(labelBack, x, y, w, s.sy(14));
    g.drawString(name, font, x, y, w, s.sy(14), format, labelText);
}

void COmbrelDlg::drawEraLabel(Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack,
                              draw::SolidBrush& labelText, const draw::Font& font, draw::StringFormat& format) {
    app::Scale s = theApp.scale();
    format.setAlignment(Gdiplus::StringAlignmentCenter);
    format.setLineAlignment(Gdiplus::StringAlignmentNear);
    float titleHeight = static_cast<float>(titleRect.height());
    int32_t top = titleRect.top - s.isy(2);
    g.drawRectangle(framePen, static_cast<float>(titleRect.left), static_cast<float>(top),
                    static_cast<float>(titleRect.width()), titleHeight);
    std::wstring text = calendar::eraYearText(monthCalendar.shownYear, monthCalendar.shownMonth, theApp.eraNames);
    float y = static_cast<float>(top) + s.sy(30);
    float w = draw::labelWidth(s, text.size());
    float x = (static_cast<float>(app::gadgetWindowSize(s).width) - w) * 0.5f;
    g.fillRectangle(labelBack, x, y, w, titleHeight);
    g.drawString(text, font, x, y, w, titleHeight, format, labelText);
}
