#pragma once
// A text file read through the C runtime in text mode: CR LF ends a line, and
// bytes become wide characters in the multibyte code page of the current locale.
#include <cstdio>
#include <string>

#include "framework/open_failure.h"

namespace fw {

class TextFile {
public:
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens for reading. On failure returns false and sets `failure` to the
    // framework's text for the error, naming the full path.
    bool open(const std::wstring& path, std::wstring& failure);
    // The next line without its line end; false at the end of the file.
    bool readLine(std::wstring& line);
    void close();

private:
    FILE* file_ = nullptr;
};

}  // namespace fw
