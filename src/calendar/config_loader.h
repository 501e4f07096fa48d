#pragma once
// Reads config.txt beside the executable into the application's eraNames and
// specialDays, reporting problems in message boxes.
#include <functional>
#include <string>
#include <vector>

#include "calendar/calendar_records.h"

namespace calendar {

// Where the loader's messages go: a message box in the program, a list in tests.
using ConfigReporter = std::function<void(const std::wstring& message)>;

// Reads the file at `path` through the C runtime in the locale's code page and
// appends its records; the first problem goes to `report` and ends the reading.
// Returns false when there was a problem.
bool readCalendarConfig(const std::wstring& path, std::vector<EraName>& eraNames, std::vector<SpecialDay>& specialDays,
                        const ConfigReporter& report);

}  // namespace calendar

void loadCalendarConfig();
// The same, with its messages sent to `report`.
void loadCalendarConfig(const calendar::ConfigReporter& report);
