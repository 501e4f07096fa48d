#pragma once
// The gadget: one narrow, borderless, rounded window with the clock, the month
// calendar and the six meters, composed in one back buffer.
#include <memory>

#include "calendar/month_calendar_panel.h"
#include "draw/gimage_ex.h"
#include "draw/rounded_corner_window.h"
#include "gadget/gadget_layout.h"

class COmbrelDlg : public RoundedCornerWindow {
public:
    COmbrelDlg();
    ~COmbrelDlg() override;

    // Moves and sizes the window to the stored place at the current scale and
    // builds a back buffer of that size; not initial: the old one goes first.
    void rebuildBackBuffer(bool initial);
    // Composes the whole window in the back buffer (the panels, then the boxes and
    // labels) and copies it to `target`, when there is one.
    void paintWindow(HDC target);
    // The eight panels in the order of the layout, each clipped to its rectangle.
    void paintPanels(draw::Graphics& g);

    HICON icon = nullptr;
    uint32_t meterTimerId = 0;
    calendar::MonthCalendarPanel monthCalendar;
    std::unique_ptr<draw::Graphics> backGraphics;
    gadget::IntRect calendarRect{}, closeRect{}, moveRect{}, prevMonthRect{}, nextMonthRect{}, titleRect{};
    POINT dragOffset{};
    int32_t hoverColumn = 0, hoverRow = 0;
    const calendar::SpecialDay* hoveredHoliday = nullptr;
    bool dragging = false, mouseInside = false, closeHover = false, moveHover = false, prevHover = false,
         nextHover = false, titleHover = false;
    GImageEx backBuffer;

protected:
    BOOL onInitDialog() override;
    // Neither Enter nor Escape closes the gadget.
    void onOK() override {}
    void onCancel() override {}
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT onPowerBroadcast(WPARAM, LPARAM);
    LRESULT onQueryEndSession(WPARAM, LPARAM);
    LRESULT onEndSession(WPARAM, LPARAM);
    LRESULT onEraseBkgnd(WPARAM, LPARAM);
    LRESULT onPaint(WPARAM, LPARAM);
    LRESULT onDestroy(WPARAM, LPARAM);
    // The mouse (gadget_mouse.cpp).
    LRESULT onMouseLeave(WPARAM, LPARAM);
    LRESULT onMouseMove(WPARAM, LPARAM);
    LRESULT onLButtonDown(WPARAM, LPARAM);
    LRESULT onLButtonUp(WPARAM, LPARAM);
    LRESULT onLButtonDblClk(WPARAM, LPARAM);
    LRESULT onRButtonDown(WPARAM, LPARAM);
    void invalidate();

    void drawBox(draw::Graphics& g, draw::SolidBrush& fill, draw::Pen& line, const gadget::IntRect& box,
                 uint32_t fillColor, uint32_t lineColor, const float (&ends)[2][4]);
    void drawHolidayLabel(draw::Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack,
                          draw::SolidBrush& labelText, const draw::Font& font, draw::StringFormat& format);
    void drawEraLabel(draw::Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack,
                      draw::SolidBrush& labelText, const draw::Font& font, draw::StringFormat& format);
};
