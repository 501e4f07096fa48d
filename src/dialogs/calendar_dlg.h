#pragma once
// The calendar browser: a whole year of months, opened by a double click on the
// month calendar.
#include "draw/rounded_corner_window.h"

class CCalendarDlg : public RoundedCornerWindow {
public:
    CCalendarDlg();
};
