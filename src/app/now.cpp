#include "app/now.h"

namespace app {

namespace {
NowFunction nowFunction = nullptr;
}

std::time_t now() { return nowFunction ? nowFunction() : std::time(nullptr); }

void setNowForTesting(NowFunction function) { nowFunction = function; }

}  // namespace app
