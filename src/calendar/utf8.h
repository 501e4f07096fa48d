#pragma once
// UTF-8 for the checker's output and for the editable master of config.txt.
// Wide text is UTF-16 on Windows and UTF-32 elsewhere; both are handled.
#include <string>
#include <string_view>

namespace calendar {

std::string toUtf8(std::wstring_view text);
// Bytes that are no UTF-8 become U+FFFD.
std::wstring fromUtf8(std::string_view text);

}  // namespace calendar
