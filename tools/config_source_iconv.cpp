// The checker's reading of config.txt without Windows: bytes as text mode gives
// them (CR LF ends a line, Ctrl+Z ends the file), CP932 to wide characters through iconv.
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "calendar/config_reader.h"
#include "calendar/utf8.h"
#include "config_source.h"
#include "file_bytes.h"

namespace tools {

namespace {

class Cp932Decoder {
public:
    Cp932Decoder() : convert_(iconv_open("WCHAR_T", "CP932")) {}
    ~Cp932Decoder() {
        if (convert_ != reinterpret_cast<iconv_t>(-1)) iconv_close(convert_);
    }
    // One for the process: opening a conversion costs more than a line's decoding.
    static Cp932Decoder& shared() {
        static Cp932Decoder decoder;
        return decoder;
    }
    bool ready() const { return convert_ != reinterpret_cast<iconv_t>(-1); }

    // A byte that starts no CP932 character becomes U+FFFD, and decoding goes on.
    std::wstring decode(std::string_view bytes) {
        std::wstring text;
        iconv(convert_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        while (inLeft > 0) {
            wchar_t buffer[256];
            char* out = reinterpret_cast<char*>(buffer);
            size_t outLeft = sizeof buffer;
            size_t result = iconv(convert_, &in, &inLeft, &out, &outLeft);
            text.append(buffer, static_cast<size_t>(reinterpret_cast<wchar_t*>(out) - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                text += L'\xFFFD';
                ++in;
                --inLeft;
                iconv(convert_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return text;
    }

private:
    iconv_t convert_;
};

}  // namespace

std::wstring decodeCp932(std::string_view bytes) { return Cp932Decoder::shared().decode(bytes); }

std::string defaultConfigPath() {
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path(self, length > 0 ? static_cast<size_t>(length) : 0);
    size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/config.txt";
}

bool readConfig(const std::string& path, std::vector<calendar::EraName>& eraNames,
                std::vector<calendar::SpecialDay>& specialDays, std::wstring& message) {
    std::string bytes;
    std::wstring failure;
    if (!readFileBytes(path, bytes, failure)) {
        message = L"読込ファイルをオープンできません。: " + failure;
        return false;
    }
    // Text mode ends the file at its first Ctrl+Z, as the program reads it.
    bytes = bytes.substr(0, bytes.find('\x1a'));
    if (!Cp932Decoder::shared().ready()) {
        message = L"CP932 is not available from iconv";
        return false;
    }
    calendar::ConfigReader reader(eraNames, specialDays);
    std::string_view rest = bytes;
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!reader.readLine(decodeCp932(line))) {
            message = reader.message();
            return false;
        }
    }
    return true;
}

}  // namespace tools
