#pragma once
// Reading the text of config.txt the way the Windows C runtime reads it, so that
// the file means the same on every platform we build for: its wide white space,
// its decimal digits and its wcstol and wcstod.
#include <cstdint>
#include <string_view>

namespace calendar {

// The runtime's wide white space: the ASCII controls and space, no-break spaces,
// the typographic spaces and the ideographic space U+3000.
bool isWideSpace(wchar_t c);

// The value 0..9 of a decimal digit of any script the runtime knows (ASCII,
// full-width, Arabic-Indic, Devanagari, Thai ...), or -1.
int decimalDigitValue(wchar_t c);

// As wcstol(text, nullptr, 10): leading white space, an optional sign, digits up
// to the first other character; 0 without digits; saturated to 32 bits.
int32_t readInteger(std::wstring_view text);

// As wcstod(text, nullptr): leading white space, an optional sign, ASCII digits
// with an optional "." and exponent; 0.0 without a number.
double readReal(std::wstring_view text);

}  // namespace calendar
