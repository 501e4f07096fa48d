#pragma once
// The application object: start-up, and for the rest of the process the shared
// store of settings, scale, palette, calendar records and the cell table.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/appearance.h"
#include "app/placement.h"
#include "app/scale.h"
#include "app/theme_palette.h"
#include "calendar/calendar_records.h"
#include "framework/application.h"
#include "framework/gdiplus_session.h"

class COmbrelDlg;

class COmbrelApp : public fw::Application {
public:
    COmbrelApp();

    bool initInstance() override;

    void applyTheme(int index);
    // Keeps a window inside the work area of the monitor that holds (or is
    // nearest to) `position`.
    void clampToWorkArea(app::Point& position, int32_t width, int32_t height) const;
    app::Scale scale() const { return {dpiScaleX, dpiScaleY, sizePercent}; }
    app::Appearance appearance() const { return {ThemePalette, colorSelect, scale(), shadow}; }
    // Writes one value of the section "Settings".
    void writeSetting(const wchar_t* name, int value) const;

    COmbrelDlg* mainDialog = nullptr;
    std::wstring versionText;
    std::wstring noticeText;
    int32_t mainLeft = 0;
    int32_t mainTop = 0;
    float dpiScaleX = 1.0f;
    float dpiScaleY = 1.0f;
    // [column 0..6][row 0..5] at index column * 6 + row: the record drawn in each
    // cell of the month panel, filled on every paint.
    std::array<const calendar::SpecialDay*, 42> calendarCellHolidays{};
    std::vector<calendar::EraName> eraNames;
    std::vector<calendar::SpecialDay> specialDays;
    int32_t colorSelect = 0;
    app::ThemePalette ThemePalette{};
    int32_t sizePercent = 100;
    int32_t shadow = 0;
    // From start-up until the gadget is gone.
    std::optional<fw::GdiplusSession> gdiplus;

private:
    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    // Held for the whole run: a second copy that finds it ends at once.
    std::unique_ptr<void, HandleCloser> instanceMutex;
};

extern COmbrelApp theApp;

constexpr wchar_t MAIN_WINDOW_TITLE[] = L"OmbrelMainWindow3";
// In the session's own namespace: one gadget per signed-in user.
constexpr wchar_t INSTANCE_MUTEX_NAME[] = L"Local\\Fenwold.Ombrel.OneCopy";
constexpr wchar_t SETTINGS_SECTION[] = L"Settings";
