#include "file_bytes.h"

#include <cerrno>
#include <cstdio>

#include "calendar/utf8.h"
#include "framework/open_failure.h"

namespace tools {

namespace {

fw::OpenFailure failureOf(int error) {
    switch (error) {
        case ENOENT: return fw::OpenFailure::NotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EISDIR:
        case EINVAL: return fw::OpenFailure::BadPath;
        case EACCES:
        case EPERM: return fw::OpenFailure::AccessDenied;
        case EMFILE:
        case ENFILE: return fw::OpenFailure::TooManyOpenFiles;
        default: return fw::OpenFailure::Other;
    }
}

}  // namespace

bool readFileBytes(const std::string& path, std::string& bytes, std::wstring& failure) {
#ifdef _WIN32
    std::FILE* file = _wfopen(calendar::fromUtf8(path).c_str(), L"rb");
#else
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    if (!file) {
        failure = fw::openFailureText(failureOf(errno), calendar::fromUtf8(path));
        return false;
    }
    bytes.clear();
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    // A directory opens on Linux and fails only here.
    bool failed = std::ferror(file) != 0;
    int error = errno;
    std::fclose(file);
    if (failed) failure = fw::openFailureText(failureOf(error), calendar::fromUtf8(path));
    return !failed;
}

}  // namespace tools
