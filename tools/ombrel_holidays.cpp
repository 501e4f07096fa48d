// ombrel-holidays: what config.txt gives, day by day, for whole years.
//   ombrel-holidays [--config PATH] [--eras] FIRST_YEAR [LAST_YEAR]
// Prints "YYYY-MM-DD<TAB>kind<TAB>name" for every marked day, or with --eras
// "YYYY-MM<TAB>era text" for every month, in UTF-8. A bad config.txt prints the
// program's message to stderr and ends with status 1.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_listing.h"
#include "calendar/utf8.h"
#include "config_source.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr char USAGE[] = "usage: ombrel-holidays [--config PATH] [--eras] FIRST_YEAR [LAST_YEAR]\n";

bool parseYear(std::string_view text, int32_t& year) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    return error == std::errc{} && end == text.data() + text.size();
}

void write(std::FILE* stream, const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stream); }

int run(const std::vector<std::string>& args) {
    std::string configPath;
    bool eras = false;
    std::vector<int32_t> years;
    for (size_t i = 0; i < args.size(); ++i) {
        int32_t year = 0;
        if (args[i] == "--config" && i + 1 < args.size()) {
            configPath = args[++i];
        } else if (args[i] == "--eras") {
            eras = true;
        } else if (parseYear(args[i], year) && years.size() < 2) {
            years.push_back(year);
        } else {
            write(stderr, USAGE);
            return 2;
        }
    }
    if (years.empty() || (years.size() == 2 && years[1] < years[0])) {
        write(stderr, USAGE);
        return 2;
    }
    if (configPath.empty()) configPath = tools::defaultConfigPath();

    std::vector<calendar::EraName> eraNames;
    std::vector<calendar::SpecialDay> specialDays;
    std::wstring message;
    if (!tools::readConfig(configPath, eraNames, specialDays, message)) {
        write(stderr, calendar::toUtf8(message) + "\n");
        return 1;
    }
    int32_t first = years.front(), last = years.back();
    write(stdout, calendar::toUtf8(eras ? calendar::listEras(first, last, eraNames)
                                        : calendar::listHolidays(first, last, specialDays)));
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
