// The gadget has no keyboard use: the mouse drags it, closes it, steps the
// months, shows the labels and opens the other windows.
#include <string>

#include "app/ombrel_app.h"
#include "dialogs/about_dlg.h"
#include "dialogs/calendar_dlg.h"
#include "dialogs/menu_dlg.h"
#include "framework/shell.h"
#include "gadget/ombrel_dlg.h"

namespace {

bool in(const app::IntRect& r, POINT p) { return r.contains(p.x, p.y); }

// The system's own Task Manager, by its full path: a bare name would also be
// looked for in the current folder, where a downloaded taskmgr.exe may sit.
void startTaskManager() {
    wchar_t system[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring path = std::wstring(system, length) + L"\\taskmgr.exe";
    fw::shellExecute(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace

void COmbrelDlg::invalidate() { InvalidateRect(hwnd(), nullptr, TRUE); }

LRESULT COmbrelDlg::onMouseMove(POINT p) {
    app::Scale s = theApp.scale();

    if (dragging) {
        app::WindowSize size = app::gadgetWindowSize(s);
        app::Point position = dragStep(p, dragOffset, size.width, size.height);
        theApp.mainLeft = position.x;
        theApp.mainTop = position.y;
    }

    if (!mouseInside) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
        mouseInside = true;
        invalidate();
    }

    if (update(closeHover, in(closeRect, p))) invalidate();
    if (update(moveHover, in(moveRect, p))) invalidate();
    if (update(prevHover, in(prevMonthRect, p))) invalidate();
    if (update(nextHover, in(nextMonthRect, p))) invalidate();

    const calendar::SpecialDay* candidate = nullptr;
    if (in(calendarRect, p)) {
        int32_t column = 0, row = 0;
        if (gadget::calendarCellAt(s, calendarRect, p.x, p.y, column, row)) {
            hoverColumn = column;
            hoverRow = row;
            candidate = theApp.calendarCellHolidays[static_cast<size_t>(column * calendar::MONTH_ROWS + row)];
        }
    }
    if (candidate != hoveredHoliday) {
        hoveredHoliday = candidate;
        invalidate();
    }

    if (update(titleHover, in(titleRect, p))) invalidate();
    return 0;
}

LRESULT COmbrelDlg::onMouseLeave(WPARAM, LPARAM) {
    // Only the boxes go; the hover labels stay until the cursor comes back.
    mouseInside = false;
    invalidate();
    return 0;
}

LRESULT COmbrelDlg::onLButtonDown(POINT p) {
    if (in(moveRect, p)) {
        dragOffset = p;
        dragging = true;
        SetCapture(hwnd());
    }
    return 0;
}

LRESULT COmbrelDlg::onLButtonUp(POINT p) {
    if (dragging) {
        theApp.writeSetting(L"MainLeft", theApp.mainLeft);
        theApp.writeSetting(L"MainTop", theApp.mainTop);
    }
    ReleaseCapture();
    dragging = false;

    if (in(closeRect, p)) endDialog(0);
    if (in(prevMonthRect, p)) {
        if (--monthCalendar.shownMonth < 1) {
            monthCalendar.shownMonth = 12;
            --monthCalendar.shownYear;
        }
        monthCalendar.followToday = false;
        invalidate();
    }
    if (in(nextMonthRect, p)) {
        if (++monthCalendar.shownMonth > 12) {
            monthCalendar.shownMonth = 1;
            ++monthCalendar.shownYear;
        }
        monthCalendar.followToday = false;
        invalidate();
    }
    if (in(titleRect, p) || (p.y > mouseBands.todayTop && p.y < mouseBands.todayBottom)) {
        monthCalendar.followToday = true;
        invalidate();
    }
    return 0;
}

LRESULT COmbrelDlg::onLButtonDblClk(POINT p) {
    if (p.y < mouseBands.aboutBottom) {
        CAboutDlg about;
        about.doModal();
    } else if (in(titleRect, p) || (p.y > mouseBands.browserTop && p.y < mouseBands.browserBottom)) {
        CCalendarDlg browser;
        browser.doModal();
    } else if (p.y > mouseBands.taskManagerTop) {
        startTaskManager();
    }
    return 0;
}

LRESULT COmbrelDlg::onRButtonDown(POINT p) {
    ClientToScreen(hwnd(), &p);
    CMenuDlg menu;
    menu.anchor = p;
    menu.hoverItem = -1;
    menu.doModal();
    return 0;
}
