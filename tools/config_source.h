#pragma once
// How the checker reads config.txt on each platform: through the program's own
// loader on Windows, through iconv elsewhere. Both hand the lines to the same reader.
// CP932 text is decoded by the same means.
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_records.h"

namespace tools {

// The config.txt beside this program.
std::string defaultConfigPath();

// Reads the CP932 file at `path`; false with the loader's message when it is bad.
bool readConfig(const std::string& path, std::vector<calendar::EraName>& eraNames,
                std::vector<calendar::SpecialDay>& specialDays, std::wstring& message);

// CP932 bytes as wide text, with U+FFFD where the bytes are no CP932.
std::wstring decodeCp932(std::string_view bytes);

}  // namespace tools
