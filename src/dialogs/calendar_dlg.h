#pragma once
// The calendar browser: a whole year of months beside the gadget, opened by a
// double click on the month calendar. The year is typed into the field at the
// top or stepped with the marks beside it; the top band drags the window.
#include <windows.h>

#include <array>
#include <cstdint>

#include "calendar/calendar_records.h"
#include "dialogs/browser_layout.h"
#include "dialogs/custom_controls.h"
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
    dialogs::BrowserRect monthTitleRect{};
    dialogs::BrowserRect closeRect{};
    dialogs::BrowserRect prevYearRect{};
    dialogs::BrowserRect nextYearRect{};
    POINT dragOffset{};
    int32_t hoverColumn = 0, hoverRow = 0;
    int32_t hoverMonthColumn = 0, hoverMonthRow = 0;
    const calendar::SpecialDay* hoveredHoliday = nullptr;
    bool dragging = false;
    bool titleHover = false;
    bool closeHover = false, prevHover = false, nextHover = false;
    bool firstPaint = true;
    GEditEx yearEdit;

    // Draws the twelve months, the labels and the marks, and fills cellHolidays.
    void drawYear(draw::Graphics& graphics);

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
    LRESULT onMouseMove(WPARAM, LPARAM);
    LRESULT onLButtonDown(WPARAM, LPARAM);
    LRESULT onLButtonUp(WPARAM, LPARAM);
    void invalidate();
    void showYear();
    dialogs::BrowserLayout layout() const;
};
