// The checker's reading of config.txt on Windows: the program's own loader, in
// the "Japanese" locale the program sets before it reads the file.
#include <windows.h>

#include <clocale>

#include "calendar/config_loader.h"
#include "calendar/config_reader.h"
#include "calendar/utf8.h"
#include "config_source.h"

namespace tools {

std::string defaultConfigPath() {
    wchar_t moduleFileName[260] = {};
    GetModuleFileNameW(nullptr, moduleFileName, 260);
    return calendar::toUtf8(calendar::configPathBeside(moduleFileName));
}

bool readConfig(const std::string& path, std::vector<calendar::EraName>& eraNames,
                std::vector<calendar::SpecialDay>& specialDays, std::wstring& message) {
    _wsetlocale(LC_ALL, L"Japanese");
    return calendar::readCalendarConfig(calendar::fromUtf8(path), eraNames, specialDays,
                                        [&](const std::wstring& text) { message = text; });
}

std::wstring decodeCp932(std::string_view bytes) {
    if (bytes.empty()) return {};
    // Strict, so that a byte outside CP932 is not silently read as "・".
    int length =
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return L"\xFFFD";
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

}  // namespace tools
