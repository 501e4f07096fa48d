#include "framework/text_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace fw {

namespace {

OpenFailure failureOf(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return OpenFailure::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY: return OpenFailure::BadPath;
        case ERROR_ACCESS_DENIED: return OpenFailure::AccessDenied;
        case ERROR_SHARING_VIOLATION: return OpenFailure::SharingViolation;
        case ERROR_TOO_MANY_OPEN_FILES: return OpenFailure::TooManyOpenFiles;
        default: return OpenFailure::Other;
    }
}

}  // namespace

TextFile::~TextFile() { close(); }

bool TextFile::open(const std::wstring& path, std::wstring& failure) {
    close();
    // Opened by the system first, so that a failure carries the system's reason.
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        failure = openFailureText(failureOf(GetLastError()), path);
        return false;
    }
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_TEXT);
    if (descriptor == -1) {
        CloseHandle(handle);
        failure = openFailureText(OpenFailure::TooManyOpenFiles, path);
        return false;
    }
    file_ = _wfdopen(descriptor, L"rt");
    if (!file_) {
        _close(descriptor);
        failure = openFailureText(OpenFailure::TooManyOpenFiles, path);
        return false;
    }
    return true;
}

bool TextFile::readLine(std::wstring& line) {
    line.clear();
    if (!file_) return false;
    wchar_t chunk[256];
    bool any = false;
    while (std::fgetws(chunk, sizeof chunk / sizeof chunk[0], file_)) {
        any = true;
        line += chunk;
        if (!line.empty() && line.back() == L'\n') {
            line.pop_back();
            return true;
        }
    }
    return any;
}

void TextFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace fw
