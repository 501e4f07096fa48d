#pragma once
// <gdiplus.h> with the min and max that it needs and that NOMINMAX hides.
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
