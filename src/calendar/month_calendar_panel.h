#pragma once
// The month calendar panel of the gadget, all of it in the base layer.
#include "calendar/month_grid.h"
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "draw/rect_f.h"

// Draws the shown month, chosen for `today`, and records the marked day of each
// grid cell in theApp.calendarCellHolidays; the shading is written into
// `shadowTarget`, the image that `graphics` draws into.
void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& graphics, const draw::RectF& rect,
                        GImageEx& shadowTarget, const calendar::Today& today);
