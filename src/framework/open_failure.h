#pragma once
// The framework's texts for a file that cannot be opened. Plain C++, so that the
// tools built without Windows say the same as the program.
#include <string>

namespace fw {

enum class OpenFailure { NotFound, BadPath, AccessDenied, SharingViolation, TooManyOpenFiles, Other };

// The text for `failure` naming the full `path`, cut to 255 characters.
std::wstring openFailureText(OpenFailure failure, const std::wstring& path);

}  // namespace fw
