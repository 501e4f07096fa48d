#include "meters/meter_timer.h"

#include <mmsystem.h>

#include <mutex>

#include "meters/meters.h"

namespace meters {

namespace {

// timeKillEvent does not wait for a tick that is already running, so a tick
// could go on after the window is gone and the meters' exit has begun. A tick
// runs holding this lock and only while its timer is still the live one; a stop
// takes the lock, so it returns only after a running tick has finished, and a
// tick that starts afterwards does nothing.
std::mutex tickLock;
UINT liveTimer = 0;  // guarded by tickLock

// Runs on the multimedia timer's own thread. It reaches the window only by its
// handle, which the system checks on every call, never through the window object.
void CALLBACK meterTimerProc(UINT timerId, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
    std::lock_guard<std::mutex> hold(tickLock);
    if (timerId != liveTimer) return;
    sampleMeters();
    // The paint on the window's thread draws what was just sampled.
    if (window) InvalidateRect(reinterpret_cast<HWND>(window), nullptr, TRUE);
}

}  // namespace

uint32_t startMeterTimer(HWND window) {
    UINT timerId = timeSetEvent(1000, 0, meterTimerProc, reinterpret_cast<DWORD_PTR>(window),
                                TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    // The first tick is a second away: it finds its timer live.
    std::lock_guard<std::mutex> hold(tickLock);
    liveTimer = timerId;
    return timerId;
}

void stopMeterTimer(uint32_t timerId) {
    if (!timerId) return;
    timeKillEvent(timerId);
    std::lock_guard<std::mutex> hold(tickLock);
    if (liveTimer == timerId) liveTimer = 0;
}

void onPowerEvent(uint32_t& timerId, WPARAM event, HWND window) {
    if (event == PBT_APMSUSPEND) {
        stopMeterTimer(timerId);
        timerId = 0;
    } else if (event == PBT_APMRESUMESUSPEND) {
        // A resume without a suspend before it must not leave a second timer running.
        stopMeterTimer(timerId);
        timerId = startMeterTimer(window);
    }
}

}  // namespace meters
