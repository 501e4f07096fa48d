#pragma once
// The gadget: one narrow, borderless, rounded window with the clock, the month
// calendar and the six meters, composed in one back buffer.
#include <memory>

#include "app/appearance.h"
#include "calendar/month_calendar_panel.h"
#include "draw/base_image.h"
#include "draw/gimage_ex.h"
#include "draw/paint_layers.h"
#include "draw/rounded_corner_window.h"
#include "gadget/gadget_layout.h"

class COmbrelDlg : public RoundedCornerWindow {
public:
    COmbrelDlg();
    ~COmbrelDlg() override;

    // Moves and sizes the window to the stored place at the current scale and
    // builds a back buffer of that size; not initial: the old one goes first.
    void rebuildBackBuffer(bool initial);
    // Composes the window in the back buffer and copies it to `target`, when there
    // is one: a copy of the kept base (drawn again when its key changed), then the
    // moving layer.
    void paintWindow(HDC target);
    // The same picture drawn whole, every layer, without the kept base.
    void paintWindowFull(HDC target);

    // What the base is drawn from; the base is drawn again when this changes.
    struct BaseKey {
        app::Appearance appearance;
        uint32_t backBufferGeneration;
        int32_t shownYear, shownMonth;
        bool followToday;  // a click on the title brings back today's month
        calendar::Today today;
        bool prevHover, nextHover;  // the month arrows
        bool operator==(const BaseKey&) const = default;
    };
    BaseKey baseKey(const calendar::Today& today) const;

    HICON icon = nullptr;
    uint32_t meterTimerId = 0;
    calendar::MonthCalendarPanel monthCalendar;
    std::unique_ptr<draw::Graphics> backGraphics;
    app::IntRect calendarRect{}, closeRect{}, moveRect{}, prevMonthRect{}, nextMonthRect{}, titleRect{};
    gadget::MouseBands mouseBands{};
    POINT dragOffset{};
    int32_t hoverColumn = 0, hoverRow = 0;
    const calendar::SpecialDay* hoveredHoliday = nullptr;
    bool dragging = false, mouseInside = false, closeHover = false, moveHover = false, prevHover = false,
         nextHover = false, titleHover = false;
    GImageEx backBuffer;
    // Counts the rebuilds of the back buffer, for the base's key.
    uint32_t backBufferGeneration = 0;
    draw::BaseImage<BaseKey> base;

protected:
    BOOL onInitDialog() override;
    // Neither Enter nor Escape closes the gadget.
    void onOK() override {}
    void onCancel() override {}
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::optional<LRESULT> onPowerBroadcast(WPARAM, LPARAM);
    LRESULT onQueryEndSession(WPARAM, LPARAM);
    LRESULT onEndSession(WPARAM, LPARAM);
    LRESULT onEraseBkgnd(WPARAM, LPARAM);
    LRESULT onPaint(WPARAM, LPARAM);
    LRESULT onDestroy(WPARAM, LPARAM);
    // The mouse (gadget_mouse.cpp).
    LRESULT onMouseLeave(WPARAM, LPARAM);
    LRESULT onMouseMove(POINT p);
    LRESULT onLButtonDown(POINT p);
    LRESULT onLButtonUp(POINT p);
    LRESULT onLButtonDblClk(POINT p);
    LRESULT onRButtonDown(POINT p);
    void invalidate();

    // The `layers` of the whole window into `image`: the rounded background, the
    // eight panels in the order of the layout, then the boxes and labels. All of
    // them is the full paint, in its own order; what the base takes from later
    // in that order never overlaps what the moving layer draws earlier.
    void paintLayers(draw::Graphics& g, GImageEx& image, draw::Layers layers, const calendar::Today& today);
    void paintPanels(draw::Graphics& g, GImageEx& image, draw::Layers layers, const calendar::Today& today);
    // The boxes, then the labels: the month arrows in the base, the rest moving.
    void paintOverlays(draw::Graphics& g, draw::Layers layers);
    void drawBox(draw::Graphics& g, draw::SolidBrush& fill, draw::Pen& line, const app::IntRect& box,
                 uint32_t fillColor, uint32_t lineColor, const float (&ends)[2][4]);
    void drawHolidayLabel(draw::Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack,
                          draw::SolidBrush& labelText, const draw::Font& font, draw::StringFormat& format);
    void drawEraLabel(draw::Graphics& g, draw::Pen& framePen, draw::SolidBrush& labelBack, draw::SolidBrush& labelText,
                      const draw::Font& font, draw::StringFormat& format);
};
