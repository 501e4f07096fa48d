// ombrel-holidays: what config.txt gives, day by day, for whole years.
//   ombrel-holidays [--config PATH] [--eras] FIRST_YEAR [LAST_YEAR]
//   ombrel-holidays --check FILE.csv [--config PATH]
// Prints "YYYY-MM-DD<TAB>kind<TAB>name" for every marked day, or with --eras
// "YYYY-MM<TAB>era text" for every month, in UTF-8. A bad config.txt prints the
// program's message to stderr and ends with status 1.
// --check compares config.txt with the Cabinet Office's syukujitsu.csv and prints
// the differences: status 0 with none, 1 with some, 2 when the list or the config
// cannot be read.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_check.h"
#include "calendar/holiday_listing.h"
#include "calendar/published_holidays.h"
#include "calendar/utf8.h"
#include "config_source.h"
#include "file_bytes.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr char USAGE[] =
    "usage: ombrel-holidays [--config PATH] [--eras] FIRST_YEAR [LAST_YEAR]\n"
    "       ombrel-holidays --check FILE.csv [--config PATH]\n";

bool parseYear(std::string_view text, int32_t& year) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    return error == std::errc{} && end == text.data() + text.size();
}

void write(std::FILE* stream, const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stream); }

struct Records {
    std::vector<calendar::EraName> eraNames;
    std::vector<calendar::SpecialDay> specialDays;
};

// False with the loader's message on stderr.
bool readRecords(const std::string& configPath, Records& records) {
    std::wstring message;
    if (tools::readConfig(configPath, records.eraNames, records.specialDays, message)) return true;
    write(stderr, calendar::toUtf8(message) + "\n");
    return false;
}

int check(const std::string& listPath, const std::string& configPath) {
    std::string bytes;
    std::wstring failure;
    if (!tools::readFileBytes(listPath, bytes, failure)) {
        write(stderr, calendar::toUtf8(failure) + "\n");
        return 2;
    }
    calendar::PublishedHolidays list = calendar::readPublishedHolidays(bytes, tools::decodeCp932);
    if (list.errorLine != 0) {
        write(stderr,
              listPath + ": " + std::to_string(list.errorLine) + " 行目: " + calendar::toUtf8(list.error) + "\n");
        return 2;
    }
    Records records;
    if (!readRecords(configPath, records)) return 2;
    calendar::HolidayCheck result = calendar::checkAgainstPublished(list.days, records.specialDays);
    write(stdout, calendar::toUtf8(result.report));
    if (std::fflush(stdout) != 0) return 2;
    return result.differences == 0 ? 0 : 1;
}

int run(const std::vector<std::string>& args) {
    std::string configPath, listPath;
    bool eras = false;
    std::vector<int32_t> years;
    for (size_t i = 0; i < args.size(); ++i) {
        int32_t year = 0;
        if (args[i] == "--config" && i + 1 < args.size()) {
            configPath = args[++i];
        } else if (args[i] == "--check" && i + 1 < args.size() && listPath.empty()) {
            listPath = args[++i];
        } else if (args[i] == "--eras") {
            eras = true;
        } else if (parseYear(args[i], year) && years.size() < 2) {
            years.push_back(year);
        } else {
            write(stderr, USAGE);
            return 2;
        }
    }
    if (configPath.empty()) configPath = tools::defaultConfigPath();
    if (!listPath.empty() && !eras && years.empty()) return check(listPath, configPath);
    if (!listPath.empty() || years.empty() || (years.size() == 2 && years[1] < years[0])) {
        write(stderr, USAGE);
        return 2;
    }

    Records records;
    if (!readRecords(configPath, records)) return 1;
    int32_t first = years.front(), last = years.back();
    write(stdout, calendar::toUtf8(eras ? calendar::listEras(first, last, records.eraNames)
                                        : calendar::listHolidays(first, last, records.specialDays)));
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    // UTF-8 bytes as they are, with no CR added.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(calendar::toUtf8(argv[i]));
    return run(args);
}
#else
int main(int argc, char** argv) { return run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
