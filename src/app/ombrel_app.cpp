#include "app/ombrel_app.h"

#include <clocale>

#include "calendar/config_loader.h"
#include "framework/gdi_object.h"
#include "ombrel_version.h"
#include "gadget/ombrel_dlg.h"

namespace {

// Before anything else runs, the current folder and PATH leave the search for
// libraries, so that nothing the program or GDI+ loads later is picked up from
// a downloads folder the gadget was started from.
struct RestrictedLibrarySearch {
    RestrictedLibrarySearch() {
        SetDllDirectoryW(L"");
        SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    }
};
// The first priority a program may use: built before every other static object.
__attribute__((init_priority(101))) const RestrictedLibrarySearch restrictedLibrarySearch;

}  // namespace

COmbrelApp theApp;

COmbrelApp::COmbrelApp() : versionText(L"version " OMBREL_VERSION_TEXT), noticeText(L"" OMBREL_COPYRIGHT) {}

bool COmbrelApp::initInstance() {
    fw::Application::initInstance();

    // One copy only. The mutex settles copies started at the same moment, before
    // either has a window; the title still finds a gadget that holds none.
    instanceMutex.reset(CreateMutexW(nullptr, FALSE, INSTANCE_MUTEX_NAME));
    if (GetLastError() == ERROR_ALREADY_EXISTS) return false;
    if (FindWindowW(nullptr, MAIN_WINDOW_TITLE)) return false;

    gdiplus.emplace();
    setRegistryKey(L"Fenwold");

    {
        fw::WindowDC screen(nullptr);
        dpiScaleX = static_cast<float>(GetDeviceCaps(screen.get(), LOGPIXELSX)) / 96.0f;
        dpiScaleY = static_cast<float>(GetDeviceCaps(screen.get(), LOGPIXELSY)) / 96.0f;
    }

    mainLeft = getProfileInt(SETTINGS_SECTION, L"MainLeft", app::UNSET_POSITION);
    mainTop = getProfileInt(SETTINGS_SECTION, L"MainTop", app::UNSET_POSITION);
    colorSelect = getProfileInt(SETTINGS_SECTION, L"ColorSelect", 0);
    sizePercent = getProfileInt(SETTINGS_SECTION, L"Size", 100);
    shadow = getProfileInt(SETTINGS_SECTION, L"Shadow", 0);

    app::Point position{mainLeft, mainTop};
    app::WindowSize size = app::gadgetWindowSize(scale());
    clampToWorkArea(position, size.width, size.height);
    mainLeft = position.x;
    mainTop = position.y;

    applyTheme(colorSelect);

    _wsetlocale(LC_ALL, L"Japanese");
    loadCalendarConfig();

    COmbrelDlg* dialog = new COmbrelDlg;
    mainDialog = dialog;
    mainWindow = dialog;
    dialog->doModal();
    mainWindow = nullptr;
    mainDialog = nullptr;
    delete dialog;

    gdiplus.reset();
    return false;
}

void COmbrelApp::applyTheme(int index) { app::themePalette(index, ThemePalette); }

void COmbrelApp::clampToWorkArea(app::Point& position, int32_t width, int32_t height) const {
    HMONITOR monitor = MonitorFromPoint(POINT{position.x, position.y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    app::clampToArea(position, width, height,
                     {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
}

void COmbrelApp::writeSetting(const wchar_t* name, int value) const { writeProfileInt(SETTINGS_SECTION, name, value); }
