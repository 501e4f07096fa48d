#include "dialogs/calendar_dlg.h"

#include "resource.h"

CCalendarDlg::CCalendarDlg() : RoundedCornerWindow(IDD_CALENDAR_DIALOG) {}
