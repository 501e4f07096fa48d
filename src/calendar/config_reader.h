#pragma once
// The lines of config.txt turned into EraName and SpecialDay records. The file is
// read elsewhere (the C runtime on Windows, iconv in the checker); this part sees
// its lines as wide text, in order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_records.h"

namespace calendar {

// A line made ready: the "#" comment dropped, wide white space trimmed at both
// ends, split at runs of ASCII spaces and tabs. Empty for a line to skip.
std::vector<std::wstring> splitConfigLine(std::wstring_view line);

// Appends the records of one file's lines to two lists, and stops at the first bad line.
class ConfigReader {
public:
    ConfigReader(std::vector<EraName>& eraNames, std::vector<SpecialDay>& specialDays)
        : eraNames_(eraNames), specialDays_(specialDays) {}

    // Takes the next line of the file, without its line end. False when the line is
    // bad: message() then says why, and no further line may be given.
    bool readLine(std::wstring_view line);
    const std::wstring& message() const { return message_; }

private:
    bool fail(const wchar_t* format);

    std::vector<EraName>& eraNames_;
    std::vector<SpecialDay>& specialDays_;
    int64_t lineNumber_ = 0;
    std::wstring message_;
};

// "path\to\program.exe" gives "path\to\config.txt"; a name without a backslash
// gives "\config.txt".
std::wstring configPathBeside(std::wstring_view moduleFileName);

}  // namespace calendar
