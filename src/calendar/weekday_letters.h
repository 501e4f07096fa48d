#pragma once
// The weekday letters, Sunday first: in config.txt's weekday rules and over the
// calendars' columns.
#include <array>
#include <string_view>

namespace calendar {

constexpr std::array<std::wstring_view, 7> WEEKDAY_LETTERS = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

}  // namespace calendar
