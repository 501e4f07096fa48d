#pragma once
// The one-second sampling timer of the meters.
#include <windows.h>

#include <cstdint>

namespace meters {

// Starts the periodic timer; its tick samples every meter and repaints `window`.
uint32_t startMeterTimer(HWND window);
// Returns once no tick of the timer runs any more, so that the window may go.
void stopMeterTimer(uint32_t timerId);
// Suspend stops the timer and resume starts a new one for `window`, never a second one.
void onPowerEvent(uint32_t& timerId, WPARAM event, HWND window);

}  // namespace meters
