#pragma once
// How the checker reads config.txt on each platform: through the program's own
// loader on Windows, through iconv elsewhere. Both hand the lines to the same reader.
#include <string>
#include <vector>

#include "calendar/calendar_records.h"

namespace tools {

// The config.txt beside this program.
std::string defaultConfigPath();

// Reads the CP932 file at `path`; false with the loader's message when it is bad.
bool readConfig(const std::string& path, std::vector<calendar::EraName>& eraNames,
                std::vector<calendar::SpecialDay>& specialDays, std::wstring& message);

}  // namespace tools
