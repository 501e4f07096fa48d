// ombrel-soak MINUTES: runs the gadget with a user's mouse activity on repeat and
// samples what it holds every 10 s. It fails when the GDI objects, the handles or
// the private bytes keep growing after a warm-up.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "process_probe.h"
#include "support/gadget_process.h"
#include "support/screen.h"

namespace {

using e2e::mouse::click;
using e2e::mouse::doubleClick;
using e2e::mouse::moveTo;

// The centre of a popup item; the popup's top-right corner is at the click.
POINT popupItem(POINT anchor, float s, int item) {
    const int columnWidth = static_cast<int>(80 * s), rowHeight = static_cast<int>(20 * s);
    const int left = anchor.x - 2 * columnWidth - static_cast<int>(4 * s);
    const int column = item < 6 ? 0 : 1;
    const int row = item < 6 ? item + 1 : item - 5;
    return {left + static_cast<int>(5 * s) + column * columnWidth + columnWidth / 2,
            anchor.y + row * rowHeight + rowHeight / 2};
}

// One round of what a user does, at the gadget's current size.
void oneRound(const e2e::GadgetProcess& gadget, int round) {
    RECT r = gadget.windowRect();
    float s = static_cast<float>(r.right - r.left) / 136.0f;
    auto at = [&](float x, float y) {
        return POINT{r.left + static_cast<LONG>(x * s), r.top + static_cast<LONG>(y * s)};
    };
    auto go = [&](POINT p) {
        moveTo(p.x, p.y);
        Sleep(120);
    };

    // Hover every day cell of the month (the holidays among them) and the title.
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) go(at(16.5f + 17 * column, 169.5f + 15 * row));
    go(at(68, 142));

    // The popup, twice: a theme, then a size.
    const int theme = round % 5;
    const int size = 6 + (round / 5) % 5;  // items 6 .. 10: 80 .. 120 %
    for (int item : {theme, size}) {
        r = gadget.windowRect();
        s = static_cast<float>(r.right - r.left) / 136.0f;
        POINT anchor = at(60, 300);
        moveTo(anchor.x, anchor.y);
        e2e::mouse::rightDown();
        e2e::mouse::rightUp();
        Sleep(300);
        POINT p = popupItem(anchor, s, item);
        click(p.x, p.y);
        Sleep(300);
    }

    // The About box and the calendar browser, each opened and closed.
    r = gadget.windowRect();
    s = static_cast<float>(r.right - r.left) / 136.0f;
    POINT clock = at(60, 60);
    doubleClick(clock.x, clock.y);
    Sleep(400);
    e2e::keyboard::press(VK_ESCAPE);
    Sleep(100);
    POINT grid = at(60, 200);
    doubleClick(grid.x, grid.y);
    Sleep(600);
    for (int i = 0; i < 20; ++i) go({r.left - 420 + 20 * i, r.top + 80 + 20 * (i % 20)});
    e2e::keyboard::press(VK_ESCAPE);
    Sleep(100);
    Sleep(300);
}

bool grows(const std::vector<long long>& series, long long allowance) {
    // Sustained growth: the end is above the start by more than the allowance and
    // most steps went up.
    if (series.size() < 3) return false;
    int ups = 0;
    for (size_t i = 1; i < series.size(); ++i) ups += series[i] > series[i - 1];
    return series.back() - series.front() > allowance && ups * 2 > static_cast<int>(series.size() - 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const double minutes = argc > 1 ? std::wcstod(argv[1], nullptr) : 10.0;
    const DWORD runMs = static_cast<DWORD>(minutes * 60000.0);
    const DWORD warmUpMs = runMs / 4 < 30000 ? runMs / 4 : 30000;

    e2e::GadgetProcess gadget;
    gadget.setSetting(L"MainLeft", 900);
    gadget.setSetting(L"MainTop", 40);
    if (!gadget.start()) {
        std::fprintf(stderr, "ombrel-soak: the gadget did not start\n");
        return 1;
    }
    std::printf("%8s %6s %8s %11s %8s\n", "seconds", "gdi", "handles", "private_kb", "cpu_ms");
    std::vector<long long> gdi, handles, privateKb;
    const DWORD start = GetTickCount();
    DWORD nextSample = 0;
    for (int round = 0; gadget.running(); ++round) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= nextSample) {
            probe::ProcessSample s = probe::sampleProcess(gadget.processId());
            std::printf("%8lu %6ld %8ld %11lld %8lld\n", elapsed / 1000, s.gdiObjects, s.handles, s.privateKb, s.cpuMs);
            std::fflush(stdout);
            if (elapsed >= warmUpMs) {
                gdi.push_back(s.gdiObjects);
                handles.push_back(s.handles);
                privateKb.push_back(s.privateKb);
            }
            nextSample += 10000;
        }
        if (elapsed >= runMs) break;
        oneRound(gadget, round);
    }
    if (!gadget.running()) {
        std::fprintf(stderr, "ombrel-soak: the gadget ended during the run\n");
        return 1;
    }
    bool leak = grows(gdi, 8) || grows(handles, 8) || grows(privateKb, 4096);
    std::printf("%s\n", leak ? "sustained growth after warm-up: FAILED" : "no sustained growth after warm-up: passed");
    return leak ? 1 : 0;
}
