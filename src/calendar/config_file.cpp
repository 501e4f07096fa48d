#include "calendar/config_loader.h"
#include "calendar/config_reader.h"
#include "framework/text_file.h"

namespace calendar {

bool readCalendarConfig(const std::wstring& path, std::vector<EraName>& eraNames, std::vector<SpecialDay>& specialDays,
                        const ConfigReporter& report) {
    fw::TextFile file;
    std::wstring failure;
    if (!file.open(path, failure)) {
        report(L"読込ファイルをオープンできません。: " + failure);
        return false;
    }
    ConfigReader reader(eraNames, specialDays);
    std::wstring line;
    while (file.readLine(line)) {
        if (!reader.readLine(line)) {
            report(reader.message());
            return false;
        }
    }
    return true;
}

}  // namespace calendar
