#pragma once
// Names for the instances of a parameterized test, so that the test lists show
// what each case is instead of its index or its bytes: a test name may hold
// only letters, digits and '_', so everything else becomes one '_'.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <string_view>

namespace testing_names {

inline std::string identifier(std::string_view text) {
    std::string name;
    for (char c : text) {
        bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (kept)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "empty" : name;
}

// The same for wide text: what is not ASCII counts as a separator.
inline std::string identifier(std::wstring_view text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : ' ';
    return identifier(narrow);
}

// A number as a name: 0.005 gives "0_005", -10 "minus_10".
inline std::string numberName(double value) {
    if (std::isnan(value)) return "NaN";
    std::ostringstream text;
    text << std::fabs(value);
    return (value < 0 ? "minus_" : "") + identifier(text.str());
}

// Names each instance by its case's `what`.
struct ByWhat {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return identifier(std::string_view(info.param.what));
    }
};

}  // namespace testing_names
