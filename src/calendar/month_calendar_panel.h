#pragma once
// The month calendar panel of the gadget.
#include "calendar/month_grid.h"
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "draw/rect_f.h"

// Draws the shown month into the main window's back buffer and records the
// marked day of each grid cell in theApp.calendarCellHolidays.
void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& graphics, const draw::RectF& rect);

// The same, shading `shadowTarget`, the image that `graphics` draws into.
void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& graphics, const draw::RectF& rect,
                        GImageEx& shadowTarget);
