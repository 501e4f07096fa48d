#pragma once
// config.txt is read in code page 932: tests write their own files in it.
#include <windows.h>

#include <string>

namespace e2e {

inline std::string cp932(const std::wstring& text) {
    int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

}  // namespace e2e
