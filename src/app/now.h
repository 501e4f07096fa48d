#pragma once
// "Now" for everything that shows the date or the time. Production reads the
// clock; tests fix it.
#include <ctime>

namespace app {

using NowFunction = std::time_t (*)();

std::time_t now();
// nullptr restores the real clock.
void setNowForTesting(NowFunction function);

}  // namespace app
