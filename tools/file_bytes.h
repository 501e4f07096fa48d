#pragma once
// A whole file as bytes, for the checker's readers on every platform.
#include <string>

namespace tools {

// Reads the file at the UTF-8 `path`; false with the framework's text for the
// open failure, naming the path.
bool readFileBytes(const std::string& path, std::string& bytes, std::wstring& failure);

}  // namespace tools
