#include "calendar/config_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace calendar {

namespace {

// The zero of each run of ten decimal digits that the runtime's wcstol accepts.
constexpr char16_t DIGIT_ZEROS[] = {0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
                                    0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};

bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A number beyond double's range reads as infinity when large and 0 when tiny,
// as the runtime reads it. `number` is unsigned: digits, ".", an exponent.
double outOfRange(std::string_view number) {
    size_t e = number.find('e');
    std::string_view mantissa = number.substr(0, e);
    int64_t exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view text = number.substr(e + 1);
        bool negative = !text.empty() && text[0] == '-';
        if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
        for (char c : text) exponent = std::min<int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
        if (negative) exponent = -exponent;
    }
    // The power of ten of the first significant digit.
    size_t point = mantissa.find('.');
    if (point == std::string_view::npos) point = mantissa.size();
    size_t firstDigit = mantissa.find_first_not_of("0.");
    if (firstDigit == std::string_view::npos) return 0.0;
    int64_t magnitude =
        firstDigit < point ? static_cast<int64_t>(point - firstDigit) - 1 : -static_cast<int64_t>(firstDigit - point);
    return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

size_t skipSpace(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && isWideSpace(text[i])) ++i;
    return i;
}

}  // namespace

bool isWideSpace(wchar_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

int decimalDigitValue(wchar_t c) {
    for (char16_t zero : DIGIT_ZEROS) {
        if (c >= zero && c <= zero + 9) return static_cast<int>(c - zero);
    }
    return -1;
}

int32_t readInteger(std::wstring_view text) {
    size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    // Counted in 64 bits and stopped at the first step past the 32-bit range.
    const int64_t limit =
        negative ? -int64_t{std::numeric_limits<int32_t>::min()} : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = decimalDigitValue(text[i]);
        if (digit < 0) break;
        value = value * 10 + digit;
        if (value > limit) value = limit;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

double readReal(std::wstring_view text) {
    size_t i = skipSpace(text);
    std::string number;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') number += '-';
        ++i;
    }
    size_t digits = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i, ++digits) number += static_cast<char>(text[i]);
    if (i < text.size() && text[i] == L'.') {
        number += '.';
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i, ++digits) number += static_cast<char>(text[i]);
    }
    if (digits == 0) return 0.0;
    // The exponent counts only when digits follow its letter and sign.
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += static_cast<char>(text[j++]);
        size_t start = j;
        for (; j < text.size() && isAsciiDigit(text[j]); ++j) exponent += static_cast<char>(text[j]);
        if (j > start) number += exponent;
    }
    double value = 0.0;
    const char* first = number.data();
    if (*first == '-') ++first;
    auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = outOfRange(first);
    return first != number.data() ? -value : value;
}

}  // namespace calendar
