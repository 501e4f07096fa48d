#pragma once
// theApp for one test: every field a test may change is saved when the scope
// opens and put back when it closes, so that a failed assertion in between
// leaves nothing behind for the tests after it.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/ombrel_app.h"

namespace wintest {

class AppScope {
public:
    // The records are moved aside rather than copied, so that a cell table
    // left by an earlier paint keeps pointing at live records.
    AppScope()
        : mainDialog_(theApp.mainDialog),
          mainWindow_(theApp.mainWindow),
          mainLeft_(theApp.mainLeft),
          mainTop_(theApp.mainTop),
          dpiScaleX_(theApp.dpiScaleX),
          dpiScaleY_(theApp.dpiScaleY),
          cells_(theApp.calendarCellHolidays),
          eraNames_(std::move(theApp.eraNames)),
          specialDays_(std::move(theApp.specialDays)),
          colorSelect_(theApp.colorSelect),
          palette_(theApp.ThemePalette),
          sizePercent_(theApp.sizePercent),
          shadow_(theApp.shadow),
          company_(company()) {
        theApp.eraNames = eraNames_;
        theApp.specialDays = specialDays_;
    }
    // The scale, the theme (with its palette) and the shadow as the settings give them.
    AppScope(float dpi, int32_t sizePercent, int32_t theme = 0, int32_t shadow = 0) : AppScope() {
        setScale(dpi, sizePercent);
        setTheme(theme);
        setShadow(shadow);
    }
    ~AppScope() {
        theApp.mainDialog = mainDialog_;
        theApp.mainWindow = mainWindow_;
        theApp.mainLeft = mainLeft_;
        theApp.mainTop = mainTop_;
        theApp.dpiScaleX = dpiScaleX_;
        theApp.dpiScaleY = dpiScaleY_;
        theApp.eraNames = std::move(eraNames_);
        theApp.specialDays = std::move(specialDays_);
        theApp.calendarCellHolidays = cells_;
        theApp.colorSelect = colorSelect_;
        theApp.ThemePalette = palette_;
        theApp.sizePercent = sizePercent_;
        theApp.shadow = shadow_;
        theApp.setRegistryKey(company_.c_str());
    }
    AppScope(const AppScope&) = delete;
    AppScope& operator=(const AppScope&) = delete;

    AppScope& setScale(float dpi, int32_t sizePercent) {
        theApp.dpiScaleX = theApp.dpiScaleY = dpi;
        theApp.sizePercent = sizePercent;
        return *this;
    }
    AppScope& setTheme(int32_t index) {
        theApp.colorSelect = index;
        theApp.applyTheme(index);
        return *this;
    }
    AppScope& setShadow(int32_t shadow) {
        theApp.shadow = shadow;
        return *this;
    }
    AppScope& setMainPosition(int32_t left, int32_t top) {
        theApp.mainLeft = left;
        theApp.mainTop = top;
        return *this;
    }
    AppScope& setMainDialog(COmbrelDlg* dialog) {
        theApp.mainDialog = dialog;
        return *this;
    }
    AppScope& setMainWindow(fw::Dialog* window) {
        theApp.mainWindow = window;
        return *this;
    }
    AppScope& setSpecialDays(std::vector<calendar::SpecialDay> days) {
        theApp.specialDays = std::move(days);
        return *this;
    }
    AppScope& setEraNames(std::vector<calendar::EraName> eras) {
        theApp.eraNames = std::move(eras);
        return *this;
    }
    // The profile's company key: the settings then go under Software\<company>.
    AppScope& setRegistryKey(const wchar_t* company) {
        theApp.setRegistryKey(company);
        return *this;
    }

private:
    // The company part of the profile's key path, Software\<company>\<appName>\.
    static std::wstring company() {
        std::wstring path = theApp.profileKeyPath(L"");
        const std::wstring head = L"Software\\", tail = L"\\" + theApp.appName() + L"\\";
        return path.substr(head.size(), path.size() - head.size() - tail.size());
    }

    COmbrelDlg* mainDialog_;
    fw::Dialog* mainWindow_;
    int32_t mainLeft_, mainTop_;
    float dpiScaleX_, dpiScaleY_;
    decltype(COmbrelApp::calendarCellHolidays) cells_;
    std::vector<calendar::EraName> eraNames_;
    std::vector<calendar::SpecialDay> specialDays_;
    int32_t colorSelect_;
    decltype(COmbrelApp::ThemePalette) palette_;
    int32_t sizePercent_, shadow_;
    std::wstring company_;
};

}  // namespace wintest
