#include "calendar/config_loader.h"

#include <windows.h>

#include "app/ombrel_app.h"
#include "calendar/config_reader.h"
#include "framework/message_box.h"

void loadCalendarConfig(const calendar::ConfigReporter& report) {
    wchar_t moduleFileName[260] = {};
    if (GetModuleFileNameW(nullptr, moduleFileName, 260) == 0) {
        report(L"モジュールファイル名が不適切です。");
        return;
    }
    calendar::readCalendarConfig(calendar::configPathBeside(moduleFileName), theApp.eraNames, theApp.specialDays,
                                 report);
}

void loadCalendarConfig() {
    loadCalendarConfig([](const std::wstring& message) { fw::messageBox(message.c_str()); });
}
