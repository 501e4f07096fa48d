#include "calendar/config_loader.h"

#include <windows.h>

#include "app/ombrel_app.h"
#include "calendar/config_reader.h"
#include "framework/message_box.h"

namespace calendar {

void loadCalendarConfig(const ConfigReporter& report) {
    wchar_t moduleFileName[260] = {};
    if (GetModuleFileNameW(nullptr, moduleFileName, 260) == 0) {
        report(L"モジュールファイル名が不適切です。");
        return;
    }
    readCalendarConfig(configPathBeside(moduleFileName), theApp.eraNames, theApp.specialDays, report);
}

}  // namespace calendar

void loadCalendarConfig() {
    calendar::loadCalendarConfig([](const std::wstring& message) { fw::messageBox(message.c_str()); });
}
