#pragma once
// The calendar browser: a whole year of months beside the gadget, opened by a
// double click on the month calendar. The year is typed into the field at the
// top or stepped with the marks beside it; the top band drags the window.
#include <windows.h>

#include <array>
#include <cstdint>

#include "app/appearance.h"
#include "calendar/calendar_records.h"
#include "calendar/month_grid.h"
#include "dialogs/browser_layout.h"
#include "dialogs/custom_controls.h"
#include "draw/base_image.h"
#include "draw/paint_layers.h"
#include "draw/rounded_corner_window.h"

class CCalendarDlg : public RoundedCornerWindow {
public:
    CCalendarDlg();
    ~CCalendarDlg() override;

    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t blockWidth = 0;
    int32_t blockHeight = 0;
    int32_t gridWidth = 0;
    int32_t gridHeight = 0;
    // The rule of the day drawn in each cell, at column * 34 + row; refilled by every paint.
    std::array<const calendar::SpecialDay*, dialogs::CELL_COUNT> cellHolidays{};
    int32_t browseYear = 0;
    app::IntRect monthTitleRect{};
    app::IntRect closeRect{};
    app::IntRect prevYearRect{};
    app::IntRect nextYearRect{};
    POINT dragOffset{};
    int32_t hoverColumn = 0, hoverRow = 0;
    int32_t hoverMonthColumn = 0, hoverMonthRow = 0;
    const calendar::SpecialDay* hoveredHoliday = nullptr;
    bool dragging = false;
    bool titleHover = false;
    bool closeHover = false, prevHover = false, nextHover = false;
    bool firstPaint = true;
    GEditEx yearEdit;

    // Composes the browser into `image` (of width x height) through `graphics`:
    // a copy of the kept base (drawn again when its key changed), then the
    // moving layer.
    void paintBrowser(draw::Graphics& graphics, GImageEx& image, int width, int height);
    // The `layers` of the browser's picture; the base fills cellHolidays.
    void paintLayers(draw::Graphics& graphics, GImageEx& image, int width, int height, draw::Layers layers,
                     const calendar::Today& today);
    // The twelve months with their holidays and today, filling cellHolidays.
    void drawYear(draw::Graphics& graphics, const calendar::Today& today);
    // The hover labels, the highlights of the marks and the marks.
    void drawYearOverlays(draw::Graphics& graphics);

    // What the base is drawn from; the base is drawn again when this changes.
    struct BaseKey {
        app::Appearance appearance;
        int32_t browseYear;
        calendar::Today today;
        bool operator==(const BaseKey&) const = default;
    };
    BaseKey baseKey(const calendar::Today& today) const;
    draw::BaseImage<BaseKey> base;

    bool preTranslateMessage(MSG& msg) override;

protected:
    void doDataExchange() override;
    BOOL onInitDialog() override;
    // Enter never closes the browser; Escape does.
    void onOK() override {}
    void onCancel() override { endDialog(0); }
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT onEraseBkgnd(WPARAM, LPARAM);
    LRESULT onPaint(WPARAM, LPARAM);
    LRESULT onMouseMove(POINT p);
    LRESULT onLButtonDown(POINT p);
    LRESULT onLButtonUp(POINT p);
    void invalidate();
    void showYear();
    dialogs::BrowserLayout layout() const;
};
