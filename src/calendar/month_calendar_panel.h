#pragma once
// The month calendar panel of the gadget.
#include "calendar/month_calendar.h"
#include "draw/gdiplus_wrappers.h"
#include "draw/rect_f.h"

namespace calendar {

// The month that the panel shows, and the month whose marks it last computed.
struct MonthCalendarPanel : MonthCalendar {
    int32_t computedYear = 0;
    int32_t computedMonth = 0;
    int32_t shownYear = 0;
    int32_t shownMonth = 0;
    bool followToday = true;
};

}  // namespace calendar

void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& graphics, const draw::RectF& rect);
