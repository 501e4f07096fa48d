#include "meters/meter_timer.h"

#include <mmsystem.h>

#include "app/ombrel_app.h"
#include "gadget/ombrel_dlg.h"
#include "meters/meters.h"

namespace meters {

namespace {

// Runs on the multimedia timer's own thread.
void CALLBACK meterTimerProc(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
    sampleMeters();
    // The paint on the window's thread draws what was just sampled.
    if (COmbrelDlg* dialog = theApp.mainDialog) InvalidateRect(dialog->hwnd(), nullptr, TRUE);
}

}  // namespace

uint32_t startMeterTimer() {
    HWND window = theApp.mainDialog ? theApp.mainDialog->hwnd() : nullptr;
    return timeSetEvent(1000, 0, meterTimerProc, reinterpret_cast<DWORD_PTR>(window),
                        TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void stopMeterTimer(uint32_t timerId) {
    if (timerId) timeKillEvent(timerId);
}

void onPowerEvent(uint32_t& timerId, WPARAM event) {
    if (event == PBT_APMSUSPEND) {
        stopMeterTimer(timerId);
        timerId = 0;
    } else if (event == PBT_APMRESUMESUSPEND) {
        // A resume without a suspend before it must not leave a second timer running.
        stopMeterTimer(timerId);
        timerId = startMeterTimer();
    }
}

}  // namespace meters
